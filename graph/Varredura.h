#pragma once

#include <functional>

/// Limits that keep a graduation sweep bounded in time whatever the axis table says.
struct LimitesVarredura {
    long long maxDesenhados = 100000;  ///< elements drawn per sweep
    long long maxIteracoes = 20000000; ///< additions per sweep
};

/// The graduation sweep, anchored at 0: a first pass from 0 by `passo` up to Int(hi), a second
/// from 0 by -`passo` down to Int(lo), each value produced by repeated addition. `desenhar` is
/// called for every value but 0 that `visivel` accepts. A zero (or non-finite) step draws
/// nothing. Where the additions are exact (a step with few binary digits) the sweep jumps
/// straight to the first visible value, which gives the same values.
/// Returns the number of elements drawn.
long long VarrerGraduacao(double lo, double hi, double passo,
                          const std::function<bool(double)>& visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites = {});
