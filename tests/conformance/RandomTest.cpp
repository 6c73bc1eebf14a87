// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clsEquation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

double SolveText(clsEquation& equation, const std::string& text) {
    equation.Equation(text);
    equation.Solve();
    return equation.Solution();
}

} // namespace

TEST(RandomNumbers, DrawsAreSinglePrecisionInTheUnitInterval) {
    clsEquation equation;
    for (int k = 0; k < 200; ++k) {
        double r = SolveText(equation, "rnd");
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
        EXPECT_EQ(r, static_cast<double>(static_cast<float>(r)));
        double six = SolveText(equation, "rand(6)");
        EXPECT_EQ(six, std::floor(six));
        EXPECT_GE(six, 0.0);
        EXPECT_LE(six, 5.0);
        double between = SolveText(equation, "random(1,2)");
        EXPECT_GE(between, 1.0);
        EXPECT_LT(between, 2.0);
    }
}

TEST(RandomNumbers, ArgumentRuleOfRnd) {
    clsEquation equation;
    EXPECT_EQ(SolveText(equation, "rnd(-1)-rnd(-1)"), 0.0); // a negative argument decides alone
    EXPECT_EQ(SolveText(equation, "rnd(1)-rnd(0)"), 0.0);   // zero repeats the last draw
    clsEquation other;
    EXPECT_EQ(SolveText(equation, "rnd(-7)"), SolveText(other, "rnd(-7)"));
}

// The value of each text is the draw plus an offset; a second draw inside the same Solve
// (say, a failed attempt evaluated again) would show as a "last draw" other than the value.
TEST(RandomNumbers, OneDrawPerSolve) {
    struct Case {
        const char* text;
        double x;
        double offset;
    };
    const Case cases[] = {
        {"rnd", 0, 0},         {"(rnd)", 0, 0},           {"rnd+0*x", 5, 0},
        {"max(rnd,-5)", 0, 0}, {"rnd+sqr(x)", -1, 1000},  {"rnd+log(x)", 0, 1000},
        {"x^0.5*0+rnd", 4, 0}, {"rnd+x\\3", 7, 2},        {"sen(0)+rnd*1", 0, 0},
        {"rnd+1,2", 0, 1},     {"rnd+(x)^(1/2)", -8, -8},
    };
    clsEquation equation;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        for (int k = 0; k < 20; ++k) {
            equation.Var("x", c.x);
            double value = SolveText(equation, c.text);
            EXPECT_EQ(SolveText(equation, "rnd(0)"), value - c.offset);
        }
    }
}
