// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <random>
#include <string>

/// Random expression texts for comparing two evaluators: well-formed ones drawn from the
/// grammar, junk over the token alphabet, and well-formed ones with a few characters mangled.
/// Never produces a text that draws random numbers (rnd, rand, random).
class ExpressionGenerator {
public:
    explicit ExpressionGenerator(unsigned seed) : m_random(seed) {}

    std::string WellFormed();
    std::string Junk();
    std::string Mangled();

    /// True when the text, read as the tokeniser reads it, could call the random generator.
    static bool DrawsRandomNumbers(const std::string& text);

private:
    std::string Expression(int depth);
    std::string Term(int depth);
    std::string Factor(int depth);
    std::string Primary(int depth);
    std::string Group(int depth);
    std::string Number();
    std::string Blank();
    void Balance(std::string& text);
    int Below(int bound);
    bool Chance(int percent);

    std::mt19937 m_random;
};
