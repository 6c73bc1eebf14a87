// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// The compiled program against the step-by-step evaluation: same values to the bit, same errors,
// same kept solution, same silent failures, on generated expressions well-formed and malformed.
#include "EquationInternals.h"
#include "EquationTestSupport.h"
#include "FastProgram.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using quilora::interpreter::EquationInternals;

// Abscissas that reach the silent failures (negative roots and logarithms, negative bases with
// fractional powers), divisions by zero, overflows and 32-bit roundings out of range.
const std::vector<double> abscissas = {-3.0,
                                       -2.5,
                                       -1.0,
                                       -0.5,
                                       0.0,
                                       0.5,
                                       1.0,
                                       2.0,
                                       3.7,
                                       -1e300,
                                       1e300,
                                       710.0,
                                       -745.0,
                                       4e9,
                                       1e-310,
                                       1.5707963267948966,
                                       -9.304000000000386};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : m_random(seed) {}

    // Any sequence of pieces: mostly junk that still reads.
    std::string junk() {
        static const std::vector<std::string> pieces = {
            "x",    "x",       "2",     "0",    ".5",   "3.5.1", "1" + std::string(400, '0'),
            "+",    "-",       "*",     "/",    "\\",   "^",     "%",
            "(",    ")",       ",",     " ",    "pi",   "e",     "y",
            "sen(", "sqr(",    "log(",  "exp(", "max(", "mod(",  "logn(",
            "foo(", "arcsin(", "cosh(", "abs(", "tg(",  "int(",  "sgn(",
            "x2"};
        std::string text;
        const int length = pick(1, 12);
        for (int k = 0; k < length; ++k)
            text += pieces[static_cast<std::size_t>(pick(0, static_cast<int>(pieces.size()) - 1))];
        return text;
    }

    // A well-formed expression of a bounded depth.
    std::string wellFormed(int depth) {
        if (depth == 0 || pick(0, 3) == 0)
            return operand();
        switch (pick(0, 5)) {
        case 0:
            return "-" + wellFormed(depth - 1);
        case 1:
            return "(" + wellFormed(depth - 1) + ")";
        case 2: {
            static const std::vector<std::string> unary = {
                "sen(",       "cos(",      "tg(",      "sqr(",     "log(",    "ln(",
                "exp(",       "abs(",      "atn(",     "int(",     "fix(",    "sgn(",
                "sec(",       "cosec(",    "cotg(",    "arcsin(",  "arccos(", "arcsec(",
                "arccosec(",  "arccotg(",  "senh(",    "cosh(",    "tgh(",    "sech(",
                "cosech(",    "cotgh(",    "arcsenh(", "arccosh(", "arctgh(", "arcsech(",
                "arccosech(", "arccotgh(", "log10(",   "log2(",    "graus(",  "rad(",
                "mant("};
            return unary[static_cast<std::size_t>(pick(0, static_cast<int>(unary.size()) - 1))] +
                   wellFormed(depth - 1) + ")";
        }
        case 3: {
            static const std::vector<std::string> binary = {"max(", "min(", "mod(", "logn("};
            return binary[static_cast<std::size_t>(pick(0, 3))] + wellFormed(depth - 1) + "," +
                   wellFormed(depth - 1) + ")";
        }
        default: {
            static const std::vector<std::string> operators = {"+",  "-", "*", "/",
                                                               "\\", "^", "%", ""};
            return wellFormed(depth - 1) + operators[static_cast<std::size_t>(pick(0, 7))] +
                   wellFormed(depth - 1);
        }
        }
    }

private:
    std::string operand() {
        static const std::vector<std::string> operands = {"x", "x",  "x", "2",  "0",   "0.5",
                                                          "3", "pi", "e", "10", "1.5", "x"};
        return operands[static_cast<std::size_t>(pick(0, static_cast<int>(operands.size()) - 1))];
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::mt19937 m_random;
};

std::string describe(const Outcome& outcome) {
    const std::string silent = outcome.silentFailure ? ", silent failure" : "";
    if (outcome.value)
        return std::to_string(*outcome.value) + " [" +
               std::to_string(std::bit_cast<std::uint64_t>(*outcome.value)) + "]" + silent;
    return "error " + std::to_string(outcome.error) + " " + outcome.description + silent;
}

bool same(const Outcome& a, const Outcome& b) {
    if (a.value.has_value() != b.value.has_value() || a.silentFailure != b.silentFailure)
        return false;
    if (a.value)
        return std::bit_cast<std::uint64_t>(*a.value) == std::bit_cast<std::uint64_t>(*b.value);
    return a.error == b.error && a.description == b.description;
}

