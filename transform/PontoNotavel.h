// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

/// What a notable point of a curve is. One point may be several at once: x² at 0 is a zero and
/// a minimum, a closed end of the domain may be a relative maximum.
enum TipoDePonto : unsigned {
    Zero = 1U << 0,
    Maximo = 1U << 1,      ///< relative maximum
    Minimo = 1U << 2,      ///< relative minimum
    NoEixoY = 1U << 3,     ///< the point on the y axis
    Extremidade = 1U << 4, ///< an end of the domain of the curve
};

/// A point of a curve found in the window, exact to the interpreter's precision.
struct PontoNotavel {
    /// A point of f, (u, f(u)).
    struct PontoDeF {
        double u;
        double fu;
    };

    double x = 0;
    std::optional<double> y; ///< absent only at an open end where the curve has no finite limit
    unsigned tipos = 0;      ///< TipoDePonto flags
    /// At an end: whether the point belongs to the curve (a filled dot) or is only its limit
    /// (a hollow circle).
    bool fechado = true;
    /// At an end: whether it is where an argument given to f leaves the domain of f (else the
    /// text of the function has no value beyond it, as sqr(x) left of 0).
    bool doDominioDeF = false;
    /// At an end: the abscissa next to it where the curve has its value (x itself when closed).
    double dentro = 0;
    /// For a curve with one call of f: the point of f it comes from, u being the argument at x.
    std::optional<PontoDeF> origem;

    bool tem(TipoDePonto tipo) const { return (tipos & tipo) != 0; }
};
