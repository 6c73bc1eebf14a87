// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Evaluator.h"
#include "ExpressionToken.h"
#include "FastProgram.h"
#include "InterpreterError.h"
#include "VariableTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quilora::interpreter {
struct EquationInternals;
}

/// An analytic expression with its named variables and its last computed value. The text is
/// read into tokens once per Equation write and evaluated as often as asked; errors are raised
/// as InterpreterError, silent failures leave the marker 1000 in the result and are told by
/// SilentFailure.
class clsEquation {
public:
    clsEquation();

    /// Stores the flag; a changed value makes the solution stale. No computation reads it:
    /// angles are always radians.
    void Graus(bool value);
    bool Graus() const;

    /// Forgets every variable.
    void VarClear();

    /// Sets a new expression (stored in lower case); it is read again at the next Solve.
    void Equation(std::string_view text);
    /// The expression as stored, in lower case.
    const std::string& Equation() const;

    /// Forgets one variable; an unknown name is no error.
    void VarRemove(std::string_view name);

    /// The last computed value; solves first while it is stale, and then its errors reach the
    /// reader.
    double Solution() {
        if (m_Dirty)
            Solve();
        return m_SolutionValue;
    }

    /// Whether the last Solve that ran to its end met a silent failure (the marker 1000 was
    /// written somewhere, or the result cell did not convert and the earlier solution stands).
    /// A Solve that reports an error leaves it as it was; a new object answers false.
    bool SilentFailure() const { return m_silentFailure; }

    /// Evaluates the expression for the current variables. On an error the earlier solution
    /// stays and the object stays stale. The compiled program answers while the expression and
    /// the variable names stay as they were when it was built; everything else goes the long way.
    void Solve() {
        if (m_fastReady && m_fastShape == m_Variables.shape() &&
            m_fastProgram->run(m_Variables, m_SolutionValue, m_silentFailure)) {
            m_Dirty = false;
            return;
        }
        solveStepwise();
    }

    /// The value stored under a name (case is ignored), 0 when there is none.
    double Var(std::string_view name) const;
    /// Stores a value under a name (case is ignored).
    void Var(std::string_view name, double value) {
        m_Dirty = true;
        if (!m_Variables.assignExisting(name, value))
            addVariable(name, value);
    }

private:
    friend struct quilora::interpreter::EquationInternals;

    void Parse();
    void addVariable(std::string_view name, double value);
    void solveStepwise();
    bool solveFast();

    bool m_Dirty = false;
    bool m_Parsed = true;
    quilora::interpreter::VariableTable m_Variables;
    std::string m_EquationText;
    bool m_GrausFlag = false;
    double m_SolutionValue = 0.0;
    bool m_silentFailure = false;
    quilora::interpreter::ParsedExpression m_expression;
    quilora::interpreter::Evaluator m_evaluator;

    // The compiled form of the expression for the current shape of the variable table; the
    // evaluation runs instead whenever it has no program or the program refuses a value.
    std::optional<quilora::interpreter::FastProgram> m_fastProgram;
    std::uint64_t m_fastShape = 0;
    bool m_fastCompiled = false;
    bool m_fastPathEnabled = true;
    // Parsed, enabled and compiled with a program for m_fastShape.
    bool m_fastReady = false;
};