// Solves one expression over every abscissa with both paths, in step, so that a solution kept
// after an error or a silent end is compared too. Returns whether it had a compiled program.
bool expectSamePaths(const std::string& text) {
    clsEquation compiled;
    clsEquation stepwise;
    EquationInternals::useCompiledProgram(stepwise, false);
    compiled.Equation(text);
    stepwise.Equation(text);
    bool hadProgram = false;
    for (double x : abscissas) {
        const Outcome fast = solveAt(compiled, x);
        const Outcome exact = solveAt(stepwise, x);
        hadProgram = hadProgram || EquationInternals::hasCompiledProgram(compiled);
        EXPECT_TRUE(same(fast, exact)) << "'" << text << "' x=" << x << ": compiled "
                                       << describe(fast) << ", step by step " << describe(exact);
    }
    return hadProgram;
}

TEST(FastPath, AgreesOnWellFormedExpressions) {
    Generator generator(7);
    int compiled = 0;
    for (int k = 0; k < 2500; ++k)
        compiled += expectSamePaths(generator.wellFormed(4));
    // Most of them get a program; otherwise this would test the evaluation against itself.
    EXPECT_GT(compiled, 2000);
}

TEST(FastPath, AgreesOnJunk) {
    Generator generator(11);
    int compiled = 0;
    for (int k = 0; k < 4000; ++k)
        compiled += expectSamePaths(generator.junk());
    EXPECT_GT(compiled, 150);
}

TEST(FastPath, AgreesOnTheBenchmarkSetAndTheDocumentedQuirks) {
    for (const char* text : {"1/2x^2-4",
                             "sen(2x)+abs(x)",
                             "sqr(x)*log(x+20)",
                             "2+( 1/2(x+(2))^2-4 )",
                             "(x^3-2x)/(x^2+1)",
                             "max(sen(x),cos(x))*exp(-abs(x)/5)",
                             "(-8)^(1/3)",
                             "x^(1/3)",
                             "2*",
                             "-",
                             "+5",
                             "+x",
                             "x^-1",
                             "()",
                             "2()",
                             "(x+1)(x-1)",
                             "1,2",
                             "max(1,9,5)",
                             "sqr(-4)*0",
                             "2.5.1",
                             "",
                             "   ",
                             "sen()",
                             "foo(1)",
                             "y+1",
                             "1/x",
                             "x/0",
                             "0/0",
                             "exp(x)",
                             "x\\0.4",
                             "mod(x,7)",
                             "x%x",
                             "logn(x,1)",
                             "(x)^2",
                             "-x^2",
                             "2^3^2",
                             "1+7%4*2",
                             "((((x))))",
                             ")x(",
                             "x)+(1",
                             "(,)",
                             "sen(,)",
                             "max(x,)",
                             "max(,x)"}) {
        expectSamePaths(text);
    }
}

TEST(FastPath, ErrorKeepsTheSolutionOfTheLastValue) {
    clsEquation equation;
    equation.Equation("1/x");
    EXPECT_EQ(solveAt(equation, 4).value, 0.25);
    EXPECT_EQ(solveAt(equation, 0).error, 11);
    EXPECT_EQ(equation.Var("x"), 0.0);
    // Still stale: the read solves again and reports again.
    EXPECT_THROW(equation.Solution(), InterpreterError);
    EXPECT_EQ(solveAt(equation, 2).value, 0.5);
}

TEST(FastPath, PlusWithoutLeftOperandKeepsTheLastValueAfterAnotherExpression) {
    clsEquation equation;
    equation.Equation("x");
    EXPECT_EQ(solveAt(equation, 3).value, 3.0);
    equation.Equation("+x");
    equation.Solve();
    EXPECT_TRUE(EquationInternals::hasCompiledProgram(equation));
    EXPECT_EQ(equation.Solution(), 3.0);
}

TEST(FastPath, FollowsNamesAddedAndRemoved) {
    clsEquation equation;
    equation.Equation("x+Y");
    EXPECT_EQ(solveAt(equation, 1).error, 1102);
    equation.Var("y", 10);
    EXPECT_EQ(solveAt(equation, 1).value, 11.0);
    EXPECT_TRUE(EquationInternals::hasCompiledProgram(equation));
    equation.Var("Y", 20);
    EXPECT_EQ(solveAt(equation, 1).value, 21.0);
    equation.VarRemove("x");
    equation.Var("y", 1);
    EXPECT_THROW(equation.Solve(), InterpreterError);
    EXPECT_EQ(equation.Var("x"), 0.0);
    equation.Var("X", 5);
    EXPECT_EQ(solveAt(equation, 2).value, 3.0);
    equation.VarClear();
    EXPECT_EQ(solveAt(equation, 2).error, 1102);
}

