#include "FastProgram.h"

#include <bit>

namespace quilora::interpreter {

int FastProgram::newRegister(bool constant) {
    m_registers.push_back(0.0);
    m_isConstant.push_back(constant);
    return static_cast<int>(m_registers.size()) - 1;
}

// Equal bit patterns share one register.
int FastProgram::addConstant(double value) {
    const auto [place, added] =
        m_constantRegisters.try_emplace(std::bit_cast<std::uint64_t>(value), 0);
    if (added) {
        place->second = newRegister(true);
        m_registers[static_cast<std::size_t>(place->second)] = value;
    }
    return place->second;
}

int FastProgram::addInput(int slot) {
    for (const Input& input : m_inputs) {
        if (input.slot == slot)
            return input.reg;
    }
    const int reg = newRegister(false);
    m_inputs.push_back({slot, reg});
    return reg;
}

int FastProgram::add(FastOp op, FunctionId function, int a, int b) {
    const int target = newRegister(false);
    m_code.push_back({op, function, target, a, b});
    return target;
}
FastProgram::Outcome FastProgram::run(const VariableTable& variables, double& value) {
    double* registers = m_registers.data();
    for (const Input& input : m_inputs)
        registers[input.reg] = variables.valueAt(input.slot);
    for (const Instruction& instruction : m_code) {
        if (!execute(instruction.op, instruction.function, registers[instruction.a],
                     registers[instruction.b], registers[instruction.target]))
            return Outcome::Refused;
    }
    if (m_result < 0)
        return Outcome::Kept;
    value = registers[m_result];
    return Outcome::Value;
}

} // namespace quilora::interpreter
