// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogosGuiados.h"
#include "Form1.h"
#include "PainelExercicio.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

const char* const kG[] = {"-f(x-1)+3", "f(|x|)", "2f(x)+1", "f(f(x))"};
const char* const kDominios[] = {"", "[-3, 2]"};

// What a pupil waits for after Enter in g(x) =: g drawn in the transform area on the domain of
// f (or without one), its notable points and those of f found, the table filled and the graphs
// labelled.
void BM_EnterEmG(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    form.accaoPainel()->setChecked(true);
    PainelExercicio& painel = *form.painel();
    painel.campoDominio()->setText(QString::fromUtf8(kDominios[estado.range(1)]));
    form.funcao1()->setText(QStringLiteral("x^2-4"));
    form.desenhar();
    painel.campoG()->setText(QString::fromUtf8(kG[estado.range(0)]));
    auto* apagar = form.findChild<QAbstractButton*>(QStringLiteral("ApagarT"));
    for (auto _ : estado) {
        estado.PauseTiming();
        apagar->click();
        estado.ResumeTiming();
        painel.desenharG();
    }
    estado.SetLabel(
        QStringLiteral("%1 %2")
            .arg(QString::fromUtf8(kG[estado.range(0)]),
                 estado.range(1) ? QStringLiteral("em [-3, 2]") : QStringLiteral("em R"))
            .toStdString());
}
BENCHMARK(BM_EnterEmG)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
