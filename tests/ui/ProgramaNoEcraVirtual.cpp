// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the program on a real X display (run under xvfb-run): starts the installed-style
// executable and checks that it shows its start window, then builds the same windows in this
// process, opens the main window from the start window's menu, draws f and one transform, and
// saves what the screen and the two graph areas show for the test to inspect.
// Usage: quilora_e2e <quilora executable> <output folder>
#include "DialogosGuiados.h"
#include "Fontes.h"
#include "Form1.h"
#include "Form3.h"
#include "Janelas.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <functional>

namespace {

bool esperar(const std::function<bool()>& condicao, int milissegundos) {
    QDeadlineTimer prazo(milissegundos);
    while (!condicao()) {
        if (prazo.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    return true;
}

QImage ecra() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

bool temAzul(const QImage& imagem) {
    for (int y = 0; y < imagem.height(); y += 2)
        for (int x = 0; x < imagem.width(); ++x)
            if (imagem.pixel(x, y) == qRgb(0, 0, 255))
                return true;
    return false;
}

int falha(const char* texto) {
    std::fprintf(stderr, "quilora_e2e: %s\n", texto);
    return 1;
}

// The real executable shows its start window: blue title pixels appear on the screen.
int verificarProgramaReal(const QString& executavel, const QDir& saida) {
    QProcess programa;
    programa.start(executavel, {});
    if (!programa.waitForStarted(10000))
        return falha("the program did not start");
    const bool mostrou = esperar([] { return temAzul(ecra()); }, 20000);
    ecra().save(saida.filePath(QStringLiteral("programa.png")));
    programa.terminate();
    if (!programa.waitForFinished(5000))
        programa.kill();
    return mostrou ? 0 : falha("the start window never showed");
}

int percorrerJanelas(const QDir& saida) {
    RegistarSubstitutosDeFontes();
    DialogosGuiados dialogos;
    Janelas janelas(dialogos);
    janelas.iniciar();
    if (!esperar([&] { return janelas.inicio().isActiveWindow(); }, 10000))
        return falha("the start window was never active");

    janelas.inicio().findChild<QAction*>(QStringLiteral("Quilora"))->trigger();
    Form1* principal = janelas.principal();
    if (!principal || !esperar([&] { return principal->isActiveWindow(); }, 10000))
        return falha("the main window was never active");

    auto* desenhar = principal->findChild<QAbstractButton*>(QStringLiteral("Desenhar"));
    auto* opcao = principal->findChild<QAbstractButton*>(QStringLiteral("Option3"));
    if (!desenhar || !opcao)
        return falha("Desenhar or Option3 is missing");
    desenhar->click();
    opcao->click();
    QCoreApplication::processEvents();

    for (const char* nome : {"Picture1", "Picture2"}) {
        QWidget* area = principal->findChild<QWidget*>(QString::fromLatin1(nome));
        if (!area)
            return falha("a graph area is missing");
        area->grab().save(saida.filePath(QString::fromLatin1(nome) + QStringLiteral(".png")));
    }
    ecra().save(saida.filePath(QStringLiteral("janelas.png")));
    return dialogos.mensagens.isEmpty() ? 0 : falha("a message box was shown");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    if (argc != 3)
        return falha("usage: quilora_e2e <quilora executable> <output folder>");
    const QDir saida(QString::fromLocal8Bit(argv[2]));
    if (const int erro = verificarProgramaReal(QString::fromLocal8Bit(argv[1]), saida))
        return erro;
    return percorrerJanelas(saida);
}
