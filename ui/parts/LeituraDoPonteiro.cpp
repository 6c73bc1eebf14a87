// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeituraDoPonteiro.h"

#include "AreaGrafica.h"
#include "FormaImpressa.h"
#include "JanelaGrafica.h"

#include <QEvent>
#include <QMouseEvent>

#include <cmath>

LeituraDoPonteiro::LeituraDoPonteiro(AreaGrafica& area, const JanelaGrafica& janela, QObject* pai)
    : QObject(pai), m_quadro(area.persistente()), m_camada(area.camadaPassageira()),
      m_janela(janela), m_local(QLocale::system()) {
    m_local.setNumberOptions(m_local.numberOptions() | QLocale::OmitGroupSeparator);
    m_quadro.setMouseTracking(true);
    m_quadro.installEventFilter(this);
    connect(&m_quadro, &Quadro::limpo, this, &LeituraDoPonteiro::esquecer);
}

void LeituraDoPonteiro::eixosDesenhados(bool desenhados) {
    m_comEixos = desenhados;
    mostrarDeNovo();
}

void LeituraDoPonteiro::curvaDesenhada(const CurvaDesenhada& curva) {
    m_curvas.juntar(curva);
    mostrarDeNovo();
}

void LeituraDoPonteiro::previsao(const std::optional<CurvaDesenhada>& curva) {
    m_curvas.definirPrevisao(curva);
    mostrarDeNovo();
}

void LeituraDoPonteiro::mostrarDeNovo() {
    if (m_ponteiroPorCima)
        actualizar(m_ponteiro);
}

// A cleared picture has neither axes nor curves until they are drawn again.
void LeituraDoPonteiro::esquecer() {
    m_comEixos = false;
    m_curvas.esquecer();
    esconder();
}

bool LeituraDoPonteiro::eventFilter(QObject* objecto, QEvent* evento) {
    if (objecto == &m_quadro) {
        if (evento->type() == QEvent::MouseMove) {
            m_ponteiroPorCima = true;
            actualizar(static_cast<QMouseEvent*>(evento)->position());
        } else if (evento->type() == QEvent::Leave || evento->type() == QEvent::Hide) {
            m_ponteiroPorCima = false;
            esconder();
        }
    }
    return QObject::eventFilter(objecto, evento);
}

void LeituraDoPonteiro::actualizar(const QPointF& ponteiro) {
    m_ponteiro = ponteiro;
    // The pixel of the picture under the pointer, at whatever scale the screen shows it.
    const QPointF pixel = m_quadro.ecraParaModelo(ponteiro);
    const double coluna = std::floor(pixel.x()), linha = std::floor(pixel.y());
    const bool dentro = coluna >= 0 && coluna < m_quadro.larguraInterior() && linha >= 0 &&
                        linha < m_quadro.alturaInterior();
    if (!m_comEixos || !dentro)
        return esconder();
    const double x = ArredondadoParaLeitura(m_quadro.deColuna(coluna + 0.5), m_janela.TamPixelX);
    m_texto = QStringLiteral("x = ") + FormaDaLeitura(x, m_janela.TamPixelX, m_local);
    // The curve nearest the pointer's own height is named, the one drawn last failing that.
    const double y = m_quadro.deLinha(linha + 0.5);
    const CurvasDaArea::Leitura lida = m_curvas.maisProxima(x, y, 8 * m_janela.TamPixelY);
    if (lida.curva) {
        m_texto += QStringLiteral("   ") + lida.curva->rotulo + QStringLiteral(" = ") +
                   (lida.valor ? FormaDaLeitura(*lida.valor, m_janela.TamPixelY, m_local)
                               : QStringLiteral("não definida"));
        const QString parametros = lida.curva->textoDosParametros(m_local);
        if (!parametros.isEmpty())
            m_texto += QStringLiteral("   ") + parametros;
    }
    m_camada.mostrarLeitura(m_texto, ponteiro.toPoint());
}

void LeituraDoPonteiro::esconder() {
    if (m_texto.isEmpty())
        return;
    m_texto.clear();
    m_camada.esconderLeitura();
}
