// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Quadro.h"

#include <cmath>
#include <optional>

/// The marks of one axis of a picture. A mark on the pixel column (or row) of the mark drawn
/// before it would cover the same pixels: it is left out.
class MarcasDoEixo {
public:
    /// `atravessaX`: marks across the x axis, each on a pixel column; otherwise on a pixel row.
    MarcasDoEixo(Quadro& quadro, bool atravessaX) : m_quadro(quadro), m_atravessaX(atravessaX) {}

    /// The mark of the value v of the axis: the line from (x1, y1) to (x2, y2).
    void marcar(float v, float x1, float y1, float x2, float y2) {
        const double lugar = std::floor(m_atravessaX ? m_quadro.pixelX(v) : m_quadro.pixelY(v));
        if (lugar == m_lugar)
            return;
        m_lugar = lugar;
        m_quadro.linha(x1, y1, x2, y2);
    }

private:
    Quadro& m_quadro;
    bool m_atravessaX;
    std::optional<double> m_lugar;
};
