// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Outcome.h"

#include <gtest/gtest.h>

#include <string>

/// The object's life as its callers see it, checked on an evaluator of the given kind.
template <class Equation, class Error> void CheckStateMachine() {
    {
        Equation fresh;
        EXPECT_EQ(fresh.Solution(), 0.0); // nothing changed yet: no evaluation
        EXPECT_FALSE(fresh.SilentFailure());
        Outcome outcome = SolveOutcome<Error>(fresh);
        EXPECT_EQ(outcome.number, 9);
        EXPECT_EQ(outcome.description, "Índice fora do intervalo.");
    }
    {
        Equation equation;
        equation.Var("X", 2);
        EXPECT_EQ(equation.Var("x"), 2.0);
        EXPECT_EQ(equation.Var("never"), 0.0);
        equation.VarRemove("never");
        equation.Equation("SEN(X)");
        EXPECT_EQ(equation.Equation(), "sen(x)");
        equation.Graus(true);
        EXPECT_TRUE(equation.Graus());
        EXPECT_EQ(equation.Solution(), std::sin(2.0));
    }
    {
        // an error leaves the last value and solves again on the next read
        Equation equation;
        equation.Equation("x+1");
        equation.Var("x", 3);
        equation.Solve();
        EXPECT_EQ(equation.Solution(), 4.0);
        equation.Equation("y");
        EXPECT_EQ(SolveOutcome<Error>(equation).number, 1102);
        Outcome again = ReadOutcome<Error>(equation);
        EXPECT_EQ(again.number, 1102);
        EXPECT_EQ(again.description, "Variável não definida: y");
        // '+5' ends normally without a value: the one from before the error stays
        equation.Equation("+5");
        Outcome kept = SolveOutcome<Error>(equation);
        ASSERT_TRUE(kept.solved);
        EXPECT_EQ(kept.value, 4.0);
        EXPECT_TRUE(kept.silentFailure);
        // an error leaves the flag of the last Solve that ran to its end
        equation.Equation("y");
        EXPECT_TRUE(SolveOutcome<Error>(equation).silentFailure);
        equation.Var("y", -1);
        EXPECT_EQ(equation.Solution(), -1.0);
        EXPECT_FALSE(equation.SilentFailure());
        equation.VarClear();
        EXPECT_EQ(ReadOutcome<Error>(equation).number, 1102);
    }
    {
        // a Var write makes the next read evaluate again
        Equation equation;
        equation.Equation("x*x");
        equation.Var("x", 3);
        equation.Solve();
        equation.Var("x", 4);
        EXPECT_EQ(equation.Solution(), 16.0);
        equation.VarRemove("X");
        EXPECT_EQ(ReadOutcome<Error>(equation).description, "Variável não definida: x");
    }
}
