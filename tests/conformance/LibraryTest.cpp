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
