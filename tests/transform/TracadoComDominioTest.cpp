// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TracadoComDominio.h"
#include "CamadaPassageira.h"
#include "DesenharTransformada.h"
#include "FuncaoComposta.h"
#include "LeituraComposicao.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QRgb kAzul = qRgb(0, 0, 255);
const QRgb kBranco = qRgb(255, 255, 255);
const QString kF = QStringLiteral("1/2x^2-4");

struct TracadoTest : ::testing::Test {
    TracadoTest() : area(&pai, QRect(0, 0, 497, 497), {"P1", "P3", "I2", "I3"}) {
        janela.JanelaXmin = janela.JanelaYmin = -10;
        janela.JanelaXmax = janela.JanelaYmax = 10;
        for (Quadro* q : {&area.persistente(), &area.sobreposicao()})
            q->escala(-10.8, 10.8, 10.8, -10.8);
        area.persistente().limpar();
    }
    ResultadoTracado tracar(const char* g, const Intervalo& dominio) {
        FuncaoComposta curva(lerComposicao(QString::fromUtf8(g), kF).composicao, kF, dominio);
        return TracarComDominio(curva, area, janela, QColor(kAzul), PoliticaFalha::Saltar);
    }
    int coluna(double x) { return int(area.persistente().pixelX(x)); }
    int linha(double y) { return int(area.persistente().pixelY(y)); }
    // The columns that hold some ink, first and last.
    std::pair<int, int> colunasPintadas() const {
        int primeira = -1, ultima = -1;
        for (int x = 0; x < 493; ++x)
            for (int y = 0; y < 493; ++y)
                if (area.imagem().pixel(x, y) != kBranco) {
                    primeira = primeira < 0 ? x : primeira;
                    ultima = x;
                }
        return {primeira, ultima};
    }
    QWidget pai;
    AreaGrafica area;
    JanelaGrafica janela;
};

// f(2x) of an f on [−5, 3] is drawn on [−2,5; 1,5] only, its ends marked by discs of 3 pixels
// in the curve's colour (and nothing more than the marks beyond them).
TEST_F(TracadoTest, SoOndeOArgumentoEstaNoDominio) {
    const ResultadoTracado r = tracar("f(2x)", {-5, 3, true, true});
    EXPECT_EQ(r.amostras, 20001);
    EXPECT_EQ(r.definidas, 4001);
    EXPECT_EQ(colunasPintadas(), std::make_pair(coluna(-2.5) - 3, coluna(1.5) + 3));
    EXPECT_EQ(area.imagem().pixel(coluna(-2.5), linha(8.5)), kAzul);
    EXPECT_EQ(area.imagem().pixel(coluna(1.5), linha(0.5)), kAzul);
}

// The same through the transform area's plot and its preview. An end beyond the window's left
// edge, or on its lower edge (f(3/4) = −3,71875), where no point is drawn, has no mark.
TEST_F(TracadoTest, DesenhoEPrevisaoSoNaJanela) {
    const QString g = QStringLiteral("f(x/4)");
    FuncaoComposta curva(lerComposicao(g, kF).composicao, kF, {-2.500125, 0.75, true, true});
    janela.JanelaYmin = -3.71875;
    EXPECT_EQ(DesenharTransformada(curva, area, janela, QColor(kAzul), pai).definidas, 13001);
    const auto [primeira, ultima] = colunasPintadas();
    EXPECT_EQ(primeira, coluna(-10));
    EXPECT_LT(ultima, coluna(0));
    EXPECT_EQ(PreverTransformada(curva, area.camadaPassageira(), janela, QColor(kAzul)).definidas,
              13001);
}

// An open end is a hollow circle: the curve's last pixels inside it give way to the background.
TEST_F(TracadoTest, ExtremoAbertoEOco) {
    tracar("f(x)", {-5, 3, false, true});
    EXPECT_EQ(area.imagem().pixel(coluna(-5), linha(8.5)), kBranco);
    EXPECT_NE(area.imagem().pixel(coluna(-5) - 2, linha(8.5)), kBranco);
    EXPECT_EQ(area.imagem().pixel(coluna(3), linha(0.5)), kAzul);
}

// Where the domain holds the whole window the curve is the one drawn without a domain, pixel
// for pixel, with no mark: the values are the text's own.
TEST_F(TracadoTest, DominioQueCobreAJanelaNaoMudaOTracado) {
    for (const char* g : {"-2f(x-1)+3", "f(|x|)", "f(f(x))"}) {
        area.persistente().limpar();
        const ResultadoTracado sem = tracar(g, Intervalo::reta());
        const QImage semDominio = area.imagem();
        area.persistente().limpar();
        const ResultadoTracado com = tracar(g, {-1e6, 1e6, true, true});
        EXPECT_EQ(area.imagem(), semDominio) << g;
        EXPECT_EQ(com.pontos, sem.pontos) << g;
    }
}

} // namespace
