// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExpressionInvariants.h"
#include "ReferenceComparison.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void CheckFolder(const std::filesystem::path& folder) {
    if (!std::filesystem::is_directory(folder)) {
        return;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) {
            continue;
        }
        std::ifstream file(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(ExpressionInvariants::Violation(bytes), "") << entry.path();
        EXPECT_EQ(ReferenceComparison::Difference(bytes), "") << entry.path();
    }
}

} // namespace

// Inputs that once broke the interpreter under the fuzzer, and the seed corpus, keep holding.
TEST(FuzzRegression, SavedInputsKeepTheInvariants) {
    std::filesystem::path regressions = QUILORA_FUZZ_REGRESSIONS;
    CheckFolder(regressions);
    CheckFolder(regressions.parent_path() / "corpus");
}
