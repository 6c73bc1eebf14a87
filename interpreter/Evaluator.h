// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Arithmetic.h"
#include "CellWalk.h"
#include "ExpressionToken.h"
#include "VariableTable.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quilora::interpreter {

/// What the cell walk does with numbers: it computes them, throws the reported failures as
/// InterpreterError and reads the variables through slots bound once per table shape.
class NumberDomain {
public:
    using Value = double;

    /// Forgets the bound slots of an earlier expression.
    void prepare(const ParsedExpression& expression);
    /// Reads the variables from this table, binding names to its slots when its shape changed.
    void use(const ParsedExpression& expression, const VariableTable& variables);

    Value constant(double value) { return value; }
    Value variable(int tokenIndex, const Token& token);
    Value random();
    Status negate(double operand, double& result);
    Status arithmetic(TokenType type, double left, double right, double& result);
    Status function(FunctionId id, double x1, double x2, double& result);
    [[noreturn]] void report(Status status);
    [[noreturn]] void raise(StructuralError error, std::string_view text);

private:
    const VariableTable* m_variables = nullptr;
    std::vector<int> m_slots;
    std::uint64_t m_boundShape = 0;
    bool m_bound = false;
};

/// The evaluation of an expression: the cell walk over numbers. Silent failures leave the
/// marker 1000. Once prepared for an expression, a run allocates nothing.
class Evaluator {
public:
    /// Sizes the working arrays for a newly read expression.
    void prepare(const ParsedExpression& expression) {
        m_walk.domain().prepare(expression);
        m_walk.prepare(expression);
    }

    /// Evaluates the expression. Returns true with the value of the leftmost remaining cell, or
    /// false when that cell does not convert (the earlier solution then stands).
    bool run(const ParsedExpression& expression, const VariableTable& variables, double& value) {
        m_walk.domain().use(expression, variables);
        return m_walk.run(expression, value);
    }

    /// Whether the last run met a silent failure: a marker written, or no value to take.
    bool silentFailure() const { return m_walk.silentFailure(); }

private:
    CellWalk<NumberDomain> m_walk;
};

} // namespace quilora::interpreter
