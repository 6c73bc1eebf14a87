// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clsEquation.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

/// What must hold for any text given to the interpreter, whatever its bytes: shared by the
/// fuzz target and by the test that replays saved inputs.
namespace ExpressionInvariants {

/// Texts longer than this say nothing new: the character limit is already passed.
constexpr std::size_t kMaxBytes = 40000;

inline bool IsReportedNumber(int number) {
    return number == 6 || number == 9 || number == 11 || (number >= 1100 && number <= 1105);
}

inline bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline std::string CheckError(const InterpreterError& error) {
    if (!IsReportedNumber(error.number())) {
        return "unexpected error number " + std::to_string(error.number());
    }
    if (error.source() != "Interpretador") {
        return "error source '" + error.source() + "'";
    }
    if (error.description().empty()) {
        return "error " + std::to_string(error.number()) + " without a description";
    }
    return "";
}

/// A read while the object is still stale solves again and must fail the same way.
inline std::string CheckReportedAgain(clsEquation& equation, const InterpreterError& error) {
    try {
        equation.Solution();
        return "a read after an error did not report it again";
    } catch (const InterpreterError& again) {
        if (again.number() != error.number() || again.description() != error.description()) {
            return "a read after an error reported another error";
        }
    }
    return "";
}

/// True when the text may draw random numbers: then a second evaluation may end otherwise.
inline bool MayDrawRandomNumbers(std::string_view bytes) {
    std::string read; // what the tokeniser keeps of names: letters, digits and "_"
    for (char c : bytes) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') {
            read += c;
        } else if (c >= 'A' && c <= 'Z') {
            read += static_cast<char>(c - 'A' + 'a');
        }
    }
    return read.find("rnd") != std::string::npos || read.find("rand") != std::string::npos;
}

/// Solves the text at a few abscissas; returns what broke, or an empty text when all held.
inline std::string Violation(std::string_view bytes) {
    if (bytes.size() > kMaxBytes) {
        return "";
    }
    static constexpr double abscissas[] = {0.0, -2.5, 3.0, 1e6, -1e300, 0.001};
    // long texts cost much under the sanitizers and rarely depend on x: two abscissas do
    const std::size_t count = bytes.size() > 4096 ? 2 : std::size(abscissas);
    clsEquation equation;
    equation.Var("a", 1.5);
    equation.Equation(bytes);
    if (equation.Equation().size() != bytes.size()) {
        return "the stored text changed length";
    }
    double last = 0; // a new object's solution until something is solved
    bool probed = false;
    for (std::size_t k = 0; k < count; ++k) {
        equation.Var("x", abscissas[k]);
        try {
            equation.Solve();
            double value = equation.Solution();
            if (!std::isfinite(value)) {
                return "a non-finite solution";
            }
            if (!SameBits(equation.Solution(), value)) {
                return "a second read changed the solution";
            }
            last = value;
            continue;
        } catch (const InterpreterError& error) {
            if (std::string broken = CheckError(error); !broken.empty()) {
                return broken;
            }
            if (!MayDrawRandomNumbers(bytes)) {
                if (std::string broken = CheckReportedAgain(equation, error); !broken.empty()) {
                    return broken;
                }
            }
        }
        if (probed) {
            continue;
        }
        // '+0' ends without a value of its own, which shows the value kept through the error;
        // once per text is enough, as the text is read again afterwards
        probed = true;
        equation.Equation("+0");
        try {
            equation.Solve();
        } catch (const InterpreterError&) {
            return "'+0' reported an error";
        }
        if (!SameBits(equation.Solution(), last)) {
            return "the solution changed after a reported error";
        }
        equation.Equation(bytes);
    }
    return "";
}

} // namespace ExpressionInvariants
