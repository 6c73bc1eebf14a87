// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Composicao.h"
#include "FormaDeG.h"
#include "Passo.h"

#include <QString>
#include <vector>

/// A transformation of the graph of f in the words of the curriculum: the elementary steps in
/// an order that is right, the rule the points follow, and the whole in a few sentences for
/// the panel and a screen reader.
struct Descricao {
    /// Whether the graph comes from that of f by `passos` (otherwise `texto` says why not).
    bool sequencia = false;
    /// The steps in their order; none when the graph does not change.
    std::vector<Passo> passos;
    /// "(x; y) ↦ (x − 2; y + 3)"; empty when there is no sequence.
    QString regra;
    /// "O gráfico de g obtém-se do de f por uma dilatação vertical de coeficiente 2, seguida de
    /// uma reflexão em relação ao eixo Ox e de uma translação associada ao vetor (1; 3). Cada
    /// ponto do gráfico de f transforma-se assim: (x; y) ↦ (x + 1; −2y + 3)."
    QString texto;
};

/// The transformation of option `numero` (1 to 10) with the values of a and b, said of "the
/// transform" ("O gráfico da transformada obtém-se do de f por uma translação …").
Descricao descreverOpcao(int numero, double a, double b);

/// The function g written in terms of f, as the sequence it is or why it is none.
Descricao descreverComposicao(const Composicao& g);

/// A form, said of `sujeito` ("da transformada", "de g").
Descricao descreverForma(const FormaDeG& forma, const QString& sujeito);
