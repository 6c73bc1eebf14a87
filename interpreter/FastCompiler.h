// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExpressionToken.h"
#include "FastProgram.h"
#include "VariableTable.h"

#include <optional>

namespace quilora::interpreter {

/// Builds the straight-line program of an expression by running the evaluation once over the
/// kinds of its cells (empty, text or a value held in a register) instead of their numbers.
/// Which case each entry takes, where the neighbour searches land and which conversions fail
/// depend only on those kinds, and the silent failures that depend on numbers leave the kinds
/// as they are, so the program holds for every value of the variables.
///
/// There is no program when the run would draw random numbers, or would report an error
/// whatever the numbers (an unknown name or function, an empty call, an overflowing number):
/// the evaluation itself then runs every time.
std::optional<FastProgram> compileFastProgram(const ParsedExpression& expression,
                                              const VariableTable& variables);

} // namespace quilora::interpreter
