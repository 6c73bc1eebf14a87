#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

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
    QRect lugar;                    ///< left, top, width, height in twips
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

/// Draws a picture at its size in pixels; an empty image for a bad window, which cannot happen
/// with the fixed windows of gravurasDoInicio().
QImage desenharGravura(const GravuraDecorativa& gravura);
