// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of reading long texts: it grows with the length of the text, not faster, whatever
// the bars, commas and products in it.
#include "PreparacaoTexto.h"

#include <benchmark/benchmark.h>

namespace {

QString repetido(const QString& peca, qsizetype caracteres) {
    QString texto;
    while (texto.size() + peca.size() <= caracteres)
        texto += peca;
    return texto;
}

void ler(benchmark::State& estado, const QString& texto) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(PrepararTexto(texto));
    estado.counters["carateres"] = static_cast<double>(texto.size());
}

// Products of factors, bars, decimal commas, superscripts and calls, as a class writes them.
void BM_TextoDaTurma(benchmark::State& estado) {
    ler(estado,
        repetido(QStringLiteral("|x-1|(x+1)+0,5x²-sen(0,5x)cos(x)+"), estado.range(0)) + u'1');
}
BENCHMARK(BM_TextoDaTurma)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Bars nested as deep as they go: ||||…x…||||.
void BM_BarrasEncaixadas(benchmark::State& estado) {
    const auto pares = estado.range(0) / 2;
    ler(estado, QString(pares, u'|') + u'x' + QString(pares, u'|'));
}
BENCHMARK(BM_BarrasEncaixadas)->Arg(1000)->Arg(9000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Bars with two readings all along, |x|x|x|…|: refused, after reading them all.
void BM_BarrasAmbiguas(benchmark::State& estado) {
    ler(estado, repetido(QStringLiteral("|x"), estado.range(0) * 2) + u'|');
}
BENCHMARK(BM_BarrasAmbiguas)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Bars side by side and one inside the other: |x|·|x| … and |2|x||.
void BM_BarrasLadoALado(benchmark::State& estado) {
    ler(estado, repetido(QStringLiteral("|x||2|x||"), estado.range(0) * 9 / 5));
}
BENCHMARK(BM_BarrasLadoALado)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A tower of powers, 2^2^2^…, and a long name that runs variables together, xxx…x.
void BM_Torre(benchmark::State& estado) {
    ler(estado, repetido(QStringLiteral("2^"), estado.range(0)) + u'x');
}
BENCHMARK(BM_Torre)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_NomeComprido(benchmark::State& estado) {
    ler(estado, QString(estado.range(0), u'x') + QStringLiteral("(x)"));
}
BENCHMARK(BM_NomeComprido)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Commas in a function of two arguments: max(1,1,1,…,1).
void BM_VirgulasDeMax(benchmark::State& estado) {
    ler(estado, QStringLiteral("max(") + repetido(QStringLiteral("1,"), estado.range(0)) +
                    QStringLiteral("1)"));
}
BENCHMARK(BM_VirgulasDeMax)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
