// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

/// An option button of the transformation group. A click selects it but never clears its
/// mark: only a double-click (or the group's Reset) does; a click on it while it is selected
/// chooses it again. The arrow keys are left to the group, which moves the selection along the
/// options.
class BotaoOpcao : public QRadioButton {
    Q_OBJECT
public:
    BotaoOpcao(const QString& legenda, QWidget* pai);

signals:
    /// The user chose this option (click, space or arrow key), whether or not it was selected.
    void escolhida();
    /// The user double-clicked the option.
    void duploClique();
    /// An arrow key was pressed on the option: towards the next option or the previous one.
    void setaPremida(bool seguinte);

protected:
    void nextCheckState() override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};
