// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnaliseCurva.h"

#include <QString>
#include <vector>

/// A curve as the exercise panel names it ("f(x)", "g(x) = -2f(x-1)+3") with what was found of
/// it.
struct CurvaAnalisada {
    QString nome;
    AnaliseCurva analise;
};

/// What a point is, in words: "Zero", "Mínimo relativo", "Zero e mínimo relativo",
/// "Extremo do domínio (fechado) e máximo relativo", "Interseção com o eixo Oy".
QString descricaoDoPonto(const PontoNotavel& ponto);

/// The notable points and the intervals of the curves as text to paste into a worksheet or a
/// spreadsheet: lines of cells separated by tabs, a table of points (function, what the point
/// is, x, y, and the point of f it comes from) and, after an empty line, a table of the domain
/// and range of each curve. Numbers in Portuguese form with up to 10 significant digits and
/// "-" for negatives, so that a spreadsheet reads them as numbers; intervals as a pupil writes
/// them, followed by "(visto na janela)" where the window cuts them.
QString textoParaCopiar(const std::vector<CurvaAnalisada>& curvas);
