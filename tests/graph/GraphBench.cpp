#include "BotaoOpcao.h"
#include "DialogosGuiados.h"
#include "Form1.h"
#include "GrupoTransformacoes.h"
#include "clsEquation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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

// 1000 moves of the pointer across the function area over the initial f: each one evaluates f
// once and updates the readout (its repaint is left to the event loop, as on screen).
void BM_MilMovimentosDoPonteiro(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    form.findChild<QAbstractButton*>(QStringLiteral("Desenhar"))->click();
    QWidget& quadro = form.areaFuncao().persistente();
    for (auto _ : estado) {
        for (int i = 0; i < 1000; ++i) {
            const QPointF ponto(3 + i % 490, 100 + i % 300);
            QMouseEvent movimento(QEvent::MouseMove, ponto, quadro.mapToGlobal(ponto), Qt::NoButton,
                                  Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&quadro, &movimento);
        }
    }
}
BENCHMARK(BM_MilMovimentosDoPonteiro)->Unit(benchmark::kMillisecond);

// One step of a with the Down key while "a.f(x)" is marked: the value written back and the
// preview of the initial f drawn again (its repaint left to the event loop).
void BM_PassoComPrevisao(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    form.grupoTransformacoes()->opcao(9)->click();
    QLineEdit* a = form.grupoTransformacoes()->valorDeA();
    for (auto _ : estado) {
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(a, &tecla);
        a->setText(QStringLiteral("2"));
    }
}
BENCHMARK(BM_PassoComPrevisao)->Unit(benchmark::kMillisecond);

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
