// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalDoAmbiente.h"

#include <gtest/gtest.h>

// The main of the tests that need no Qt: they too run under the locale of the environment.
int main(int argc, char** argv) {
    if (!usarLocalDoAmbiente())
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
