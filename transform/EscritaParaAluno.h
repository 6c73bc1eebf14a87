// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Intervalo.h"

#include <QString>
#include <vector>

/// Numbers, points and intervals written for a pupil, whatever the desktop's locale: decimal
/// comma, the true minus sign "−", no group separators, and ";" between two numbers when one of
/// them has decimals, as Portuguese textbooks write them.
namespace EscritaParaAluno {

/// A number in decimals, as numeroPortugues writes it: at most 10 significant digits, trailing
/// zeros dropped ("−2,5", "1,414213562", "0"); "+∞" and "−∞"; a magnitude of 10^15 or more, or
/// below 10^−6, with a power of ten ("1,5 × 10⁻⁷").
QString numero(double valor);

/// "[−5, 3]", "]−∞, 2]", "[−2,5; 1,5]"; an interval of a single number is "{2}", an empty one
/// "∅".
QString intervalo(const Intervalo& intervalo);

/// Intervals joined by "∪" ("[−3, −1] ∪ [1, 3]"); "∅" when there is none.
QString uniao(const std::vector<Intervalo>& intervalos);

/// A point, "(−3; 0)" or "(1,5; −4)", as the labels on the graphs write it.
QString ponto(double x, double y);

} // namespace EscritaParaAluno