TEST(FastPath, RandomNumbersAreLeftToTheEvaluation) {
    for (const char* text : {"rnd", "x+rnd", "rnd(1)", "rand(6)", "random(1,x)", "rnd(-x)"}) {
        clsEquation equation;
        equation.Equation(text);
        const Outcome outcome = solveAt(equation, 2);
        EXPECT_TRUE(outcome.value.has_value()) << text;
        EXPECT_FALSE(EquationInternals::hasCompiledProgram(equation)) << text;
    }
}

TEST(FastPath, StructuralErrorsAreLeftToTheEvaluation) {
    for (const std::string& text :
         std::vector<std::string>{"y", "foo(x)", "sen()", "x^-1", "1" + std::string(400, '0')}) {
        clsEquation equation;
        equation.Equation(text);
        EXPECT_FALSE(solveAt(equation, 2).value.has_value()) << text;
        EXPECT_FALSE(EquationInternals::hasCompiledProgram(equation)) << text;
    }
}

// A square is the product x*x and a cube x*x*x, on both paths: the texts give the same bits
// for doubles of every magnitude, overflow included.
TEST(FastPath, SquaresAndCubesAreProducts) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    std::uniform_int_distribution<int> exponent(-400, 400);
    const std::pair<const char*, const char*> pairs[] = {
        {"x^2", "x*x"}, {"x^3", "x*x*x"}, {"(x+1)^2", "(x+1)*(x+1)"}};
    for (const auto& [power, product] : pairs) {
        clsEquation compiled, stepwise, productEquation;
        EquationInternals::useCompiledProgram(stepwise, false);
        compiled.Equation(power);
        stepwise.Equation(power);
        productEquation.Equation(product);
        int mismatches = 0;
        for (int k = 0; k < 20000; ++k) {
            const double x = std::ldexp(mantissa(random), exponent(random)) * (k % 2 ? -1 : 1);
            const Outcome viaProduct = solveAt(productEquation, x);
            mismatches += !same(solveAt(compiled, x), viaProduct);
            mismatches += !same(solveAt(stepwise, x), viaProduct);
        }
        EXPECT_EQ(mismatches, 0) << power;
    }
}

double chainOfAdditions(double a, double b, int count) {
    double sum = a;
    for (int k = 0; k < count; ++k)
        sum += b;
    return sum;
}

// The closed form of a long chain of "+ b" against the chain itself: terms of every kind,
// including those that meet the sums half a unit away (ties) and those below half a unit.
TEST(FastPath, RepeatedSumEqualsTheChainOfAdditions) {
    std::mt19937_64 random(9);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_int_distribution<int> counts(1, 3000);
    std::uniform_int_distribution<int> small(1, 4095);
    long mismatches = 0;
    for (int k = 0; k < 20000; ++k) {
        double b = 0;
        switch (k % 4) {
        case 0:
            b = std::ldexp(mantissa(random), exponent(random));
            break;
        case 1: // few significant bits: many ties
            b = std::ldexp(static_cast<double>(small(random)), exponent(random));
            break;
        case 2: // the plot's abscissas
            b = -10 + 0.001 * static_cast<double>(small(random) * 4);
            break;
        default: // a term far below the first one
            b = std::ldexp(mantissa(random), exponent(random) - 60);
            break;
        }
        const double a =
            k % 3 == 0 ? b : std::ldexp(mantissa(random), exponent(random)) * (b < 0 ? -1 : 1);
        const int count = counts(random);
        double fast = 0;
        ASSERT_TRUE(quilora::interpreter::repeatedSum(a, b, count, fast));
        const double slow = chainOfAdditions(a, b, count);
        if (std::bit_cast<std::uint64_t>(fast) != std::bit_cast<std::uint64_t>(slow)) {
            ++mismatches;
            ADD_FAILURE() << std::hexfloat << a << " + " << count << " x " << b << ": " << fast
                          << " instead of " << slow;
            if (mismatches > 5)
                break;
        }
    }
    EXPECT_EQ(mismatches, 0);
    double out = 0;
    EXPECT_FALSE(quilora::interpreter::repeatedSum(1e308, 1e308, 20, out));
    EXPECT_TRUE(quilora::interpreter::repeatedSum(1.0, -1.0, 20, out));
    EXPECT_EQ(out, -19.0);
}

} // namespace
