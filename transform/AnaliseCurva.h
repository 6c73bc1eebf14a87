// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Intervalo.h"
#include "JanelaGrafica.h"
#include "PontoNotavel.h"

#include <QString>
#include <vector>

class FuncaoComposta;

/// An interval of a domain or a range found in the window. An end marked cut is the window's,
/// not the curve's: the curve goes on beyond the window there (or its values run beyond the
/// window without a point that bounds them), so that end is the one seen in the window.
struct IntervaloNaJanela {
    Intervalo intervalo;
    bool inferiorCortado = false;
    bool superiorCortado = false;

    bool cortado() const { return inferiorCortado || superiorCortado; }
};

/// What a curve shows in the window, as an exercise asks it.
struct AnaliseCurva {
    /// Zeros, relative maxima and minima, the point on the y axis and the ends of the domain,
    /// by increasing x, each once with all it is.
    std::vector<PontoNotavel> pontos;
    /// The pieces of the domain of the curve in the window, left to right.
    std::vector<IntervaloNaJanela> dominio;
    /// The range over those pieces (pieces whose values overlap are one interval). A bound
    /// that is not cut is exact: an extreme, or the value or limit at an end.
    std::vector<IntervaloNaJanela> contradominio;
    /// The interpreter's description when the text itself cannot be evaluated; then all else is
    /// empty.
    QString erro;

    /// Whether an interval has an end given by the window: the domain or the range is then the
    /// one seen in the window.
    bool vistoNaJanela() const;
};

/// Finds the notable points, the domain and the range of a curve in the window: brackets them
/// on the samples of its plot (the same abscissas), then refines each by bisection to near the
/// precision of a double; jumps and asymptotes (1/x at 0) are neither zeros nor extremes. For a
/// curve with one call of f, each point carries the point of f it comes from.
AnaliseCurva analisarCurva(FuncaoComposta& curva, const JanelaGrafica& janela);
