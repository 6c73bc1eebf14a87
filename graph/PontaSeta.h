// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QWidget>

class QPainter;
class Quadro;

/// A 16 x 16 black-on-transparent arrowhead, a child of a persistent picture, placed in that
/// picture's user coordinates. It keeps its place in pixels of the picture's image, so it
/// follows the picture to any display scale, drawn at the screen's resolution.
class PontaSeta : public QWidget {
    Q_OBJECT
public:
    enum class Direccao { Cima, Direita };

    static constexpr int kLado = 16;

    PontaSeta(Direccao direccao, Quadro& quadro);

    /// Puts the top-left corner at the user point (esquerda, topo) of the picture.
    void mover(float esquerda, float topo);
    Direccao direccao() const { return m_direccao; }

    /// The top-left corner, in pixels of the picture's image.
    QPoint canto() const { return m_canto; }
    /// Draws the chevron through the centres of its pixels, one pixel wide, in the painter's
    /// coordinates taken as pixels of its 16 x 16 square.
    static void pintarForma(QPainter& pintor, Direccao direccao);
    /// Draws the shape's own pixels, one unit of the painter each.
    static void pintarPixels(QPainter& pintor, Direccao direccao);

    /// Whether the shape has a black pixel at (coluna, linha) of its 16 x 16 square.
    static bool temPixel(Direccao direccao, int coluna, int linha);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void acompanharQuadro();

    Direccao m_direccao;
    Quadro& m_quadro;
    QPoint m_canto;       // the top-left corner, in pixels of the picture's image
    QPointF m_desvio;     // of that corner from the widget's own, on the screen
    QSizeF m_pixel{1, 1}; // length on the screen of one pixel of the image
};
