// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quilora::interpreter {

/// a + b + b + ... + b with count terms b, added one at a time from the left and each sum
/// rounded, exactly as that chain of additions; false when a sum overflows.
bool repeatedSum(double a, double b, int count, double& out);

/// The same sum found in blocks, in a time that grows with the number of binades crossed, not
/// with count. False, leaving out alone, where the blocks do not apply: fewer than 16 terms,
/// a and b of opposite signs or zero, magnitudes near underflow or overflow.
bool repeatedSumInBlocks(double a, double b, std::int64_t count, double& out);

} // namespace quilora::interpreter
