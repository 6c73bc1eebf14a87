// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaletaDasCurvas.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// The blue of a single curve, then the Okabe–Ito colours, made to be told apart with every
// common colour blindness and strong enough for a projector. Vermillion comes second: it is the
// hue farthest from blue for protanopes, deuteranopes and tritanopes alike, and darker than the
// grey of f, so two curves also differ on a black-and-white page. Bluish green and reddish
// purple follow. Orange and sky blue come late because they print as the same grey as f
// (lightness about 70, as RGB(170,170,170)), though on screen they stand far from it. Yellow
// only shows on a dark background and black only on a light one: the contrast test keeps each
// where it reads. No colour of the list is a grey, so none can pass for f.
constexpr std::array<QRgb, 9> kCores = {
    0x0000FF, // blue
    0xD55E00, // vermillion
    0x009E73, // bluish green
    0xCC79A7, // reddish purple
    0xE69F00, // orange
    0x56B4E9, // sky blue
    0xF0E442, // yellow
    0x000000, // black
    0xFFFFFF, // white
};

// Below this contrast a thin curve fades into the background (yellow on white is 1,3).
constexpr double kContrasteMinimo = 2;

double linear(int componente) {
    const double c = componente / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminancia(const QColor& cor) {
    return 0.2126 * linear(cor.red()) + 0.7152 * linear(cor.green()) + 0.0722 * linear(cor.blue());
}

} // namespace

double contrasteDeLuminancia(const QColor& uma, const QColor& outra) {
    const double a = luminancia(uma) + 0.05;
    const double b = luminancia(outra) + 0.05;
    return a > b ? a / b : b / a;
}

QColor corDaCurva(int indice, const QColor& fundo) {
    std::vector<QColor> legiveis;
    for (const QRgb cor : kCores) {
        if (contrasteDeLuminancia(QColor(cor), fundo) >= kContrasteMinimo)
            legiveis.emplace_back(cor);
    }
    // Black or white always passes (one of them has a contrast of at least 4,5 with anything).
    return legiveis[static_cast<std::size_t>(std::abs(indice % static_cast<int>(legiveis.size())))];
}
