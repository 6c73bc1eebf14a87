// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BotaoOpcao.h"
#include "DialogosGuiados.h"
#include "Disposicao.h"
#include "EcraSemMonitor.h"
#include "Form1.h"
#include "GrupoTransformacoes.h"
#include "clsEquation.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
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
// preview of the initial f drawn again, once the queued events are handled (its repaint left to
// the event loop).
void passoDeA(QLineEdit* a) {
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(a, &tecla);
    QCoreApplication::processEvents();
    a->setText(QStringLiteral("2"));
}

void BM_PassoComPrevisao(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    form.grupoTransformacoes()->opcao(9)->click();
    QLineEdit* a = form.grupoTransformacoes()->valorDeA();
    for (auto _ : estado)
        passoDeA(a);
}
BENCHMARK(BM_PassoComPrevisao)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The worst texts a class may type, and the widest window: none may keep the window busy.
enum class PiorCaso { Parenteses, Simbolos, TextoLongo, JanelaLarga, JanelaLargaValida };

QString funcaoDoCaso(PiorCaso caso) {
    switch (caso) {
    case PiorCaso::Parenteses:
    case PiorCaso::JanelaLarga:
        return QString(3000, u'(') + u'x';
    case PiorCaso::Simbolos:
        return QStringLiteral("}^&/");
    case PiorCaso::TextoLongo: // 10 000 characters, the unknown variable at the end
        return QStringLiteral("x*").repeated(4999) + QStringLiteral("yy");
    case PiorCaso::JanelaLargaValida:
        break;
    }
    return QStringLiteral("1/2x^2-4");
}

// The main window with the case's f and window; the widest takes the most samples a plot may.
struct JanelaDoPiorCaso {
    explicit JanelaDoPiorCaso(PiorCaso caso) : form(dialogos) {
        form.show();
        form.funcao1()->setText(funcaoDoCaso(caso));
        if (caso == PiorCaso::JanelaLarga || caso == PiorCaso::JanelaLargaValida) {
            form.findChild<QLineEdit*>(QStringLiteral("Xmin"))
                ->setText(QStringLiteral("-1000000000"));
            form.findChild<QLineEdit*>(QStringLiteral("Xmax"))
                ->setText(QStringLiteral("1000000000"));
            form.desenharEixos();
        }
    }
    DialogosGuiados dialogos;
    Form1 form;
};

// A click of "Desenhar".
void BM_PiorDesenhar(benchmark::State& estado, PiorCaso caso) {
    JanelaDoPiorCaso janela(caso);
    for (auto _ : estado)
        janela.form.desenhar();
}

// The transformation "- f(x)" chosen: its plot, with the box or the note when it shows nothing.
void BM_PiorTransformada(benchmark::State& estado, PiorCaso caso) {
    JanelaDoPiorCaso janela(caso);
    for (auto _ : estado)
        janela.form.grupoTransformacoes()->executar(3);
}

// One step of a while "a.f(x)" is marked: its preview, or the note saying why there is none.
void BM_PiorPassoDeA(benchmark::State& estado, PiorCaso caso) {
    JanelaDoPiorCaso janela(caso);
    janela.form.grupoTransformacoes()->opcao(9)->click();
    QLineEdit* a = janela.form.grupoTransformacoes()->valorDeA();
    for (auto _ : estado)
        passoDeA(a);
}

#define QUILORA_PIORES_CASOS(medida)                                                               \
    BENCHMARK_CAPTURE(medida, parenteses_3000, PiorCaso::Parenteses)                               \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, simbolos, PiorCaso::Simbolos)->Unit(benchmark::kMillisecond);        \
    BENCHMARK_CAPTURE(medida, texto_10000, PiorCaso::TextoLongo)->Unit(benchmark::kMillisecond);   \
    BENCHMARK_CAPTURE(medida, janela_larga, PiorCaso::JanelaLarga)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(medida, janela_larga_valida, PiorCaso::JanelaLargaValida)                    \
        ->Unit(benchmark::kMillisecond)

