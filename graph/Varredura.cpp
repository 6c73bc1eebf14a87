// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Varredura.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kDoisA53 = 9007199254740992.0;

// The odd integer m and the exponent e of passo = m * 2^e.
void decompor(double passo, double& mantissa, int& expoente) {
    int p = 0;
    const double f = std::frexp(std::fabs(passo), &p);
    auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    expoente = p - 53;
    while (m != 0 && (m & 1U) == 0) {
        m >>= 1U;
        ++expoente;
    }
    mantissa = static_cast<double>(m);
}

// First number of additions worth starting from: where every sum up to it is exact, the value
// after k additions is k * passo itself, so the values skipped need not be produced.
long long salto(double inicio, double passo, double entrada) {
    if (inicio != 0 || !(entrada > 0) || !std::isfinite(entrada))
        return 0;
    double mantissa = 0;
    int expoente = 0;
    decompor(passo, mantissa, expoente);
    const double k = std::floor(entrada / std::fabs(passo)) - 1;
    if (!(k > 0) || k * mantissa >= kDoisA53)
        return 0;
    return static_cast<long long>(k);
}

} // namespace

long long PercorrerValores(double inicio, double passo, double fim, IntervaloVisivel visivel,
                           const std::function<bool(double, long long)>& desenhar,
                           const LimitesVarredura& limites) {
    if (passo == 0 || !std::isfinite(passo) || !std::isfinite(inicio) || std::isnan(fim))
        return 0;
    // In the direction of travel the values grow: u = sentido * v.
    const double sentido = passo > 0 ? 1.0 : -1.0;
    const double entrada = passo > 0 ? visivel.minimo : -visivel.maximo;
    const double saida = passo > 0 ? visivel.maximo : -visivel.minimo;

    long long i = salto(inicio, passo, entrada);
    double v = i > 0 ? static_cast<double>(i) * passo : inicio;
    long long desenhados = 0;
    for (long long iteracoes = 0; iteracoes < limites.maxIteracoes; ++iteracoes, ++i) {
        if (passo > 0 ? !(v <= fim) : !(v >= fim))
            break;
        const double u = sentido * v;
        if (u > saida)
            break;
        if (u >= entrada && desenhar(v, i) && ++desenhados >= limites.maxDesenhados)
            break;
        const double seguinte = v + passo;
        if (seguinte == v)
            break;
        v = seguinte;
    }
    return desenhados;
}

long long VarrerGraduacao(double lo, double hi, double passo, IntervaloVisivel visivel,
                          const std::function<void(double)>& desenhar,
                          const LimitesVarredura& limites) {
    return VarrerDesdeZero(std::floor(lo), std::floor(hi), passo, visivel, desenhar, limites);
}

long long VarrerDesdeZero(double fimAbaixo, double fimAcima, double passo, IntervaloVisivel visivel,
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
