// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PontosDoTracado.h"

namespace {

bool mesmaEscala(const Quadro& a, const Quadro& b) {
    return a.escalaX1() == b.escalaX1() && a.escalaY1() == b.escalaY1() &&
           a.escalaX2() == b.escalaX2() && a.escalaY2() == b.escalaY2() &&
           a.larguraInterior() == b.larguraInterior() && a.alturaInterior() == b.alturaInterior();
}

} // namespace

PontosDoTracado::PontosDoTracado(AreaGrafica& area, const QColor& cor)
    : m_persistente(area.persistente()), m_sobreposicao(area.sobreposicao()), m_cor(cor.rgb()),
      m_largura(area.larguraDasCurvas()),
      m_saltarRepetidos(mesmaEscala(m_persistente, m_sobreposicao)) {
    m_relogio.start();
}

void PontosDoTracado::mostrar() {
    if (m_sobreposicao.isVisible())
        m_sobreposicao.repaint();
    m_relogio.restart();
}
