// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumeroPortugues.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct Caso {
    double valor;
    const char* simples; ///< fractions where simple
    const char* decimal;
};

class NumeroPortuguesTest : public ::testing::TestWithParam<Caso> {};

TEST_P(NumeroPortuguesTest, ComoUmaTurmaPortuguesaEscreve) {
    const Caso& c = GetParam();
    EXPECT_EQ(numeroPortugues(c.valor).toStdString(), c.simples) << c.valor;
    EXPECT_EQ(numeroPortugues(c.valor, FormaDoNumero::Decimal).toStdString(), c.decimal) << c.valor;
}

const double kInfinito = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Tabela, NumeroPortuguesTest,
    ::testing::Values(
        Caso{2, "2", "2"}, Caso{-2, "−2", "−2"}, Caso{-0.0, "0", "0"}, Caso{0.5, "1/2", "0,5"},
        Caso{0.5 + 4e-13, "1/2", "0,5"}, Caso{-0.5, "−1/2", "−0,5"}, Caso{0.4, "0,4", "0,4"},
        Caso{1.5, "1,5", "1,5"}, Caso{0.25, "1/4", "0,25"}, Caso{0.75, "0,75", "0,75"},
        Caso{1.0 / 3, "1/3", "0,3333333333"}, Caso{2.0 / 3, "2/3", "0,6666666667"},
        Caso{-7.0 / 6, "−7/6", "−1,166666667"}, Caso{1.0 / 100, "1/100", "0,01"},
        Caso{1.0 / 101, "0,009900990099", "0,009900990099"}, Caso{5.0 / 12, "5/12", "0,4166666667"},
        Caso{1000.0 / 3 + 1e-11, "1000/3", "333,3333333"},
        Caso{5.0 / 13, "0,3846153846", "0,3846153846"}, Caso{0.1 + 0.2, "0,3", "0,3"},
        Caso{2.0000000000001, "2", "2"}, Caso{3.141592653589793, "3,141592654", "3,141592654"},
        Caso{1234567.891, "1234567,891", "1234567,891"},
        Caso{123456789012345, "123456789012345", "123456789012345"},
        Caso{12345678901.5, "1,23456789 × 10¹⁰", "1,23456789 × 10¹⁰"},
        Caso{1e20, "1 × 10²⁰", "1 × 10²⁰"}, Caso{-1.5e-7, "−1,5 × 10⁻⁷", "−1,5 × 10⁻⁷"},
        Caso{1e-6, "0,000001", "0,000001"}, Caso{kInfinito, "+∞", "+∞"},
        Caso{-kInfinito, "−∞", "−∞"}, Caso{std::nan(""), "indefinido", "indefinido"}));

TEST(ParPortugues, PontoEVetorSeparadosPorPontoEVirgula) {
    EXPECT_EQ(parPortugues(-2, 3).toStdString(), "(−2; 3)");
    EXPECT_EQ(parPortugues(1.5, -4).toStdString(), "(1,5; −4)");
    EXPECT_EQ(parPortugues(0.5, 1.0 / 3, FormaDoNumero::Decimal).toStdString(),
              "(0,5; 0,3333333333)");
}

TEST(ArredondadoAFracao, SoONumeroQueUmCalculoDesviouPorUmCabelo) {
    EXPECT_EQ(arredondadoAFracao(1.0 / 3 + 1e-12), 1.0 / 3);
    EXPECT_EQ(arredondadoAFracao(-2.5 + 1e-11), -2.5);
    EXPECT_EQ(arredondadoAFracao(0.3333), 0.3333);
    EXPECT_EQ(arredondadoAFracao(3.141592653589793), 3.141592653589793);
    EXPECT_EQ(arredondadoAFracao(1.0 / 997 + 1e-12), 1.0 / 997);
    EXPECT_EQ(arredondadoAFracao(1.0 / 1001 + 1e-12), 1.0 / 1001 + 1e-12);
    EXPECT_EQ(arredondadoAFracao(1e13 + 0.5), 1e13 + 0.5);
}

} // namespace
