// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clsEquation.h"

namespace quilora::interpreter {

/// Reaches inside an expression object, for the interpreter's own tests: the compiled program
/// can be switched off, so that the evaluation alone answers, and its presence can be checked.
struct EquationInternals {
    static void useCompiledProgram(clsEquation& equation, bool use) {
        equation.m_fastPathEnabled = use;
        equation.m_fastReady = false;
        equation.m_fastCompiled = false;
    }
    /// Whether the last Solve had a compiled program for the expression.
    static bool hasCompiledProgram(const clsEquation& equation) {
        return equation.m_fastCompiled && equation.m_fastProgram.has_value();
    }
};

} // namespace quilora::interpreter
