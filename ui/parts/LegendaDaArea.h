// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CurvasDaArea.h"
#include "Legenda.h"

#include <QObject>
#include <optional>
#include <vector>

class QAction;
class Quadro;

/// The legend of the transform area: with "Legenda" a small box inside the picture lists the
/// curves piled up since the area was last cleared, each in its colour with its name, under the
/// grey f when it is shown under them. It stands where it covers the fewest pixels of the
/// curves, moves when a curve is added, and is part of the picture copied and saved; turned off,
/// it goes and the curves stay.
class LegendaDaArea : public QObject {
    Q_OBJECT
public:
    explicit LegendaDaArea(Quadro& quadro, QObject* pai = nullptr);

    /// "Legenda", a check item, off at first.
    QAction* mostrarLegenda() const { return m_mostrar; }

    /// A curve just drawn in the area, over the earlier ones, with its colour and its name.
    void juntar(const QColor& cor, const QString& nome);
    /// The entries of the curves in the area now: f first while it is shown under them.
    std::vector<EntradaDaLegenda> entradas() const;
    /// The legend of those curves, laid out for the area, to be drawn on any painter.
    Legenda legenda() const;
    /// Where the legend stands in the picture now (its top-left corner, in pixels at scale 1),
    /// or nothing while it is not shown.
    std::optional<QPointF> canto() const { return m_canto; }

    /// The name of a transform in the legend: its option's caption and the parameters it was
    /// drawn with, "a+f(x+b), a = 3, b = 2" (as typed when they were written as expressions).
    static QString nomeDaTransformada(const CurvaDesenhada& curva);

private:
    void actualizar();
    void esquecer();

    Quadro& m_quadro;
    QAction* m_mostrar;
    std::vector<EntradaDaLegenda> m_entradas;
    std::optional<QPointF> m_canto;
};
