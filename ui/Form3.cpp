#include "Form3.h"

#include "GravuraDecorativa.h"
#include "Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>

namespace {

constexpr QSize kCliente{1016, 714};
const QColor kAzul(0, 0, 255);

QLabel* rotuloAzul(QWidget* pai, const QString& nome, const QString& texto, double pontos,
                   QPoint twips) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setAccessibleName(texto);
    QFont fonte(QStringLiteral("Comic Sans MS"));
    fonte.setPointSizeF(pontos);
    fonte.setBold(true);
    rotulo->setFont(fonte);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, kAzul);
    rotulo->setPalette(paleta);
    rotulo->move(twipsParaPixels(twips.x()), twipsParaPixels(twips.y()));
    rotulo->adjustSize();
    return rotulo;
}

} // namespace

Form3::Form3(QWidget* pai) : QMainWindow(pai) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("QUILORA"));
    auto* cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("Form3Cliente"));
    cliente->setAutoFillBackground(true);
    QPalette paleta = cliente->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    cliente->setPalette(paleta);
    setCentralWidget(cliente);

    createMenus();
    createTitle(cliente);
    createPictures(cliente);
    // The controls keep their places when the window is resized; nothing is laid out again.
    resize(kCliente.width(), kCliente.height() + menuBar()->sizeHint().height());
}

QAction* Form3::criarComando(const QString& nome, const QString& texto) {
    auto* accao = new QAction(texto, this);
    accao->setObjectName(nome);
    return accao;
}

void Form3::createMenus() {
    QMenuBar* barra = menuBar();
    QMenu* ficheiro = barra->addMenu(QStringLiteral("Ficheiro"));
    ficheiro->setObjectName(QStringLiteral("Ficheiro"));
    QAction* sair = criarComando(QStringLiteral("Sair"), QStringLiteral("Sair"));
    ficheiro->addAction(sair);

    // The other four are commands placed directly on the menu bar.
    QAction* quilora = criarComando(QStringLiteral("Quilora"), QStringLiteral("Quilora"));
    QAction* instrucoes = criarComando(QStringLiteral("Instruções"), QStringLiteral("Instruções"));
    QAction* sintaxe = criarComando(QStringLiteral("Sintaxe"), QStringLiteral("Sintaxe"));
    QAction* funcoes =
        criarComando(QStringLiteral("FunçõesDefinidas"), QStringLiteral("Funções definidas"));
    barra->addActions({quilora, instrucoes, sintaxe, funcoes});

    connect(sair, &QAction::triggered, this, &Form3::sairPedido);
    connect(quilora, &QAction::triggered, this, &Form3::quiloraPedida);
    connect(instrucoes, &QAction::triggered, this, &Form3::instrucoesPedidas);
    connect(sintaxe, &QAction::triggered, this, &Form3::sintaxePedida);
    connect(funcoes, &QAction::triggered, this, &Form3::funcoesDefinidasPedidas);
}

void Form3::createTitle(QWidget* cliente) {
    // "QUILORA" as a descending staircase of three steps.
    rotuloAzul(cliente, QStringLiteral("Label1"), QStringLiteral("QUI"), 36, {1020, 7200});
    rotuloAzul(cliente, QStringLiteral("Label2"), QStringLiteral("LO"), 36, {8880, 7800});
    rotuloAzul(cliente, QStringLiteral("Label3"), QStringLiteral("RA"), 36, {11040, 8520});
    rotuloAzul(cliente, QStringLiteral("Label4"), QStringLiteral("Versão 1.3"), 9.75,
               {14040, 9780});
    rotuloAzul(cliente, QStringLiteral("Label5"), QStringLiteral("Resolução: 1024x768"), 9.75,
               {13080, 10200});
}

void Form3::createPictures(QWidget* cliente) {
    for (const GravuraDecorativa& gravura : gravurasDoInicio()) {
        auto* imagem = new QLabel(cliente);
        imagem->setObjectName(gravura.nome);
        imagem->setAccessibleName(gravura.nome);
        imagem->setAccessibleDescription(gravura.descricao);
        imagem->setGeometry(twipsParaPixels(gravura.lugar.x()), twipsParaPixels(gravura.lugar.y()),
                            twipsParaPixels(gravura.lugar.width()),
                            twipsParaPixels(gravura.lugar.height()));
        imagem->setPixmap(QPixmap::fromImage(desenharGravura(gravura)));
    }
}

QAction* Form3::comando(const QString& nome) const {
    return findChild<QAction*>(nome);
}

void Form3::closeEvent(QCloseEvent* evento) {
    // The close control acts as "Sair".
    evento->accept();
    emit sairPedido();
}
