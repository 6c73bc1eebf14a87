// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EquationTestSupport.h"

#include "FunctionTable.h"

#include <cmath>
#include <set>
#include <string>

namespace {

const double halfPi = 2.0 * std::atan(1.0);

class FunctionValue : public ::testing::TestWithParam<ValueCase> {};
TEST_P(FunctionValue, Value) {
    expectValue(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FunctionValue,
    ::testing::Values(
        ValueCase{"sen(pi/2)", 0, 1}, ValueCase{"cos(pi)", 0, -1},
        ValueCase{"tg(pi/4)", 0, 1, false, 1e-14},
        ValueCase{"e-exp(1)", 0, 2.718281828 - std::exp(1.0)},
        ValueCase{"pi-4atn(1)", 0, 3.14159265358979 - 4 * std::atan(1.0)},
        ValueCase{"graus(pi)", 0, 180.00000000005537}, ValueCase{"rad(180)", 0, 3.1415926535909997},
        ValueCase{"arccotg(0)", 0, 1.5707963267948966},
        ValueCase{"arccotg(-1)", 0, 2.356194490192345}, ValueCase{"arcsec(1)", 0, 0},
        ValueCase{"arcsec(-1)", 0, 3.141592653589793},
        ValueCase{"arcsec(2)", 0, 1.0472, false, 1e-4},
        ValueCase{"arccosec(-2)", 0, -0.5236, false, 1e-4}, ValueCase{"mant(-1.25)", 0, 0.75},
        ValueCase{"int(-1.5)", 0, -2}, ValueCase{"fix(-1.5)", 0, -1}, ValueCase{"mod(7.5,2)", 0, 0},
        ValueCase{"mod(-7,3)", 0, -1}, ValueCase{"mod(6.5,4)", 0, 2}, ValueCase{"min(3)", 0, 3},
        ValueCase{"max(3)", 0, 3}, ValueCase{"max(1,9,5)", 0, 5},
        ValueCase{"logn(8,2)", 0, 3, false, 1e-15}, ValueCase{"log10(1000)", 0, 3, false, 1e-15},
        ValueCase{"sgn(-0.5)", 0, -1}, ValueCase{"sgn(0)", 0, 0}, ValueCase{"sgn(7)", 0, 1},
        ValueCase{"tan(pi/2)", 0, std::tan(3.14159265358979 / 2)},
        ValueCase{"sec(pi/2)", 0, 1 / std::cos(3.14159265358979 / 2)}));

// The formulas as written, in their order of operations.
INSTANTIATE_TEST_SUITE_P(
    Formulas, FunctionValue,
    ::testing::Values(
        ValueCase{"abs(-x)", 2, 2}, ValueCase{"atn(x)", 2, std::atan(2.0)},
        ValueCase{"arctg(x)", 2, std::atan(2.0)}, ValueCase{"exp(x)", 2, std::exp(2.0)},
        ValueCase{"log(x)", 2, std::log(2.0)}, ValueCase{"ln(x)", 2, std::log(2.0)},
        ValueCase{"sqr(x)", 2, std::sqrt(2.0)}, ValueCase{"sin(x)", 2, std::sin(2.0)},
        ValueCase{"tan(x)", 2, std::tan(2.0)}, ValueCase{"min(x,1)", 2, 1},
        ValueCase{"cosec(x)", 2, 1 / std::sin(2.0)}, ValueCase{"cotan(x)", 2, 1 / std::tan(2.0)},
        ValueCase{"cotg(x)", 2, 1 / std::tan(2.0)},
        ValueCase{"arcsin(x)", 0.5, std::atan(0.5 / std::sqrt(-0.5 * 0.5 + 1))},
        ValueCase{"arcsen(x)", 0.5, std::atan(0.5 / std::sqrt(-0.5 * 0.5 + 1))},
        ValueCase{"arccos(x)", 0.5, std::atan(-0.5 / std::sqrt(-0.5 * 0.5 + 1)) + halfPi},
        ValueCase{"arccotan(x)", 2, halfPi - std::atan(2.0)},
        ValueCase{"sinh(x)", 2, (std::exp(2.0) - std::exp(-2.0)) / 2},
        ValueCase{"senh(x)", 2, (std::exp(2.0) - std::exp(-2.0)) / 2},
        ValueCase{"cosh(x)", 2, (std::exp(2.0) + std::exp(-2.0)) / 2},
        ValueCase{"tgh(x)", 2, (std::exp(2.0) - std::exp(-2.0)) / (std::exp(2.0) + std::exp(-2.0))},
        ValueCase{"tanh(x)", 2, std::tanh(2.0), false, 1e-15},
        ValueCase{"sech(x)", 2, 2 / (std::exp(2.0) + std::exp(-2.0))},
        ValueCase{"cosech(x)", 2, 2 / (std::exp(2.0) - std::exp(-2.0))},
        ValueCase{"cotgh(x)", 2,
                  (std::exp(2.0) + std::exp(-2.0)) / (std::exp(2.0) - std::exp(-2.0))},
        ValueCase{"cotanh(x)", 2,
                  (std::exp(2.0) + std::exp(-2.0)) / (std::exp(2.0) - std::exp(-2.0))},
        ValueCase{"arcsinh(x)", 2, std::log(2 + std::sqrt(2.0 * 2 + 1))},
        ValueCase{"arcsenh(x)", 2, std::log(2 + std::sqrt(2.0 * 2 + 1))},
        ValueCase{"arccosh(x)", 2, std::log(2 + std::sqrt(2.0 * 2 - 1))},
        ValueCase{"arctgh(x)", 0.5, std::log((1 + 0.5) / (1 - 0.5)) / 2},
        ValueCase{"arctanh(x)", 0.5, std::log((1 + 0.5) / (1 - 0.5)) / 2},
        ValueCase{"arcsech(x)", 0.5, std::log((std::sqrt(-0.5 * 0.5 + 1) + 1) / 0.5)},
        ValueCase{"arccosech(x)", -2, std::log((-1 * std::sqrt(2.0 * 2 + 1) + 1) / -2)},
        ValueCase{"arccotgh(x)", 2, std::log((2.0 + 1) / (2.0 - 1)) / 2},
        ValueCase{"arccotanh(x)", 2, std::log((2.0 + 1) / (2.0 - 1)) / 2},
        ValueCase{"log2(x)", 8, std::log(8.0) / std::log(2.0)},
        ValueCase{"sen(x,99)", 2, std::sin(2.0)}, ValueCase{"logn(x,10)", 100, 2, false, 1e-15}));

// Square roots and logarithms out of their domain leave the marker as the call's value, and
// later operations take it like any number.
INSTANTIATE_TEST_SUITE_P(
    SilentFailures, FunctionValue,
    ::testing::Values(
        ValueCase{"sqr(-1)", 0, 1000, true}, ValueCase{"log(0)", 0, 1000, true},
        ValueCase{"ln(-2)", 0, 1000, true}, ValueCase{"log10(0)", 0, 1000, true},
        ValueCase{"log2(-1)", 0, 1000, true}, ValueCase{"logn(-1,2)", 0, 1000, true},
        ValueCase{"logn(2,-1)", 0, 1000, true}, ValueCase{"arcsin(2)", 0, 1000, true},
        ValueCase{"arccos(-3)", 0, 1000, true}, ValueCase{"arcsec(0.5)", 0, 1000, true},
        ValueCase{"arccosec(0.5)", 0, 1000, true}, ValueCase{"arccosh(0.5)", 0, 1000, true},
        ValueCase{"arccosh(-2)", 0, 1000, true}, ValueCase{"arctgh(2)", 0, 1000, true},
        ValueCase{"arctgh(-1)", 0, 1000, true}, ValueCase{"arcsech(2)", 0, 1000, true},
        ValueCase{"arcsech(-0.5)", 0, 1000, true}, ValueCase{"arccotgh(0.5)", 0, 1000, true},
        ValueCase{"arccotgh(-1)", 0, 1000, true}, ValueCase{"1+ln(0)", 0, 1001, true},
        ValueCase{"sqr(x)", -1, 1000, true}, ValueCase{"sqr(x)", 4, 2},
        ValueCase{"sen(sqr(x))", -1, std::sin(1000.0), true},
        ValueCase{"1/sqr(x)", -1, 0.001, true}, ValueCase{"ln(x)+5", -1, 1005, true},
        ValueCase{"arcsin(x)", 2, 1000, true}));

class FunctionError : public ::testing::TestWithParam<ErrorCase> {};
TEST_P(FunctionError, NumberAndDescription) {
    expectError(GetParam());
}

INSTANTIATE_TEST_SUITE_P(DivisionByZero, FunctionError,
                         ::testing::Values(ErrorCase{"cosec(0)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"cotan(0)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"cotg(0)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"cosech(0)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"cotgh(0)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"arcsin(1)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"arccos(-1)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"arccosec(1)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"arctgh(1)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"arcsech(0)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"arccosech(0)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"arccotgh(1)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"logn(5,1)", 0, 11, "Divisão por zero."},
                                           ErrorCase{"mod(5,0)", 0, 11, "Divisão por zero."}));

INSTANTIATE_TEST_SUITE_P(
    Overflow, FunctionError,
    ::testing::Values(ErrorCase{"logn(1,1)", 0, 6, "Capacidade excedida."},
                      ErrorCase{"exp(710)", 0, 6, "Capacidade excedida."},
                      ErrorCase{"cosh(800)", 0, 6, "Capacidade excedida."},
                      ErrorCase{"tanh(1000)", 0, 6, "Capacidade excedida."},
                      ErrorCase{"sinh(-800)", 0, 6, "Capacidade excedida."},
                      ErrorCase{"mod(x,7)", 3e9, 6, "Capacidade excedida."},
                      ErrorCase{"mod(7,x)", -3e9, 6, "Capacidade excedida."},
                      ErrorCase{"arcsinh(x)", 1e200, 6, "Capacidade excedida."},
                      ErrorCase{"graus(x)", 1e307, 6, "Capacidade excedida."},
                      ErrorCase{"random(-x,x)", 1e308, 6, "Capacidade excedida."}));

TEST(FunctionTable, EveryHeadIsFoundAndHeadsAreUnique) {
    using namespace quilora::interpreter;
    std::set<std::string_view> heads;
    for (const FunctionHead& row : functionHeads) {
        EXPECT_TRUE(heads.insert(row.head).second) << row.head;
        EXPECT_EQ(row.head.back(), '(');
        EXPECT_EQ(findFunction(row.head), row.id);
        const Outcome outcome = solve(std::string(row.head) + "0.5)");
        EXPECT_NE(outcome.error, 1101) << row.head;
    }
    EXPECT_EQ(heads.size(), 56u);
    EXPECT_EQ(findFunction("sen"), FunctionId::None);
    EXPECT_EQ(findFunction("SEN("), FunctionId::None);
}

} // namespace
