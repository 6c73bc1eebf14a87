// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Outcome.h"
#include "ReferenceEquation.h"

#include "clsEquation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        text += piece;
    }
    return text;
}

std::string Nested(const std::string& open, const std::string& inner, int levels) {
    return Repeat(open, levels) + inner + std::string(static_cast<std::size_t>(levels), ')');
}

// "x+x+...+x" padded with a skipped character to the given number of characters.
std::string PaddedSum(int terms, int characters, const std::string& blank = " ") {
    std::string text = Repeat("x+", terms - 1) + "x";
    int length = 2 * terms - 1;
    return text + Repeat(blank, characters > length ? characters - length : 0);
}

Outcome LibraryOutcome(const std::string& text, double x) {
    clsEquation equation;
    equation.Equation(text);
    equation.Var("x", x);
    return SolveOutcome<InterpreterError>(equation);
}

Outcome ReferenceOutcome(const std::string& text, double x) {
    ReferenceEquation equation;
    equation.Equation(text);
    equation.Var("x", x);
    return SolveOutcome<ReferenceError>(equation);
}

void ExpectValue(const std::string& text, double x, double expected) {
    Outcome outcome = LibraryOutcome(text, x);
    ASSERT_TRUE(outcome.solved) << outcome;
    EXPECT_EQ(outcome.value, expected);
    EXPECT_EQ(outcome, ReferenceOutcome(text, x));
}

void ExpectSame(const std::string& text, double x) {
    EXPECT_EQ(LibraryOutcome(text, x), ReferenceOutcome(text, x));
}

void ExpectOverflow(const std::string& text) {
    Outcome outcome = LibraryOutcome(text, 1);
    EXPECT_EQ(outcome.number, 6) << outcome;
    EXPECT_EQ(outcome.description, "Capacidade excedida.");
    EXPECT_EQ(outcome, ReferenceOutcome(text, 1));
}

} // namespace

TEST(Robustness, NestingOf4680LevelsEvaluates) {
    ExpectValue(Nested("(", "x", 4680), 2.5, 2.5);
    ExpectValue(Nested("sen(", "x", 4680), 0, 0);
    ExpectValue(Nested("-(", "x", 4680), 1.5, 1.5);
    ExpectValue(Nested("(x+", "x", 4680), 1, 4681);
}

TEST(Robustness, NestingOf4681LevelsOverflows) {
    ExpectOverflow(Nested("(", "x", 4681));
    ExpectOverflow(Nested("abs(", "x", 4681));
    ExpectOverflow(Nested("(", "x", 20000));
}

TEST(Robustness, ClosingFarBelowTheFirstLevelOverflows) {
    ExpectOverflow(std::string(4682, ')') + std::string(4682, '('));
    Outcome justInside = LibraryOutcome(std::string(4681, ')') + "x" + std::string(4681, '('), 1);
    EXPECT_EQ(justInside,
              ReferenceOutcome(std::string(4681, ')') + "x" + std::string(4681, '('), 1));
}

TEST(Robustness, TextOf32767CharactersIsRead) {
    ExpectValue(PaddedSum(16383, 32767), 1, 16383);
    // characters, not bytes: 'ç' takes two bytes and is skipped like a blank
    ExpectValue(PaddedSum(100, 32767, "ç"), 2, 200);
}

TEST(Robustness, TextOf32768CharactersOverflows) {
    ExpectOverflow(PaddedSum(16383, 32768));
    ExpectOverflow(PaddedSum(100, 32768, "ç"));
    ExpectOverflow(std::string(40000, ' '));
}

TEST(Robustness, AtMost32766Tokens) {
    std::string open = Repeat("x+", 16383); // 32766 tokens, the last "+" without an operand
    EXPECT_EQ(LibraryOutcome(open, 1), ReferenceOutcome(open, 1));
    ASSERT_TRUE(LibraryOutcome(open, 1).solved);
    ExpectOverflow(open + "x");
    ExpectOverflow(Repeat("2x+", 10923)); // 32767 tokens from fewer characters
    ExpectOverflow(Repeat("2(x)", 8192));
}

TEST(Robustness, LongSumsEvaluate) {
    ExpectValue(PaddedSum(10000, 0), 0.5, 5000);
    ExpectValue(Repeat("x*", 5000) + "1", 1, 1);
    ExpectSame(Repeat("-", 20000) + "x", 3);
    ExpectSame(Repeat("(x)", 10000), 3);
}

TEST(Robustness, HugeNumberTokensOverflowWhenConverted) {
    std::string huge(400, '9');
    ExpectOverflow(huge);
    ExpectOverflow("x+" + huge);
    ExpectValue("0." + std::string(400, '0') + "1", 0, 0);
    ExpectValue("x*0." + std::string(320, '0') + "5", 1, 5e-321);
}
