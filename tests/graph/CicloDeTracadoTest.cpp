// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CicloDeTracado.h"
#include "AreaGrafica.h"
#include "clsEquation.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QRgb kAzul = qRgb(0, 0, 255);

struct CicloTest : ::testing::Test {
    CicloTest() : area(&pai, QRect(0, 0, 497, 497), {"P1", "P3", "I2", "I3"}) {
        janela.JanelaXmin = -10;
        janela.JanelaXmax = 10;
        janela.JanelaYmin = -10;
        janela.JanelaYmax = 10;
        for (Quadro* q : {&area.persistente(), &area.sobreposicao()})
            q->escala(-10.8, 10.8, 10.8, -10.8);
        area.persistente().limpar();
    }
    ResultadoTracado tracar(const char* expressao, PoliticaFalha politica) {
        clsEquation equacao;
        equacao.Equation(expressao);
        return CicloDeTracado(equacao, area, janela, QColor(0, 0, 255), politica);
    }
    int azuis(int x0, int x1) const {
        int n = 0;
        for (int y = 0; y < 493; ++y)
            for (int x = x0; x < x1; ++x)
                n += area.imagem().pixel(x, y) == kAzul ? 1 : 0;
        return n;
    }
    QWidget pai;
    AreaGrafica area;
    JanelaGrafica janela;
};

struct CasoAmostras {
    double xmin, xmax;
    long long amostras;
};

class AmostrasTest : public CicloTest, public ::testing::WithParamInterface<CasoAmostras> {};

// x runs while x <= Xmax: the sample at Xmax itself is taken when the additions reach it, a
// reversed window has none, and far from 0 the loop ends when x no longer grows.
TEST_P(AmostrasTest, DeXminAteXmaxInclusive) {
    janela.JanelaXmin = GetParam().xmin;
    janela.JanelaXmax = GetParam().xmax;
    EXPECT_EQ(tracar("0", PoliticaFalha::Parar).amostras, GetParam().amostras);
}

INSTANTIATE_TEST_SUITE_P(Janelas, AmostrasTest,
                         ::testing::Values(CasoAmostras{-10, 10, 20001}, CasoAmostras{0, 0.002, 3},
                                           CasoAmostras{3, 3, 1}, CasoAmostras{10, 6, 0},
                                           CasoAmostras{1e16, 1e16 + 4, 1}));

TEST_F(CicloTest, VinteMilEUmaAmostrasNaJanelaInicial) {
    EXPECT_EQ(tracar("1/2x^2-4", PoliticaFalha::Parar).amostras, 20001);
    EXPECT_EQ(area.imagem().pixel(246, 337), kAzul); // (0, -4)
    EXPECT_EQ(area.imagem().pixel(292, 292), kAzul); // (2, -2)
    EXPECT_EQ(azuis(406, 407), 0);                   // x = 7 gives 20.5, outside
}

// Skipping the points where f is undefined leaves every other point where it was: the plot is
// the same, pixel for pixel, as setting every sample inside the window.
TEST_F(CicloTest, SemFalhasDesenhaCadaAmostra) {
    for (const char* expressao : {"1/2x^2-4", "sen(3x)*5", "(x^3-2x)/(x^2+1)"}) {
        area.persistente().limpar();
        tracar(expressao, PoliticaFalha::Parar);
        Quadro esperado;
        esperado.colocar(QRect(0, 0, 497, 497));
        esperado.limpar();
        esperado.escala(-10.8, 10.8, 10.8, -10.8);
        clsEquation equacao;
        equacao.Equation(expressao);
        for (double x = -10; x <= 10; x += 0.001) {
            equacao.Var("x", x);
            const double y = equacao.Solution();
            if (y > -10 && y < 10)
                esperado.ponto(static_cast<float>(x), static_cast<float>(y), kAzul);
        }
        EXPECT_EQ(area.imagem(), esperado.imagem()) << expressao;
    }
}

// On a screen of scale 2 a plot shows a dot where its samples enter a new pixel of the picture
// and no more: the steep parts of a curve are not darker than a picture given those dots.
TEST_F(CicloTest, NoEcraUmPontoPorPixelDaImagem) {
    for (Quadro* q : {&area.persistente(), &area.sobreposicao()}) {
        q->definirEscalaEcra(2);
        q->setGeometry(0, 0, 994, 994);
    }
    const char* expressao = "sen(3x)*5";
    tracar(expressao, PoliticaFalha::Parar);
    Quadro esperado;
    esperado.colocar(QRect(0, 0, 497, 497));
    esperado.limpar();
    esperado.escala(-10.8, 10.8, 10.8, -10.8);
    esperado.definirEscalaEcra(2);
    esperado.setGeometry(0, 0, 994, 994);
    clsEquation equacao;
    equacao.Equation(expressao);
    QPoint anterior(-1, -1);
    for (double x = -10; x <= 10; x += 0.001) {
        equacao.Var("x", x);
        const float px = static_cast<float>(x), py = static_cast<float>(equacao.Solution());
        const QPoint pixel(static_cast<int>(esperado.pixelX(px)),
                           static_cast<int>(esperado.pixelY(py)));
        if (pixel != anterior)
            esperado.ponto(px, py, kAzul);
        anterior = pixel;
    }
    ASSERT_EQ(area.imagem(), esperado.imagem());
    EXPECT_EQ(area.persistente().imagemNoEcra(), esperado.imagemNoEcra());
}

TEST_F(CicloTest, UmSobreXDesenhaOsDoisRamos) {
    tracar("1/x", PoliticaFalha::Parar);
    EXPECT_GT(azuis(0, 240), 50);
    EXPECT_GT(azuis(253, 493), 50);
}

TEST_F(CicloTest, ValoresNosLimitesNaoSaoDesenhados) {
    tracar("10", PoliticaFalha::Parar);
    tracar("-10", PoliticaFalha::Parar);
    EXPECT_EQ(azuis(0, 493), 0);
}

TEST_F(CicloTest, PararDeixaOErroPassarESaltarContinua) {
    janela.JanelaXmin = 0;
    EXPECT_THROW(tracar("1/x", PoliticaFalha::Parar), InterpreterError);
    EXPECT_EQ(azuis(0, 493), 0);
    EXPECT_GE(tracar("1/x", PoliticaFalha::Saltar).amostras, 10000);
    EXPECT_GT(azuis(246, 493), 50);
}

TEST_F(CicloTest, JanelaEnormeTemAmostrasLimitadas) {
    janela.JanelaXmin = -1e9;
    janela.JanelaXmax = 1e9;
    const long long amostras = tracar("0", PoliticaFalha::Parar).amostras;
    EXPECT_GE(amostras, kMaxAmostras - 1);
    EXPECT_LE(amostras, kMaxAmostras + 1);
}

// While the overlay is shown it is brought to the screen every 30 ms or so, not at every
// sample, which would make a plot a hundred times slower.
TEST_F(CicloTest, ASobreposicaoEPintadaDeTemposATempos) {
    struct ContaPinturas : QObject {
        bool eventFilter(QObject*, QEvent* evento) override {
            pinturas += evento->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
        int pinturas = 0;
    } conta;
    pai.resize(500, 500);
    pai.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pai));
    SobreposicaoVisivel troca(area);
    area.sobreposicao().installEventFilter(&conta);
    QElapsedTimer relogio;
    relogio.start();
    tracar("1/2x^2-4", PoliticaFalha::Parar);
    EXPECT_GE(conta.pinturas, 1);
    EXPECT_LE(conta.pinturas, 2 + relogio.elapsed() / 30);
}

} // namespace
