#pragma once

#include "AreaGrafica.h"
#include "JanelaGrafica.h"
#include "clsEquation.h"

#include <QColor>

#include <cmath>
#include <limits>

/// What the plot loop does when the expression object reports a failure at an abscissa.
enum class PoliticaFalha {
    Parar,  ///< the InterpreterError leaves the loop and reaches the caller (plot of f)
    Saltar, ///< the abscissa is skipped in silence and the loop goes on (transforms)
};

/// The sampling step and the largest number of samples of one plot.
inline constexpr double kPassoAmostragem = 0.001;
inline constexpr long long kMaxAmostras = 4000001;

/// 0.001, unless the window is so wide that it would need more than kMaxAmostras samples.
inline double PassoDeAmostragem(const JanelaGrafica& janela) {
    const double largura = janela.JanelaXmax / 2 - janela.JanelaXmin / 2;
    const double minimo = largura / static_cast<double>(kMaxAmostras - 1) * 2;
    return minimo > kPassoAmostragem ? minimo : kPassoAmostragem;
}

/// The samples of a plot: x runs from JanelaXmin while x <= JanelaXmax by repeated addition of
/// the step, and `ponto(x, y)` receives, in single precision, every sample whose y lies strictly
/// inside (JanelaYmin, JanelaYmax) and whose evaluation met no silent failure. `depois(n)` is
/// called after the n-th sample. The loop also ends when adding the step no longer changes x.
/// Returns the number of abscissas sampled.
template <class Ponto, class Depois>
long long PercorrerAmostras(clsEquation& equacao, const JanelaGrafica& janela,
                            PoliticaFalha politica, Ponto&& ponto, Depois&& depois) {
    constexpr double kMaiorSimples = std::numeric_limits<float>::max();
    const double fim = janela.JanelaXmax;
    const double passo = PassoDeAmostragem(janela);
    long long amostras = 0;
    for (double x = janela.JanelaXmin; x <= fim;) {
        ++amostras;
        double y = 0;
        bool temValor = true;
        try {
            equacao.Var("x", x);
            equacao.Solve();
            y = equacao.Solution();
            // Where f is undefined its value is the marker 1000, or what later steps made of
            // it, which may well lie inside the window: such a point is not drawn.
            temValor = !equacao.SilentFailure();
        } catch (const InterpreterError&) {
            if (politica == PoliticaFalha::Parar)
                throw;
            temValor = false;
        }
        // A point must be representable in single precision to be set at all.
        if (temValor && y > janela.JanelaYmin && y < janela.JanelaYmax &&
            std::abs(y) <= kMaiorSimples && std::abs(x) <= kMaiorSimples)
            ponto(static_cast<float>(x), static_cast<float>(y));
        depois(amostras);
        // Far from 0 the addition may no longer change x: the plot ends there.
        const double seguinte = x + passo;
        if (seguinte == x)
            break;
        x = seguinte;
    }
    return amostras;
}

/// The plot loop shared by the plot of f and the transforms: every sample of
/// PercorrerAmostras becomes a point of `cor` on the persistent picture, then on the live
/// overlay, which is repainted every 30 ms while visible. `equacao` must already hold the
/// expression. Returns the number of abscissas sampled.
long long CicloDeTracado(clsEquation& equacao, AreaGrafica& area, const JanelaGrafica& janela,
                         const QColor& cor, PoliticaFalha politica);
