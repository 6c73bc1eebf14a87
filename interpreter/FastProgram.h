#pragma once

#include "Arithmetic.h"
#include "FunctionTable.h"
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
    Square, ///< Power with the exponent 2
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
    Function, ///< any other function of the library
};

/// One operation on the register file: registers[target] = op(registers[a], registers[b]).
struct Instruction {
    FastOp op = FastOp::Add;
    FunctionId function = FunctionId::None;
    std::int32_t target = 0;
    std::int32_t a = 0;
    std::int32_t b = 0;
};

/// The square of x exactly as std::pow(x, 2) gives it. The product is correctly rounded and the
/// library's pow is accurate to about 0.52 units in the last place, so when the product's own
/// rounding error is well under half a unit both must agree; otherwise pow decides. The exponent
/// comes in as a value, since a compiler may rewrite pow(x, 2.0) as the bare product.
inline double squareAsPow(double x, double two) {
    const double square = x * x;
    const double error = std::fma(x, x, -square);
    // 0x1p-54 of the square is a quarter of a unit in its last place (at most).
    if (square >= 0x1p-960 && square <= 0x1p1000 && std::fabs(error) < square * 0x1p-55)
        return square;
    return std::pow(x, two);
}

/// A value the evaluation accepts: a finite double (infinity and NaN are its error 6).
inline bool isFinite(double value) {
    return std::fabs(value) <= 0x1.fffffffffffffp1023;
}

/// Computes one operation. Returns false where the evaluation would report an error (division
/// by zero, overflow, invalid operation, a 32-bit rounding out of range); silent failures give
/// what the evaluation leaves in the cell (the marker 1000, or the base kept by Power).
inline bool execute(FastOp op, FunctionId function, double a, double b, double& out) {
    constexpr double failureMarker = 1000.0;
    switch (op) {
    case FastOp::Negate:
        out = -a;
        return true;
    case FastOp::Add:
        out = a + b;
        return isFinite(out);
    case FastOp::Subtract:
        out = a - b;
        return isFinite(out);
    case FastOp::Multiply:
        out = a * b;
        return isFinite(out);
    case FastOp::Divide:
        if (b == 0.0)
            return false;
        out = a / b;
        return isFinite(out);
    case FastOp::Square:
        out = squareAsPow(a, b);
        return isFinite(out);
    case FastOp::Power:
        if (a == 0.0 && b < 0.0)
            return false;
        if (a < 0.0 && b != std::trunc(b)) {
            out = a;
            return true;
        }
        out = std::pow(a, b);
        return isFinite(out);
    case FastOp::Sqr:
        out = a < 0.0 ? failureMarker : std::sqrt(a);
        return true;
    case FastOp::Ln:
        out = a <= 0.0 ? failureMarker : std::log(a);
        return true;
    case FastOp::Exp:
        out = std::exp(a);
        return isFinite(out);
    case FastOp::Sin:
        out = std::sin(a);
        return true;
    case FastOp::Cos:
        out = std::cos(a);
        return true;
    case FastOp::Tan:
        out = std::tan(a);
        return true;
    case FastOp::Atn:
        out = std::atan(a);
        return true;
    case FastOp::Abs:
        out = std::fabs(a);
        return true;
    case FastOp::Min:
        out = a < b ? a : b;
        return true;
    case FastOp::Max:
        out = a > b ? a : b;
        return true;
    case FastOp::IntDivide:
    case FastOp::Modulo: {
        Calc calc;
        const double value = op == FastOp::IntDivide ? calc.intDiv(a, b) : calc.mod(a, b);
        out = value;
        return calc.ok();
    }
    case FastOp::Function:
        break;
    }
    double value = 0.0;
    const Status status = evaluateFunction(function, a, b, value);
    if (status == Status::Failed)
        value = failureMarker;
    out = value;
    return status == Status::Ok || status == Status::Failed;
}

/// A straight-line program equivalent to one evaluation of an expression for a given shape of
/// the variable table. Registers hold the constants, the variables it reads and one result per
/// operation; no operation writes a register that another one wrote, so constants stay put and a
/// run allocates nothing.
class FastProgram {
public:
    /// How a run ended.
    enum class Outcome : unsigned char {
        Value,   ///< the expression's value
        Kept,    ///< ended normally without a value: the earlier solution stands
        Refused, ///< the evaluation would report an error here: run it to report it
    };

    /// Room for a constant; returns its register.
    int addConstant(double value);
    /// The register that holds a variable's slot, read at the start of each run.
    int addInput(int slot);
    /// Appends an operation; returns the register of its result.
    int add(FastOp op, FunctionId function, int a, int b);
    /// Sets the register whose value is the result, or -1 when the solution is kept.
    void setResult(int reg) { m_result = reg; }

    bool isConstant(int reg) const { return m_isConstant[static_cast<std::size_t>(reg)]; }
    double constantValue(int reg) const { return m_registers[static_cast<std::size_t>(reg)]; }

    /// Runs the program for the variables' current values.
    Outcome run(const VariableTable& variables, double& value);

    std::size_t size() const { return m_code.size(); }

private:
    int newRegister(bool constant);

    struct Input {
        int slot;
        int reg;
    };

    std::vector<Instruction> m_code;
    std::vector<double> m_registers;
    std::vector<Input> m_inputs;
    // Only for building: which registers are constants, and the register of each constant.
    std::vector<bool> m_isConstant;
    std::map<std::uint64_t, int> m_constantRegisters;
    int m_result = -1;
};

} // namespace quilora::interpreter
