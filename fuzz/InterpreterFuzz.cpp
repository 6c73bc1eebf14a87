// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry: any bytes become an expression, solved at a few abscissas, checked for
// the invariants and against the literal step-by-step evaluator.
#include "ExpressionInvariants.h"
#include "ReferenceComparison.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string broken = ExpressionInvariants::Violation(bytes);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    std::string difference = ReferenceComparison::Difference(bytes);
    if (!difference.empty()) {
        std::fprintf(stderr, "differs from the literal evaluator: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
