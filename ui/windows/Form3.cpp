// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form3.h"

#include "Disposicao.h"
#include "GravuraDecorativa.h"
#include "Identificacao.h"
#include "TeclasDeAcesso.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>

#include <algorithm>

namespace {

constexpr QSize kCliente{1016, 714};
constexpr FonteDesenho kTitulo{"Comic Sans MS", 36, true};
constexpr FonteDesenho kNota{"Comic Sans MS", 9.75, true};

// The window's layout at scale 1, in twips. Two rows of four pictures with the band from 6240
// to 9000 left empty, a ninth picture at the bottom left, "QUILORA" as a descending staircase
// of three labels and two notes at the bottom right; the labels are sized to their text.
// clang-format off
constexpr LugarDesenho kDisposicao[] = {
    // control     left    top  width height  font
    {"Image3",      180,   420,  3000,  3225},
    {"Image8",     3240,   420,  3000,  3225},
    {"Image2",     9000,   120,  3000,  3225},
    {"Image1",    12060,   105,  3000,  3240},
    {"Image5",      180,  3780,  3000,  3225},
    {"Image9",     3240,  3780,  3000,  3225},
    {"Image6",     9000,  3480,  3000,  3225},
    {"Image4",    12060,  3480,  3000,  3225},
    {"Image10",      60,  8820,  3300,  1845},
    {"Label1",     1020,  7200,     0,     0, kTitulo},
    {"Label2",     8880,  7800,     0,     0, kTitulo},
    {"Label3",    11040,  8520,     0,     0, kTitulo},
    {"Label4",    14040,  9780,     0,     0, kNota},
    {"Label5",    13080, 10200,     0,     0, kNota},
};
// clang-format on

// A picture's size at scale 1, from its row of the layout.
QSize tamanhoDesenhado(const QString& nome) {
    const auto* linha = std::find_if(std::begin(kDisposicao), std::end(kDisposicao),
                                     [&](const LugarDesenho& l) { return nome == l.nome; });
    return Disposicao::emPixels(linha->esquerda, linha->topo, linha->largura, linha->altura, 1)
        .size();
}

QLabel* rotuloAzul(QWidget* pai, const QString& nome, const QString& texto) {
    auto* rotulo = new QLabel(texto, pai);
    identificar(rotulo, nome, texto);
    pintarTexto(rotulo, QColor(0, 0, 255));
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
    // Laid out at scale 1 until the window is given another size.
    resize(kCliente.width(), kCliente.height() + menuBar()->sizeHint().height());
    layout()->activate();
    m_disposicao = new Disposicao(*cliente, kCliente, kDisposicao);
    connect(m_disposicao, &Disposicao::aplicada, this, &Form3::mostrarGravuras);
    mostrarGravuras();
}

Form3::~Form3() = default;

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
    instrucoes->setShortcut(QKeySequence::HelpContents);
    TeclasDeAcesso::aplicar(*barra);

    connect(sair, &QAction::triggered, this, &Form3::sairPedido);
    connect(quilora, &QAction::triggered, this, &Form3::quiloraPedida);
    connect(instrucoes, &QAction::triggered, this, &Form3::instrucoesPedidas);
    connect(sintaxe, &QAction::triggered, this, &Form3::sintaxePedida);
    connect(funcoes, &QAction::triggered, this, &Form3::funcoesDefinidasPedidas);
}

void Form3::createTitle(QWidget* cliente) {
    // "QUILORA" in three steps.
    rotuloAzul(cliente, QStringLiteral("Label1"), QStringLiteral("QUI"));
    rotuloAzul(cliente, QStringLiteral("Label2"), QStringLiteral("LO"));
    rotuloAzul(cliente, QStringLiteral("Label3"), QStringLiteral("RA"));
    rotuloAzul(cliente, QStringLiteral("Label4"), QStringLiteral("Versão 1.3"));
    rotuloAzul(cliente, QStringLiteral("Label5"), QStringLiteral("Resolução: 1024x768"));
}

void Form3::createPictures(QWidget* cliente) {
    for (const GravuraDecorativa& gravura : gravurasDoInicio()) {
        auto* imagem = new QLabel(cliente);
        imagem->setObjectName(gravura.nome);
        imagem->setAccessibleName(gravura.nome);
        imagem->setAccessibleDescription(gravura.descricao);
        m_gravuras.push_back(
            {imagem, std::make_unique<GravuraDesenhada>(gravura, tamanhoDesenhado(gravura.nome))});
    }
}

// Each picture is shown at the size and density of its place on the screen.
void Form3::mostrarGravuras() {
    for (const Gravura& gravura : m_gravuras)
        gravura.rotulo->setPixmap(
            gravura.desenho->noEcra(gravura.rotulo->size(), gravura.rotulo->devicePixelRatioF()));
}

QAction* Form3::comando(const QString& nome) const {
    return findChild<QAction*>(nome);
}

void Form3::closeEvent(QCloseEvent* evento) {
    // The close control acts as "Sair".
    evento->accept();
    emit sairPedido();
}
