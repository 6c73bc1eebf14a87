// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EquationTestSupport.h"

#include <set>

namespace {

bool isSinglePrecision(double value) {
    return static_cast<double>(static_cast<float>(value)) == value;
}

TEST(Random, ConstantDrawsSuccessiveNumbersInUnitInterval) {
    clsEquation equation;
    equation.Equation("rnd");
    std::set<double> seen;
    for (int i = 0; i < 200; ++i) {
        const double value = *solveAt(equation, i).value;
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
        EXPECT_TRUE(isSinglePrecision(value));
        seen.insert(value);
    }
    EXPECT_GT(seen.size(), 190u);
}

TEST(Random, RandGivesWholeNumbersBelowItsArgument) {
    clsEquation equation;
    equation.Equation("rand(6)");
    std::set<double> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(*solveAt(equation, i).value);
    EXPECT_EQ(seen, (std::set<double>{0, 1, 2, 3, 4, 5}));
}

TEST(Random, RandomStaysInItsRange) {
    clsEquation equation;
    equation.Equation("random(1,2)");
    for (int i = 0; i < 200; ++i) {
        const double value = *solveAt(equation, i).value;
        EXPECT_GE(value, 1.0);
        EXPECT_LT(value, 2.0);
    }
}

TEST(Random, RndArgumentRule) {
    const double negative = *solve("rnd(-3)").value;
    EXPECT_EQ(*solve("rnd(-3)").value, negative);
    EXPECT_NE(*solve("rnd(-4)").value, negative);
    const double next = *solve("rnd(1)").value;
    EXPECT_GE(next, 0.0);
    EXPECT_LT(next, 1.0);
    EXPECT_TRUE(isSinglePrecision(next));
    EXPECT_EQ(*solve("rnd(0)").value, next);
    const double constant = *solve("rnd").value;
    EXPECT_EQ(*solve("rnd(0)").value, constant);
}

} // namespace
