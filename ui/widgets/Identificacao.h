// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

/// Gives a control its name, its accessible name (its caption, or its name where it has none)
/// and, with a tool tip, the same text as its accessible description.
inline void identificar(QWidget* controlo, const QString& nome, const QString& legenda,
                        const QString& dica = {}) {
    controlo->setObjectName(nome);
    controlo->setAccessibleName(legenda.isEmpty() ? nome : legenda);
    if (!dica.isEmpty()) {
        controlo->setToolTip(dica);
        controlo->setAccessibleDescription(dica);
    }
}

/// The colour of a control's caption or text.
inline void pintarTexto(QWidget* controlo, const QColor& cor) {
    QPalette paleta = controlo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    paleta.setColor(QPalette::ButtonText, cor);
    controlo->setPalette(paleta);
}
