// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AreaGrafica.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace {

Quadro* criarQuadro(QWidget* pai, const QRect& geometria, const QString& nome) {
    auto* quadro = new Quadro(pai);
    quadro->setObjectName(nome);
    quadro->setAccessibleName(nome);
    quadro->colocar(geometria);
    return quadro;
}

PontaSeta* criarSeta(PontaSeta::Direccao direccao, Quadro& quadro, const QString& nome) {
    auto* seta = new PontaSeta(direccao, quadro);
    seta->setObjectName(nome);
    seta->setAccessibleName(nome);
    return seta;
}

} // namespace

AreaGrafica::AreaGrafica(QWidget* pai, const QRect& geometria, const Nomes& nomes)
    : m_persistente(criarQuadro(pai, geometria, nomes.persistente)),
      m_sobreposicao(criarQuadro(pai, geometria, nomes.sobreposicao)),
      m_setaCima(criarSeta(PontaSeta::Direccao::Cima, *m_persistente, nomes.setaCima)),
      m_setaDireita(criarSeta(PontaSeta::Direccao::Direita, *m_persistente, nomes.setaDireita)),
      m_camada(new CamadaPassageira(*m_persistente)) {
    // The overlay shows the control-face colour until the user picks a background.
    m_sobreposicao->corFundo(QApplication::palette().color(QPalette::Button));
    m_sobreposicao->definirPersistente(false);
    m_sobreposicao->hide();
    m_sobreposicao->raise();
}

void AreaGrafica::pintar(QPainter& pintor, double k, double ampliacao) const {
    m_persistente->pintar(pintor, k, ampliacao);
    for (const PontaSeta* seta : {m_setaCima, m_setaDireita}) {
        if (seta->isHidden())
            continue;
        pintor.save();
        pintor.translate(QPointF(seta->canto()) * k);
        pintor.scale(k, k);
        if (ampliacao == 1 && Quadro::aPixelInteiro(pintor, 1))
            PontaSeta::pintarPixels(pintor, seta->direccao());
        else
            PontaSeta::pintarForma(pintor, seta->direccao());
        pintor.restore();
    }
}

void AreaGrafica::limpar() {
    m_persistente->limpar();
    m_sobreposicao->limpar();
}

void AreaGrafica::corFundo(const QColor& cor) {
    m_persistente->corFundo(cor);
    m_sobreposicao->corFundo(cor);
}

void AreaGrafica::esconderSetas() {
    m_setaCima->hide();
    m_setaDireita->hide();
}

SobreposicaoVisivel::SobreposicaoVisivel(AreaGrafica& area) : m_area(area) {
    m_area.persistente().hide();
    m_area.sobreposicao().show();
    m_area.sobreposicao().raise();
}

SobreposicaoVisivel::~SobreposicaoVisivel() {
    m_area.persistente().show();
    m_area.sobreposicao().hide();
}
