// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QToolButton>

/// A command button of the groups under the graph areas: a 16 x 16 icon above a short caption
/// in a small serif font (the window's layout sizes both with the window). Clicking it or
/// pressing space runs its command.
class BotaoImagem : public QToolButton {
    Q_OBJECT
public:
    /// `nome` is the control's name, `icone` a path in the program's resources (":/icones/...").
    BotaoImagem(const QString& nome, const QString& legenda, const QString& dica,
                const QString& icone, QWidget* pai = nullptr);

    /// Changes the caption, the tool tip and the icon together, so that a screen reader always
    /// announces what the button shows.
    void mudarLegenda(const QString& legenda, const QString& dica, const QString& icone);
};
