// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Quadro.h"

#include <QPoint>

#include <optional>
#include <utility>
#include <vector>

/// The texts of one graduation of a picture (the numbers or the π labels of an axis), gathered
/// and then printed together in the picture's font, with one painter. A text that could not
/// reach the picture is left out, and so is one whose corner falls on the pixel of the text
/// gathered before it: it would only be printed over that one.
class TextosDaGraduacao {
public:
    explicit TextosDaGraduacao(Quadro& quadro) : m_quadro(quadro) {}

    /// Gathers the text made by `texto()` with its top-left corner at (x, y) in user
    /// coordinates, unless it is left out (then `texto` is not called).
    template <typename Texto> void juntar(float x, float y, Texto texto) {
        // Far from the origin many values share one place in single precision.
        if (m_ultimo == std::pair(x, y))
            return;
        m_ultimo = std::pair(x, y);
        const std::optional<QPoint> canto = m_quadro.cantoDoTexto(x, y);
        if (!canto || canto == m_canto)
            return;
        m_canto = canto;
        m_textos.push_back({x, y, texto()});
    }

    /// Prints the texts gathered so far, and forgets them.
    void imprimir();

private:
    Quadro& m_quadro;
    std::optional<std::pair<float, float>> m_ultimo; // the place asked for last
    std::optional<QPoint> m_canto;                   // the corner of the text gathered last
    std::vector<TextoNoQuadro> m_textos;
};
