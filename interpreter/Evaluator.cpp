// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Evaluator.h"

#include "InterpreterError.h"
#include "RandomGenerator.h"

namespace quilora::interpreter {

void NumberDomain::prepare(const ParsedExpression& expression) {
    m_slots.assign(expression.Tokens.size(), -1);
    m_bound = false;
}

// Names are bound to variable slots once per change of the table's shape, not per run.
void NumberDomain::use(const ParsedExpression& expression, const VariableTable& variables) {
    m_variables = &variables;
    if (m_bound && m_boundShape == variables.shape())
        return;
    const auto& tokens = expression.Tokens;
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        const Token& token = tokens[index];
        const bool lookedUp = token.type == TokenType::Name || token.type == TokenType::CloseParen;
        m_slots[index] = lookedUp ? variables.find(token.text) : -1;
    }
    m_boundShape = variables.shape();
    m_bound = true;
}

double NumberDomain::variable(int tokenIndex, const Token& token) {
    const int bound = m_slots[static_cast<std::size_t>(tokenIndex)];
    const int slot = bound >= 0 ? bound : m_variables->find(token.text);
    if (slot < 0)
        raise(StructuralError::UndefinedVariable, token.text);
    return m_variables->valueAt(slot);
}

double NumberDomain::random() {
    return randomNext();
}

Status NumberDomain::negate(double operand, double& result) {
    result = -operand;
    return Status::Ok;
}

Status NumberDomain::arithmetic(TokenType type, double left, double right, double& result) {
    Calc calc;
    double value = 0.0;
    switch (type) {
    case TokenType::Plus:
        value = calc.add(left, right);
        break;
    case TokenType::Minus:
        value = calc.sub(left, right);
        break;
    case TokenType::Times:
        value = calc.mul(left, right);
        break;
    case TokenType::Divide:
        value = calc.div(left, right);
        break;
    case TokenType::IntDivide:
        value = calc.intDiv(left, right);
        break;
    case TokenType::Power:
        value = calc.pow(left, right);
        break;
    default:
        value = calc.mod(left, right);
        break;
    }
    if (calc.ok())
        result = value;
    return calc.status();
}

Status NumberDomain::function(FunctionId id, double x1, double x2, double& result) {
    return evaluateFunction(id, x1, x2, result);
}

void NumberDomain::report(Status status) {
    if (status == Status::DivisionByZero)
        throw divisionByZeroError();
    throw overflowError();
}

void NumberDomain::raise(StructuralError error, std::string_view text) {
    switch (error) {
    case StructuralError::Index:
        throw indexError();
    case StructuralError::InvalidArgument:
        throw invalidArgumentError(text);
    case StructuralError::UndefinedFunction:
        throw undefinedFunctionError(text);
    case StructuralError::UndefinedVariable:
        break;
    }
    throw undefinedVariableError(text);
}

} // namespace quilora::interpreter
