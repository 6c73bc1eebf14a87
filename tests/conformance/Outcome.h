// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <bit>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>

/// What one Solve shows its caller: a value (compared bit for bit) or an error, and whether the
/// last Solve that ran to its end met a silent failure.
struct Outcome {
    bool solved = false;
    double value = 0;
    int number = 0;
    std::string source;
    std::string description;
    bool silentFailure = false;

    bool operator==(const Outcome& other) const {
        if (solved != other.solved || silentFailure != other.silentFailure) {
            return false;
        }
        if (solved) {
            return std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(other.value);
        }
        return number == other.number && source == other.source && description == other.description;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    if (outcome.solved) {
        std::ostringstream text;
        text.precision(17);
        text << outcome.value << " [0x" << std::hex << std::bit_cast<std::uint64_t>(outcome.value)
             << "]";
        out << text.str();
    } else {
        out << "error " << outcome.number << " (" << outcome.source << ") '" << outcome.description
            << "'";
    }
    return out << (outcome.silentFailure ? ", silent failure" : "");
}

/// The value read, or the error caught, while running read.
template <class Error, class Read> Outcome CaptureOutcome(Read read) {
    Outcome outcome;
    try {
        outcome.value = read();
        outcome.solved = true;
    } catch (const Error& error) {
        outcome.number = error.number();
        outcome.source = error.source();
        outcome.description = error.description();
    }
    return outcome;
}

/// Runs Solve and reads Solution the way the plot does, catching the evaluator's error type.
template <class Error, class Equation> Outcome SolveOutcome(Equation& equation) {
    Outcome outcome = CaptureOutcome<Error>([&equation] {
        equation.Solve();
        return equation.Solution();
    });
    outcome.silentFailure = equation.SilentFailure();
    return outcome;
}

/// Reads Solution alone, which solves again only while something changed.
template <class Error, class Equation> Outcome ReadOutcome(Equation& equation) {
    Outcome outcome = CaptureOutcome<Error>([&equation] { return equation.Solution(); });
    outcome.silentFailure = equation.SilentFailure();
    return outcome;
}
