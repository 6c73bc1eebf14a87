// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Varredura.h"

#include "RepeatedSum.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Jumps go no further than this many additions: a sum that has stopped growing is left there.
constexpr long long kSaltoMaximo = 1LL << 60;

// The value after n additions of passo to inicio, each sum rounded, where it can be had without
// making them; nothing where it cannot.
std::optional<double> depoisDe(double inicio, double passo, long long n) {
    // From 0 the first sum is passo itself, and the blocks start there.
    const bool desdeZero = inicio == 0 && n > 0;
    double v = desdeZero ? passo : inicio;
    const long long resto = desdeZero ? n - 1 : n;
    if (resto < 16) {
        for (long long k = 0; k < resto; ++k)
            v += passo;
        return v;
    }
    if (quilora::interpreter::repeatedSumInBlocks(v, passo, resto, v))
        return v;
    return std::nullopt;
}

// The most additions n after which `ainda` still holds of the value, found by doubling and
// halving with each value worked out in blocks. `ainda` must hold of the values up to some
// number of additions and fail for good after it; where a value cannot be worked out it is
// taken to fail.
long long ultimaQueAindaVale(double inicio, double passo,
                             const std::function<bool(double)>& ainda) {
    const auto vale = [&](long long n) {
        const std::optional<double> v = depoisDe(inicio, passo, n);
        return v && ainda(*v);
    };
    if (!vale(1))
        return 0;
    long long cedo = 1, tarde = 2;
    while (vale(tarde)) {
        cedo = tarde;
        if (tarde >= kSaltoMaximo)
            return cedo;
        tarde *= 2;
    }
    while (tarde - cedo > 1) {
        const long long meio = cedo + (tarde - cedo) / 2;
        (vale(meio) ? cedo : tarde) = meio;
    }
    return cedo;
}

} // namespace

long long PercorrerValores(double inicio, double passo, double fim, const IntervaloVisivel& visivel,
                           const std::function<bool(double, long long)>& desenhar,
                           const LimitesVarredura& limites) {
    if (passo == 0 || !std::isfinite(passo) || !std::isfinite(inicio) || std::isnan(fim))
        return 0;
    // In the direction of travel the values grow: u = sentido * v.
    const double sentido = passo > 0 ? 1.0 : -1.0;
    const double entrada = passo > 0 ? visivel.minimo : -visivel.maximo;
    const double saida = passo > 0 ? visivel.maximo : -visivel.minimo;
    const auto dentro = [&](double v) {
        return (passo > 0 ? v <= fim : v >= fim) && sentido * v <= saida;
    };

    // The values before the visible ones are passed over without adding them one by one.
    long long i = 0;
    double v = inicio;
    if (std::isfinite(entrada)) {
        i = ultimaQueAindaVale(inicio, passo, [&](double w) { return sentido * w < entrada; });
        if (i > 0)
            v = *depoisDe(inicio, passo, i);
    }
    long long desenhados = 0;
    for (long long iteracoes = 0; iteracoes < limites.maxIteracoes; ++iteracoes, ++i) {
        if (!dentro(v))
            break;
        if (sentido * v >= entrada && desenhar(v, i)) {
            if (++desenhados >= limites.maxDesenhados)
                break;
            // So are those that fall on the place of one drawn; they count as drawn.
            if (visivel.lugar) {
                const long long aqui = visivel.lugar(v);
                const long long n = std::min(limites.maxDesenhados - desenhados,
                                             ultimaQueAindaVale(v, passo, [&](double w) {
                                                 return dentro(w) && visivel.lugar(w) == aqui;
                                             }));
                if (n > 0) {
                    v = *depoisDe(v, passo, n);
                    i += n;
                    desenhados += n;
                    if (desenhados >= limites.maxDesenhados)
                        break;
                }
            }
        }
        const double seguinte = v + passo;
        if (seguinte == v)
            break;
        v = seguinte;
    }
    return desenhados;
}

long long VarrerGraduacao(double lo, double hi, double passo, const IntervaloVisivel& visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites) {
    return VarrerDesdeZero(std::floor(lo), std::floor(hi), passo, visivel, desenhar, limites);
}

long long VarrerDesdeZero(double fimAbaixo, double fimAcima, double passo,
                          const IntervaloVisivel& visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites) {
    // A zero step would never leave the origin: that graduation is left out.
    if (passo == 0 || !std::isfinite(passo))
        return 0;
    const auto semOrigem = [&](double v, long long) {
        if (v == 0)
            return false;
        desenhar(v);
        return true;
    };
    LimitesVarredura restantes = limites;
    const long long primeira = PercorrerValores(0, passo, fimAcima, visivel, semOrigem, restantes);
    restantes.maxDesenhados -= primeira;
    if (restantes.maxDesenhados <= 0)
        return primeira;
    return primeira + PercorrerValores(0, -passo, fimAbaixo, visivel, semOrigem, restantes);
}
