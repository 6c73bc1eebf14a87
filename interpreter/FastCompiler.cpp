// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FastCompiler.h"

#include "CellWalk.h"

#include <string_view>

namespace quilora::interpreter {

namespace {

/// Thrown inside the walk when the expression gets no program.
struct NoProgram {};

FastOp operatorOp(TokenType type) {
    switch (type) {
    case TokenType::Plus:
        return FastOp::Add;
    case TokenType::Minus:
        return FastOp::Subtract;
    case TokenType::Times:
        return FastOp::Multiply;
    case TokenType::Divide:
        return FastOp::Divide;
    case TokenType::IntDivide:
        return FastOp::IntDivide;
    case TokenType::Power:
        return FastOp::Power;
    default:
        return FastOp::Modulo;
    }
}

FastOp functionOp(FunctionId id) {
    switch (id) {
    case FunctionId::Sqr:
        return FastOp::Sqr;
    case FunctionId::Ln:
        return FastOp::Ln;
    case FunctionId::Exp:
        return FastOp::Exp;
    case FunctionId::Sin:
        return FastOp::Sin;
    case FunctionId::Cos:
        return FastOp::Cos;
    case FunctionId::Tan:
        return FastOp::Tan;
    case FunctionId::Atn:
        return FastOp::Atn;
    case FunctionId::Abs:
        return FastOp::Abs;
    case FunctionId::Min:
        return FastOp::Min;
    case FunctionId::Max:
        return FastOp::Max;
    default:
        return FastOp::Function;
    }
}

bool drawsRandomNumbers(FunctionId id) {
    return id == FunctionId::Rnd || id == FunctionId::Rand || id == FunctionId::Random;
}

/// What the cell walk does with registers in place of numbers: each operation becomes an
/// instruction, and where the evaluation would raise an error whatever the numbers, there is no
/// program. A silent failure needs no branch here: the instruction of "^" keeps its base and a
/// function's gives the marker then, which is what the evaluation leaves in the cell that
/// remains, and the run notes it.
class ProgramDomain {
public:
    using Value = int;

    explicit ProgramDomain(const VariableTable& variables) : m_variables(&variables) {}

    FastProgram& program() { return m_program; }

    int constant(double value) { return m_program.addConstant(value); }

    int variable(int, const Token& token) {
        const int slot = m_variables->find(token.text);
        if (slot < 0)
            throw NoProgram{};
        return m_program.addInput(slot);
    }

    int random() { throw NoProgram{}; }

    Status negate(int operand, int& result) {
        result = emit(FastOp::Negate, FunctionId::None, operand, operand);
        return Status::Ok;
    }

    Status arithmetic(TokenType type, int left, int right, int& result) {
        result = emit(operatorOp(type), FunctionId::None, left, right);
        return Status::Ok;
    }

    Status function(FunctionId id, int x1, int x2, int& result) {
        if (drawsRandomNumbers(id))
            throw NoProgram{};
        result = emit(functionOp(id), id, x1, x2);
        return Status::Ok;
    }

    [[noreturn]] void report(Status) { throw NoProgram{}; }
    [[noreturn]] void raise(StructuralError, std::string_view) { throw NoProgram{}; }

private:
    int emit(FastOp op, FunctionId function, int a, int b);

    const VariableTable* m_variables;
    FastProgram m_program;
};

// Operations on constants are done here, when they cannot end in a reported error; one that
// would report an error everywhere leaves the expression to the evaluation, and one that fails
// in silence fails on every run.
int ProgramDomain::emit(FastOp op, FunctionId function, int a, int b) {
    if (m_program.isConstant(a) && m_program.isConstant(b)) {
        double value = 0.0;
        const OpResult result =
            execute(op, function, m_program.constantValue(a), m_program.constantValue(b), 1, value);
        if (result == OpResult::Error)
            throw NoProgram{};
        if (result == OpResult::SilentFailure)
            m_program.recordSilentFailure();
        return m_program.addConstant(value);
    }
    if (op == FastOp::Power && m_program.isConstant(b) && m_program.constantValue(b) == 2.0)
        return m_program.add(FastOp::Square, function, a, b);
    if (op == FastOp::Power && m_program.isConstant(b) && m_program.constantValue(b) == 3.0)
        return m_program.add(FastOp::Cube, function, a, b);
    return m_program.add(op, function, a, b);
}

} // namespace

std::optional<FastProgram> compileFastProgram(const ParsedExpression& expression,
                                              const VariableTable& variables) {
    try {
        CellWalk<ProgramDomain> walk{ProgramDomain(variables)};
        walk.prepare(expression);
        int result = 0;
        const bool hasValue = walk.run(expression, result);
        FastProgram& program = walk.domain().program();
        program.setResult(hasValue ? result : -1);
        // What the walk met over the kinds of the cells, every run meets.
        if (walk.silentFailure())
            program.recordSilentFailure();
        program.finish();
        return std::move(program);
    } catch (const NoProgram&) {
        return std::nullopt;
    }
}

} // namespace quilora::interpreter
