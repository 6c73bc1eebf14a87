// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>

/// Limits that keep a sweep bounded in time whatever the axis table says.
struct LimitesVarredura {
    long long maxDesenhados = 100000;  ///< elements drawn (or passed over) per sweep
    long long maxIteracoes = 10000000; ///< values visited per pass
};

/// The values seen by a picture: [minimo, maximo], in the units of the axis.
struct IntervaloVisivel {
    IntervaloVisivel() = default;
    IntervaloVisivel(double de, double ate, std::function<long long(double)> lugarDoValor = {})
        : minimo(de), maximo(ate), lugar(std::move(lugarDoValor)) {}

    double minimo = 0;
    double maximo = 0;
    /// Where a value falls in the picture (a pixel column or row), never decreasing or never
    /// increasing along the axis. When given, the values that follow a value drawn on its place
    /// are passed over without adding them one by one, and count as drawn.
    std::function<long long(double)> lugar;
};

/// One pass of repeated addition: v = inicio, inicio + passo, ... while v <= fim (passo > 0) or
/// v >= fim (passo < 0), each sum rounded. `desenhar(v, i)` is called for the values inside
/// `visivel` but those passed over on a place, i being the number of additions that produced
/// v. The values before the interval and those passed over are worked out in blocks, as the
/// additions one by one would give them (far from the magnitudes of everyday numbers they are
/// added one by one). The pass ends past the interval, when an addition no longer changes v, or
/// at a limit. A zero or non-finite step visits nothing. `desenhar` answers whether it drew
/// something. Returns the number of elements drawn.
long long PercorrerValores(double inicio, double passo, double fim, const IntervaloVisivel& visivel,
                           const std::function<bool(double, long long)>& desenhar,
                           const LimitesVarredura& limites = {});

/// A sweep anchored at 0: a pass from 0 by `passo` up to `fimAcima`, then a pass from 0 by
/// -`passo` down to `fimAbaixo`; `desenhar` receives every visible value but 0 itself. A zero
/// or non-finite step draws nothing. Returns the number of elements drawn.
long long VarrerDesdeZero(double fimAbaixo, double fimAcima, double passo,
                          const IntervaloVisivel& visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites = {});

/// The graduation sweep: VarrerDesdeZero up to Int(hi) and down to Int(lo) (Int: largest
/// integer not above).
long long VarrerGraduacao(double lo, double hi, double passo, const IntervaloVisivel& visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites = {});
