#include "OperacoesImagem.h"

#include "CamadaPassageira.h"
#include "Dialogos.h"
#include "Form1.h"
#include "GravacaoBitmap.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// The colour choices are plain 24-bit RGB values.
QColor opaca(const QColor& cor) {
    return QColor(cor.red(), cor.green(), cor.blue());
}

} // namespace

OperacoesImagem::OperacoesImagem(Form1& janela, Lado lado, QObject* pai)
    : QObject(pai), m_janela(janela), m_lado(lado) {
}

void OperacoesImagem::apagar() {
    area().limpar();
    m_janela.redesenharArea(area());
    // The marks go even when a bad axis table kept the axes from being drawn.
    if (m_lado == Lado::Transformada)
        emit transformadaApagada();
}

void OperacoesImagem::mudarCorGrafico() {
    area().camadaPassageira().esconderNota();
    if (const auto cor = m_janela.dialogos().escolherCor(&m_janela, corGrafico()))
        definirCorGrafico(opaca(*cor));
}

void OperacoesImagem::mudarCorFundo() {
    if (const auto cor = m_janela.dialogos().escolherCor(&m_janela, corFundo()))
        definirCorFundo(opaca(*cor));
    area().corFundo(corFundo());
    m_janela.redesenharArea(area());
}

void OperacoesImagem::copiar() {
    area().camadaPassageira().esconderNota();
    QClipboard* areaTransferencia = QGuiApplication::clipboard();
    areaTransferencia->clear();
    areaTransferencia->setImage(area().imagem());
}

void OperacoesImagem::guardar() {
    area().camadaPassageira().esconderNota();
    GravacaoBitmap::guardar(m_janela.dialogos(), &m_janela, area().imagem());
}

AreaGrafica& OperacoesImagem::area() const {
    return m_lado == Lado::Funcao ? m_janela.areaFuncao() : m_janela.areaTransformada();
}

QColor OperacoesImagem::corGrafico() const {
    return m_lado == Lado::Funcao ? m_janela.corGraficoFuncao() : m_janela.corGraficoTransformada();
}

QColor OperacoesImagem::corFundo() const {
    return m_lado == Lado::Funcao ? m_janela.corFundoFuncao() : m_janela.corFundoTransformada();
}

void OperacoesImagem::definirCorGrafico(const QColor& cor) {
    if (m_lado == Lado::Funcao)
        m_janela.definirCorGraficoFuncao(cor);
    else
        m_janela.definirCorGraficoTransformada(cor);
}

void OperacoesImagem::definirCorFundo(const QColor& cor) {
    if (m_lado == Lado::Funcao)
        m_janela.definirCorFundoFuncao(cor);
    else
        m_janela.definirCorFundoTransformada(cor);
}
