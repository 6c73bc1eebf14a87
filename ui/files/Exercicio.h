// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesenhoEixos.h"

#include <QColor>
#include <QString>
#include <vector>

/// An exercise as the board holds it and a `.quilora` file keeps it: what was typed, the axis
/// table, the curves piled in each area in the order they were drawn, the colours and the
/// choices of the "Comparar" menu. Texts are kept as typed, never as the numbers they gave.
/// A default-built exercise is the board of a main window just opened.
struct Exercicio {
    /// The axis table as the window holds it, and its angle mode.
    struct Eixos : TabelaEixos {
        bool radianos = false; ///< the x axis graduated in multiples of π/2
        bool operator==(const Eixos&) const = default;
    };

    /// How a curve was stroked.
    struct Traco {
        QColor cor{0, 0, 255};
        int espessura = 1; ///< in pixels at scale 1, from 1 to kEspessuraMaxima
        bool operator==(const Traco&) const = default;
    };

    /// A plot of f with "Desenhar": f and its domain as they were then.
    struct GraficoDeF {
        QString f;
        QString dominio; ///< empty: every real number
        Traco traco;
        bool operator==(const GraficoDeF&) const = default;
    };

    /// A curve of the transform area: one of the ten options with the a and b it was drawn
    /// with, or a typed g; and the f (with its domain) it was built from.
    struct Transformada {
        int opcao = 0; ///< 1 to 10 (`Option1` to `Option10`); 0 for the typed g
        QString a;
        QString b;
        QString g; ///< the text after "g(x) =", when opcao is 0
        QString f;
        QString dominio;
        Traco traco;
        bool operator==(const Transformada&) const = default;
    };

    /// The colour choices of one area: of its next curve and of its background.
    struct Cores {
        QColor curva{0, 0, 255};
        QColor fundo{255, 255, 255};
        bool operator==(const Cores&) const = default;
    };

    /// The check items of the "Comparar" menu.
    struct Comparar {
        bool mostrarF = false;      ///< f in grey under the transforms
        bool umaCorPorCurva = true; ///< each new transform in the next colour of the palette
        bool legenda = false;
        bool tracoGrosso = false;
        bool painel = false; ///< the exercise panel open
        bool operator==(const Comparar&) const = default;
    };

    static constexpr int kEspessuraMaxima = 10;

    QString f = QStringLiteral("1/2x^2-4"); ///< `Função1`
    QString dominio;                        ///< "Domínio de f"; empty: every real number
    QString g;                              ///< "g(x) ="
    QString a = QStringLiteral("2");        ///< `ValorDeA`
    QString b = QStringLiteral("2");        ///< `ValorDeB`
    Eixos eixos;
    int transformacao = 0; ///< the option marked, 1 to 10; 0 for none
    Cores coresFuncao;
    Cores coresTransformada;
    std::vector<GraficoDeF> graficosDeF;     ///< the function area, oldest first
    std::vector<Transformada> transformadas; ///< the transform area, oldest first
    Comparar comparar;

    bool operator==(const Exercicio&) const = default;
};
