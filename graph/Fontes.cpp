// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fontes.h"

#include <QFont>
#include <QStringList>

void RegistarSubstitutosDeFontes() {
    // Free metric-compatible fonts first, the DejaVu family where those are missing.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Serif"), {QStringLiteral("Liberation Serif"),
                                                            QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("symbol"), {QStringLiteral("Liberation Serif"),
                                                          QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}
