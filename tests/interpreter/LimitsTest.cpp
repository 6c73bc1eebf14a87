// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EquationTestSupport.h"

#include <string>

namespace {

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// A prefix and the rest, appended (g++ 12 warns wrongly about inserting a literal before a
// temporary string).
std::string joined(std::string prefix, const std::string& rest) {
    prefix += rest;
    return prefix;
}

std::string nested(int depth) {
    return repeat("(", depth) + "x" + repeat(")", depth);
}

TEST(Limits, NestingOf4680LevelsEvaluates) {
    EXPECT_EQ(solve(nested(4680), 2.5).value, 2.5);
    EXPECT_EQ(solve(joined("-", nested(4680)) + "^2", 3).value, -9.0);
    EXPECT_EQ(solve(repeat("(", 4679) + "sen(x)" + repeat(")", 4679), 1).value, std::sin(1.0));
}

TEST(Limits, NestingOf4681LevelsOverflows) {
    EXPECT_EQ(solve(nested(4681)).error, 6);
    EXPECT_EQ(solve(nested(4681)).description, "Capacidade excedida.");
    // The depth is checked while reading, before the count of parentheses.
    EXPECT_EQ(solve(repeat("(", 4681)).error, 6);
    EXPECT_EQ(solve(repeat("(", 4680)).error, 1100);
}

TEST(Limits, ClosingBeforeOpeningCountsDownTo4681Levels) {
    EXPECT_EQ(solve(repeat(")", 4681) + repeat("(", 4681)).error, 9);
    EXPECT_EQ(solve(repeat(")", 4682) + repeat("(", 4682)).error, 6);
}

TEST(Limits, TextOf32767CharactersIsRead) {
    EXPECT_EQ(solve(joined("x", std::string(32766, ' ')), 4).value, 4.0);
    EXPECT_EQ(solve(joined("x", std::string(32767, ' ')), 4).error, 6);
}

TEST(Limits, CharactersAreCountedNotBytes) {
    EXPECT_EQ(solve(joined("x", repeat("ç", 32766)), 4).value, 4.0);
    EXPECT_EQ(solve(joined("x", repeat("ç", 32767)), 4).error, 6);
}

TEST(Limits, AtMost32766Tokens) {
    // Separators make empty cells only, so nothing is evaluated: error 9, not 6.
    EXPECT_EQ(solve(std::string(32766, ',')).error, 9);
    EXPECT_EQ(solve(std::string(32767, ',')).error, 6);
    EXPECT_EQ(solve(joined("1", repeat("+1", 16382))).value, 16383.0);
}

TEST(Limits, LongSumStaysExactAndRepeatable) {
    clsEquation equation;
    equation.Equation(joined("x", repeat("+x", 16000)));
    for (double x : {1.0, 0.5, -2.0}) {
        const Outcome outcome = solveAt(equation, x);
        EXPECT_EQ(outcome.value, 16001.0 * x);
    }
}

} // namespace
