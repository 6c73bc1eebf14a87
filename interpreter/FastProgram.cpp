// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FastProgram.h"

#include <algorithm>
#include <array>
#include <bit>
#include <iterator>
#include <utility>

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

namespace {

// The operations that pair handlers write out; any other goes through the whole switch.
constexpr FastOp writtenOut[] = {FastOp::Negate, FastOp::Add,    FastOp::Subtract, FastOp::Multiply,
                                 FastOp::Divide, FastOp::Square, FastOp::Cube,     FastOp::Sqr,
                                 FastOp::Ln,     FastOp::Exp,    FastOp::Sin,      FastOp::Cos,
                                 FastOp::Abs};
constexpr int anyOther = static_cast<int>(std::size(writtenOut));
constexpr int nothing = anyOther + 1;
constexpr int kinds = nothing + 1;

int kindOf(FastOp op) {
    const auto* found = std::find(std::begin(writtenOut), std::end(writtenOut), op);
    return static_cast<int>(found - std::begin(writtenOut));
}

// With the operation known here, execute folds down to that one case, and an operation that
// cannot fail in silence does not touch the mark.
template <int kind> bool perform(const Instruction& instruction, double* registers) {
    if constexpr (kind == nothing) {
        return true;
    } else {
        const FastOp op = kind == anyOther ? instruction.op : writtenOut[kind];
        const OpResult result =
            execute(op, instruction.function, registers[instruction.a], registers[instruction.b],
                    instruction.count, registers[instruction.target]);
        if (result == OpResult::SilentFailure)
            registers[silentFailureRegister] = 1.0;
        return result != OpResult::Error;
    }
}

template <int first, int second> bool performPair(const InstructionPair& pair, double* registers) {
    return perform<first>(pair.first, registers) && perform<second>(pair.second, registers);
}

template <std::size_t... codes> constexpr auto pairHandlers(std::index_sequence<codes...>) {
    return std::array<PairHandler, sizeof...(codes)>{
        {&performPair<static_cast<int>(codes) / kinds, static_cast<int>(codes) % kinds>...}};
}

constexpr auto handlers = pairHandlers(std::make_index_sequence<kinds * kinds>{});

} // namespace

void FastProgram::finish() {
    fuseRepeatedSums();
    pairInstructions();
}

void FastProgram::pairInstructions() {
    m_pairs.clear();
    for (std::size_t i = 0; i < m_code.size(); i += 2) {
        InstructionPair pair;
        pair.first = m_code[i];
        int second = nothing;
        if (i + 1 < m_code.size()) {
            pair.second = m_code[i + 1];
            second = kindOf(pair.second.op);
        }
        pair.handler = handlers[static_cast<std::size_t>(kindOf(pair.first.op) * kinds + second)];
        m_pairs.push_back(pair);
    }
}

void FastProgram::fuseRepeatedSums() {
    std::vector<int> uses(m_registers.size(), 0);
    for (const Instruction& instruction : m_code) {
        ++uses[static_cast<std::size_t>(instruction.a)];
        ++uses[static_cast<std::size_t>(instruction.b)];
    }
    if (m_result >= 0)
        ++uses[static_cast<std::size_t>(m_result)];
    std::vector<Instruction> fused;
    fused.reserve(m_code.size());
    for (std::size_t i = 0; i < m_code.size(); ++i) {
        Instruction instruction = m_code[i];
        if (instruction.op == FastOp::Add) {
            // The partial sum must feed the next addition of the same register and nothing else.
            while (i + 1 < m_code.size() && m_code[i + 1].op == FastOp::Add &&
                   m_code[i + 1].a == instruction.target && m_code[i + 1].b == instruction.b &&
                   uses[static_cast<std::size_t>(instruction.target)] == 1) {
                ++i;
                instruction.target = m_code[i].target;
                ++instruction.count;
            }
            if (instruction.count > 1)
                instruction.op = FastOp::RepeatedAdd;
        }
        fused.push_back(instruction);
    }
    m_code = std::move(fused);
}

namespace {

constexpr std::uint64_t fractionBits = 0xfffffffffffffull;
constexpr double twoTo52 = 0x1p52;

int binade(double positive) {
    return static_cast<int>(std::bit_cast<std::uint64_t>(positive) >> 52);
}

bool plainSum(double a, double b, int count, double& out) {
    double sum = a;
    for (int k = 0; k < count; ++k) {
        sum += b;
        if (!isFinite(sum))
            return false;
    }
    out = sum;
    return true;
}

} // namespace

// Within one binade [2^E, 2^(E+1)) every sum is a multiple of its unit U, and adding b there
// adds b rounded to a multiple of U (to even on a tie, once the sum is an even multiple, which
// one rounded step inside the binade makes it). So the sums grow by one fixed step until the
// top of the binade, and the number of such steps is an integer division. One rounded step is
// taken at each entry into a binade, and the binades are few: a sum of n terms crosses about
// log2(n) of them. Positive terms only, far from underflow and overflow; the sign is symmetric.
bool repeatedSumInBlocks(double a, double b, std::int64_t count, double& out) {
    const double first = std::fabs(a);
    const double step = std::fabs(b);
    const bool sameSign = (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0);
    if (count < 16 || !sameSign || first < 0x1p-900 || step < 0x1p-900 || first > 0x1p900 ||
        step > 0x1p900 || first + (static_cast<double>(count) + 1.0) * step > 0x1p1000)
        return false;
    double sum = first;
    std::int64_t done = 0;
    while (done < count) {
        const double next = sum + step;
        ++done;
        const bool sameBinade = binade(next) == binade(sum);
        sum = next;
        if (!sameBinade || done == count)
            continue;
        // Units of U: the sum is 2^52 + its fraction bits, the top of the binade 2^53.
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(sum);
        const std::uint64_t unitBits = (bits & ~fractionBits) - (52ull << 52);
        const double unit = std::bit_cast<double>(unitBits);
        const double inverseUnit = std::bit_cast<double>((2046ull << 52) - unitBits);
        const double scaled = step * inverseUnit; // exact: powers of two
        const double rounded = scaled >= twoTo52 ? scaled : (scaled + twoTo52) - twoTo52;
        const auto increment = static_cast<std::int64_t>(rounded);
        if (increment == 0)
            break; // b is below half a unit: the sum stays where it is
        const std::int64_t units = static_cast<std::int64_t>((bits & fractionBits) | (1ull << 52));
        const std::int64_t room = (std::int64_t{1} << 53) - units;
        const std::int64_t steps = std::min<std::int64_t>(room / increment, count - done);
        sum = static_cast<double>(units + steps * increment) * unit;
        done += steps;
    }
    out = a < 0.0 ? -sum : sum;
    return true;
}

bool repeatedSum(double a, double b, int count, double& out) {
    return repeatedSumInBlocks(a, b, count, out) || plainSum(a, b, count, out);
}

} // namespace quilora::interpreter
