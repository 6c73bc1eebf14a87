// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AreaGrafica.h"
#include "JanelaGrafica.h"
#include "PontosDoTracado.h"
#include "clsEquation.h"

#include <QColor>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

/// What the plot loop does when the expression object reports a failure at an abscissa.
enum class PoliticaFalha {
    Parar,  ///< the InterpreterError leaves the loop and reaches the caller (plot of f)
    Saltar, ///< the abscissa is skipped and the loop goes on (transforms), unless the failure
            ///< comes from the text itself (FalhaDoTexto): that one reaches the caller too
};

/// What the samples of one plot gave.
struct ResultadoTracado {
    long long amostras = 0;  ///< abscissas sampled
    long long definidas = 0; ///< of which the expression had a value, without any failure
    long long pontos = 0;    ///< of which the value lay strictly between JanelaYmin and JanelaYmax
};

/// Whether an error comes from the text alone, so that every abscissa would meet it (or an
/// error of its values first): the count of parentheses (1100), an unknown function (1101) or
/// variable (1102), a call without argument (1104), nothing to evaluate (9). The interpreter
/// walks a text the same way whatever its numbers, so these errors cannot depend on x, while
/// an overflow (6) or a division by zero (11) may happen at some abscissas only.
bool FalhaDoTexto(const InterpreterError& erro);

/// The sampling step and the largest number of samples of one plot.
inline constexpr double kPassoAmostragem = 0.001;
inline constexpr long long kMaxAmostras = 4000001;

/// 0.001, unless the window is so wide that it would need more than kMaxAmostras samples.
inline double PassoDeAmostragem(const JanelaGrafica& janela) {
    const double largura = janela.JanelaXmax / 2 - janela.JanelaXmin / 2;
    const double minimo = largura / static_cast<double>(kMaxAmostras - 1) * 2;
    return minimo > kPassoAmostragem ? minimo : kPassoAmostragem;
}

/// The value of an expression object at x, as a plot reads it: nothing where the evaluation
/// met a silent failure; an error of the interpreter is thrown.
struct ValorDaEquacao {
    clsEquation& equacao;

    std::optional<double> operator()(double x) const {
        equacao.Var("x", x);
        equacao.Solve();
        const double y = equacao.Solution();
        // Where f is undefined its value is the marker 1000, or what later steps made of it,
        // which may well lie inside the window: such a point is not drawn.
        if (equacao.SilentFailure())
            return std::nullopt;
        return y;
    }
};

/// The samples of a plot: x runs from JanelaXmin while x <= JanelaXmax by repeated addition of
/// the step, and `ponto(x, y)` receives, in single precision, every sample where `valorEm(x)`
/// gives a value y strictly inside (JanelaYmin, JanelaYmax). `depois(n)` is called after the
/// n-th sample. The loop also ends when adding the step no longer changes x. A failure from the
/// text itself ends the loop at once, whatever the policy.
template <class Valor, class Ponto, class Depois>
ResultadoTracado PercorrerAmostras(Valor&& valorEm, const JanelaGrafica& janela,
                                   PoliticaFalha politica, Ponto&& ponto, Depois&& depois) {
    constexpr double kMaiorSimples = std::numeric_limits<float>::max();
    const double fim = janela.JanelaXmax;
    const double passo = PassoDeAmostragem(janela);
    ResultadoTracado resultado;
    for (double x = janela.JanelaXmin; x <= fim;) {
        ++resultado.amostras;
        std::optional<double> y;
        try {
            y = valorEm(x);
        } catch (const InterpreterError& erro) {
            if (politica == PoliticaFalha::Parar || FalhaDoTexto(erro))
                throw;
        }
        resultado.definidas += y ? 1 : 0;
        // A point must be representable in single precision to be set at all.
        if (y && *y > janela.JanelaYmin && *y < janela.JanelaYmax &&
            std::abs(*y) <= kMaiorSimples && std::abs(x) <= kMaiorSimples) {
            ++resultado.pontos;
            ponto(static_cast<float>(x), static_cast<float>(*y));
        }
        depois(resultado.amostras);
        // Far from 0 the addition may no longer change x: the plot ends there.
        const double seguinte = x + passo;
        if (seguinte == x)
            break;
        x = seguinte;
    }
    return resultado;
}

/// The samples of the expression held by `equacao`, as above.
template <class Ponto, class Depois>
ResultadoTracado PercorrerAmostras(clsEquation& equacao, const JanelaGrafica& janela,
                                   PoliticaFalha politica, Ponto&& ponto, Depois&& depois) {
    return PercorrerAmostras(ValorDaEquacao{equacao}, janela, politica, std::forward<Ponto>(ponto),
                             std::forward<Depois>(depois));
}

/// The plot loop shared by the plot of f and the transforms: every sample of
/// PercorrerAmostras becomes a point of `cor` on the persistent picture, then on the live
/// overlay (PontosDoTracado). `equacao` must already hold the expression.
ResultadoTracado CicloDeTracado(clsEquation& equacao, AreaGrafica& area,
                                const JanelaGrafica& janela, const QColor& cor,
                                PoliticaFalha politica);

/// The same loop for any function of x that gives a value or nothing, as ValorDaEquacao does
/// (one that decides otherwise where it has a value, such as a function of f on the domain of
/// f).
template <class Valor>
ResultadoTracado CicloDeTracado(Valor&& valorEm, AreaGrafica& area, const JanelaGrafica& janela,
                                const QColor& cor, PoliticaFalha politica) {
    PontosDoTracado pontos(area, cor);
    const ResultadoTracado resultado =
        PercorrerAmostras(valorEm, janela, politica, pontos,
                          [&pontos](long long amostras) { pontos.depois(amostras); });
    pontos.mostrar();
    return resultado;
}
