#pragma once

#include "AreaGrafica.h"
#include "JanelaGrafica.h"

#include <QColor>

class clsEquation;

/// What the plot loop does when the expression object reports a failure at an abscissa.
enum class PoliticaFalha {
    Parar,  ///< the InterpreterError leaves the loop and reaches the caller (plot of f)
    Saltar, ///< the abscissa is skipped in silence and the loop goes on (transforms)
};

/// The plot loop shared by the plot of f and the transforms: x runs from JanelaXmin while
/// x <= JanelaXmax by repeated addition of 0.001; every y strictly inside (JanelaYmin,
/// JanelaYmax) whose evaluation met no silent failure becomes a point of `cor` on the persistent
/// picture, then on the live overlay, which is repainted every 30 ms while visible. The loop also
/// ends when adding 0.001 no longer changes x, and on windows so wide that 0.001 would need more
/// than kMaxAmostras samples it uses the smallest step that covers the window with that many.
/// `equacao` must already hold the expression. Returns the number of abscissas sampled.
long long CicloDeTracado(clsEquation& equacao, AreaGrafica& area, const JanelaGrafica& janela,
                         const QColor& cor, PoliticaFalha politica);

/// The sampling step and the largest number of samples of one plot.
inline constexpr double kPassoAmostragem = 0.001;
inline constexpr long long kMaxAmostras = 4000001;
