// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BotaoImagem.h"

#include <QFont>
#include <QIcon>

BotaoImagem::BotaoImagem(const QString& nome, const QString& legenda, const QString& dica,
                         const QString& icone, QWidget* pai)
    : QToolButton(pai) {
    setObjectName(nome);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(16, 16));
    // A command button takes the focus from the keyboard and from the mouse alike.
    setFocusPolicy(Qt::StrongFocus);
    // Every attribute set, so the bold title font of the group does not reach the caption.
    QFont fonte(QStringLiteral("MS Serif"), 6);
    fonte.setBold(false);
    fonte.setItalic(false);
    setFont(fonte);
    mudarLegenda(legenda, dica, icone);
}

void BotaoImagem::mudarLegenda(const QString& legenda, const QString& dica, const QString& icone) {
    setText(legenda);
    setToolTip(dica);
    setIcon(QIcon(icone));
    setAccessibleName(legenda);
    setAccessibleDescription(dica);
}
