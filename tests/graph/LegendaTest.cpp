// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Legenda.h"
#include "PaletaDasCurvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor kBranco(255, 255, 255);
const QColor kCinzentoDeF(170, 170, 170);

TEST(PaletaDasCurvas, UmaTransformadaComoSempreDepoisCoresDeOkabeIto) {
    const QRgb esperadas[] = {0x0000FF, 0xD55E00, 0x009E73, 0xCC79A7,
                              0xE69F00, 0x56B4E9, 0x000000, 0x0000FF};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(corDaCurva(i, kBranco).rgb() & 0xFFFFFF, esperadas[i]) << i;
}

TEST(PaletaDasCurvas, NuncaOFundoNemPertoDeleNemOCinzentoDeF) {
    const QColor fundos[] = {kBranco,
                             Qt::black,
                             QColor(0, 0, 255),
                             QColor(0, 0, 128),
                             QColor(255, 255, 0),
                             kCinzentoDeF,
                             QColor(0xE6, 0x9F, 0x00),
                             QColor(128, 128, 128)};
    for (const QColor& fundo : fundos)
        for (int i = 0; i < 12; ++i) {
            const QColor cor = corDaCurva(i, fundo);
            EXPECT_GE(contrasteDeLuminancia(cor, fundo), 2) << fundo.name().toStdString() << i;
            EXPECT_NE(cor.rgb(), kCinzentoDeF.rgb());
            EXPECT_TRUE(cor.hsvSaturation() > 100 || cor.value() == 0 || cor.value() == 255);
        }
    EXPECT_EQ(corDaCurva(0, QColor(0, 0, 255)).rgb() & 0xFFFFFF, 0xD55E00u);
    EXPECT_EQ(corDaCurva(6, Qt::black).rgb() & 0xFFFFFF, 0xF0E442u);
    EXPECT_EQ(corDaCurva(7, Qt::black).rgb() & 0xFFFFFF, 0xFFFFFFu);
}

std::vector<EntradaDaLegenda> tresCurvas() {
    return {{QColor(0, 0, 255), QStringLiteral("a+f(x+b), a = 3, b = 2")},
            {QColor(0xD5, 0x5E, 0x00), QStringLiteral("g(x) = -2f(x-1)+3")},
            {kCinzentoDeF, QStringLiteral("f")}};
}

QImage area(int lado = 493) {
    QImage imagem(lado, lado, QImage::Format_RGB32);
    imagem.fill(kBranco);
    return imagem;
}

// The rectangle of the pixels of one colour, or of any other colour.
QRect onde(const QImage& imagem, const QColor& cor, bool outra = false) {
    QRect r;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if ((imagem.pixelColor(x, y) == cor) != outra)
                r |= QRect(x, y, 1, 1);
    return r;
}

TEST(Legenda, PoeSeOndeCobreMenosDasCurvas) {
    const Legenda legenda(tresCurvas());
    const double w = legenda.tamanho().width(), h = legenda.tamanho().height();
    QImage imagem = area();
    EXPECT_EQ(legenda.lugar(imagem, kBranco), QPointF(493 - 6 - w, 6));

    struct Caso {
        std::vector<QRect> riscados; // where curves pass
        QPointF esperado;
    };
    const QRect cima(0, 0, 493, 120), baixo(0, 380, 493, 113);
    const QRect esquerda(0, 0, 93, 493), direita(400, 0, 93, 493);
    const Caso casos[] = {
        {{QRect(300, 0, 193, 120)}, QPointF(6, 6)},
        {{cima}, QPointF(493 - 6 - w, 493 - 6 - h)},
        {{cima, QRect(250, 300, 243, 193)}, QPointF(6, 493 - 6 - h)},
        {{esquerda, direita, baixo}, QPointF((493 - w) / 2, 6)},
        {{esquerda, direita, cima}, QPointF((493 - w) / 2, 493 - 6 - h)},
        {{cima, baixo}, QPointF(6, (493 - h) / 2)},
        {{cima, baixo, esquerda}, QPointF(493 - 6 - w, (493 - h) / 2)},
        {{QRect(0, 0, 493, 493)}, QPointF(493 - 6 - w, 6)}, // all alike: the first
        // curves that pass just beside the box do not count
        {{QRect(300, 0, 193, 120), QRect(6 + int(w), 0, 1, 493), QRect(0, 6 + int(h), 493, 1)},
         QPointF(6, 6)},
    };
    for (const Caso& caso : casos) {
        imagem = area();
        QPainter pintor(&imagem);
        for (const QRect& riscado : caso.riscados)
            pintor.fillRect(riscado, Qt::blue);
        pintor.end();
        EXPECT_EQ(legenda.lugar(imagem, kBranco), caso.esperado) << caso.riscados.size();
    }
    // On a blue background the blue is what is empty.
    EXPECT_EQ(legenda.lugar(imagem, Qt::blue), QPointF(493 - 6 - w, 6));
}

