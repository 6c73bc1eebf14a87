// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EquationTestSupport.h"

#include <cmath>

namespace {

int errorOfSolve(clsEquation& equation) {
    try {
        equation.Solve();
    } catch (const InterpreterError& error) {
        return error.number();
    }
    return 0;
}

int errorOfSolution(clsEquation& equation) {
    try {
        equation.Solution();
    } catch (const InterpreterError& error) {
        return error.number();
    }
    return 0;
}

TEST(EquationState, NewObjectReadsZeroWithoutSolvingButSolveRaisesNine) {
    clsEquation equation;
    EXPECT_EQ(equation.Solution(), 0.0);
    EXPECT_EQ(equation.Equation(), "");
    EXPECT_FALSE(equation.Graus());
    EXPECT_EQ(errorOfSolve(equation), 9);
}

TEST(EquationState, VariableNamesIgnoreCase) {
    clsEquation equation;
    equation.Var("X", 2);
    EXPECT_EQ(equation.Var("x"), 2.0);
    equation.Var("x", 5);
    EXPECT_EQ(equation.Var("X"), 5.0);
    equation.Equation("X+x");
    EXPECT_EQ(equation.Solution(), 10.0);
}

TEST(EquationState, UnknownVariableReadsZeroAndRemovesSilently) {
    clsEquation equation;
    EXPECT_EQ(equation.Var("nada"), 0.0);
    equation.VarRemove("nada");
    equation.Var("a", 1);
    equation.VarRemove("A");
    EXPECT_EQ(equation.Var("a"), 0.0);
}

TEST(EquationState, EquationIsStoredInLowerCaseAsciiOnly) {
    clsEquation equation;
    equation.Equation("SEN(X)");
    EXPECT_EQ(equation.Equation(), "sen(x)");
    equation.Equation(" Ç + X ");
    EXPECT_EQ(equation.Equation(), " Ç + x ");
}

TEST(EquationState, GrausChangesNoComputedValue) {
    clsEquation equation;
    equation.Graus(true);
    EXPECT_TRUE(equation.Graus());
    equation.Equation("sin(90)");
    EXPECT_EQ(equation.Solution(), std::sin(90.0));
}

TEST(EquationState, ReportedErrorKeepsDirtySoEveryReadRaisesAgain) {
    clsEquation equation;
    equation.Equation("y");
    EXPECT_EQ(errorOfSolve(equation), 1102);
    EXPECT_EQ(errorOfSolution(equation), 1102);
    EXPECT_EQ(errorOfSolution(equation), 1102);
    equation.Var("y", 7);
    EXPECT_EQ(equation.Solution(), 7.0);
}

TEST(EquationState, ErrorsKeepTheEarlierSolution) {
    clsEquation equation;
    equation.Equation("1/2x^2-4");
    equation.Var("x", 3);
    EXPECT_EQ(equation.Solution(), 0.5);
    for (const char* failing : {"1/0", "0/0", "sen(x", "2.5.1", "", "y", "foo(1)"}) {
        equation.Equation(failing);
        EXPECT_NE(errorOfSolve(equation), 0) << failing;
        EXPECT_NE(errorOfSolve(equation), 0) << failing;
    }
    // '+5' ends without a value and without an error, showing the value kept all along.
    equation.Equation("+5");
    EXPECT_EQ(errorOfSolve(equation), 0);
    EXPECT_EQ(equation.Solution(), 0.5);
}

TEST(EquationState, SolutionReadSolvesAgainOnlyWhileDirty) {
    clsEquation equation;
    equation.Equation("rnd");
    equation.Solve();
    const double first = equation.Solution();
    EXPECT_EQ(equation.Solution(), first);
    equation.Equation("x*x");
    equation.Var("x", 3);
    equation.Solve();
    equation.Var("x", 4);
    EXPECT_EQ(equation.Solution(), 16.0);
}

TEST(EquationState, EveryChangeOfInputsMakesTheSolutionStale) {
    clsEquation equation;
    equation.Equation("rnd");
    equation.Solve();
    double last = equation.Solution();
    const auto changed = [&] {
        const double now = equation.Solution();
        const bool differs = now != last;
        last = now;
        return differs;
    };
    equation.Var("z", 1);
    EXPECT_TRUE(changed());
    equation.VarRemove("z");
    EXPECT_TRUE(changed());
    equation.VarClear();
    EXPECT_TRUE(changed());
    equation.Graus(false);
    EXPECT_FALSE(changed());
    equation.Graus(true);
    EXPECT_TRUE(changed());
}

TEST(EquationState, PlusFiveKeepsTheOldValueWithoutError) {
    clsEquation equation;
    equation.Equation("3");
    EXPECT_EQ(equation.Solution(), 3.0);
    equation.Equation("+5");
    EXPECT_EQ(errorOfSolve(equation), 0);
    EXPECT_EQ(equation.Solution(), 3.0);
}

TEST(EquationState, VariablesSurviveNewExpressionsAndClear) {
    clsEquation equation;
    equation.Var("a", 2);
    equation.Var("b", 3);
    equation.Equation("a*b");
    EXPECT_EQ(equation.Solution(), 6.0);
    equation.Equation("a+b");
    EXPECT_EQ(equation.Solution(), 5.0);
    equation.VarRemove("a");
    EXPECT_EQ(errorOfSolution(equation), 1102);
    equation.Var("A", 10);
    EXPECT_EQ(equation.Solution(), 13.0);
    equation.VarClear();
    EXPECT_EQ(equation.Var("b"), 0.0);
    EXPECT_EQ(errorOfSolution(equation), 1102);
}

TEST(EquationState, PlotLoopSeesEachAbscissa) {
    clsEquation equation;
    equation.Equation("sqr(x)");
    for (double x = -1.0; x <= 1.0; x += 0.25) {
        equation.Var("x", x);
        equation.Solve();
        EXPECT_EQ(equation.Solution(), x < 0 ? 1000.0 : std::sqrt(x)) << x;
    }
}

TEST(EquationState, ConstantsTakePrecedenceOverVariables) {
    clsEquation equation;
    equation.Var("pi", 5);
    equation.Var("e", 5);
    equation.Equation("pi+e");
    EXPECT_EQ(equation.Solution(), 3.14159265358979 + 2.718281828);
    equation.Var("e3", 7);
    equation.Equation("1e3");
    EXPECT_EQ(equation.Solution(), 7.0);
}

TEST(EquationState, CopiesAreIndependent) {
    clsEquation original;
    original.Equation("x+1");
    original.Var("x", 1);
    EXPECT_EQ(original.Solution(), 2.0);
    clsEquation copy = original;
    copy.Var("x", 5);
    EXPECT_EQ(copy.Solution(), 6.0);
    EXPECT_EQ(original.Solution(), 2.0);
}

} // namespace
