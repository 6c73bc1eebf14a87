// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DocumentedExamples.h"
#include "StateChecks.h"

#include "clsEquation.h"

#include <gtest/gtest.h>

TEST(Conformance, LibraryReproducesTheDocumentedExamples) {
    CheckDocumentedExamples<clsEquation, InterpreterError>();
}

TEST(Conformance, LibraryFollowsTheObjectLifecycle) {
    CheckStateMachine<clsEquation, InterpreterError>();
}
