// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AreaGrafica.h"
#include "CicloDeTracado.h"
#include "JanelaGrafica.h"

#include <QColor>

class CamadaPassageira;
class FuncaoComposta;
class clsEquation;
class QWidget;

/// Plots the function held by `equacao` into the transform area, over the axes and the earlier
/// transforms, in `cor`, on the window in force. Abscissas where the values fail are skipped in
/// silence; a failure of the text itself (FalhaDoTexto) ends the plot at its first sample and
/// is thrown as the InterpreterError. The busy pointer of `janelaPrincipal` and the live overlay
/// last only while it runs: the persistent picture is shown again and the pointer restored
/// whatever happens, before the error reaches the caller.
ResultadoTracado DesenharTransformada(clsEquation& equacao, AreaGrafica& area,
                                      const JanelaGrafica& janela, const QColor& cor,
                                      QWidget& janelaPrincipal);

/// The same plot as a preview: the points go only to `camada`, in place of its earlier preview,
/// and nothing is kept in the picture. A failure of the text itself is thrown as above.
ResultadoTracado PreverTransformada(clsEquation& equacao, CamadaPassageira& camada,
                                    const JanelaGrafica& janela, const QColor& cor);

/// The same two for a function of f on the domain of f: drawn only where it has a value there,
/// and the plot marks the ends of its domain in the window (TracarComDominio).
ResultadoTracado DesenharTransformada(FuncaoComposta& curva, AreaGrafica& area,
                                      const JanelaGrafica& janela, const QColor& cor,
                                      QWidget& janelaPrincipal);
ResultadoTracado PreverTransformada(FuncaoComposta& curva, CamadaPassageira& camada,
                                    const JanelaGrafica& janela, const QColor& cor);
