// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FolhaDeTrabalho.h"

#include "PaginaDosGraficos.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace FolhaDeTrabalho {

namespace {

// Sizes in points of the printed page, whatever the printer's resolution.
constexpr double kTitulo = 20;
constexpr double kTexto = 12;
constexpr double kPainel = 10; // the description and the points, many lines of them

QFont fonte(double pontos, bool negrito, const QPaintDevice& folha) {
    QFont resultado(QStringLiteral("Arial"));
    resultado.setPixelSize(static_cast<int>(pontos * folha.logicalDpiY() / 72.0));
    resultado.setBold(negrito);
    return resultado;
}

// Writes a line at the top of `resto` and takes its height off it.
void linha(QPainter& pintor, QRectF& resto, const QFont& tipo, const QString& texto,
           Qt::Alignment alinhamento = Qt::AlignLeft) {
    pintor.setFont(tipo);
    const double altura = QFontMetricsF(tipo, pintor.device()).lineSpacing() * 1.4;
    pintor.drawText(QRectF(resto.topLeft(), QSizeF(resto.width(), altura)),
                    alinhamento | Qt::AlignVCenter | Qt::TextSingleLine, texto);
    resto.setTop(resto.top() + altura);
}

// Writes a paragraph at the top of `resto`, wrapped to its width, and takes its height off it.
void paragrafo(QPainter& pintor, QRectF& resto, const QFont& tipo, const QString& texto) {
    pintor.setFont(tipo);
    const int forma = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF caixa = pintor.boundingRect(resto, forma, texto);
    pintor.drawText(caixa, forma, texto);
    resto.setTop(caixa.bottom() + QFontMetricsF(tipo, pintor.device()).lineSpacing() * 0.3);
}

} // namespace

void desenhar(QPagedPaintDevice& folha, const PaginaDosGraficos& graficos, const QString& f,
              const QStringList& linhasDoPainel) {
    QPainter pintor(&folha);
    const QRect area = folha.pageLayout().paintRectPixels(folha.logicalDpiX());
    QRectF resto(0, 0, area.width(), area.height());
    pintor.setPen(Qt::black);
    linha(pintor, resto, fonte(kTitulo, true, folha), QStringLiteral("Quilora"), Qt::AlignHCenter);
    linha(pintor, resto, fonte(kTexto, true, folha), PaginaDosGraficos::titulo(f));
    resto.setTop(resto.top() + folha.logicalDpiY() / 6.0);

    const QSizeF tamanho = graficos.tamanho();
    const double k =
        std::min(resto.width() / tamanho.width(), resto.height() / 2 / tamanho.height());
    pintor.save();
    pintor.translate(resto.left() + (resto.width() - tamanho.width() * k) / 2, resto.top());
    graficos.desenhar(pintor, k, PaginaDosGraficos::kAmpliacaoNoPapel);
    pintor.restore();
    resto.setTop(resto.top() + tamanho.height() * k + folha.logicalDpiY() / 6.0);

    const QFont texto = fonte(kTexto, false, folha);
    const QFont painel = fonte(kPainel, false, folha);
    for (const QString& l : linhasDoPainel)
        paragrafo(pintor, resto, painel, l);
    resto.setTop(resto.top() + folha.logicalDpiY() / 3.0);
    linha(pintor, resto, texto, QString::fromUtf8(kLinhaDoAluno));
}

} // namespace FolhaDeTrabalho
