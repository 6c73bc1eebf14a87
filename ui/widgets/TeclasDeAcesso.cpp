// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeclasDeAcesso.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace TeclasDeAcesso {

namespace {

// The letter after a single "&", if the text has one ("&&" is a plain "&").
QChar teclaDe(const QString& texto) {
    for (qsizetype i = 0; i + 1 < texto.size(); ++i) {
        if (texto[i] != u'&')
            continue;
        if (texto[i + 1] != u'&')
            return texto[i + 1].toCaseFolded();
        ++i;
    }
    return {};
}

// Where the access key goes: a word's first letter not taken, else any letter not taken.
qsizetype lugarLivre(const QString& texto, const QSet<QChar>& usadas) {
    for (int passagem = 0; passagem < 2; ++passagem)
        for (qsizetype i = 0; i < texto.size(); ++i) {
            const bool inicio = i == 0 || !texto[i - 1].isLetterOrNumber();
            if (texto[i].isLetter() && (passagem == 1 || inicio) &&
                !usadas.contains(texto[i].toCaseFolded()))
                return i;
        }
    return -1;
}

void distribuir(const QList<QAction*>& accoes) {
    QSet<QChar> usadas;
    for (const QAction* accao : accoes)
        if (const QChar tecla = teclaDe(accao->text()); !tecla.isNull())
            usadas.insert(tecla);
    for (QAction* accao : accoes) {
        QString texto = accao->text();
        // A text with an "&" of its own is left as it is.
        if (accao->isSeparator() || texto.isEmpty() || texto.contains(u'&'))
            continue;
        const qsizetype lugar = lugarLivre(texto, usadas);
        if (lugar < 0)
            continue;
        usadas.insert(texto[lugar].toCaseFolded());
        accao->setText(texto.insert(lugar, u'&'));
    }
}

} // namespace

void aplicar(QMenu& menu) {
    distribuir(menu.actions());
}

void aplicar(QMenuBar& barra) {
    distribuir(barra.actions());
    for (QAction* accao : barra.actions())
        if (QMenu* menu = accao->menu())
            aplicar(*menu);
}

} // namespace TeclasDeAcesso
