// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

/// One line of a legend: the colour of a curve and its name ("a+f(x+b), a = 3, b = 2").
struct EntradaDaLegenda {
    QColor cor;
    QString nome;
};

/// A small legend of the curves of a graph area: a light box with, for each curve, a short
/// line in its colour and its name. It is laid out in pixels of the area at scale 1 and drawn
/// by one routine on any paint device, so that the screen, the copy, the saved file and a
/// vector export show the same legend. Names too long for the area are shortened with "…";
/// when the curves do not all fit, the last line says how many are left out.
class Legenda {
public:
    /// The legend of `entradas`, in their order, for an area of `area` pixels at scale 1
    /// (with no entries, an empty box: not worth drawing).
    explicit Legenda(std::vector<EntradaDaLegenda> entradas, QSize area = QSize(493, 493));

    /// The size of the box in pixels at scale 1.
    QSizeF tamanho() const { return m_tamanho; }
    /// How many curves the box lists by name.
    int curvasNomeadas() const;
    /// The lines as the box shows them, names shortened and the count of the curves left out
    /// included: what a screen reader reads of the legend.
    QStringList textos() const;

    /// Where the box goes (its top-left corner, in pixels of `imagem`, the area's picture at
    /// scale 1) so that it covers the fewest pixels that differ from `fundo`: the corners are
    /// tried first (top right, top left, bottom right, bottom left), then the middles of the
    /// sides, and the first of the least covered wins.
    QPointF lugar(const QImage& imagem, const QColor& fundo) const;

    /// Draws the box with its top-left corner at `canto`, in the painter's coordinates taken
    /// as pixels at scale 1: a painter scaled by s draws it s times larger, sharp.
    void desenhar(QPainter& pintor, QPointF canto) const;

private:
    struct Linha {
        QColor cor; ///< invalid for the line of the curves left out
        QString texto;
    };

    void dispor(const std::vector<EntradaDaLegenda>& entradas);
    int pixelsCobertos(const QImage& imagem, QRgb fundo, QPointF canto) const;

    QSize m_area;
    QFont m_fonte;
    double m_alturaLinha = 0;
    std::vector<Linha> m_linhas;
    QSizeF m_tamanho;
};
