#include "VisorPaginas.h"

#include "Twips.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

// The window frame around the client area of a fixed dialog: two borders of 3 pixels and a
// caption of 19, which the outer size includes.
constexpr int kMolduraLargura = 6;
constexpr int kMolduraAltura = 25;

QSize clienteDeExterior(QSize exteriorTwips) {
    return {twipsParaPixels(exteriorTwips.width()) - kMolduraLargura,
            twipsParaPixels(exteriorTwips.height()) - kMolduraAltura};
}

QLabel* rotuloVermelho(QWidget* pai, const QString& nome, const QString& texto, QPoint twips) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setAccessibleName(texto);
    // The default font of the windows' labels.
    rotulo->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, QColor(255, 0, 0));
    rotulo->setPalette(paleta);
    rotulo->move(twipsParaPixels(twips.x()), twipsParaPixels(twips.y()));
    rotulo->adjustSize();
    return rotulo;
}

DesenhoJanelaAjuda comTamanhoDoCliente(const DesenhoVisor& desenho) {
    DesenhoJanelaAjuda janela = desenho.janela;
    janela.areaCliente = clienteDeExterior(desenho.tamanhoExterior);
    return janela;
}

} // namespace

VisorPaginas::VisorPaginas(const DesenhoVisor& desenho, QWidget* parent)
    : JanelaAjuda(comTamanhoDoCliente(desenho), parent,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    // A fixed dialog border; as a dialog of the start window it stays out of the task bar.
    setFixedSize(clienteDeExterior(desenho.tamanhoExterior));
    criarRotulos(desenho);
    setaEsquerda()->setEnabled(false);
    m_paginaAtual = 1;
    mostrarNumero();
}

void VisorPaginas::criarRotulos(const DesenhoVisor& desenho) {
    rotuloVermelho(this, QStringLiteral("Label1"), QStringLiteral("Página"), desenho.rotuloPagina);
    m_numero =
        rotuloVermelho(this, QStringLiteral("Label2"), QStringLiteral("1"), desenho.rotuloNumero);
    rotuloVermelho(this, QStringLiteral("Label3"), QStringLiteral("de  %1").arg(numeroPaginas()),
                   desenho.rotuloTotal);
}

void VisorPaginas::mostrarNumero() {
    m_numero->setText(QString::number(m_paginaAtual));
    m_numero->setAccessibleName(m_numero->text());
    m_numero->adjustSize();
}

void VisorPaginas::seguinte() {
    if (m_paginaAtual < numeroPaginas()) {
        mostrarPagina(m_paginaAtual, false);
        mostrarPagina(m_paginaAtual + 1, true);
        ++m_paginaAtual;
        setaEsquerda()->setEnabled(true);
    }
    if (m_paginaAtual == numeroPaginas())
        setaDireita()->setEnabled(false);
    mostrarNumero();
}

void VisorPaginas::anterior() {
    if (m_paginaAtual > 1) {
        mostrarPagina(m_paginaAtual, false);
        mostrarPagina(m_paginaAtual - 1, true);
        --m_paginaAtual;
        setaDireita()->setEnabled(true);
    }
    if (m_paginaAtual == 1) {
        setaEsquerda()->setEnabled(false);
        setaDireita()->setEnabled(true);
    }
    mostrarNumero();
}
