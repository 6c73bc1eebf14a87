// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// The program on a virtual X screen: it starts on its start window, and from there the main
// window draws f and a transform where they belong.
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The initial window is -10..10 on both axes; the area shows it with two margins of a fiftieth
// of the range on each side.
constexpr double kJanela = 10 + 2 * 20.0 / 50;

// Whether there is a blue pixel within 2 pixels of the point (x, y) of a grabbed graph area
// (its 2-pixel border included).
bool azulPerto(const QImage& area, double x, double y) {
    const int interior = area.width() - 4;
    const int coluna = 2 + static_cast<int>(std::lround((x + kJanela) / (2 * kJanela) * interior));
    const int linha = 2 + static_cast<int>(std::lround((kJanela - y) / (2 * kJanela) * interior));
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (area.valid(coluna + dx, linha + dy) &&
                area.pixel(coluna + dx, linha + dy) == qRgb(0, 0, 255))
                return true;
    return false;
}

} // namespace

TEST(ProgramaNoEcraVirtual, ArrancaDesenhaFETransformada) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed";
    QTemporaryDir saida;
    ASSERT_TRUE(saida.isValid());

    QProcess execucao;
    execucao.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("QT_QPA_PLATFORM"));
    execucao.setProcessEnvironment(ambiente);
    execucao.start(xvfb, {QStringLiteral("-a"), QStringLiteral("-s"),
                          QStringLiteral("-screen 0 1280x1024x24"), QStringLiteral(QUILORA_E2E),
                          QStringLiteral(QUILORA_EXECUTAVEL), saida.path()});
    ASSERT_TRUE(execucao.waitForFinished(180000));
    ASSERT_EQ(execucao.exitCode(), 0);

    const QImage funcao(saida.filePath(QStringLiteral("Picture1.png")));
    const QImage transformada(saida.filePath(QStringLiteral("Picture2.png")));
    ASSERT_FALSE(funcao.isNull());
    ASSERT_FALSE(transformada.isNull());
    // f(x) = 1/2x^2-4 on the left, - f(x) on the right.
    for (double x : {-4.0, -2.0, 0.0, 2.0, 4.0}) {
        const double y = x * x / 2 - 4;
        EXPECT_TRUE(azulPerto(funcao, x, y)) << "f at x = " << x;
        EXPECT_TRUE(azulPerto(transformada, x, -y)) << "- f at x = " << x;
        if (y != 0) {
            EXPECT_FALSE(azulPerto(funcao, x, -y)) << "x = " << x;
            EXPECT_FALSE(azulPerto(transformada, x, y)) << "x = " << x;
        }
    }
}
