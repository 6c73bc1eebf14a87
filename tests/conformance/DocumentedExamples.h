// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Outcome.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

/// One documented behaviour: an expression at one x, and the value (exact or near) or the error.
struct Example {
    const char* expression;
    double x;
    enum Kind { Exact, Near, Error } kind;
    double value;
    int number = 0;
    const char* description = "";
};

inline const std::vector<Example>& DocumentedExamples() {
    static const std::vector<Example> examples = {
        // evaluation order and operators
        {"1/2x^2-4", 3, Example::Exact, 0.5},
        {"1/2x^2-4", 0, Example::Exact, -4},
        {"-x^2", 3, Example::Exact, -9},
        {"(-x)^2", 3, Example::Exact, 9},
        {"2^3^2", 0, Example::Exact, 64},
        {"2*-3", 0, Example::Exact, -6},
        {"x^(-1)", 4, Example::Exact, 0.25},
        {"x^-1", 4, Example::Error, 0, 1104, "Argumento inválido na expressão: )"},
        {"1+7%4*2", 0, Example::Exact, 8},
        {"7\\2", 0, Example::Exact, 3},
        {"-7\\2", 0, Example::Exact, -3},
        {"7.5\\2", 0, Example::Exact, 4},
        {"1\\0", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"-2147483648\\-1", 0, Example::Error, 0, 6, "Capacidade excedida."},
        {"7%3", 0, Example::Exact, 1},
        {"-7%3", 0, Example::Exact, -1},
        {"7.5%2", 0, Example::Exact, 0},
        {"1/0", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"0/0", 0, Example::Error, 0, 6, "Capacidade excedida."},
        {"0^-1", 0, Example::Error, 0, 1104, "Argumento inválido na expressão: )"},
        {"0^(-1)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"()", 0, Example::Exact, 0},
        {"2()", 0, Example::Exact, 0},
        {"(x+1)(x-1)", 3, Example::Exact, 4},
        {"1,2", 0, Example::Exact, 1},
        // reading of the text
        {"2 5", 0, Example::Exact, 25},
        {"2 x", 3, Example::Exact, 6},
        {"3.5x", 2, Example::Exact, 7},
        {"1 000", 0, Example::Exact, 1000},
        {"s e n (x)", 0, Example::Exact, 0},
        {"-(x)", 2, Example::Exact, -2},
        {"2ç=!", 0, Example::Exact, 2},
        {"SEN(X)", 0, Example::Exact, 0},
        {"x y", 1, Example::Error, 0, 1102, "Variável não definida: xy"},
        {"1e3", 0, Example::Error, 0, 1102, "Variável não definida: e3"},
        {"x(x+1)", 1, Example::Error, 0, 1101, "Função não definida: x()"},
        {"sen(x", 0, Example::Error, 0, 1100, "Número de parênteses incorrecto."},
        {"sen(x))", 0, Example::Error, 0, 1100, "Número de parênteses incorrecto."},
        // reported and silent failures
        {"sen()", 0, Example::Error, 0, 1104, "Argumento inválido na expressão: sen()"},
        {"foo(1)", 0, Example::Error, 0, 1101, "Função não definida: foo()"},
        {"x(2)", 0, Example::Error, 0, 1101, "Função não definida: x()"},
        {"pi(2)", 0, Example::Error, 0, 1101, "Função não definida: pi()"},
        {"y+1", 0, Example::Error, 0, 1102, "Variável não definida: y"},
        {"foo(y)", 0, Example::Error, 0, 1102, "Variável não definida: y"},
        {"sqr(x)", -0.5, Example::Exact, 1000},
        {"sqr(-4)", 0, Example::Exact, 1000},
        {"2+sqr(-4)", 0, Example::Exact, 1002},
        {"sqr(-4)*0", 0, Example::Exact, 0},
        {"(-8)^(1/3)", 0, Example::Exact, -8},
        {"2*", 0, Example::Exact, 2},
        {"-", 0, Example::Exact, 1000},
        {"2.5.1", 0, Example::Error, 0, 9, "Índice fora do intervalo."},
        {"", 0, Example::Error, 0, 9, "Índice fora do intervalo."},
        {"   ", 0, Example::Error, 0, 9, "Índice fora do intervalo."},
        // constants and functions
        {"pi", 0, Example::Exact, 3.14159265358979},
        {"e", 0, Example::Exact, 2.718281828},
        {"sen(pi/2)", 0, Example::Exact, 1},
        {"cos(pi)", 0, Example::Exact, -1},
        {"tg(pi/4)", 0, Example::Near, 1},
        {"e-exp(1)", 0, Example::Near, -4.59045e-10},
        {"graus(pi)", 0, Example::Exact, 180.00000000005537},
        {"rad(180)", 0, Example::Exact, 3.1415926535909997},
        {"arccotg(0)", 0, Example::Exact, 1.5707963267948966},
        {"arccotg(-1)", 0, Example::Near, 2.35619449},
        {"arcsec(1)", 0, Example::Exact, 0},
        {"arcsec(-1)", 0, Example::Exact, 3.141592653589793},
        {"arcsec(2)", 0, Example::Near, 1.04719755},
        {"arccosec(-2)", 0, Example::Near, -0.52359878},
        {"mant(-1.25)", 0, Example::Exact, 0.75},
        {"int(-1.5)", 0, Example::Exact, -2},
        {"fix(-1.5)", 0, Example::Exact, -1},
        {"mod(7.5,2)", 0, Example::Exact, 0},
        {"mod(-7,3)", 0, Example::Exact, -1},
        {"mod(6.5,4)", 0, Example::Exact, 2},
        {"min(3)", 0, Example::Exact, 3},
        {"max(3)", 0, Example::Exact, 3},
        {"max(1,9,5)", 0, Example::Exact, 5},
        {"logn(8,2)", 0, Example::Near, 3},
        {"log10(1000)", 0, Example::Near, 3},
        {"sgn(-0.5)", 0, Example::Exact, -1},
        {"sgn(0)", 0, Example::Exact, 0},
        {"sen(x)", 90, Example::Exact, std::sin(90.0)},
        {"cosec(0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"cotan(0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"cotg(0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"cosech(0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"cotgh(0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"arcsin(1)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"arccos(-1)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"arccosec(1)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"arctgh(1)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"arcsech(0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"arccosech(0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"arccotgh(1)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"logn(5,1)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"mod(5,0)", 0, Example::Error, 0, 11, "Divisão por zero."},
        {"logn(1,1)", 0, Example::Error, 0, 6, "Capacidade excedida."},
        {"exp(710)", 0, Example::Error, 0, 6, "Capacidade excedida."},
        {"cosh(800)", 0, Example::Error, 0, 6, "Capacidade excedida."},
        {"tanh(1000)", 0, Example::Error, 0, 6, "Capacidade excedida."},
        {"mod(x,7)", 3e9, Example::Error, 0, 6, "Capacidade excedida."},
        {"1e", 0, Example::Exact, 2.718281828},
        {"sqr(-1)", 0, Example::Exact, 1000},
        {"log(0)", 0, Example::Exact, 1000},
        {"ln(-2)", 0, Example::Exact, 1000},
        {"log10(0)", 0, Example::Exact, 1000},
        {"log2(-1)", 0, Example::Exact, 1000},
        {"logn(-1,2)", 0, Example::Exact, 1000},
        {"arcsin(2)", 0, Example::Exact, 1000},
        {"arccos(-3)", 0, Example::Exact, 1000},
        {"arcsec(0.5)", 0, Example::Exact, 1000},
        {"arccosec(0.5)", 0, Example::Exact, 1000},
        {"arccosh(0.5)", 0, Example::Exact, 1000},
        {"arccosh(-2)", 0, Example::Exact, 1000},
        {"arctgh(2)", 0, Example::Exact, 1000},
        {"arctgh(-1)", 0, Example::Exact, 1000},
        {"arcsech(2)", 0, Example::Exact, 1000},
        {"arcsech(-0.5)", 0, Example::Exact, 1000},
        {"arccotgh(0.5)", 0, Example::Exact, 1000},
        {"arccotgh(-1)", 0, Example::Exact, 1000},
    };
    return examples;
}

/// Checks every documented example on a fresh evaluator of the given kind.
template <class Equation, class Error> void CheckDocumentedExamples() {
    for (const Example& example : DocumentedExamples()) {
        SCOPED_TRACE(std::string("expression '") + example.expression +
                     "', x = " + std::to_string(example.x));
        Equation equation;
        equation.Equation(example.expression);
        equation.Var("x", example.x);
        Outcome outcome = SolveOutcome<Error>(equation);
        switch (example.kind) {
        case Example::Exact:
            ASSERT_TRUE(outcome.solved) << outcome;
            EXPECT_EQ(std::bit_cast<std::uint64_t>(outcome.value),
                      std::bit_cast<std::uint64_t>(example.value))
                << outcome << " instead of " << example.value;
            break;
        case Example::Near:
            ASSERT_TRUE(outcome.solved) << outcome;
            EXPECT_NEAR(outcome.value, example.value, 1e-8 * std::fabs(example.value) + 1e-14);
            break;
        case Example::Error:
            ASSERT_FALSE(outcome.solved) << outcome;
            EXPECT_EQ(outcome.number, example.number);
            EXPECT_EQ(outcome.source, "Interpretador");
            EXPECT_EQ(outcome.description, example.description);
            break;
        }
    }
}
