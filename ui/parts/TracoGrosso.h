// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class AreaGrafica;
class QAction;

/// "Traço grosso": the curves plotted from then on in both graph areas are 3 pixels wide at
/// scale 1 (as wide again at each step of the window's scale) and smooth, for a projector;
/// the pictures keep their size and the curves already drawn stay as they are.
class TracoGrosso : public QObject {
    Q_OBJECT
public:
    /// The width of a thick curve at scale 1.
    static constexpr int kLargura = 3;

    TracoGrosso(AreaGrafica& funcao, AreaGrafica& transformada, QObject* pai = nullptr);

    /// "Traço grosso", a check item, off at first.
    QAction* tracoGrosso() const { return m_accao; }

private:
    AreaGrafica& m_funcao;
    AreaGrafica& m_transformada;
    QAction* m_accao;
};
