// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EquationTestSupport.h"

#include <cmath>
#include <string>

namespace {

class EvaluatesTo : public ::testing::TestWithParam<ValueCase> {};
TEST_P(EvaluatesTo, Value) {
    expectValue(GetParam());
}

class RaisesError : public ::testing::TestWithParam<ErrorCase> {};
TEST_P(RaisesError, NumberAndDescription) {
    expectError(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, EvaluatesTo,
    ::testing::Values(ValueCase{"1/2x^2-4", 3, 0.5}, ValueCase{"1/2x^2-4", 0, -4},
                      ValueCase{"-x^2", 3, -9}, ValueCase{"(-x)^2", 3, 9},
                      ValueCase{"2^3^2", 0, 64}, ValueCase{"2*-3", 0, -6},
                      ValueCase{"x^(-1)", 4, 0.25}, ValueCase{"7\\2", 0, 3},
                      ValueCase{"-7\\2", 0, -3}, ValueCase{"7.5\\2", 0, 4}, ValueCase{"()", 0, 0},
                      ValueCase{"2()", 0, 0}, ValueCase{"(x+1)(x-1)", 5, 6}, ValueCase{"1,2", 0, 1},
                      ValueCase{"sqr(-4)", 0, 1000, true}, ValueCase{"2+sqr(-4)", 0, 1002, true},
                      ValueCase{"sqr(-4)*0", 0, 0, true}, ValueCase{"(-8)^(1/3)", 0, -8, true},
                      ValueCase{"2*", 0, 2, true}, ValueCase{"-", 0, 1000, true},
                      ValueCase{"7%3", 0, 1}, ValueCase{"-7%3", 0, -1}, ValueCase{"7.5%2", 0, 0},
                      ValueCase{"1+7%4*2", 0, 8}, ValueCase{"2(x+1)", 2, 6},
                      ValueCase{"-sen(2x)", 0.25, -std::sin(0.5)}, ValueCase{"max(x,2)", 5, 5},
                      ValueCase{"max(1,9,5)", 0, 5}, ValueCase{"+5", 0, 0, true}));

INSTANTIATE_TEST_SUITE_P(
    Reading, EvaluatesTo,
    ::testing::Values(ValueCase{"2 5", 0, 25}, ValueCase{"2 x", 4, 8}, ValueCase{"3.5x", 2, 7},
                      ValueCase{"1 000", 0, 1000}, ValueCase{"s e n (x)", 1, std::sin(1.0)},
                      ValueCase{".5", 0, 0.5}, ValueCase{",5", 0, 5}, ValueCase{"5.", 0, 5},
                      ValueCase{"ç=!x", 3, 3}, ValueCase{"x-1", 3, 2}, ValueCase{"(x)-1", 3, 2},
                      ValueCase{"(-1)", 0, -1}, ValueCase{"max(-1,2)", 0, 2},
                      ValueCase{"-(x)", 3, -3}, ValueCase{"X*2", 1.5, 3},
                      ValueCase{"pi", 0, 3.14159265358979}, ValueCase{"e", 0, 2.718281828},
                      ValueCase{"0.1+0.2", 0, 0.1 + 0.2}, ValueCase{"1/3", 0, 1.0 / 3.0},
                      ValueCase{"0.30000000000000004", 0, 0.30000000000000004}));

// The literal order of the steps: silent failures, kept operands, ignored leftovers.
INSTANTIATE_TEST_SUITE_P(
    Quirks, EvaluatesTo,
    ::testing::Values(ValueCase{"(+)", 0, 1000, true}, ValueCase{"2--2", 0, 4},
                      ValueCase{"(1,2)", 0, 1}, ValueCase{"((2))", 0, 2}, ValueCase{"x^2", -2, 4},
                      ValueCase{"0^0", 0, 1}, ValueCase{"2.5\\1", 0, 2}, ValueCase{"3.5\\1", 0, 4},
                      ValueCase{"-2147483648.5\\1", 0, -2147483648.0}, ValueCase{"-7%7", 0, 0},
                      ValueCase{"2/", 0, 2, true}, ValueCase{"sqr(x)-2", -1, 998, true},
                      ValueCase{"(sqr(-1))", 0, 1000, true}, ValueCase{"2 + ,3", 0, 5},
                      ValueCase{"(-8)^(2)", 0, 64}, ValueCase{"x", 1e-300, 1e-300},
                      ValueCase{"x^(1/3)", -8, -8, true}, ValueCase{"x^(1/3)", 8, 2},
                      ValueCase{")(x", 2, 0, true}));

TEST(Evaluation, TinyNumbersRoundToZeroOrSubnormal) {
    const std::string zeros(330, '0');
    EXPECT_EQ(solve("0." + zeros + "1").value, 0.0);
    EXPECT_EQ(solve("0." + std::string(323, '0') + "5").value, 5e-324);
}

TEST(Evaluation, ThousandTermSumIsExact) {
    std::string text = "x";
    for (int i = 1; i < 1000; ++i)
        text += "+x";
    EXPECT_EQ(solve(text, 1.5).value, 1500.0);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, RaisesError,
    ::testing::Values(ErrorCase{"x^-1", 4, 1104, "Argumento inválido na expressão: )"},
                      ErrorCase{"1\\0", 0, 11, "Divisão por zero."},
                      ErrorCase{"1/0", 0, 11, "Divisão por zero."},
                      ErrorCase{"0/0", 0, 6, "Capacidade excedida."},
                      ErrorCase{"sen()", 0, 1104, "Argumento inválido na expressão: sen()"},
                      ErrorCase{"foo(1)", 0, 1101, "Função não definida: foo()"},
                      ErrorCase{"x(2)", 0, 1101, "Função não definida: x()"},
                      ErrorCase{"y+1", 0, 1102, "Variável não definida: y"},
                      ErrorCase{"foo(y)", 0, 1102, "Variável não definida: y"},
                      ErrorCase{"sen(x", 0, 1100, "Número de parênteses incorrecto."},
                      ErrorCase{"sen(x))", 0, 1100, "Número de parênteses incorrecto."},
                      ErrorCase{"2.5.1", 0, 9, "Índice fora do intervalo."},
                      ErrorCase{"", 0, 9, "Índice fora do intervalo."},
                      ErrorCase{"   ", 0, 9, "Índice fora do intervalo."},
                      ErrorCase{"pi(2)", 0, 1101, "Função não definida: pi()"}));

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, RaisesError,
    ::testing::Values(ErrorCase{"x/0", 3, 11, "Divisão por zero."},
                      ErrorCase{"0\\0", 0, 11, "Divisão por zero."},
                      ErrorCase{"5%0", 0, 11, "Divisão por zero."},
                      ErrorCase{"5%0.4", 0, 11, "Divisão por zero."},
                      ErrorCase{"0^(-1)", 0, 11, "Divisão por zero."},
                      ErrorCase{"10^400", 0, 6, "Capacidade excedida."},
                      ErrorCase{"x*x", 1e200, 6, "Capacidade excedida."},
                      ErrorCase{"x+x", 1e308, 6, "Capacidade excedida."},
                      ErrorCase{"-x-x", 1e308, 6, "Capacidade excedida."},
                      ErrorCase{"x/0.1", 1e308, 6, "Capacidade excedida."},
                      ErrorCase{"2147483647.5\\1", 0, 6, "Capacidade excedida."},
                      ErrorCase{"-2147483648\\-1", 0, 6, "Capacidade excedida."},
                      ErrorCase{"x%2", 3e9, 6, "Capacidade excedida."},
                      ErrorCase{"1e400", 0, 1102, "Variável não definida: e400"},
                      ErrorCase{"x.5", 0, 1102, "Variável não definida: x,5"}));

// An operator emptied by an earlier failure comes up empty and ends in the call steps.
INSTANTIATE_TEST_SUITE_P(
    Quirks, RaisesError,
    ::testing::Values(ErrorCase{"--2", 0, 1104, "Argumento inválido na expressão: )"},
                      ErrorCase{"2^-1", 0, 1104, "Argumento inválido na expressão: )"},
                      ErrorCase{"2^-(x)", 1, 1101, "Função não definida: )"},
                      ErrorCase{")(", 0, 9, "Índice fora do intervalo."},
                      ErrorCase{"max()", 0, 1104, "Argumento inválido na expressão: max()"},
                      ErrorCase{"max(,)", 0, 1104, "Argumento inválido na expressão: max()"}));

TEST(Evaluation, HugeNumberTokenOverflowsOnlyWhenUsed) {
    const std::string huge(400, '9');
    EXPECT_EQ(solve(huge).error, 6);
    EXPECT_EQ(solve("(" + huge + ")").error, 6);
    EXPECT_EQ(solve("2+" + huge).error, 6);
    // An operator whose left operand already failed never reads the right one.
    EXPECT_EQ(solve("+" + huge).error, 0);
}

} // namespace
