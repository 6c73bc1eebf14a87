// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <limits>

/// An interval of the real line, as a domain or a range is written: two ends, each closed or
/// open. An infinite end is open; every real number is ]−∞, +∞[, the interval made by default.
struct Intervalo {
    static constexpr double kInfinito = std::numeric_limits<double>::infinity();

    double inferior = -kInfinito;
    double superior = kInfinito;
    bool inferiorFechado = false;
    bool superiorFechado = false;

    /// Every real number.
    static constexpr Intervalo reta() { return {}; }

    /// Whether it holds every real number.
    constexpr bool todaAReta() const { return inferior == -kInfinito && superior == kInfinito; }

    /// Whether x belongs to it (never for NaN).
    constexpr bool contem(double x) const {
        return (x > inferior || (inferiorFechado && x == inferior)) &&
               (x < superior || (superiorFechado && x == superior));
    }

    /// Whether it holds no number at all (]2, 2], [3, 1]).
    constexpr bool vazio() const {
        return !(inferior < superior ||
                 (inferior == superior && inferiorFechado && superiorFechado));
    }

    friend constexpr bool operator==(const Intervalo&, const Intervalo&) = default;
};
