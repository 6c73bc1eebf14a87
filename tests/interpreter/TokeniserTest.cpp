// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tokeniser.h"

#include "InterpreterError.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using quilora::interpreter::ParsedExpression;
using quilora::interpreter::parseExpression;

using Cells = std::vector<std::pair<std::string, int>>;

Cells cellsOf(const ParsedExpression& parsed) {
    Cells cells;
    for (std::size_t i = 0; i < parsed.Tokens.size(); ++i)
        cells.emplace_back(parsed.Tokens[i].text, parsed.Priorities[i]);
    return cells;
}

struct TokenCase {
    const char* text;
    Cells cells;
    std::vector<int> order;
};

class TokeniserExamples : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokeniserExamples, TokensPrioritiesAndOrder) {
    const TokenCase& c = GetParam();
    const ParsedExpression parsed = parseExpression(c.text);
    EXPECT_EQ(cellsOf(parsed), c.cells) << c.text;
    EXPECT_EQ(std::vector<int>(parsed.TokenOrder.begin(), parsed.TokenOrder.end()), c.order)
        << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Reading, TokeniserExamples,
    ::testing::Values(
        TokenCase{"1/2x^2-4",
                  {{"1", 0},
                   {"/", 3},
                   {"2", 0},
                   {"*", 3},
                   {"x", 6},
                   {"^", 5},
                   {"2", 0},
                   {"-", 1},
                   {"4", 0}},
                  {5, 6, 2, 4, 8}},
        TokenCase{"-sen(2x)",
                  {{"~", 4}, {"sen(", 7}, {"2", 0}, {"*", 10}, {"x", 13}, {")", 7}},
                  {5, 4, 2, 6, 1}},
        TokenCase{"max(x,2)", {{"max(", 7}, {"x", 13}, {"", 0}, {"2", 0}, {")", 7}}, {2, 1, 5}},
        TokenCase{"2(x+1)",
                  {{"2", 0}, {"*", 3}, {"(", 7}, {"x", 13}, {"+", 8}, {"1", 0}, {")", 7}},
                  {4, 5, 3, 7, 2}},
        TokenCase{"", {}, {}}, TokenCase{"   ", {}, {}}, TokenCase{"2 5", {{"25", 0}}, {}},
        TokenCase{"x y", {{"xy", 6}}, {1}},
        TokenCase{"2 x", {{"2", 0}, {"*", 3}, {"x", 6}}, {3, 2}}, TokenCase{"x2", {{"x2", 6}}, {1}},
        TokenCase{"x.5", {{"x,5", 6}}, {1}}, TokenCase{"a_1", {{"a_1", 6}}, {1}},
        TokenCase{"3.5x", {{"3,5", 0}, {"*", 3}, {"x", 6}}, {3, 2}},
        TokenCase{"1e3", {{"1", 0}, {"*", 3}, {"e3", 6}}, {3, 2}},
        TokenCase{"(x+1)(x-1)",
                  {{"(", 7},
                   {"x", 13},
                   {"+", 8},
                   {"1", 0},
                   {")", 7},
                   {"(", 7},
                   {"x", 13},
                   {"-", 8},
                   {"1", 0},
                   {")", 7}},
                  {2, 7, 3, 8, 1, 5, 6, 10}},
        TokenCase{"x(x+1)", {{"x(", 7}, {"x", 13}, {"+", 8}, {"1", 0}, {")", 7}}, {2, 3, 1, 5}},
        TokenCase{"-(x)", {{"~", 4}, {"(", 7}, {"x", 13}, {")", 7}}, {3, 2, 4, 1}},
        TokenCase{"2*-3", {{"2", 0}, {"*", 3}, {"~", 4}, {"3", 0}}, {3, 2}},
        TokenCase{"x-1", {{"x", 6}, {"-", 1}, {"1", 0}}, {1, 2}},
        TokenCase{"(x)-1", {{"(", 7}, {"x", 13}, {")", 7}, {"-", 1}, {"1", 0}}, {2, 1, 3, 4}},
        TokenCase{"(-1)", {{"(", 7}, {"~", 11}, {"1", 0}, {")", 7}}, {2, 1, 4}},
        TokenCase{"max(-1,2)",
                  {{"max(", 7}, {"~", 11}, {"1", 0}, {"", 0}, {"2", 0}, {")", 7}},
                  {2, 1, 6}},
        TokenCase{"ç=!x", {{"x", 6}}, {1}},
        TokenCase{"s e n (x)", {{"sen(", 7}, {"x", 13}, {")", 7}}, {2, 1, 3}},
        TokenCase{"1+7%4*2",
                  {{"1", 0}, {"+", 1}, {"7", 0}, {"%", 2}, {"4", 0}, {"*", 3}, {"2", 0}},
                  {6, 4, 2}},
        TokenCase{"2^3^2", {{"2", 0}, {"^", 5}, {"3", 0}, {"^", 5}, {"2", 0}}, {2, 4}},
        TokenCase{"7\\2", {{"7", 0}, {"\\", 3}, {"2", 0}}, {2}},
        TokenCase{")x+(", {{")", 0}, {"x", -1}, {"+", -6}, {"(", 0}}, {}},
        TokenCase{"X+Y", {{"X", 6}, {"+", 1}, {"Y", 6}}, {1, 3, 2}}));

TEST(Tokeniser, ResolvesHeadsConstantsAndNumbersOnce) {
    using namespace quilora::interpreter;
    const ParsedExpression parsed = parseExpression("sen(pi)+foo(e)+rnd*2.5+1.2.3");
    EXPECT_EQ(parsed.Tokens[0].function, FunctionId::Sin);
    EXPECT_EQ(parsed.Tokens[1].constant, Constant::Pi);
    EXPECT_EQ(parsed.Tokens[4].function, FunctionId::None);
    EXPECT_EQ(parsed.Tokens[5].constant, Constant::E);
    EXPECT_EQ(parsed.Tokens[8].constant, Constant::Rnd);
    EXPECT_EQ(parsed.Tokens[10].number.kind, NumberText::Converts);
    EXPECT_EQ(parsed.Tokens[10].number.value, 2.5);
    EXPECT_EQ(parsed.Tokens[12].number.kind, NumberText::NotNumber);
}

TEST(Tokeniser, UnequalParenthesesRaise1100) {
    for (const char* text : {"sen(x", "sen(x))", "(", ")", "((x)"}) {
        try {
            parseExpression(text);
            ADD_FAILURE() << text;
        } catch (const InterpreterError& error) {
            EXPECT_EQ(error.number(), 1100) << text;
            EXPECT_EQ(error.description(), "Número de parênteses incorrecto.");
        }
    }
}

} // namespace
