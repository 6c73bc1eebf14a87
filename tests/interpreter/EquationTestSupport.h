// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clsEquation.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

// What a user sees after Solve and a read of Solution: a value or an error, and the silent
// failure flag (after an error, the one of the last Solve that ran to its end).
struct Outcome {
    std::optional<double> value;
    int error = 0;
    std::string description;
    bool silentFailure = false;
};

inline Outcome solveAt(clsEquation& equation, double x) {
    Outcome outcome;
    equation.Var("x", x);
    try {
        equation.Solve();
        outcome.value = equation.Solution();
    } catch (const InterpreterError& error) {
        outcome.error = error.number();
        outcome.description = error.description();
        EXPECT_EQ(error.source(), "Interpretador");
    }
    outcome.silentFailure = equation.SilentFailure();
    return outcome;
}

inline Outcome solve(const std::string& text, double x = 0.0) {
    clsEquation equation;
    equation.Equation(text);
    return solveAt(equation, x);
}

// An expected value, exact unless a tolerance is given, and whether a silent failure made it.
struct ValueCase {
    const char* text;
    double x;
    double expected;
    bool silentFailure = false;
    double tolerance = 0.0;
};

inline std::ostream& operator<<(std::ostream& out, const ValueCase& c) {
    return out << "'" << c.text << "' x=" << c.x;
}

struct ErrorCase {
    const char* text;
    double x;
    int error;
    const char* description;
};

inline std::ostream& operator<<(std::ostream& out, const ErrorCase& c) {
    return out << "'" << c.text << "' x=" << c.x;
}

inline void expectValue(const ValueCase& c) {
    const Outcome outcome = solve(c.text, c.x);
    ASSERT_TRUE(outcome.value.has_value())
        << c << " raised " << outcome.error << " " << outcome.description;
    if (c.tolerance == 0.0)
        EXPECT_EQ(*outcome.value, c.expected) << c;
    else
        EXPECT_NEAR(*outcome.value, c.expected, c.tolerance) << c;
    EXPECT_EQ(outcome.silentFailure, c.silentFailure) << c;
}

inline void expectError(const ErrorCase& c) {
    const Outcome outcome = solve(c.text, c.x);
    EXPECT_FALSE(outcome.value.has_value()) << c << " gave " << outcome.value.value_or(0);
    EXPECT_EQ(outcome.error, c.error) << c;
    EXPECT_EQ(outcome.description, c.description) << c;
}
