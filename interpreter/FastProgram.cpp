#include "FastProgram.h"

#include <algorithm>
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
bool repeatedSum(double a, double b, int count, double& out) {
    const double first = std::fabs(a);
    const double step = std::fabs(b);
    const bool sameSign = (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0);
    if (count < 16 || !sameSign || first < 0x1p-900 || step < 0x1p-900 || first > 0x1p900 ||
        step > 0x1p900 || first + (count + 1.0) * step > 0x1p1000)
        return plainSum(a, b, count, out);
    double sum = first;
    int done = 0;
    while (done < count) {
        const double next = sum + step;
        ++done;
        const bool sameBinade = binade(next) == binade(sum);
        sum = next;
        if (!sameBinade || done == count)
            continue;
        // Units of U: the sum is 2^52 + its fraction bits, the top of the binade 2^53.
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(sum);
        const double unit = std::bit_cast<double>((bits & ~fractionBits) - (52ull << 52));
        const double scaled = step / unit; // exact: a power of two
        const double rounded = scaled >= twoTo52 ? scaled : (scaled + twoTo52) - twoTo52;
        const auto increment = static_cast<std::int64_t>(rounded);
        if (increment == 0)
            break; // b is below half a unit: the sum stays where it is
        const std::int64_t units = static_cast<std::int64_t>((bits & fractionBits) | (1ull << 52));
        const std::int64_t room = (std::int64_t{1} << 53) - units;
        const std::int64_t steps = std::min<std::int64_t>(room / increment, count - done);
        sum = static_cast<double>(units + steps * increment) * unit;
        done += static_cast<int>(steps);
    }
    out = a < 0.0 ? -sum : sum;
    return true;
}

} // namespace quilora::interpreter
