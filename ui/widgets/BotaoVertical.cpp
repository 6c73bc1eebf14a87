// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BotaoVertical.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

BotaoVertical::BotaoVertical(const QString& legenda, QWidget* pai) : QPushButton(legenda, pai) {
}

void BotaoVertical::paintEvent(QPaintEvent* /*evento*/) {
    QStylePainter pintor(this);
    QStyleOptionButton opcao;
    initStyleOption(&opcao);
    opcao.text.clear();
    pintor.drawControl(QStyle::CE_PushButton, opcao);

    const QFontMetrics medidas(font());
    const int alturaLetra = medidas.height() - 2;
    const qsizetype letras = text().size();
    int topo = (height() - static_cast<int>(letras) * alturaLetra) / 2;
    if (isDown())
        ++topo;
    pintor.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (qsizetype i = 0; i < letras; ++i) {
        const QRect linha(0, topo + static_cast<int>(i) * alturaLetra, width(), alturaLetra);
        pintor.drawText(linha, Qt::AlignCenter, text().mid(i, 1));
    }
}
