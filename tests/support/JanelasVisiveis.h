// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QList>
#include <QMenu>
#include <QWidget>

/// The windows the user sees now: every visible top-level widget but the open menus.
inline QList<QWidget*> janelasVisiveis() {
    QList<QWidget*> visiveis;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu*>(w))
            visiveis << w;
    return visiveis;
}
