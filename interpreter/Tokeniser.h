// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExpressionToken.h"

#include <string_view>

namespace quilora::interpreter {

/// Reads an expression (already in lower case) into tokens, priorities and the evaluation
/// order. Raises error 1100 for unequal numbers of parentheses and error 6 when a 16-bit counter
/// (characters, positions, depth or priority) would run out of range.
ParsedExpression parseExpression(std::string_view text);

} // namespace quilora::interpreter
