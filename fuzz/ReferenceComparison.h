// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExpressionInvariants.h"
#include "Outcome.h"
#include "ReferenceEquation.h"

#include "clsEquation.h"

#include <sstream>
#include <string>
#include <string_view>

/// The library against the literal step-by-step evaluator on the same bytes: same values bit
/// for bit, same errors, same silent failures.
namespace ReferenceComparison {

/// The literal evaluator searches neighbours linearly: longer texts would only slow the fuzzer.
constexpr std::size_t kMaxBytes = 2048;

/// Returns how the two disagree, or an empty text when they agree at every abscissa.
inline std::string Difference(std::string_view bytes) {
    if (bytes.size() > kMaxBytes || ExpressionInvariants::MayDrawRandomNumbers(bytes)) {
        return "";
    }
    static constexpr double abscissas[] = {0.0, -2.5, 3.0, 1e6, -1e300, 0.001, 0.1};
    clsEquation library;
    ReferenceEquation reference;
    library.Var("a", 1.5);
    reference.Var("a", 1.5);
    library.Equation(bytes);
    reference.Equation(bytes);
    for (double x : abscissas) {
        library.Var("x", x);
        reference.Var("x", x);
        Outcome fromLibrary = SolveOutcome<InterpreterError>(library);
        Outcome fromReference = SolveOutcome<ReferenceError>(reference);
        if (!(fromLibrary == fromReference)) {
            std::ostringstream text;
            text << "at x = " << x << " the library gives " << fromLibrary << ", the reference "
                 << fromReference;
            return text.str();
        }
    }
    return "";
}

} // namespace ReferenceComparison
