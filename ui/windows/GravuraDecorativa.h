// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class AreaGrafica;
class QWidget;

/// A transformation as the main window would draw it: its option (1 to 10) and the texts of
/// the parameters a and b.
struct TransformadaDecorativa {
    int opcao;
    QString a = QStringLiteral("2");
    QString b = QStringLiteral("2");
};

/// One decorative picture of the start window: a function and some of its transforms drawn on
/// their axes with the program's own graph and transformation code.
struct GravuraDecorativa {
    QString nome;                   ///< object name, e.g. "Image3"
    QString xmin, xmax, ymin, ymax; ///< the window, as the axis table would hold it
    QString funcao;                 ///< the text of f
    QList<TransformadaDecorativa> transformadas;
    QString descricao; ///< what the picture shows, for the accessible description
};

/// The expressions drawn in a picture: f first (in blue), then each transform as the
/// transformation would build it (red, green, and the colours after them).
QStringList curvasDaGravura(const GravuraDecorativa& gravura);

/// The nine pictures of the start window, `Image1` to `Image10` (there is no `Image7`).
QList<GravuraDecorativa> gravurasDoInicio();

/// A picture drawn once, at its size at scale 1, into a graph area kept out of sight, and then
/// shown at any size and density as that area's screen shows it: sharp, with nothing drawn again
/// but from the area's record.
class GravuraDesenhada {
public:
    /// Draws the picture at `tamanho` pixels.
    GravuraDesenhada(const GravuraDecorativa& gravura, QSize tamanho);
    ~GravuraDesenhada();
    GravuraDesenhada(const GravuraDesenhada&) = delete;
    GravuraDesenhada& operator=(const GravuraDesenhada&) = delete;

    /// The picture at scale 1, pixel for pixel; empty for a bad window, which cannot happen with
    /// the fixed windows of gravurasDoInicio().
    const QImage& imagem() const;
    /// The picture filling `tamanho` pixels of a screen of `densidade` device pixels per pixel.
    QPixmap noEcra(QSize tamanho, double densidade);

private:
    std::unique_ptr<QWidget> m_suporte;
    std::unique_ptr<AreaGrafica> m_area;
    std::unique_ptr<AreaGrafica> m_restante;
    bool m_desenhada = false;
    QPixmap m_noEcra;
    double m_densidade = 0;
};
