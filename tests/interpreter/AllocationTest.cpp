// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EquationInternals.h"
#include "EquationTestSupport.h"

#include <cstdlib>
#include <new>
#include <string>

// Counts heap allocations made by this test program while counting is switched on. The
// address sanitizer keeps its own allocator, so the count is taken only without it.
#if !defined(__SANITIZE_ADDRESS__)
#define QUILORA_COUNTS_ALLOCATIONS 1
namespace {
bool countingAllocations = false;
long allocationCount = 0;
} // namespace

void* operator new(std::size_t size) {
    if (countingAllocations)
        ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// The replaced operators pair malloc with free themselves; the compiler cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#endif

namespace {

#if !defined(QUILORA_COUNTS_ALLOCATIONS)
bool countingAllocations = false;
long allocationCount = 0;
#endif

long allocationsOfPlot(clsEquation& equation) {
    allocationCount = 0;
    countingAllocations = true;
    double sum = 0;
    for (double x = -3; x <= 3; x += 0.01) {
        equation.Var(x < 0 ? "x" : "X", x);
        equation.Solve();
        sum += equation.Solution() + equation.Solution();
    }
    countingAllocations = false;
    EXPECT_TRUE(sum == sum);
    return allocationCount;
}

TEST(Allocation, SolvingAgainAllocatesNothing) {
#if !defined(QUILORA_COUNTS_ALLOCATIONS)
    GTEST_SKIP() << "allocations are not counted under the address sanitizer";
#endif
    std::string longSum = "x";
    for (int i = 0; i < 999; ++i)
        longSum += "+x";
    for (const std::string text :
         {"1/2x^2-4", "sen(2x)+abs(x)", "sqr(x)*log(x+20)", "2+( 1/2(x+(2))^2-4 )",
          "(x^3-2x)/(x^2+1)", "max(sen(x),cos(x))*exp(-abs(x)/5)", "rnd+rand(6)+random(1,x)",
          "(-8)^(1/3)+sqr(-x)+ln(x)+max(1,x,3)+(+)+2*", "exp(x)/(x+10)", longSum.c_str()}) {
        for (bool compiled : {true, false}) {
            clsEquation equation;
            quilora::interpreter::EquationInternals::useCompiledProgram(equation, compiled);
            equation.Equation(text);
            equation.Var("x", 1);
            equation.Solve();
            EXPECT_EQ(allocationsOfPlot(equation), 0) << text << " compiled " << compiled;
        }
    }
}

} // namespace