TEST(Legenda, DesenhaCadaCorNaCaixaAQualquerEscala) {
    // Saturated colours only: the grey of the text's edges could pass for a grey curve.
    const std::vector<EntradaDaLegenda> curvas = {
        {QColor(0, 0, 255), QStringLiteral("a+f(x+b), a = 3, b = 2")},
        {QColor(0xD5, 0x5E, 0x00), QStringLiteral("g(x) = -2f(x-1)+3")},
        {QColor(0x00, 0x9E, 0x73), QStringLiteral("f(ax), a = 0,5")}};
    const Legenda legenda(curvas);
    for (const int escala : {1, 2}) {
        QImage imagem = area(493 * escala);
        const QPointF canto(40, 30);
        {
            QPainter pintor(&imagem);
            pintor.scale(escala, escala);
            legenda.desenhar(pintor, canto);
        }
        const QRectF caixa(canto * escala, legenda.tamanho() * escala);
        EXPECT_EQ(QRectF(onde(imagem, kBranco, true)), caixa) << escala;
        EXPECT_EQ(imagem.pixelColor(caixa.center().x(), caixa.top()), QColor(160, 160, 160));
        // One sample of each colour, one line apart, filling the box with no blank line.
        const QRect primeira = onde(imagem, curvas[0].cor);
        const QRect segunda = onde(imagem, curvas[1].cor);
        const QRect ultima = onde(imagem, curvas[2].cor);
        const int linha = segunda.center().y() - primeira.center().y();
        EXPECT_EQ(ultima.center().y() - segunda.center().y(), linha) << escala;
        EXPECT_GT(linha, 8 * escala);
        EXPECT_EQ(primeira.height(), 2 * escala);
        EXPECT_EQ(primeira.left(), ultima.left());
        EXPECT_LT(primeira.top() - caixa.top(), linha) << escala;
        EXPECT_LT(caixa.bottom() - ultima.bottom(), linha) << escala;
    }
}

TEST(Legenda, CabeNaAreaComNomesLongosEMuitasCurvas) {
    std::vector<EntradaDaLegenda> muitas(60, {Qt::red, QString(200, QLatin1Char('x'))});
    const Legenda legenda(muitas);
    EXPECT_LE(legenda.tamanho().width(), 493 - 12);
    EXPECT_LE(legenda.tamanho().height(), 493 - 12);
    const int nomeadas = legenda.curvasNomeadas();
    EXPECT_GT(nomeadas, 10);
    ASSERT_EQ(legenda.textos().size(), nomeadas + 1);
    EXPECT_TRUE(legenda.textos().front().endsWith(QChar(0x2026)));
    EXPECT_EQ(legenda.textos().back(), QStringLiteral("… e mais %1 curvas").arg(60 - nomeadas));
    // As many curves as there are lines: each one by name, none left out.
    std::vector<EntradaDaLegenda> justas(static_cast<std::size_t>(nomeadas + 1),
                                         {Qt::red, QStringLiteral("f(ax), a = 2")});
    const Legenda cheia(justas);
    EXPECT_EQ(cheia.curvasNomeadas(), nomeadas + 1);
    EXPECT_EQ(cheia.textos().back(), QStringLiteral("f(ax), a = 2"));
    const Legenda tres(tresCurvas());
    EXPECT_EQ(tres.textos(),
              (QStringList{QStringLiteral("a+f(x+b), a = 3, b = 2"),
                           QStringLiteral("g(x) = -2f(x-1)+3"), QStringLiteral("f")}));
    EXPECT_LT(tres.tamanho().width(), 200);
}

} // namespace
