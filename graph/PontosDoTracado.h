// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AreaGrafica.h"
#include "PixelAnterior.h"

#include <QColor>
#include <QElapsedTimer>

/// Where the samples of a plot go: each becomes a point of one colour on the persistent picture
/// of an area, then on its live overlay, which is brought to the screen every 30 ms while
/// visible. A point that falls on the pixel just set is passed over. The points take the width
/// of the area's curves.
class PontosDoTracado {
public:
    PontosDoTracado(AreaGrafica& area, const QColor& cor);

    void operator()(float x, float y) {
        const double px = m_persistente.pixelX(x), py = m_persistente.pixelY(y);
        const bool dentro = px >= 0 && px < m_persistente.larguraInterior() && py >= 0 &&
                            py < m_persistente.alturaInterior();
        if (!m_saltarRepetidos || !dentro)
            m_anterior.esquecer();
        else if (m_anterior.repete(px, py))
            return;
        if (m_largura == 1) {
            m_persistente.ponto(x, y, m_cor);
            m_sobreposicao.ponto(x, y, m_cor);
        } else {
            m_persistente.disco(x, y, m_largura, m_cor);
            m_sobreposicao.disco(x, y, m_largura, m_cor);
        }
    }

    /// After the n-th sample.
    void depois(long long amostras) {
        // The clock is read now and then only: it costs more than setting a point.
        if ((amostras & 0xFF) == 0 && m_relogio.elapsed() >= kIntervaloPinturaMs)
            mostrar();
    }

    /// Brings the live overlay to the screen, as at the end of the plot.
    void mostrar();

private:
    static constexpr qint64 kIntervaloPinturaMs = 30;

    Quadro& m_persistente;
    Quadro& m_sobreposicao;
    const QRgb m_cor;
    const int m_largura;
    // Passing a dot over needs both pictures to share one scale.
    const bool m_saltarRepetidos;
    PixelAnterior m_anterior;
    QElapsedTimer m_relogio;
};
