// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Arithmetic.h"
#include "Constants.h"
#include "FunctionTable.h"
#include "RepeatedSum.h"
#include "VariableTable.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

namespace quilora::interpreter {

/// The operations of a compiled expression. Each mirrors one step of the evaluation exactly,
/// silent failures included; a condition that the evaluation reports instead stops the program.
enum class FastOp : unsigned char {
    Negate,
    Add,
    Subtract,
    Multiply,
    Divide,
    IntDivide,
    Modulo,
    Power,  ///< a negative base with a fractional exponent keeps the base
    Square, ///< Power with the exponent 2: a·a
    Cube,   ///< Power with the exponent 3: a·a·a
    Sqr,
    Ln,
    Exp,
    Sin,
    Cos,
    Tan,
    Atn,
    Abs,
    Min,
    Max,
    Function,    ///< any other function of the library
    RepeatedAdd, ///< a, then count times "+ b", each sum rounded as the chain of "+" does
};

/// One operation on the register file: registers[target] = op(registers[a], registers[b]).
struct Instruction {
    FastOp op = FastOp::Add;
    FunctionId function = FunctionId::None;
    std::int32_t target = 0;
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int32_t count = 1;
};

/// A value the evaluation accepts: a finite double (infinity and NaN are its error 6).
inline bool isFinite(double value) {
    return std::fabs(value) <= 0x1.fffffffffffffp1023;
}

/// What one operation did: computed its value, failed in silence (its value is then what the
/// evaluation leaves in the cell), or met an error that the evaluation reports instead.
enum class OpResult : unsigned char { Ok, SilentFailure, Error };

inline OpResult errorUnless(bool ok) {
    return ok ? OpResult::Ok : OpResult::Error;
}

inline OpResult silentFailureIf(bool failed) {
    return failed ? OpResult::SilentFailure : OpResult::Ok;
}

/// Computes one operation: Error where the evaluation would report one (division by zero,
/// overflow, invalid operation, a 32-bit rounding out of range); a silent failure gives what
/// the evaluation leaves in the cell (the marker 1000, or the base kept by Power).
[[gnu::always_inline]] inline OpResult execute(FastOp op, FunctionId function, double a, double b,
                                               int count, double& out) {
    switch (op) {
    case FastOp::Negate:
        out = -a;
        return OpResult::Ok;
    case FastOp::Add:
        out = a + b;
        return errorUnless(isFinite(out));
    case FastOp::Subtract:
        out = a - b;
        return errorUnless(isFinite(out));
    case FastOp::Multiply:
        out = a * b;
        return errorUnless(isFinite(out));
    case FastOp::Divide:
        if (b == 0.0)
            return OpResult::Error;
        out = a / b;
        return errorUnless(isFinite(out));
    case FastOp::Square:
        out = a * a;
        return errorUnless(isFinite(out));
    case FastOp::Cube:
        out = a * a * a;
        return errorUnless(isFinite(out));
    case FastOp::Power:
        if (a == 0.0 && b < 0.0)
            return OpResult::Error;
        if (a < 0.0 && b != std::trunc(b)) {
            out = a;
            return OpResult::SilentFailure;
        }
        out = Calc::power(a, b);
        return errorUnless(isFinite(out));
    case FastOp::Sqr: {
        const bool outside = a < 0.0;
        out = outside ? failureMarker : std::sqrt(a);
        return silentFailureIf(outside);
    }
    case FastOp::Ln: {
        const bool outside = a <= 0.0;
        out = outside ? failureMarker : std::log(a);
        return silentFailureIf(outside);
    }
    case FastOp::Exp:
        out = std::exp(a);
        return errorUnless(isFinite(out));
    case FastOp::Sin:
        out = std::sin(a);
        return OpResult::Ok;
    case FastOp::Cos:
        out = std::cos(a);
        return OpResult::Ok;
    case FastOp::Tan:
        out = std::tan(a);
        return OpResult::Ok;
    case FastOp::Atn:
        out = std::atan(a);
        return OpResult::Ok;
    case FastOp::Abs:
        out = std::fabs(a);
        return OpResult::Ok;
    case FastOp::Min:
        out = a < b ? a : b;
        return OpResult::Ok;
    case FastOp::Max:
        out = a > b ? a : b;
        return OpResult::Ok;
    case FastOp::IntDivide:
    case FastOp::Modulo: {
        Calc calc;
        const double value = op == FastOp::IntDivide ? calc.intDiv(a, b) : calc.mod(a, b);
        out = value;
        return errorUnless(calc.ok());
    }
    case FastOp::RepeatedAdd:
        return errorUnless(repeatedSum(a, b, count, out));
    case FastOp::Function:
        break;
    }
    double value = 0.0;
    const Status status = evaluateFunction(function, a, b, value);
    const bool failed = status == Status::Failed;
    out = failed ? failureMarker : value;
    return failed ? OpResult::SilentFailure : errorUnless(status == Status::Ok);
}

/// The register that a run sets to 1 when an operation fails in silence; it holds no value.
inline constexpr int silentFailureRegister = 0;

/// Two consecutive operations (or one, the second doing nothing) done by one handler: a run
/// pays one indirect call per pair instead of one dispatch per operation. False where the
/// evaluation would report an error.
struct InstructionPair;
using PairHandler = bool (*)(const InstructionPair&, double* registers);
struct InstructionPair {
    PairHandler handler = nullptr;
    Instruction first;
    Instruction second;
};

/// A straight-line program equivalent to one evaluation of an expression for a given shape of
/// the variable table. Registers hold the mark of a silent failure, the constants, the variables
/// it reads and one result per operation; apart from the mark, no operation writes a register
/// that another one wrote, so constants stay put and a run allocates nothing.
class FastProgram {
public:
    FastProgram() { newRegister(false); } // the mark, silentFailureRegister

