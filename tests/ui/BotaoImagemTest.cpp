#include "BotaoImagem.h"

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

TEST(BotaoImagem, MostraIconeSobreLegendaETemTextosAcessiveis) {
    BotaoImagem botao(QStringLiteral("ApagarF"), QStringLiteral("Apagar"),
                      QStringLiteral("Apagar o gráfico da função."),
                      QStringLiteral(":/icones/apagar.svg"));
    EXPECT_EQ(botao.objectName(), QStringLiteral("ApagarF"));
    EXPECT_EQ(botao.text(), QStringLiteral("Apagar"));
    EXPECT_EQ(botao.toolTip(), QStringLiteral("Apagar o gráfico da função."));
    EXPECT_EQ(botao.accessibleName(), QStringLiteral("Apagar"));
    EXPECT_EQ(botao.accessibleDescription(), QStringLiteral("Apagar o gráfico da função."));
    EXPECT_EQ(botao.size(), QSize(41, 41));
    EXPECT_EQ(botao.iconSize(), QSize(16, 16));
    EXPECT_EQ(botao.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(botao.font().family(), QStringLiteral("MS Serif"));
    EXPECT_EQ(botao.font().pointSizeF(), 6.0);
    EXPECT_EQ(botao.focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(botao.icon().isNull());
}

TEST(BotaoImagem, MudarLegendaMantemOsTextosAcessiveisAoPasso) {
    BotaoImagem botao(QStringLiteral("EixosRadGráfico"), QStringLiteral("Radianos"),
                      QStringLiteral("Graduar o eixo das abcissas em radianos."),
                      QStringLiteral(":/icones/radianos.svg"));
    const QImage antes = botao.icon().pixmap(16, 16).toImage();
    botao.mudarLegenda(QStringLiteral("Unidades"),
                       QStringLiteral("Graduar o eixo das abcissas em unidades."),
                       QStringLiteral(":/icones/unidades.svg"));
    EXPECT_EQ(botao.text(), QStringLiteral("Unidades"));
    EXPECT_EQ(botao.accessibleName(), QStringLiteral("Unidades"));
    EXPECT_EQ(botao.toolTip(), QStringLiteral("Graduar o eixo das abcissas em unidades."));
    EXPECT_EQ(botao.accessibleDescription(),
              QStringLiteral("Graduar o eixo das abcissas em unidades."));
    EXPECT_NE(botao.icon().pixmap(16, 16).toImage(), antes);
}

} // namespace
