// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JanelaGrafica.h"
#include "PontoNotavel.h"

#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class Quadro;

/// The labels of the notable points of a curve over a picture, "(−3; 0)", rounded to what the
/// axes show, and the point marked by a value of x. Like the readout they stand over the picture
/// without entering its image, let the mouse through, follow its display scale and go when the
/// picture is cleared.
class MarcasNoGrafico : public QWidget {
    Q_OBJECT
public:
    explicit MarcasNoGrafico(Quadro& quadro);

    /// The labels of these points, in place of the earlier ones; the window gives the rounding.
    void mostrarPontos(const std::vector<PontoNotavel>& pontos, const JanelaGrafica& janela);
    /// The point marked for a value of x, or none.
    void marcar(const std::optional<QPointF>& ponto, const JanelaGrafica& janela);
    /// The texts of the labels shown now, left to right.
    QStringList rotulos() const;
    /// The label of the point marked for a value of x; empty when there is none.
    QString marcado() const { return m_marcado ? m_marcado->texto : QString(); }
    void limpar();

    /// A point as a label shows it: each coordinate rounded to the decimals that tell apart two
    /// pixels of the window, in Portuguese form, "(−3; 0)", "(0,5; −3,75)".
    static QString rotulo(double x, double y, const JanelaGrafica& janela);

protected:
    bool eventFilter(QObject* objecto, QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    struct Rotulo {
        QPointF ponto; ///< user coordinates
        QString texto;
    };
    void desenharRotulo(QPainter& pintor, const Rotulo& r, const QColor& cor) const;

    Quadro& m_quadro;
    std::vector<Rotulo> m_rotulos;
    std::optional<Rotulo> m_marcado;
};
