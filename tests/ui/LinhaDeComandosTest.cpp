// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of the real program, run where there is no display at all: the options
// answer and end, anything else is refused, and none of them opens a window.
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct CasoLinha {
    const char* descricao;
    QStringList argumentos;
    int saida;           // exit code
    const char* escrito; // how stdout begins
    const char* erro;    // how stderr begins
};

// The case's own words in the test's name and messages.
void PrintTo(const CasoLinha& caso, std::ostream* saida) {
    *saida << caso.descricao;
}

// An empty beginning means that nothing at all is written.
::testing::AssertionResult comecaPor(const QString& texto, const char* inicio) {
    const QString esperado = QString::fromUtf8(inicio);
    if (esperado.isEmpty() ? texto.isEmpty() : texto.startsWith(esperado))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "written: " << texto.toStdString();
}

class LinhaDeComandosTest : public ::testing::TestWithParam<CasoLinha> {};

TEST_P(LinhaDeComandosTest, RespondeSemEcra) {
    const CasoLinha& caso = GetParam();
    QProcess programa;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* variavel : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ambiente.remove(QString::fromLatin1(variavel));
    programa.setProcessEnvironment(ambiente);
    programa.start(QStringLiteral(QUILORA_EXECUTAVEL), caso.argumentos);
    ASSERT_TRUE(programa.waitForFinished(30000));
    EXPECT_EQ(programa.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programa.exitCode(), caso.saida);
    const QString escrito = QString::fromUtf8(programa.readAllStandardOutput());
    const QString erro = QString::fromUtf8(programa.readAllStandardError());
    EXPECT_TRUE(comecaPor(escrito, caso.escrito));
    EXPECT_TRUE(comecaPor(erro, caso.erro));
    if (caso.saida == 2) {
        EXPECT_TRUE(erro.endsWith(QStringLiteral("\nExperimente «quilora --help».\n")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Argumentos, LinhaDeComandosTest,
    ::testing::Values(
        CasoLinha{"versao", {"--version"}, 0, "Quilora " QUILORA_VERSAO "\n", ""},
        CasoLinha{"v", {"-v"}, 0, "Quilora " QUILORA_VERSAO "\n", ""},
        CasoLinha{"ajuda", {"--help"}, 0, "Utilização: quilora [opções] [exercício.quilora]\n", ""},
        CasoLinha{"h", {"-h"}, 0, "Utilização: quilora [opções] [exercício.quilora]\n", ""},
        CasoLinha{"opcao desconhecida", {"--ajuda"}, 2, "", "quilora: opção desconhecida: --ajuda"},
        // the option as it was typed, with its value or its one dash
        CasoLinha{"opcao desconhecida com valor",
                  {"--cor=azul"},
                  2,
                  "",
                  "quilora: opção desconhecida: --cor=azul"},
        CasoLinha{"letra desconhecida", {"-v", "-x"}, 2, "", "quilora: opção desconhecida: -x"},
        CasoLinha{"dois ficheiros",
                  {"aula.quilora", "grafico.bmp"},
                  2,
                  "",
                  "quilora: argumento não esperado: grafico.bmp"},
        CasoLinha{"ficheiro e versao",
                  {"aula.quilora", "--version"},
                  0,
                  "Quilora " QUILORA_VERSAO "\n",
                  ""},
        CasoLinha{"opcao do Qt sem valor",
                  {"-platform"},
                  2,
                  "",
                  "quilora: opção sem o seu valor ou com um valor a mais: -platform"},
        CasoLinha{"opcao do Qt e versao",
                  {"-platform", "offscreen", "--version"},
                  0,
                  "Quilora " QUILORA_VERSAO "\n",
                  ""}),
    [](const auto& info) {
        QString nome = QString::fromUtf8(info.param.descricao);
        nome.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return nome.toStdString();
    });

// One file is an exercise to open: the program starts with it instead of refusing it. (Which
// file, and what is said of a bad one, is the window manager's part.)
TEST(LinhaDeComandos, UmFicheiroDeExercicioEAceite) {
    QProcess programa;
    programa.setProcessChannelMode(QProcess::ForwardedChannels);
    programa.start(QStringLiteral(QUILORA_EXECUTAVEL),
                   {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                    QStringLiteral("/nao/existe/aula.quilora")});
    ASSERT_TRUE(programa.waitForStarted());
    EXPECT_FALSE(programa.waitForFinished(1500)) << "exit code " << programa.exitCode();
    programa.kill();
    programa.waitForFinished();
}

} // namespace
