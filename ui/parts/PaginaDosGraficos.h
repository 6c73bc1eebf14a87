// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EscolhaExportacao.h"
#include "Legenda.h"

#include <QSizeF>
#include <QString>
#include <vector>

class AreaGrafica;
class QPainter;

/// What an exported picture and a printed page show of the board: one graph or both side by
/// side, f's expression above the function graph and the list of the transforms under the
/// transform graph. It is laid out in pixels of the areas at scale 1 and drawn by the areas'
/// own drawing onto any painter, at any number of the painter's units per pixel.
class PaginaDosGraficos {
public:
    /// The areas to draw, f as typed, the transforms in their colours and `graficos` to show.
    PaginaDosGraficos(const AreaGrafica& funcao, const AreaGrafica& transformada, QString f,
                      std::vector<EntradaDaLegenda> transformadas,
                      EscolhaExportacao::Graficos graficos);

    /// The size in pixels at scale 1.
    QSizeF tamanho() const;
    /// Draws it with its top-left corner at the painter's origin, `k` units per pixel, on a
    /// white background; the graphs' texts `ampliacao` times larger (AreaGrafica::pintar).
    void desenhar(QPainter& pintor, double k, double ampliacao = 1) const;

    /// How much larger the graphs' texts are on paper, where a graph is a few centimetres wide:
    /// the numbers of the axes come out about 2.5 mm high.
    static constexpr double kAmpliacaoNoPapel = 1.4;

    /// "f(x) = " and f as mathematics is written: the true minus sign.
    static QString titulo(const QString& f);

private:
    bool comFuncao() const;
    bool comTransformada() const;
    double larguraGrafico() const;
    double alturaGrafico() const;
    void desenharTexto(QPainter& pintor, double k, QPointF lugar, const QString& texto) const;

    const AreaGrafica& m_funcao;
    const AreaGrafica& m_transformada;
    QString m_f;
    Legenda m_legenda;
    bool m_temTransformadas;
    EscolhaExportacao::Graficos m_graficos;
};
