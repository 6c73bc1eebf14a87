// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExpressionGenerator.h"
#include "Outcome.h"
#include "ReferenceEquation.h"

#include "clsEquation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Abscissas that reach every kind of failure: domain limits, zero divisors, 32-bit rounding
// out of range, overflow, subnormals and a negative zero.
const std::vector<double> kAbscissas = {0.0,     3.0,      -2.5, 0.5,          -1.0,
                                        1.0,     1e10,     -7.0, 2147483648.0, 1e300,
                                        -1e-300, 4.9e-322, -0.0, 709.9,        -0.001};

/// Feeds the same sequence of writes and solves to the library and to the reference and
/// collects every difference a caller could see.
class Comparison {
public:
    Comparison() {
        for (auto [name, value] : {std::pair{"a", 2.5}, {"xy", -3.0}, {"x2", 0.25}, {"b_1", 1e5}}) {
            m_library.Var(name, value);
            m_reference.Var(name, value);
        }
    }

    void Expression(const std::string& text, const std::vector<double>& abscissas) {
        m_library.Equation(text);
        m_reference.Equation(text);
        for (double x : abscissas) {
            m_library.Var("x", x);
            m_reference.Var("x", x);
            Compare(text, x, SolveOutcome<InterpreterError>(m_library),
                    SolveOutcome<ReferenceError>(m_reference));
            // a second read must not evaluate again, and after an error it reports it again
            Compare(text, x, ReadOutcome<InterpreterError>(m_library),
                    ReadOutcome<ReferenceError>(m_reference));
        }
        ++m_expressions;
    }

    void ExpectNoDifference() const {
        EXPECT_EQ(m_differences, 0) << m_report.str();
        EXPECT_GT(m_expressions, 0);
        std::ostringstream seen;
        for (const auto& [number, count] : m_seen) {
            seen << " " << number << ":" << count;
        }
        std::printf("%d evaluations; outcomes (0 = value):%s\n", m_evaluations, seen.str().c_str());
    }

private:
    void Compare(const std::string& text, double x, const Outcome& library,
                 const Outcome& reference) {
        ++m_evaluations;
        ++m_seen[reference.solved ? 0 : reference.number];
        if (library == reference) {
            return;
        }
        if (++m_differences <= 25) {
            std::ostringstream xText;
            xText.precision(17);
            xText << x;
            m_report << "\n  '" << text << "' at x = " << xText.str() << ": library " << library
                     << ", reference " << reference;
        }
    }

    clsEquation m_library;
    ReferenceEquation m_reference;
    int m_expressions = 0;
    int m_evaluations = 0;
    int m_differences = 0;
    std::map<int, int> m_seen;
    std::ostringstream m_report;
};

void CompareMany(unsigned seed, int count,
                 const std::function<std::string(ExpressionGenerator&)>& next,
                 const std::vector<double>& abscissas = kAbscissas) {
    ExpressionGenerator generator(seed);
    Comparison comparison;
    // QUILORA_DIFFERENTIAL_SCALE=n compares n times as many texts, for a longer search by hand
    const char* scale = std::getenv("QUILORA_DIFFERENTIAL_SCALE");
    count *= scale != nullptr ? std::max(1, std::atoi(scale)) : 1;
    for (int k = 0; k < count; ++k) {
        comparison.Expression(next(generator), abscissas);
    }
    comparison.ExpectNoDifference();
}

} // namespace

TEST(Differential, WellFormedExpressionsAgreeBitForBit) {
    CompareMany(20261208u, 3000, [](ExpressionGenerator& g) { return g.WellFormed(); });
}

TEST(Differential, JunkOverTheTokenAlphabetAgrees) {
    // what junk does hardly depends on x: fewer abscissas, more texts
    CompareMany(7u, 8000, [](ExpressionGenerator& g) { return g.Junk(); },
                {0.0, 3.0, -2.5, 1e300, -0.0});
}

TEST(Differential, MangledExpressionsAgree) {
    CompareMany(1100u, 3000, [](ExpressionGenerator& g) { return g.Mangled(); });
}

