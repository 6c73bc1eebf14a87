#include "DialogosGuiados.h"
#include "Form1.h"
#include "clsEquation.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

// The bare cost: the initial expression evaluated at the 20001 abscissas of the initial window.
void BM_AvaliacoesSemDesenho(benchmark::State& estado) {
    for (auto _ : estado) {
        clsEquation equacao;
        equacao.Equation("1/2x^2-4");
        double soma = 0;
        double x = -10;
        for (int i = 0; i < 20001; ++i, x += 0.001) {
            equacao.Var("x", x);
            equacao.Solve();
            soma += equacao.Solution();
        }
        benchmark::DoNotOptimize(soma);
    }
}
BENCHMARK(BM_AvaliacoesSemDesenho)->Unit(benchmark::kMillisecond);

// A click of "Desenhar" on the initial main window.
void BM_CliqueDesenhar(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    auto* desenhar = form.findChild<QAbstractButton*>(QStringLiteral("Desenhar"));
    for (auto _ : estado)
        desenhar->click();
}
BENCHMARK(BM_CliqueDesenhar)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
