// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Composicao.h"
#include "FormaDeG.h"

#include <QString>
#include <optional>

/// What a function written in terms of f is, as far as the graph of f goes.
struct Reconhecimento {
    /// The form of g, when its graph comes from that of f point by point.
    std::optional<FormaDeG> forma;
    /// Otherwise why not, to follow a colon: "g usa f mais do que uma vez".
    QString motivo;
    /// Without a form, a form for what is done to the value of f when that much is known
    /// (f(x^2)+1 adds 1 to f(x^2)): its m = 1 and n = 0, and `argumento` says to what.
    std::optional<FormaDeG> exterior;
    QString argumento;
};

/// Recognises g = p + q·V(c + k·f(A(x))) (FormaDeG) by evaluating its texts with the
/// interpreter at spread values, whatever way it is written (-2f(x-1)+3, 3+f((x+2)/2),
/// |f(x)+1|, f(|x|)-1): one call of f, whose value enters the rest free of x and either affine
/// or as p + q·|t − t0|, and an argument affine in x or of the form n + m·|x − x0|. The numbers
/// found are taken as the simple fractions they stand for (1/3, not 0.33333333333333331).
Reconhecimento reconhecerForma(const Composicao& g);
