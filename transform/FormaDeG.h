// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Passo.h"

#include <QString>
#include <vector>

/// A function g whose graph comes from the graph of f point by point:
///
///     g(x) = p + q · V(c + k · f(A(x)))
///
/// where A(x) = n + m·x, or n + m·|x − x0| with `moduloNoArgumento`, and V is the absolute
/// value with `moduloNoValor`, otherwise nothing (then p = 0 and q = 1). The ten
/// transformations and g typed as c + k·f(mx + n) are all of this form.
struct FormaDeG {
    double m = 1;
    double n = 0;
    bool moduloNoArgumento = false;
    double x0 = 0;

    double k = 1;
    double c = 0;
    bool moduloNoValor = false;
    double q = 1;
    double p = 0;

    /// The form of option `numero` (1 to 10) with the values of a and b.
    static FormaDeG daOpcao(int numero, double a, double b);

    /// The elementary transformations that take the graph of f to that of g, in an order in
    /// which each one acts on the graph the earlier ones left: the dilations and contractions,
    /// the reflections (both at once as the symmetry about the origin), one translation, then
    /// what a modulus adds and what is done after it. None when g is f.
    std::vector<Passo> passos() const;

    /// Where a point (x; y) of the graph of f goes, in numbers: "(x; y) ↦ (x − 2; y + 3)",
    /// "(x; y) ↦ (x; y) e (−x; y), se x ≥ 0", "(0; y) ↦ (x; y), para todo o x real".
    QString regra() const;
};
