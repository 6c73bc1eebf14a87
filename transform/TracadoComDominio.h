// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AreaGrafica.h"
#include "CicloDeTracado.h"
#include "JanelaGrafica.h"
#include "PontoNotavel.h"

#include <QColor>
#include <vector>

class FuncaoComposta;
class Quadro;

/// Radius, in pixels at scale 1, of the mark of an end of a domain.
inline constexpr double kRaioDaMarca = 3;

/// Plots a function of f into an area with the plot loop, only where it has a value on the
/// domain of f, then marks the ends of its domain inside the window where an argument leaves the
/// domain of f. Without a domain it is the plot of its text alone, as before. Failures follow
/// `politica`, as in CicloDeTracado.
ResultadoTracado TracarComDominio(FuncaoComposta& curva, AreaGrafica& area,
                                  const JanelaGrafica& janela, const QColor& cor,
                                  PoliticaFalha politica);

/// Marks the ends among `pontos` that have a value inside the window: a filled dot of `cor`
/// where the end belongs to the curve, a hollow circle where it does not.
void MarcarExtremidades(Quadro& quadro, const JanelaGrafica& janela,
                        const std::vector<PontoNotavel>& pontos, const QColor& cor);
