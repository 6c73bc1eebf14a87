// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of one evaluation of the interpreter, side by side with muparser and native C++.
#include "clsEquation.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

/// One formula written three ways: for the interpreter, for muparser and as C++.
struct Formula {
    std::string name;
    std::string quilora;
    std::string muparser;
    std::function<double(double)> native;
};

std::string RepeatedSum(int terms) {
    std::string text = "x";
    for (int k = 1; k < terms; ++k) {
        text += "+x";
    }
    return text;
}

const std::vector<Formula>& Formulas() {
    static const std::vector<Formula> formulas = {
        {"parabola", "1/2x^2-4", "1/2*x^2-4", [](double x) { return 1.0 / 2 * (x * x) - 4; }},
        {"sine_abs", "sen(2x)+abs(x)", "sin(2*x)+abs(x)",
         [](double x) { return std::sin(2 * x) + std::fabs(x); }},
        {"sqrt_log", "sqr(x)*log(x+20)", "sqrt(x)*ln(x+20)",
         [](double x) { return std::sqrt(x) * std::log(x + 20); }},
        {"wrapped_parabola", "2+( 1/2(x+(2))^2-4 )", "2+(1/2*(x+(2))^2-4)",
         [](double x) { return 2 + (1.0 / 2 * ((x + 2) * (x + 2)) - 4); }},
        {"rational", "(x^3-2x)/(x^2+1)", "(x^3-2*x)/(x^2+1)",
         [](double x) { return (x * x * x - 2 * x) / (x * x + 1); }},
        {"damped_max", "max(sen(x),cos(x))*exp(-abs(x)/5)", "max(sin(x),cos(x))*exp(-abs(x)/5)",
         [](double x) { return std::max(std::sin(x), std::cos(x)) * std::exp(-std::fabs(x) / 5); }},
        {"sum_1000", RepeatedSum(1000), RepeatedSum(1000),
         [](double x) {
             double sum = x;
             for (int k = 1; k < 1000; ++k) {
                 sum += x; // rounded at every step: no compiler may fold it into 1000*x
             }
             return sum;
         }},
    };
    return formulas;
}

/// The abscissas of a plot, -10 to 10 by 0.001, visited again and again.
class Sweep {
public:
    double Next() {
        m_x += 0.001;
        if (m_x > 10) {
            m_x = -10;
        }
        return m_x;
    }

private:
    double m_x = -10;
};

void Interpreter(benchmark::State& state, const Formula& formula) {
    clsEquation equation;
    equation.Equation(formula.quilora);
    equation.Var("x", 0);
    equation.Solve(); // the first Solve reads the text
    Sweep sweep;
    for (auto _ : state) {
        equation.Var("x", sweep.Next());
        equation.Solve();
        benchmark::DoNotOptimize(equation.Solution());
    }
}

void MuParser(benchmark::State& state, const Formula& formula) {
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(formula.muparser);
    parser.Eval(); // the first evaluation reads the text
    Sweep sweep;
    for (auto _ : state) {
        x = sweep.Next();
        benchmark::DoNotOptimize(parser.Eval());
    }
}

void Native(benchmark::State& state, const Formula& formula) {
    Sweep sweep;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formula.native(sweep.Next()));
    }
}

// CPU time of this thread: other processes on the shared cores do not count.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// All three in alternating blocks of the same abscissas, so that the ratios come from one
// moment of a shared, noisy machine.
void SideBySide(benchmark::State& state, const Formula& formula) {
    constexpr int kBlock = 2048; // long enough to hide the cost of reading the clock
    clsEquation equation;
    equation.Equation(formula.quilora);
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(formula.muparser);
    parser.Eval();
    equation.Var("x", 0);
    equation.Solve();
    std::vector<double> block(kBlock);
    Sweep sweep;
    double interpreter = 0, muparser = 0, native = 0;
    for (auto _ : state) {
        for (double& value : block) {
            value = sweep.Next();
        }
        double start = ThreadSeconds();
        for (double value : block) {
            equation.Var("x", value);
            equation.Solve();
            benchmark::DoNotOptimize(equation.Solution());
        }
        double afterInterpreter = ThreadSeconds();
        for (double value : block) {
            x = value;
            benchmark::DoNotOptimize(parser.Eval());
        }
        double afterMuparser = ThreadSeconds();
        for (double value : block) {
            benchmark::DoNotOptimize(formula.native(value));
        }
        double end = ThreadSeconds();
        interpreter += afterInterpreter - start;
        muparser += afterMuparser - afterInterpreter;
        native += end - afterMuparser;
    }
    const double evaluations = static_cast<double>(state.iterations()) * kBlock;
    auto ns = [evaluations](double seconds) { return seconds * 1e9 / evaluations; };
    state.counters["quilora_ns"] = ns(interpreter);
    state.counters["muparser_ns"] = ns(muparser);
    state.counters["native_ns"] = ns(native);
    state.counters["vs_muparser"] = ns(interpreter) / ns(muparser);
    state.counters["vs_native"] = ns(interpreter) / ns(native);
}

