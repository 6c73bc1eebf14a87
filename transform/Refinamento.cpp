// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Refinamento.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

// Doubles in the order of 64-bit integers: neighbours differ by one.
std::int64_t ordem(double x) {
    const auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? -(bits & INT64_MAX) : bits;
}

double deOrdem(std::int64_t k) {
    return k < 0 ? std::bit_cast<double>(-k | INT64_MIN) : std::bit_cast<double>(k);
}

double escalaDe(double a, double b) {
    return std::max({1.0, std::abs(a), std::abs(b)});
}

// The function turned over for a minimum, so that everything below looks for a maximum.
class Alvo {
public:
    Alvo(const Refinamento::Funcao& f, bool maximo) : m_f(f), m_sinal(maximo ? 1 : -1) {}
    std::optional<double> operator()(double x) const {
        const auto y = m_f(x);
        if (!y || !std::isfinite(*y))
            return std::nullopt;
        return m_sinal * *y;
    }

private:
    const Refinamento::Funcao& m_f;
    double m_sinal;
};

// Which way the function rises at m, told by its values at m - h and m + h: 1, -1, 0 for
// equal values, nothing where one is missing. For a parabola it is exactly the side of the
// vertex, however wide h.
std::optional<int> subida(const Alvo& f, double m, double h) {
    const auto antes = f(m - h), depois = f(m + h);
    if (!antes || !depois)
        return std::nullopt;
    return (*depois > *antes) - (*depois < *antes);
}

// The same from four values, at m ± h and m ± 2h: the difference they make is 12 h times the
// slope at m, short of a term in h^4, so it stays true to the side of the vertex of any curve
// of degree up to 4 and of a symmetric corner.
std::optional<int> subidaFina(const Alvo& f, double m, double h) {
    const auto a = f(m - 2 * h), b = f(m - h), c = f(m + h), d = f(m + 2 * h);
    if (!a || !b || !c || !d)
        return std::nullopt;
    const double diferenca = 8 * (*c - *b) - (*d - *a);
    return (diferenca > 0) - (diferenca < 0);
}

// Bisection on the way the function rises, down to neighbours.
template <class Subida>
std::optional<double> bissectarSubida(double lo, double hi, Subida&& subidaEm) {
    while (!Refinamento::vizinhos(lo, hi)) {
        const double m = Refinamento::medio(lo, hi);
        const auto s = subidaEm(m);
        if (!s)
            return std::nullopt;
        if (*s == 0)
            return m;
        (*s > 0 ? lo : hi) = m;
    }
    return lo;
}

// The second difference over k: near a smooth vertex it shrinks with k, at a corner it stays
// the jump of the slope.
std::optional<double> curvatura(const Alvo& f, double c, double k) {
    const auto y = f(c), antes = f(c - k), depois = f(c + k);
    if (!y || !antes || !depois)
        return std::nullopt;
    return (*antes + *depois - 2 * *y) / k;
}

// A corner lies within h of where the slope read over h vanishes: the second differences over
// 4h and 40h, with it inside both, are both about the jump of the slope there.
bool esquina(const Alvo& f, double c, double h) {
    const auto largo = curvatura(f, c, 40 * h), estreito = curvatura(f, c, 4 * h);
    const auto y = f(c);
    return largo && estreito && std::abs(*estreito) > 0.5 * std::abs(*largo) &&
           std::abs(*estreito) > 1e-6 * std::max(1.0, std::abs(*y));
}

// On each side of a corner the slope stands far above the rounding, so its sign can be read
// over a tiny step.
double refinarEsquina(const Alvo& f, double c, double h, double escala) {
    const double passo = 1e-12 * escala;
    const double lo = c - 2 * h, hi = c + 2 * h;
    const auto aEsquerda = subida(f, lo, passo), aDireita = subida(f, hi, passo);
    if (!aEsquerda || !aDireita || *aEsquerda <= 0 || *aDireita >= 0)
        return c;
    return bissectarSubida(lo, hi, [&](double m) { return subida(f, m, passo); }).value_or(c);
}

// A vertex of a continuous curve: the values a hair away on either side are close to it (no
// jump), and they and those a little further lie below it, short of rounding (no asymptote).
bool verdadeiro(const Alvo& f, double c, double escala) {
    const double perto = 1e-9 * escala, longe = 1e-6 * escala;
    const auto y = f(c), a = f(c - perto), b = f(c + perto), d = f(c - longe), e = f(c + longe);
    if (!y || !a || !b || !d || !e)
        return false;
    const double salto = 1e-3 * std::max(1.0, std::abs(*y));
    const double arredondamento = 1e-9 * std::max(1.0, std::abs(*y));
    return std::abs(*a - *y) <= salto && std::abs(*b - *y) <= salto &&
           std::max({*a, *b, *d, *e}) <= *y + arredondamento;
}

} // namespace

namespace Refinamento {

double medio(double a, double b) {
    const std::int64_t ka = ordem(a), kb = ordem(b);
    return deOrdem(ka / 2 + kb / 2 + (ka % 2 + kb % 2) / 2);
}

bool vizinhos(double a, double b) {
    const std::int64_t ka = ordem(a), kb = ordem(b);
    return (ka > kb ? ka - kb : kb - ka) <= 1;
}

Fronteira fronteira(const std::function<bool(double)>& condicao, double dentro, double fora) {
    while (!vizinhos(dentro, fora)) {
        const double m = medio(dentro, fora);
        (condicao(m) ? dentro : fora) = m;
    }
    return {dentro, fora};
}

std::optional<double> zeroEntre(const Funcao& f, double a, double b) {
    auto ya = f(a), yb = f(b);
    if (!ya || !yb || !(*ya * *yb < 0))
        return std::nullopt;
    // A jump keeps its height however close the two sides come; a zero does not.
    const double tolerancia = 1e-9 * std::max({1.0, std::abs(*ya), std::abs(*yb)});
    while (!vizinhos(a, b)) {
        const double m = medio(a, b);
        const auto y = f(m);
        if (!y)
            return std::nullopt;
        if (*y == 0)
            return m;
        if ((*y < 0) == (*ya < 0))
            a = m, ya = y;
        else
            b = m, yb = y;
    }
    const bool aMaisPerto = std::abs(*ya) <= std::abs(*yb);
    if (std::min(std::abs(*ya), std::abs(*yb)) > tolerancia)
        return std::nullopt;
    return aMaisPerto ? a : b;
}

std::optional<double> extremoEntre(const Funcao& funcao, double a, double b, bool maximo) {
    const Alvo f(funcao, maximo);
    const double escala = escalaDe(a, b);
    // Over 10^−4 of the scale the differences stand well above the rounding of the values.
    const double h = 1e-4 * escala;
    auto c = bissectarSubida(a, b, [&](double m) { return subidaFina(f, m, h); });
    if (!c)
        return std::nullopt;
    if (esquina(f, *c, h))
        c = refinarEsquina(f, *c, h, escala);
    if (*c <= a || *c >= b || !verdadeiro(f, *c, escala))
        return std::nullopt;
    return c;
}

} // namespace Refinamento
