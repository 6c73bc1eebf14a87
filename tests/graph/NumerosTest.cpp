// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormaImpressa.h"
#include "NumeroInicial.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CasoNumeroInicial {
    const char* texto;
    double esperado;
};

class NumeroInicialTest : public ::testing::TestWithParam<CasoNumeroInicial> {};

TEST_P(NumeroInicialTest, LeONumeroDoInicio) {
    const auto& caso = GetParam();
    EXPECT_DOUBLE_EQ(NumeroInicial(QString::fromUtf8(caso.texto)), caso.esperado) << caso.texto;
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, NumeroInicialTest,
    ::testing::Values(CasoNumeroInicial{"2*pi", 2}, CasoNumeroInicial{"-pi", 0},
                      CasoNumeroInicial{"1,5", 1}, CasoNumeroInicial{"1e3", 1000},
                      CasoNumeroInicial{"-10", -10}, CasoNumeroInicial{"", 0},
                      CasoNumeroInicial{" ", 0}, CasoNumeroInicial{"abc", 0},
                      CasoNumeroInicial{" - 1 2", -12}, CasoNumeroInicial{"1\t2\n3", 123},
                      CasoNumeroInicial{"1.5.3", 1.5}, CasoNumeroInicial{".5", 0.5},
                      CasoNumeroInicial{"+.5e-1", 0.05}, CasoNumeroInicial{"2D2", 200},
                      CasoNumeroInicial{"1e", 1}, CasoNumeroInicial{"1e+", 1},
                      CasoNumeroInicial{"5*2", 5}, CasoNumeroInicial{"-", 0},
                      CasoNumeroInicial{"3E-2x", 0.03}, CasoNumeroInicial{"-0.5", -0.5},
                      CasoNumeroInicial{"2.5e1", 25}, CasoNumeroInicial{"1e999", HUGE_VAL}));

struct CasoForma {
    double valor;
    const char* local;
    const char* esperado;
};

class FormaImpressaTest : public ::testing::TestWithParam<CasoForma> {};

TEST_P(FormaImpressaTest, ComoAPlataformaImprime) {
    const auto& caso = GetParam();
    EXPECT_EQ(FormaImpressa(caso.valor, QLocale(QString::fromLatin1(caso.local))),
              QString::fromUtf8(caso.esperado));
}

INSTANTIATE_TEST_SUITE_P(Tabela, FormaImpressaTest,
                         ::testing::Values(CasoForma{1, "C", " 1 "}, CasoForma{-3, "C", "-3 "},
                                           CasoForma{0.5, "pt_PT", " 0,5 "},
                                           CasoForma{-0.25, "pt_PT", "-0,25 "},
                                           CasoForma{0.1 + 0.1 + 0.1, "C", " 0.3 "},
                                           CasoForma{1.5707963267949, "C", " 1.5707963267949 "},
                                           CasoForma{123456789012345, "C", " 123456789012345 "},
                                           CasoForma{1e15, "C", " 1E+15 "},
                                           CasoForma{1e-7, "C", " 1E-07 "},
                                           CasoForma{10, "pt_PT", " 10 "}));

// The steps are typed like every other number of the program: with a decimal point, whatever
// the desktop's settings (the whole suite runs under pt_PT.UTF-8 too).
TEST(LerNumeroSimples, PontoDecimalQualquerQueSejaOLocal) {
    EXPECT_EQ(LerNumeroSimples(QStringLiteral("0.5")), 0.5);
    EXPECT_EQ(LerNumeroSimples(QStringLiteral(" 2 ")), 2.0);
    EXPECT_EQ(LerNumeroSimples(QStringLiteral("1e3")), 1000.0);
    EXPECT_FALSE(LerNumeroSimples(QStringLiteral("0,5")));
    EXPECT_FALSE(LerNumeroSimples(QStringLiteral("pi/2")));
    EXPECT_FALSE(LerNumeroSimples(QString()));
    EXPECT_FALSE(LerNumeroSimples(QStringLiteral("inf")));
    EXPECT_FALSE(LerNumeroSimples(QStringLiteral("nan")));
}

} // namespace