// "x*2+1-x/3+x...": a chain of mixed operators that has to be computed step by step.
std::string MixedChain(int terms) {
    static const char* const pieces[] = {"*2", "+1", "-x", "/3", "+x"};
    std::string text = "x";
    for (int k = 1; k < terms; ++k) {
        text += pieces[k % 5];
    }
    return text;
}

int TokenCount(const std::string& text) {
    int tokens = 0;
    bool inOperand = false;
    for (char c : text) {
        bool operand = c != '+' && c != '-' && c != '*' && c != '/';
        tokens += !operand || !inOperand;
        inOperand = operand;
    }
    return tokens;
}

// Time per token of a long chain: flat when the evaluation is linear in the tokens.
void TokenScaling(benchmark::State& state, std::string (*chain)(int)) {
    const int terms = static_cast<int>(state.range(0));
    const std::string text = chain(terms);
    clsEquation equation;
    equation.Equation(text);
    equation.Var("x", 0);
    equation.Solve();
    Sweep sweep;
    for (auto _ : state) {
        equation.Var("x", sweep.Next());
        equation.Solve();
        benchmark::DoNotOptimize(equation.Solution());
    }
    state.counters["per_token"] =
        benchmark::Counter(TokenCount(text), benchmark::Counter::kIsIterationInvariantRate |
                                                 benchmark::Counter::kInvert);
}

// One click on "Desenhar": 20001 abscissas from -10 to 10 by repeated addition of 0.001.
void PlotLoop(benchmark::State& state, const std::string& text) {
    clsEquation equation;
    equation.Equation(text);
    int points = 0;
    for (auto _ : state) {
        points = 0;
        for (double x = -10; x <= 10.0005; x += 0.001) {
            equation.Var("x", x);
            equation.Solve();
            double y = equation.Solution();
            points += y > -10 && y < 10;
        }
        benchmark::DoNotOptimize(points);
    }
    state.counters["per_evaluation"] = benchmark::Counter(
        20001, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void RegisterAll() {
    for (const Formula& formula : Formulas()) {
        benchmark::RegisterBenchmark(("Quilora/" + formula.name).c_str(), Interpreter, formula);
        benchmark::RegisterBenchmark(("MuParser/" + formula.name).c_str(), MuParser, formula);
        benchmark::RegisterBenchmark(("Native/" + formula.name).c_str(), Native, formula);
    }
    for (const Formula& formula : Formulas()) {
        benchmark::RegisterBenchmark(("SideBySide/" + formula.name).c_str(), SideBySide, formula);
    }
    using Chain = std::string (*)(int);
    const std::pair<const char*, Chain> chains[] = {{"TokenScaling/sum", RepeatedSum},
                                                    {"TokenScaling/mixed", MixedChain}};
    for (const auto& [name, chain] : chains) {
        benchmark::RegisterBenchmark(name, TokenScaling, chain)
            ->Arg(10)
            ->Arg(100)
            ->Arg(1000)
            ->Arg(10000);
    }
    benchmark::RegisterBenchmark("PlotLoop/parabola", PlotLoop, std::string("1/2x^2-4"));
    benchmark::RegisterBenchmark("PlotLoop/sqrt_log", PlotLoop, std::string("sqr(x)*log(x+20)"));
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