QUILORA_PIORES_CASOS(BM_PiorDesenhar);
QUILORA_PIORES_CASOS(BM_PiorTransformada);
QUILORA_PIORES_CASOS(BM_PiorPassoDeA);

} // namespace

namespace {

// The main window with its client area at `escala` times its design size: the layout step
// lays it out at that scale.
void escalar(Form1& form, double escala) {
    const int barra = form.height() - form.areaCliente()->height();
    form.resize(qRound(1016 * escala), qRound(714 * escala) + barra);
}

// A click of "Desenhar" for the initial f with the window at scale 2: the picture and, for the
// screen, its image twice as large, every point a round dot; then the area painted.
void BM_CliqueDesenharNaEscala2(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    escalar(form, 2);
    Quadro& persistente = form.areaFuncao().persistente();
    persistente.imagemNoEcra(); // as shown before the click
    auto* desenhar = form.findChild<QAbstractButton*>(QStringLiteral("Desenhar"));
    auto* eixos = form.findChild<QAbstractButton*>(QStringLiteral("DesenharEixos"));
    for (auto _ : estado) {
        desenhar->click();
        benchmark::DoNotOptimize(persistente.grab());
        estado.PauseTiming();
        eixos->click(); // a fresh picture for the next click
        estado.ResumeTiming();
    }
    estado.counters["escala"] = form.disposicao().escala();
}
BENCHMARK(BM_CliqueDesenharNaEscala2)->Unit(benchmark::kMillisecond);

// A transform drawn over another in the transform area and the area painted, plain or with the
// legend (laid out again for the new curve) and thick curves, at scale 1 and as maximised on a
// 1920x1080 screen.
void BM_TransformadaComLegendaETracoGrosso(benchmark::State& estado, bool comLegenda,
                                           double escala) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    escalar(form, escala);
    for (const char* nome : {"Legenda", "TraçoGrosso"})
        form.findChild<QAction*>(QString::fromUtf8(nome))->setChecked(comLegenda);
    Quadro& persistente = form.areaTransformada().persistente();
    auto* apagar = form.findChild<QAbstractButton*>(QStringLiteral("ApagarT"));
    GrupoTransformacoes& grupo = *form.grupoTransformacoes();
    for (auto _ : estado) {
        estado.PauseTiming();
        apagar->click(); // a fresh picture with one transform in it
        grupo.opcao(7)->click();
        persistente.imagemNoEcra();
        estado.ResumeTiming();
        grupo.opcao(3)->click();
        benchmark::DoNotOptimize(persistente.grab());
    }
}
BENCHMARK_CAPTURE(BM_TransformadaComLegendaETracoGrosso, simples, false, 1.0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TransformadaComLegendaETracoGrosso, legenda_traco_grosso, true, 1.0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TransformadaComLegendaETracoGrosso, simples_1920x1080, false, 1.5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TransformadaComLegendaETracoGrosso, legenda_traco_grosso_1920x1080, true, 1.5)
    ->Unit(benchmark::kMillisecond);

// One step of resizing the maximised main window on a 1920x1080 screen, with f and a transform
// drawn: the layout at the new scale and the window painted, both areas drawn again at it.
void BM_PassoDeRedimensionamento(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    form.findChild<QAbstractButton*>(QStringLiteral("Desenhar"))->click();
    form.grupoTransformacoes()->opcao(3)->click();
    const int barra = form.height() - form.areaCliente()->height();
    bool maior = false;
    for (auto _ : estado) {
        maior = !maior;
        form.resize(maior ? QSize(1920, 1040 + barra) : QSize(1900, 1030 + barra));
        benchmark::DoNotOptimize(form.grab());
    }
    estado.counters["escala"] = form.disposicao().escala();
}
BENCHMARK(BM_PassoDeRedimensionamento)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The axis tables that draw the most marks and numbers the checks let through, and the widest
// ones they refuse.
enum class TabelaPesada {
    Inicial,
    PassosPequenos,
    JanelaDe1e9,
    JanelaDe1e9EmRadianos,
    JanelaDe1e38,
    JanelaDe1e308,
    LongeDeZero,
    UmPorPixel,
    UmPorPixelEmRadianos
};

