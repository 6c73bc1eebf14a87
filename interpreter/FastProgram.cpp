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
// With g++ on x86-64 the loop is built twice, the second time for processors with a fused
// multiply-add, chosen when the program starts; elsewhere std::fma is a library call. Results
// are the same: a fused multiply-add is exact either way, and nothing else is contracted (the
// library is built with -ffp-contract=off).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define QUILORA_WITH_FMA_CLONE __attribute__((target_clones("fma", "default")))
#else
#define QUILORA_WITH_FMA_CLONE
#endif

QUILORA_WITH_FMA_CLONE bool runInstructions(const Instruction* code, std::size_t size,
                                            double* registers) {
    for (const Instruction* instruction = code; instruction != code + size; ++instruction) {
        if (!execute(instruction->op, instruction->function, registers[instruction->a],
                     registers[instruction->b], registers[instruction->target]))
            return false;
    }
    return true;
}

} // namespace quilora::interpreter
