// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

/// A narrow upright command button whose caption is written one letter under the other.
class BotaoVertical : public QPushButton {
    Q_OBJECT
public:
    explicit BotaoVertical(const QString& legenda, QWidget* pai = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;
};
