// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DocumentedExamples.h"
#include "ReferenceEquation.h"
#include "StateChecks.h"

#include <gtest/gtest.h>

// The yardstick must itself reproduce every documented behaviour before it judges the library.
TEST(ReferenceEquation, ReproducesTheDocumentedExamples) {
    CheckDocumentedExamples<ReferenceEquation, ReferenceError>();
}

TEST(ReferenceEquation, FollowsTheObjectLifecycle) {
    CheckStateMachine<ReferenceEquation, ReferenceError>();
}