    /// Room for a constant; returns its register.
    int addConstant(double value);
    /// The register that holds a variable's slot, read at the start of each run.
    int addInput(int slot);
    /// Appends an operation; returns the register of its result.
    int add(FastOp op, FunctionId function, int a, int b);
    /// Sets the register whose value is the result, or -1 when the solution is kept.
    void setResult(int reg) { m_result = reg; }
    /// Records a silent failure that every run meets, whatever the variables: one met while
    /// building, by the walk or by an operation on constants.
    void recordSilentFailure() { m_failsOnEveryRun = 1.0; }
    /// Ends the program: replaces each chain of additions of one same register, whose partial
    /// sums serve nothing else (as in x+x+...+x), by one RepeatedAdd, and pairs the operations.
    void finish();

    bool isConstant(int reg) const { return m_isConstant[static_cast<std::size_t>(reg)]; }
    double constantValue(int reg) const { return m_registers[static_cast<std::size_t>(reg)]; }

    /// Runs the program for the variables' current values, stores its value in solution
    /// (which an expression without one leaves as it was) and whether the run met a silent
    /// failure. False, with nothing stored, where the evaluation would report an error: the
    /// evaluation must then run to report it.
    bool run(const VariableTable& variables, double& solution, bool& silentFailure) {
        double* registers = m_registers.data();
        registers[silentFailureRegister] = m_failsOnEveryRun;
        for (const Input& input : m_inputs)
            registers[input.reg] = variables.valueAt(input.slot);
        for (const InstructionPair& pair : m_pairs) {
            if (!pair.handler(pair, registers))
                return false;
        }
        if (m_result >= 0)
            solution = registers[m_result];
        silentFailure = registers[silentFailureRegister] > 0.0;
        return true;
    }

private:
    int newRegister(bool constant);
    void fuseRepeatedSums();
    void pairInstructions();

    struct Input {
        int slot;
        int reg;
    };

    std::vector<InstructionPair> m_pairs;
    std::vector<double> m_registers;
    std::vector<Input> m_inputs;
    // Only for building: the operations in order, which registers are constants, and the
    // register of each constant.
    std::vector<Instruction> m_code;
    std::vector<bool> m_isConstant;
    std::map<std::uint64_t, int> m_constantRegisters;
    int m_result = -1;
    // The mark at the start of a run: 1 when every run fails in silence.
    double m_failsOnEveryRun = 0.0;
};

} // namespace quilora::interpreter
