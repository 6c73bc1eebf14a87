// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExportacaoImagem.h"

#include "PaginaDosGraficos.h"

#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace ExportacaoImagem {

namespace {

constexpr double kPolegada = 0.0254; // metres
constexpr int kPppA4 = 300;

double escalaPng(const PaginaDosGraficos& pagina, EscolhaExportacao::Tamanho tamanho) {
    switch (tamanho) {
    case EscolhaExportacao::Tamanho::Ecra:
        return 1;
    case EscolhaExportacao::Tamanho::Dobro:
        return 2;
    case EscolhaExportacao::Tamanho::A4300dpi:
        break;
    }
    return kLarguraA4300dpi / pagina.tamanho().width();
}

bool escreverPng(const PaginaDosGraficos& pagina, EscolhaExportacao::Tamanho tamanho,
                 QIODevice& destino) {
    const double k = escalaPng(pagina, tamanho);
    QImage imagem(tamanhoPng(pagina, tamanho), QImage::Format_RGB32);
    if (imagem.isNull())
        return false;
    if (tamanho == EscolhaExportacao::Tamanho::A4300dpi) {
        const int pontosPorMetro = static_cast<int>(std::lround(kPppA4 / kPolegada));
        imagem.setDotsPerMeterX(pontosPorMetro);
        imagem.setDotsPerMeterY(pontosPorMetro);
    }
    imagem.fill(Qt::white);
    {
        QPainter pintor(&imagem);
        pagina.desenhar(pintor, k,
                        tamanho == EscolhaExportacao::Tamanho::A4300dpi
                            ? PaginaDosGraficos::kAmpliacaoNoPapel
                            : 1);
    }
    QImageWriter escritor(&destino, "png");
    return escritor.write(imagem);
}

bool escreverSvg(const PaginaDosGraficos& pagina, QIODevice& destino) {
    QSvgGenerator svg;
    svg.setOutputDevice(&destino);
    const QSize tamanho = pagina.tamanho().toSize();
    svg.setSize(tamanho);
    svg.setViewBox(QRect(QPoint(0, 0), tamanho));
    svg.setTitle(QStringLiteral("Quilora"));
    QPainter pintor;
    if (!pintor.begin(&svg))
        return false;
    pagina.desenhar(pintor, 1);
    return pintor.end();
}

bool escreverPdf(const PaginaDosGraficos& pagina, QIODevice& destino) {
    QPdfWriter pdf(&destino);
    pdf.setTitle(QStringLiteral("Quilora"));
    pdf.setCreator(QStringLiteral("Quilora"));
    pdf.setResolution(kPppA4);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter pintor;
    if (!pintor.begin(&pdf))
        return false;
    const QRect folha = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const QSizeF tamanho = pagina.tamanho();
    const double k = std::min(folha.width() / tamanho.width(), folha.height() / tamanho.height());
    pagina.desenhar(pintor, k, PaginaDosGraficos::kAmpliacaoNoPapel);
    return pintor.end();
}

} // namespace

QString extensao(EscolhaExportacao::Formato formato) {
    switch (formato) {
    case EscolhaExportacao::Formato::Svg:
        return QStringLiteral("svg");
    case EscolhaExportacao::Formato::Pdf:
        return QStringLiteral("pdf");
    case EscolhaExportacao::Formato::Png:
        break;
    }
    return QStringLiteral("png");
}

QString filtro(EscolhaExportacao::Formato formato) {
    switch (formato) {
    case EscolhaExportacao::Formato::Svg:
        return QStringLiteral("Desenho vetorial SVG (*.svg)");
    case EscolhaExportacao::Formato::Pdf:
        return QStringLiteral("Documento PDF (*.pdf)");
    case EscolhaExportacao::Formato::Png:
        break;
    }
    return QStringLiteral("Imagem PNG (*.png)");
}

QSize tamanhoPng(const PaginaDosGraficos& pagina, EscolhaExportacao::Tamanho tamanho) {
    const QSizeF medida = pagina.tamanho() * escalaPng(pagina, tamanho);
    return {static_cast<int>(std::lround(medida.width())),
            static_cast<int>(std::lround(medida.height()))};
}

bool escrever(const PaginaDosGraficos& pagina, const EscolhaExportacao& escolha,
              QIODevice& destino) {
    switch (escolha.formato) {
    case EscolhaExportacao::Formato::Svg:
        return escreverSvg(pagina, destino);
    case EscolhaExportacao::Formato::Pdf:
        return escreverPdf(pagina, destino);
    case EscolhaExportacao::Formato::Png:
        break;
    }
    return escreverPng(pagina, escolha.tamanho, destino);
}

} // namespace ExportacaoImagem
