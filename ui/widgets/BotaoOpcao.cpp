// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BotaoOpcao.h"

#include <QKeyEvent>
#include <QMouseEvent>

BotaoOpcao::BotaoOpcao(const QString& legenda, QWidget* pai) : QRadioButton(legenda, pai) {
    // The group keeps at most one mark itself, so that it can also have none.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::clicked, this, &BotaoOpcao::escolhida);
}

void BotaoOpcao::nextCheckState() {
    setChecked(true);
}

void BotaoOpcao::mouseDoubleClickEvent(QMouseEvent* evento) {
    // The first click of the pair has already selected the option and run it.
    if (evento->button() == Qt::LeftButton) {
        evento->accept();
        emit duploClique();
        return;
    }
    QRadioButton::mouseDoubleClickEvent(evento);
}

void BotaoOpcao::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        emit setaPremida(true);
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        emit setaPremida(false);
        return;
    default:
        QRadioButton::keyPressEvent(evento);
    }
}
