// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Quadro.h"

#include <QImage>
#include <QPointF>
#include <QRect>

/// The names "x" and "y" of the axes of one picture. "x" stands right of the end of the x axis
/// and under it, "y" left of the top of the y axis; both are kept inside the picture, and "x"
/// goes above the axis when the numbers or labels printed under the axis reach its place.
/// They are printed last, in the font the picture had when the places were taken, so that the
/// texts printed in between can be seen.
class NomesDosEixos {
public:
    /// Takes note of the font of the picture and of the places wanted, as top-left corners in
    /// user coordinates.
    NomesDosEixos(Quadro& quadro, QPointF cantoX, QPointF cantoY);

    /// Prints both names, then gives the picture back the font it has now.
    void imprimir();

private:
    QRect caixaEmPixels(QPointF canto, const QString& texto) const;
    QRect dentroDoQuadro(QRect caixa) const;
    static QRect vizinhanca(const QRect& caixa);
    void imprimirEm(const QRect& caixa, const QString& texto);

    Quadro& m_quadro;
    EstiloTexto m_estilo;
    QRect m_caixaX;
    QRect m_caixaY;
    int m_linhaDoEixo;
    QImage m_fundoX; ///< what lay under the place of "x" before the numbers
};
