// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

int pixelsOpacos(const QImage& imagem) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += qAlpha(imagem.pixel(x, y)) > 128;
    return n;
}

class IconeTest : public ::testing::TestWithParam<const char*> {};

// Every icon comes from the program's resources and draws something both at its own 16 x 16
// and at the sizes of high-density screens.
TEST_P(IconeTest, DesenhaAoTamanhoNormalEAmpliado) {
    const QIcon icone(QStringLiteral(":/icones/") + QString::fromLatin1(GetParam()));
    for (const int lado : {16, 32, 64}) {
        const QImage imagem = icone.pixmap(lado, lado).toImage();
        ASSERT_EQ(imagem.size(), QSize(lado, lado)) << GetParam();
        EXPECT_GT(pixelsOpacos(imagem), lado * lado / 8) << GetParam() << " at " << lado;
    }
}

INSTANTIATE_TEST_SUITE_P(Icones, IconeTest,
                         ::testing::Values("apagar.svg", "apagar-transformada.svg", "copiar.svg",
                                           "copiar-transformada.svg", "cor.svg",
                                           "cor-transformada.svg", "desenhar.svg", "fundo.svg",
                                           "fundo-transformada.svg", "guardar.svg",
                                           "guardar-transformada.svg", "quilora.svg",
                                           "radianos.svg", "reset.svg", "unidades.svg"));

} // namespace