TEST(Differential, HandPickedCornersAgree) {
    const std::vector<std::string> corners = {"x^-(1)",
                                              "(2^)(3)",
                                              "(+1)",
                                              "+5",
                                              "5+",
                                              ")(",
                                              "x)+(1",
                                              "())(",
                                              "1)+((2)",
                                              "(x))+((x)",
                                              "max(,)",
                                              "max(1,)",
                                              "max(,1)",
                                              "sen(,)",
                                              "(,)",
                                              "(,2)",
                                              ",",
                                              ",,x",
                                              "x,",
                                              "~",
                                              "--x",
                                              "---x",
                                              "-(-(-x))",
                                              "2^-x",
                                              "x^--2",
                                              "%",
                                              "x%",
                                              "%x",
                                              "x\\",
                                              "\\x",
                                              "((((x))))",
                                              "(((x)))(",
                                              "sen(cos(x)",
                                              "sen(x)cos(x)",
                                              "2sen(x)",
                                              "x2x",
                                              "2x2",
                                              "x.5",
                                              "2..5",
                                              ".",
                                              "..",
                                              "5.",
                                              ".5x",
                                              "2(3)(4)",
                                              "(2)(3)",
                                              "abs(-x)",
                                              "abs(x,,)",
                                              "min(x,2,3,4)",
                                              "mod(x,0)",
                                              "mod(x,3)",
                                              "x\\0.4",
                                              "x%0.5",
                                              "x\\-0.5",
                                              "(-x)^0.5",
                                              "0^x",
                                              "x^0",
                                              "x^1e",
                                              "e^x",
                                              "pi^pi^pi^pi",
                                              "10^x",
                                              "x*x*x*x*x*x*x",
                                              "1/x",
                                              "x/x",
                                              "0/x",
                                              "x-x",
                                              "sqr(x)",
                                              "log(x)",
                                              "logn(x,x)",
                                              "logn(2,x)",
                                              "arcsec(x)",
                                              "arccosec(x)",
                                              "arcsech(x)",
                                              "arccosech(x)",
                                              "arcsinh(x)",
                                              "arccosh(x)",
                                              "arctgh(x)",
                                              "arccotgh(x)",
                                              "sinh(x)",
                                              "cosh(x)",
                                              "tanh(x)",
                                              "sech(x)",
                                              "cosech(x)",
                                              "cotgh(x)",
                                              "exp(x)",
                                              "exp(-x)",
                                              "graus(x)",
                                              "rad(x)",
                                              "mant(x)",
                                              "int(x)",
                                              "fix(x)",
                                              "sgn(x)",
                                              "tg(x)",
                                              "sec(x)",
                                              "cosec(x)",
                                              "cotg(x)",
                                              "x*1e308",
                                              "x(",
                                              "x)",
                                              "(x",
                                              "())",
                                              "sen",
                                              "sen x",
                                              "sen()+1",
                                              "()()",
                                              "(())",
                                              "a*x",
                                              "A+X",
                                              "x_1",
                                              "_",
                                              "__(1)",
                                              " 1/2(x+(2))^2-4 ",
                                              "2+( 1/2(x+(2))^2-4 )",
                                              "(x^3-2x)/(x^2+1)",
                                              "max(sen(x),cos(x))*exp(-abs(x)/5)",
                                              "sqr(x)*log(x+20)",
                                              "sen(2x)+abs(x)",
                                              "2147483647.5\\1",
                                              "-2147483648.5%x",
                                              "2147483648%x",
                                              "x%2147483648",
                                              "-2147483648%-1",
                                              "-2147483648mod(1,1)",
                                              "mod(-2147483648,-1)",
                                              std::string(400, '9'),
                                              "1+" + std::string(400, '9'),
                                              std::string(400, '9') + "+x",
                                              "0." + std::string(400, '0') + "1",
                                              "x*0." + std::string(330, '0') + "25"};
    Comparison comparison;
    for (const std::string& text : corners) {
        comparison.Expression(text, kAbscissas);
    }
    comparison.ExpectNoDifference();
}

TEST(Differential, PlotSweepAgrees) {
    // The abscissas a plot really visits: repeated addition of 0.001 from -10.
    std::vector<double> sweep;
    for (double x = -10; x <= 10; x += 0.001) {
        sweep.push_back(x);
    }
    Comparison comparison;
    for (const char* text : {"1/2x^2-4", "sqr(x)*log(x+20)", "arcsin(x)", "x\\1.5", "mant(x)",
                             "tg(x)", "1/(x-1)*0+x", "x^x"}) {
        comparison.Expression(text, sweep);
    }
    comparison.ExpectNoDifference();
}

