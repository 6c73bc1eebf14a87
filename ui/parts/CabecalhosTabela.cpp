// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CabecalhosTabela.h"

#include <QPainter>
#include <array>

namespace {

struct Titulo {
    const char* texto; // UTF-8
    QRect caixa;       // pixels, relative to the picture
    Qt::Alignment alinhamento;
};

// Each column title is centred over its cells (left 6840, 7380, 7980, 8520, 9000 twips on the
// window; text cells 21 pixels wide, check boxes 13), each row title beside its row.
const std::array<Titulo, 7> kTitulos{{
    {"Mín.", {56, 2, 37, 18}, Qt::AlignCenter},
    {"Máx", {92, 2, 37, 18}, Qt::AlignCenter},
    {"Grad.", {128, 2, 37, 18}, Qt::AlignCenter},
    {"Marcas", {162, 2, 41, 18}, Qt::AlignCenter},
    {"Passo", {201, 2, 37, 18}, Qt::AlignCenter},
    {"Abcissa", {4, 22, 58, 17}, Qt::AlignLeft | Qt::AlignVCenter},
    {"Ordenada", {4, 42, 58, 17}, Qt::AlignLeft | Qt::AlignVCenter},
}};

} // namespace

CabecalhosTabela::CabecalhosTabela(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("Image1"));
    // The headings are drawn, so a screen reader reads them from here.
    setAccessibleName(QStringLiteral("Mín., Máx, Grad., Marcas, Passo; Abcissa, Ordenada"));
    setFocusPolicy(Qt::NoFocus);
}

void CabecalhosTabela::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setPen(palette().color(QPalette::WindowText));
    const double kx = width() / double(kTamanho.width());
    const double ky = height() / double(kTamanho.height());
    for (const Titulo& titulo : kTitulos) {
        const QRect& c = titulo.caixa;
        pintor.drawText(QRectF(c.x() * kx, c.y() * ky, c.width() * kx, c.height() * ky),
                        titulo.alinhamento, QString::fromUtf8(titulo.texto));
    }
}
