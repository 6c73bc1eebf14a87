// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomGenerator.h"

#include <bit>
#include <chrono>
#include <cstdint>

namespace quilora::interpreter {

namespace {

std::uint64_t mix(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t clockTicks() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

class Generator {
public:
    Generator() : m_state(mix(clockTicks())) {}

    float next() {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        // 24 bits fill a float mantissa exactly, so the value stays below 1.
        const auto bits = static_cast<std::uint32_t>(mix(m_state) >> 40);
        m_last = static_cast<float>(bits) * 0x1p-24f;
        return m_last;
    }

    float draw(double argument) {
        if (argument < 0.0) {
            m_state = mix(std::bit_cast<std::uint64_t>(argument));
            return next();
        }
        if (argument == 0.0)
            return m_last;
        return next();
    }

    void reseed() { m_state ^= mix(clockTicks()); }

private:
    std::uint64_t m_state;
    float m_last = 0.0f;
};

// The single piece of global state of the interpreter.
Generator& generator() {
    static Generator instance;
    return instance;
}

} // namespace

float randomNext() {
    return generator().next();
}

float randomDraw(double argument) {
    return generator().draw(argument);
}

void reseedRandomFromClock() {
    generator().reseed();
}

} // namespace quilora::interpreter