struct TextosDaTabela {
    const char *xmin, *xmax, *ymin, *ymax, *passoX, *passoY;
    bool radianos = false;
};

TextosDaTabela textosDaTabela(TabelaPesada tabela) {
    switch (tabela) {
    case TabelaPesada::Inicial:
        break;
    case TabelaPesada::PassosPequenos:
        return {"-10", "10", "-10", "10", "0,00001", "0,0001"};
    case TabelaPesada::JanelaDe1e9:
        return {"-1000000000", "1000000000", "-1000000000", "1000000000", "1", "1"};
    case TabelaPesada::JanelaDe1e9EmRadianos:
        return {"-1000000000", "1000000000", "-1000000000", "1000000000", "1", "1", true};
    case TabelaPesada::JanelaDe1e38: // about the widest the drawing takes
        return {"-10^38", "10^38", "-10^38", "10^38", "1", "1"};
    case TabelaPesada::JanelaDe1e308: // refused: beyond what the drawing takes
        return {"-10^308", "10^308", "-10^308", "10^308", "1", "1"};
    case TabelaPesada::LongeDeZero: // every value from 0 to the window is added up
        return {"1000000", "1000010", "1000000", "1000010", "0,00001", "0,00001"};
    case TabelaPesada::UmPorPixel: // a mark and a number on nearly every pixel
        return {"-1000", "1000", "-1000", "1000", "4,3", "4,3"};
    case TabelaPesada::UmPorPixelEmRadianos: // a mark or a label on nearly every pixel
        return {"-720", "720", "-1000", "1000", "1", "4,3", true};
    }
    return {"-10", "10", "-10", "10", "1", "1"};
}

// The main window, shown at `escala`, with the table written in its cells and the axes drawn.
struct JanelaComTabela {
    JanelaComTabela(TabelaPesada tabela, double escala) : form(dialogos) {
        form.show();
        if (escala != 1)
            escalar(form, escala);
        const TextosDaTabela t = textosDaTabela(tabela);
        const std::pair<const char*, const char*> celulas[] = {
            {"Xmin", t.xmin}, {"Xmax", t.xmax},     {"Ymin", t.ymin},
            {"Ymax", t.ymax}, {"PassoX", t.passoX}, {"PassoY", t.passoY}};
        for (const auto& [nome, texto] : celulas)
            form.findChild<QLineEdit*>(QString::fromUtf8(nome))->setText(QString::fromUtf8(texto));
        if (t.radianos)
            form.alternarRadianos();
        form.desenharEixos();
        QCoreApplication::processEvents();
    }
    DialogosGuiados dialogos;
    Form1 form;
};

void contarAvisos(benchmark::State& estado, const JanelaComTabela& janela) {
    estado.counters["avisos"] = static_cast<double>(janela.dialogos.mensagens.size());
    estado.counters["escala"] = janela.form.disposicao().escala();
}

// "Eixos": both areas drawn again from the table, and what changed painted as
// the screen shows it.
void BM_EixosComTabela(benchmark::State& estado, TabelaPesada tabela, double escala) {
    JanelaComTabela janela(tabela, escala);
    for (auto _ : estado) {
        janela.form.desenharEixos();
        QCoreApplication::processEvents();
    }
    contarAvisos(estado, janela);
}

// "Apagar" of the function area after such a table: that area drawn again, and painted.
void BM_ApagarComTabela(benchmark::State& estado, TabelaPesada tabela, double escala) {
    JanelaComTabela janela(tabela, escala);
    auto* apagar = janela.form.findChild<QAbstractButton*>(QStringLiteral("ApagarF"));
    for (auto _ : estado) {
        apagar->click();
        QCoreApplication::processEvents();
    }
    contarAvisos(estado, janela);
}

