// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

/// The headings of the axis table (`Image1`): the column titles across the top and the row
/// titles down the left side, painted behind the ten cells that stand over them. The window's
/// layout sizes it and its font; the titles keep their places in proportion.
class CabecalhosTabela : public QWidget {
    Q_OBJECT
public:
    explicit CabecalhosTabela(QWidget* pai = nullptr);

    /// Size of the picture in pixels at scale 1 (3600 x 1080 twips).
    static constexpr QSize kTamanho{240, 72};

protected:
    void paintEvent(QPaintEvent* evento) override;
};
