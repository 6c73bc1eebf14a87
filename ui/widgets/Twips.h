// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

/// Converts twips (1/1440 inch) to pixels of the 1024x768 screen the windows are laid out for.
constexpr int twipsParaPixels(int twips) {
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}

/// A rectangle given in twips (left, top, width, height), in pixels.
constexpr QRect rectanguloTwips(int esquerda, int topo, int largura, int altura) {
    return {twipsParaPixels(esquerda), twipsParaPixels(topo), twipsParaPixels(largura),
            twipsParaPixels(altura)};
}
