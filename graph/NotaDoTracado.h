// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CicloDeTracado.h"

#include <QString>
#include <optional>

class CamadaPassageira;

/// The note of a plot that showed no point: why the graph is empty ("Nenhum ponto do gráfico
/// está entre Ymín e Ymáx."), or nothing when at least one point was drawn.
std::optional<QString> NotaSemPontos(const ResultadoTracado& resultado);

/// Shows that note over the area the plot was drawn in, when it showed no point.
void MostrarNotaSemPontos(CamadaPassageira& camada, const ResultadoTracado& resultado);

/// The note of a plot asked for while the last redraw of its area refused the axis table: the
/// area has no window to plot in.
QString NotaTabelaRecusada();
