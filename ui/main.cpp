// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogosReais.h"
#include "Fontes.h"
#include "Janelas.h"
#include "Traducoes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {

const QString kVersao = QStringLiteral(QUILORA_VERSAO);

const QString kAjuda = QStringLiteral(
    "Utilização: quilora [opções] [exercício.quilora]\n"
    "\n"
    "Programa de ensino para estudar as transformações de funções reais de variável real.\n"
    "Sem argumentos, abre a janela inicial do programa. Com um ficheiro de exercício\n"
    "(.quilora), abre logo a janela principal com esse exercício; um ficheiro que não existe,\n"
    "não se pode ler ou não é um exercício é dito numa mensagem. A ajuda está nas janelas\n"
    "«Instruções», «Sintaxe» e «Funções definidas», abertas a partir do menu.\n"
    "\n"
    "Opções:\n"
    "  -h, --help     Mostra esta ajuda e termina.\n"
    "  -v, --version  Mostra a versão do programa e termina.\n"
    "\n"
    "Aceita também as opções comuns das aplicações Qt, como -platform, -style e -reverse.\n");

// The options every Qt application takes are known to the parser but hidden: they stay in argv
// for QApplication, which reads and removes them itself. The first ones take a value
// ("-platform offscreen", "-style=fusion").
void declararOpcoesDoQt(QCommandLineParser& analisador) {
    const QStringList comValor =
        QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
                       "qwindowtitle title qwindowicon icon session display name visual style "
                       "stylesheet qmljsdebugger")
            .split(QLatin1Char(' '));
    const QStringList semValor =
        QStringLiteral("reverse widgetcount nograb dograb sync testability")
            .split(QLatin1Char(' '));
    for (const QString& nome : comValor) {
        QCommandLineOption opcao(nome, QString(), QStringLiteral("valor"));
        opcao.setFlags(QCommandLineOption::HiddenFromHelp);
        analisador.addOption(opcao);
    }
    for (const QString& nome : semValor) {
        QCommandLineOption opcao(nome);
        opcao.setFlags(QCommandLineOption::HiddenFromHelp);
        analisador.addOption(opcao);
    }
}

void escrever(FILE* saida, const QString& texto) {
    std::fputs(texto.toUtf8().constData(), saida);
}

// The argument the user typed for an option the parser did not know ("--foo" for "foo").
QString argumentoDaOpcao(const QStringList& argumentos, const QString& nome) {
    for (const QString& argumento : argumentos) {
        QString semTracos = argumento;
        while (semTracos.startsWith(QLatin1Char('-')))
            semTracos.remove(0, 1);
        if (semTracos.section(QLatin1Char('='), 0, 0) == nome)
            return argumento;
    }
    return nome;
}

QString motivoDaRecusa(const QCommandLineParser& analisador, const QStringList& argumentos) {
    if (!analisador.unknownOptionNames().isEmpty())
        return QStringLiteral("opção desconhecida: ") +
               argumentoDaOpcao(argumentos, analisador.unknownOptionNames().constFirst());
    if (analisador.positionalArguments().size() > 1)
        return QStringLiteral("argumento não esperado: ") + analisador.positionalArguments()[1];
    return QStringLiteral("opção sem o seu valor ou com um valor a mais: ") +
           argumentos.mid(1).join(QLatin1Char(' '));
}

// What the command line asks: to end at once with an exit code, or to start, with the
// exercise file to open when one is named.
struct Pedido {
    std::optional<int> saida;
    QString exercicio;
};

// Answers --help, --version and anything not understood before any window exists, so that
// none of them needs a display.
Pedido responderAosArgumentos(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser analisador;
    // Qt's options are written with one dash: "-platform" is one option, not eight letters.
    analisador.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption ajuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versao(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    analisador.addOption(ajuda);
    analisador.addOption(versao);
    declararOpcoesDoQt(analisador);

    if (!analisador.parse(argumentos) || analisador.positionalArguments().size() > 1) {
        escrever(stderr, QStringLiteral("quilora: ") + motivoDaRecusa(analisador, argumentos) +
                             QStringLiteral("\nExperimente «quilora --help».\n"));
        return {2, {}};
    }
    if (analisador.isSet(ajuda)) {
        escrever(stdout, kAjuda);
        return {0, {}};
    }
    if (analisador.isSet(versao)) {
        escrever(stdout, QStringLiteral("Quilora ") + kVersao + QLatin1Char('\n'));
        return {0, {}};
    }
    if (analisador.positionalArguments().isEmpty())
        return {};
    // Named from the folder the program was started in, before anything may change it.
    return {std::nullopt,
            QFileInfo(analisador.positionalArguments().constFirst()).absoluteFilePath()};
}

} // namespace

int main(int argc, char* argv[]) {
    const Pedido pedido = responderAosArgumentos(argc, argv);
    if (pedido.saida)
        return *pedido.saida;

    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    QApplication::setApplicationVersion(kVersao);
    QApplication::setDesktopFileName(QStringLiteral("invalid.quilora.Quilora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/quilora.svg")));
    RegistarSubstitutosDeFontes();
    InstalarTraducoes(aplicacao);

    DialogosReais dialogos;
    Janelas janelas(dialogos);
    janelas.iniciar();
    if (!pedido.exercicio.isEmpty())
        QTimer::singleShot(0, &janelas,
                           [&janelas, &pedido] { janelas.abrirExercicio(pedido.exercicio); });
    return QApplication::exec();
}
