// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

/// Limits that keep a sweep bounded in time whatever the axis table says.
struct LimitesVarredura {
    long long maxDesenhados = 100000;  ///< elements drawn per sweep
    long long maxIteracoes = 10000000; ///< additions per pass
};

/// The values seen by a picture: [minimo, maximo], in the units of the axis.
struct IntervaloVisivel {
    double minimo = 0;
    double maximo = 0;
};

/// One pass of repeated addition: v = inicio, inicio + passo, ... while v <= fim (passo > 0) or
/// v >= fim (passo < 0). `desenhar(v, i)` is called for the values inside `visivel`, i being
/// the number of additions that produced v. Values before the visible interval are still
/// produced by addition, except that a step with few binary digits (where every addition is
/// exact) jumps straight to them; the pass ends past the interval, when an addition no longer
/// changes v, or at a limit. A zero or non-finite step visits nothing. `desenhar` answers
/// whether it drew something. Returns the number of elements drawn.
long long PercorrerValores(double inicio, double passo, double fim, IntervaloVisivel visivel,
                           const std::function<bool(double, long long)>& desenhar,
                           const LimitesVarredura& limites = {});

/// A sweep anchored at 0: a pass from 0 by `passo` up to `fimAcima`, then a pass from 0 by
/// -`passo` down to `fimAbaixo`; `desenhar` receives every visible value but 0 itself. A zero
/// or non-finite step draws nothing. Returns the number of elements drawn.
long long VarrerDesdeZero(double fimAbaixo, double fimAcima, double passo, IntervaloVisivel visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites = {});

/// The graduation sweep: VarrerDesdeZero up to Int(hi) and down to Int(lo) (Int: largest
/// integer not above).
long long VarrerGraduacao(double lo, double hi, double passo, IntervaloVisivel visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites = {});
