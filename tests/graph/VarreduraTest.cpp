// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Varredura.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

const IntervaloVisivel kTudo{-1e300, 1e300};

std::vector<double> varrer(double lo, double hi, double passo, IntervaloVisivel visivel = kTudo) {
    std::vector<double> valores;
    VarrerGraduacao(lo, hi, passo, visivel, [&](double v) { valores.push_back(v); });
    return valores;
}

TEST(VarrerGraduacao, AncoraEmZeroSemDesenharAOrigem) {
    const std::vector<double> esperado{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                       -1, -2, -3, -4, -5, -6, -7, -8, -9, -10};
    EXPECT_EQ(varrer(-10, 10, 1), esperado);
}

TEST(VarrerGraduacao, TerminaNoInteiroDosLimites) {
    // Int(9.5) = 9 and Int(-9.5) = -10.
    const auto valores = varrer(-9.5, 9.5, 2);
    EXPECT_EQ(valores, (std::vector<double>{2, 4, 6, 8, -2, -4, -6, -8, -10}));
    // Int(7.5) = 7 leaves out 7.5 on the right, Int(-7.5) = -8 keeps -7.5 on the left.
    EXPECT_EQ(varrer(-7.5, 7.5, 2.5), (std::vector<double>{2.5, 5, -2.5, -5, -7.5}));
}

TEST(VarrerGraduacao, PassoNuloNaoDesenhaNada) {
    EXPECT_TRUE(varrer(-10, 10, 0).empty());
    EXPECT_TRUE(varrer(-10, 10, -0.0).empty());
}

TEST(VarrerGraduacao, PassoNegativoNadaDesenhaComAOrigemNaJanela) {
    EXPECT_TRUE(varrer(-10, 10, -1).empty());
}

TEST(VarrerGraduacao, OsValoresVemDaSomaRepetida) {
    const auto valores = varrer(0, 1, 0.1);
    ASSERT_GE(valores.size(), 3U);
    EXPECT_EQ(valores[2], 0.1 + 0.1 + 0.1);
    EXPECT_NE(valores[2], 0.3);
}

TEST(VarrerGraduacao, PassoPequenoNaoELimitado) {
    // A thousand on each side of the origin.
    EXPECT_EQ(varrer(-10, 10, 0.01).size(), 2000U);
}

TEST(VarrerGraduacao, SoOsValoresVisiveisSaoDesenhados) {
    const auto valores = varrer(-10, 10, 1, {2.5, 5.5});
    EXPECT_EQ(valores, (std::vector<double>{3, 4, 5}));
}

TEST(VarrerGraduacao, JanelaLongeDaOrigemComPassoExacto) {
    const double base = 1e12;
    const auto valores = varrer(base, base + 10, 1, {base - 0.5, base + 10.5});
    ASSERT_EQ(valores.size(), 11U);
    EXPECT_EQ(valores.front(), base);
    EXPECT_EQ(valores.back(), base + 10);
}

TEST(VarrerGraduacao, SaltarDaOsMesmosValoresQueSomar) {
    // 0.375 has few binary digits: every sum is exact, so jumping changes nothing.
    std::vector<double> somados;
    for (double v = 0; v <= 5000; v += 0.375)
        if (v >= 4000 && v != 0)
            somados.push_back(v);
    EXPECT_EQ(varrer(-1, 5000, 0.375, {4000, 1e9}), somados);
}

TEST(VarrerGraduacao, TempoLimitadoComPassoMinusculoEJanelaEnorme) {
    const auto inicio = std::chrono::steady_clock::now();
    const auto longe = varrer(1e15, 1e15 + 100, 0.1, {1e15, 1e15 + 100});
    const auto minusculo = varrer(-1e300, 1e300, 1e-300);
    const auto demora = std::chrono::steady_clock::now() - inicio;
    // So far from 0 the sums of 0.1 go up by 0.125, the nearest they can.
    ASSERT_EQ(longe.size(), 801U);
    EXPECT_EQ(longe.front(), 1e15);
    EXPECT_EQ(longe[1] - longe[0], 0.125);
    EXPECT_EQ(minusculo.size(), 100000U);
    EXPECT_LT(demora, std::chrono::seconds(5));
}

// Far from the origin, the values before the window are worked out, not added one by one: the
// values drawn and their numbers of additions are those of the additions, the last two cases
// more than ten million of them away.
TEST(PercorrerValores, SaltarAteAJanelaDaOQueASomaDa) {
    struct Caso {
        double inicio, passo;
        IntervaloVisivel visivel;
    };
    const Caso casos[] = {{0, 0.1, {1000, 1001}},   {0, -0.3, {-2001, -2000}},
                          {0, 1e-5, {50, 50.001}},  {4.712385, 3.14159, {100000, 100020}},
                          {0, 0.1, {1e6, 1e6 + 1}}, {-4.712385, -3.14159, {-4e7, -4e7 + 20}}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.passo);
        std::vector<std::pair<double, long long>> esperado, obtido;
        const double sentido = c.passo > 0 ? 1 : -1;
        const double entrada = c.passo > 0 ? c.visivel.minimo : -c.visivel.maximo;
        const double saida = c.passo > 0 ? c.visivel.maximo : -c.visivel.minimo;
        double v = c.inicio;
        for (long long i = 0; sentido * v <= saida; ++i, v += c.passo)
            if (sentido * v >= entrada)
                esperado.emplace_back(v, i);
        PercorrerValores(c.inicio, c.passo, 1e300 * sentido, c.visivel, [&](double x, long long i) {
            obtido.emplace_back(x, i);
            return true;
        });
        ASSERT_FALSE(esperado.empty());
        EXPECT_EQ(obtido, esperado);
    }
}

TEST(VarrerGraduacao, NoMaximoCemMilElementos) {
    EXPECT_EQ(varrer(-10, 10, 1e-5).size(), 100000U);
}

TEST(PercorrerValores, ContaAsSomasDeCadaValor) {
    std::vector<long long> indices;
    PercorrerValores(-4.712385, -3.14159, -10, kTudo, [&](double, long long i) {
        indices.push_back(i);
        return true;
    });
    EXPECT_EQ(indices, (std::vector<long long>{0, 1}));
}

TEST(PercorrerValores, AcabaQuandoASomaNaoMudaOValor) {
    long long chamadas = 0;
    PercorrerValores(1e17, 1, 2e17, kTudo, [&](double, long long) { return ++chamadas > 0; });
    EXPECT_EQ(chamadas, 1);
}

} // namespace