#define QUILORA_TABELAS_PESADAS(medida, escala)                                                    \
    BENCHMARK_CAPTURE(medida, inicial, TabelaPesada::Inicial, escala)                              \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, passos_0_00001_e_0_0001, TabelaPesada::PassosPequenos, escala)       \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, janela_1e9_passo_1, TabelaPesada::JanelaDe1e9, escala)               \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, janela_1e9_radianos, TabelaPesada::JanelaDe1e9EmRadianos, escala)    \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, janela_1e38_passo_1, TabelaPesada::JanelaDe1e38, escala)             \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, janela_1e308_recusada, TabelaPesada::JanelaDe1e308, escala)          \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, longe_de_0_passos_0_00001, TabelaPesada::LongeDeZero, escala)        \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, um_por_pixel, TabelaPesada::UmPorPixel, escala)                      \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(medida, um_por_pixel_radianos, TabelaPesada::UmPorPixelEmRadianos, escala)   \
        ->Unit(benchmark::kMillisecond)

QUILORA_TABELAS_PESADAS(BM_EixosComTabela, 1.0);
QUILORA_TABELAS_PESADAS(BM_ApagarComTabela, 1.0);

void BM_EixosComTabelaNaEscala2(benchmark::State& estado, TabelaPesada tabela, double escala) {
    BM_EixosComTabela(estado, tabela, escala);
}
QUILORA_TABELAS_PESADAS(BM_EixosComTabelaNaEscala2, 2.0);

// One step of resizing the maximised window, as above, after such a table: every text and mark
// of both areas drawn again at the new scale for the screen.
void BM_PassoDeRedimensionamentoComTabela(benchmark::State& estado, TabelaPesada tabela) {
    JanelaComTabela janela(tabela, 1);
    Form1& form = janela.form;
    const int barra = form.height() - form.areaCliente()->height();
    bool maior = false;
    for (auto _ : estado) {
        maior = !maior;
        form.resize(maior ? QSize(1920, 1040 + barra) : QSize(1900, 1030 + barra));
        QCoreApplication::processEvents();
    }
    contarAvisos(estado, janela);
}
BENCHMARK_CAPTURE(BM_PassoDeRedimensionamentoComTabela, passos_0_00001_e_0_0001,
                  TabelaPesada::PassosPequenos)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PassoDeRedimensionamentoComTabela, um_por_pixel_radianos,
                  TabelaPesada::UmPorPixelEmRadianos)
    ->Unit(benchmark::kMillisecond);

// The peak of the process's resident memory so far, in MB.
double picoDeMemoria() {
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : estado.readAll().split('\n'))
        if (linha.startsWith("VmHWM:"))
            return linha.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// The main window, with f and a transform drawn, made 10000 x 10000 and given back its size at
// scale 1, each size painted. Run alone, the counter is the peak memory of the whole process.
void BM_RedimensionarPara10000(benchmark::State& estado) {
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    form.findChild<QAbstractButton*>(QStringLiteral("Desenhar"))->click();
    form.grupoTransformacoes()->opcao(3)->click();
    const QSize normal = form.size();
    double escala = 0;
    for (auto _ : estado) {
        form.resize(10000, 10000);
        QCoreApplication::processEvents();
        escala = form.disposicao().escala();
        form.resize(normal);
        QCoreApplication::processEvents();
    }
    estado.counters["escala"] = escala;
    estado.counters["pico_MB"] = picoDeMemoria();
}
BENCHMARK(BM_RedimensionarPara10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    // A screen of 3840 x 2160, where the main window can be laid out at scale 2.
    const QTemporaryDir pasta;
    usarEcraSemMonitor(pasta, QSize(3840, 2160));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
