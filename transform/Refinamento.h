// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>

/// Refining, to near machine precision, what the samples of a plot bracket: where a condition
/// switches, a zero, a relative extreme. Each works on a function of x that may have no value
/// at some abscissas.
namespace Refinamento {

/// A function of x: its value, or nothing where it has none.
using Funcao = std::function<std::optional<double>(double)>;

/// The double halfway between a and b in the order of doubles: between two neighbours it is one
/// of them, so a bisection on it ends after at most 64 steps, whatever the scale.
double medio(double a, double b);

/// Whether no double lies strictly between a and b.
bool vizinhos(double a, double b);

/// Where a condition switches between `dentro` (where it holds) and `fora` (where it does not):
/// the two neighbouring doubles, the first where it holds.
struct Fronteira {
    double dentro;
    double fora;
};
Fronteira fronteira(const std::function<bool(double)>& condicao, double dentro, double fora);

/// The zero of a continuous function between a and b, whose values there have opposite signs:
/// the double where its value is smallest, found by bisection on the sign. Nothing where the
/// change of sign is a jump or an asymptote (1/x at 0, tan x at π/2) or a gap.
std::optional<double> zeroEntre(const Funcao& f, double a, double b);

/// The relative maximum (or minimum) of f strictly between a and b, where the samples at a and
/// b lie below (above) a sample between them: smooth vertices and corners alike, to about
/// 10^−11 of the scale of x. Nothing where there is no continuous extreme there (a jump, an
/// asymptote, a gap).
std::optional<double> extremoEntre(const Funcao& f, double a, double b, bool maximo);

} // namespace Refinamento