// Writes, removals and clears of variables between solves, in random order: a library that
// binds names to slots ahead of time must notice every change of the table.
TEST(Differential, RandomOperationSequencesAgree) {
    const std::vector<std::string> names = {"x", "X", "a", "A", "y", "xy", "b_1"};
    const std::vector<double> values = {0.0, -2.5, 3.0, 1e300, -0.0, 0.5, 7.0};
    std::mt19937 random(4680u);
    auto pick = [&random](std::size_t size) { return static_cast<std::size_t>(random() % size); };
    ExpressionGenerator generator(32767u);
    clsEquation library;
    ReferenceEquation reference;
    int differences = 0;
    std::ostringstream report;
    std::string text;
    for (int step = 0; step < 20000; ++step) {
        std::ostringstream operation;
        switch (pick(10)) {
        case 0:
            text = pick(2) == 0 ? generator.WellFormed() : "a*x+y-xy";
            library.Equation(text);
            reference.Equation(text);
            continue;
        case 1:
        case 2:
        case 3: {
            const std::string& name = names[pick(names.size())];
            double value = values[pick(values.size())];
            library.Var(name, value);
            reference.Var(name, value);
            operation << "Var(" << name << ", " << value << ")";
            break;
        }
        case 4: {
            const std::string& name = names[pick(names.size())];
            library.VarRemove(name);
            reference.VarRemove(name);
            operation << "VarRemove(" << name << ")";
            break;
        }
        case 5:
            if (pick(4) == 0) {
                library.VarClear();
                reference.VarClear();
                operation << "VarClear()";
            } else {
                bool graus = pick(2) == 0;
                library.Graus(graus);
                reference.Graus(graus);
                operation << "Graus(" << graus << ")";
            }
            break;
        default:
            break;
        }
        bool solve = pick(2) == 0;
        Outcome fromLibrary = solve ? SolveOutcome<InterpreterError>(library)
                                    : ReadOutcome<InterpreterError>(library);
        Outcome fromReference = solve ? SolveOutcome<ReferenceError>(reference)
                                      : ReadOutcome<ReferenceError>(reference);
        operation << (solve ? ", Solve" : ", Solution");
        if (!(fromLibrary == fromReference) ||
            library.Var(names[step % names.size()]) != reference.Var(names[step % names.size()])) {
            if (++differences <= 20) {
                report << "\n  after " << operation.str() << " on '" << text << "': library "
                       << fromLibrary << ", reference " << fromReference;
            }
        }
    }
    EXPECT_EQ(differences, 0) << report.str();
}

// Powers at abscissas with full mantissas and every magnitude, where a product and the power
// function can round differently, and near the edges of overflow and the subnormals.
TEST(Differential, PowersAgreeAtManyAbscissas) {
    std::mt19937_64 random(2147483647u);
    std::uniform_real_distribution<double> exponent(-330.0, 310.0);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::vector<double> abscissas;
    for (int k = 0; k < 6000; ++k) {
        double x = mantissa(random) *
                   std::pow(10.0, k % 3 == 0 ? exponent(random) / 20 : exponent(random));
        abscissas.push_back(random() % 2 == 0 ? x : -x);
    }
    Comparison comparison;
    for (const char* text : {"x^2", "x^3", "x^4", "(x)^2", "-x^2", "x^2-4", "x*x^2", "x^2*x^3",
                             "x^0.5", "x^(-2)", "x^(-3)", "2^x", "x^x", "(x^3-2x)/(x^2+1)"}) {
        comparison.Expression(text, abscissas);
    }
    comparison.ExpectNoDifference();
}

// Long chains of one operator, which a library may evaluate in fewer steps than written:
// every intermediate rounding must still come out as in the step-by-step evaluation.
TEST(Differential, LongChainsAgree) {
    std::mt19937_64 random(32766u);
    std::uniform_real_distribution<double> unit(-10.0, 10.0);
    std::vector<double> abscissas = {1e305, -3e304, 1.7976931348623157e305, 4.9e-324};
    for (int k = 0; k < 120; ++k) {
        abscissas.push_back(std::ldexp(unit(random), static_cast<int>(random() % 64) - 32));
    }
    auto chain = [](const std::string& first, const std::string& rest, int count) {
        std::string text = first;
        for (int k = 1; k < count; ++k) {
            text += rest;
        }
        return text;
    };
    Comparison comparison;
    for (const std::string& text :
         {chain("x", "+x", 1000), chain("x", "-x", 300), chain("x", "+0.1", 500),
          chain("0.1", "+x", 500), chain("x", "*x", 50), chain("x", "*1.0000001", 400),
          chain("x", "/3", 200), chain("2x", "+x", 300), chain("x", "+x-0.3", 200),
          chain("x", "+1" + std::string(308, '0'), 3), chain("x", "-x*x", 100)}) {
        comparison.Expression(text, abscissas);
    }
    comparison.ExpectNoDifference();
}
