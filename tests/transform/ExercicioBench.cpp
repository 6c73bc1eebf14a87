// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnaliseCurva.h"
#include "FuncaoComposta.h"
#include "LeituraComposicao.h"
#include "TracadoComDominio.h"

#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>

namespace {

const QString kF = QStringLiteral("1/2x^2-4");
const char* const kG[] = {"f(x)", "f(2x)", "-2f(x-1)+3", "f(|x|)", "f(f(x))"};
// The domain of f: one that holds the whole window (every sample tested and evaluated) and the
// one of an exercise (the values beyond it are not evaluated at all).
const Intervalo kDominios[] = {{-100, 100, true, true}, {-5, 3, true, true}};

JanelaGrafica janelaInicial() {
    JanelaGrafica janela;
    janela.JanelaXmin = janela.JanelaYmin = -10;
    janela.JanelaXmax = janela.JanelaYmax = 10;
    return janela;
}

double segundosDeCpu() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A plot of a transform into the transform area, without a domain and with one, in turns on
// the same area: the CPU time of each (ms) and their ratio.
void BM_TracadoComESemDominio(benchmark::State& estado) {
    QWidget pai;
    AreaGrafica area(&pai, QRect(0, 0, 497, 497), {"P2", "P4", "I5", "I4"});
    for (Quadro* q : {&area.persistente(), &area.sobreposicao()})
        q->escala(-10.8, 10.8, 10.8, -10.8);
    const JanelaGrafica janela = janelaInicial();
    const Composicao g = lerComposicao(QString::fromUtf8(kG[estado.range(0)]), kF).composicao;
    FuncaoComposta sem(g, kF, Intervalo::reta());
    FuncaoComposta com(g, kF, kDominios[estado.range(1)]);
    double tempoSem = 0, tempoCom = 0;
    for (auto _ : estado) {
        for (FuncaoComposta* curva : {&sem, &com}) {
            estado.PauseTiming();
            area.persistente().limpar();
            estado.ResumeTiming();
            const double inicio = segundosDeCpu();
            TracarComDominio(*curva, area, janela, Qt::blue, PoliticaFalha::Saltar);
            (curva == &sem ? tempoSem : tempoCom) += segundosDeCpu() - inicio;
        }
    }
    const double n = static_cast<double>(estado.iterations());
    estado.counters["sem_ms"] = 1000 * tempoSem / n;
    estado.counters["com_ms"] = 1000 * tempoCom / n;
    estado.counters["razao"] = tempoCom / tempoSem;
    estado.SetLabel(kG[estado.range(0)]);
}
BENCHMARK(BM_TracadoComESemDominio)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The notable points, the domain and the range of f on [-5, 3] and of a transform of it in the
// initial window.
void BM_PontosNotaveis(benchmark::State& estado) {
    const Composicao g = lerComposicao(QString::fromUtf8(kG[estado.range(0)]), kF).composicao;
    FuncaoComposta curva(g, kF, kDominios[estado.range(1)]);
    const JanelaGrafica janela = janelaInicial();
    for (auto _ : estado)
        benchmark::DoNotOptimize(analisarCurva(curva, janela));
    estado.SetLabel(kG[estado.range(0)]);
}
BENCHMARK(BM_PontosNotaveis)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
