// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JanelaPrincipal.h"
#include "Quadro.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

const QRgb kBranco = qRgb(255, 255, 255);
const QRgb kPreto = qRgb(0, 0, 0);
const QRgb kAzul = qRgb(0, 0, 255);
const QRgb kVermelho = qRgb(255, 0, 0);
const QRgb kVerde = qRgb(0, 160, 0);

// The buttons of one side of the window.
struct Lado {
    const char* nome;
    bool transformada;
    const char* apagar;
    const char* cor;
    const char* fundo;
    const char* copiar;
    const char* guardar;
    const char* sobreposicao;
};

const Lado kFuncao{"Funcao",          false,          "ApagarF",       "CorGráficoFunção",
                   "CorFundoGráfico", "CopiarFunção", "GuardarFunção", "Picture3"};
const Lado kTransformada{"Transformada",
                         true,
                         "ApagarT",
                         "CorGráficoTransformada",
                         "CorFundoTransformada",
                         "CopiarTransformada",
                         "GuardarTransformada",
                         "Picture4"};

struct OperacoesImagemTest : JanelaPrincipal, ::testing::WithParamInterface<Lado> {
    const Lado& lado() const { return GetParam(); }
    QImage imagem() const { return JanelaPrincipal::imagem(lado().transformada); }

    // Plots f on the function side, -f on the transform side (its mark cleared first so
    // that the option runs again).
    void desenharCurva() {
        if (lado().transformada) {
            clicar("Reset");
            clicar("Option3");
        } else {
            clicar("Desenhar");
        }
    }
};

// What is left is the area of the first showing, pixel for pixel: the names of the axes too,
// in the same font, size and weight.
TEST_P(OperacoesImagemTest, ApagarTiraAsCurvasEDesenhaOsEixos) {
    const QImage inicial = imagem();
    desenharCurva();
    ASSERT_GT(contar(imagem(), kAzul), 100);
    clicar(lado().apagar);
    EXPECT_EQ(imagem(), inicial);
    EXPECT_TRUE(dialogos.mensagens.isEmpty());
}

TEST_P(OperacoesImagemTest, ApagarComTabelaErradaDeixaAAreaLimpaSemEixos) {
    desenharCurva();
    escrever("Xmin", "5");
    escrever("Xmax", "1");
    clicar(lado().apagar);
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_EQ(dialogos.mensagens[0].texto,
              QStringLiteral("O valor de Xmín deve ser menor que o de Xmáx."));
    EXPECT_EQ(contar(imagem(), kBranco), imagem().width() * imagem().height());
}

TEST_P(OperacoesImagemTest, CorEscolhidaValeParaAsCurvasSeguintes) {
    desenharCurva();
    const QImage antes = imagem();
    dialogos.cores.push_back(QColor(kVermelho));
    clicar(lado().cor);
    ASSERT_EQ(dialogos.coresIniciais.size(), 1);
    EXPECT_EQ(dialogos.coresIniciais[0], QColor(kAzul));
    EXPECT_EQ(imagem(), antes); // nothing is redrawn

    escrever("Função1", "x");
    desenharCurva();
    EXPECT_GT(contar(imagem(), kAzul), 100); // the earlier curve keeps its colour
    EXPECT_GT(contar(imagem(), kVermelho), 100);

    // Coming back from another window keeps the choice and the curves.
    voltarDeOutraJanela();
    const int vermelhos = contar(imagem(), kVermelho);
    escrever("Função1", "x+1");
    desenharCurva();
    EXPECT_GT(contar(imagem(), kVermelho), vermelhos);
}

TEST_P(OperacoesImagemTest, CorCanceladaFicaComoEstava) {
    dialogos.cores.push_back(QColor(kVermelho));
    clicar(lado().cor);
    dialogos.cores.push_back(std::nullopt);
    clicar(lado().cor);
    EXPECT_EQ(dialogos.coresIniciais.last(), QColor(kVermelho));
    desenharCurva();
    EXPECT_GT(contar(imagem(), kVermelho), 100);
    EXPECT_EQ(contar(imagem(), kAzul), 0);
}

TEST_P(OperacoesImagemTest, FundoConfirmadoPintaAsDuasImagensEApagaAsCurvas) {
    desenharCurva();
    dialogos.cores.push_back(QColor(kVerde));
    clicar(lado().fundo);
    EXPECT_EQ(dialogos.coresIniciais.value(0), QColor(kBranco));
    EXPECT_EQ(imagem().pixel(2, 2), kVerde);
    EXPECT_EQ(contar(imagem(), kAzul), 0);
    EXPECT_GT(contar(imagem(), kPreto), 900);
    EXPECT_EQ(controlo<Quadro>(lado().sobreposicao)->corFundo(), QColor(kVerde));

    // Coming back to the window keeps the choice and the area's background.
    voltarDeOutraJanela();
    EXPECT_EQ(imagem().pixel(2, 2), kVerde);
    dialogos.cores.push_back(std::nullopt);
    clicar(lado().fundo);
    EXPECT_EQ(dialogos.coresIniciais.value(1), QColor(kVerde));
    EXPECT_EQ(imagem().pixel(2, 2), kVerde);
}

TEST_P(OperacoesImagemTest, FundoCanceladoApagaMasMantemACor) {
    dialogos.cores.push_back(QColor(kVerde));
    clicar(lado().fundo);
    desenharCurva();
    ASSERT_GT(contar(imagem(), kAzul), 100);
    dialogos.cores.push_back(std::nullopt);
    clicar(lado().fundo);
    EXPECT_EQ(contar(imagem(), kAzul), 0);
    EXPECT_EQ(imagem().pixel(2, 2), kVerde);
    EXPECT_GT(contar(imagem(), kPreto), 900);
}

// The picture as drawn, whatever size the window shows it at: here twice as large.
TEST_P(OperacoesImagemTest, CopiarPoeAImagemDaAreaNaAreaDeTransferencia) {
    QGuiApplication::clipboard()->setText(QStringLiteral("texto antigo"));
    desenharCurva();
    const QImage desenhada = imagem().convertToFormat(QImage::Format_RGB32);
    escalar(2);
    clicar(lado().copiar);
    const QImage copiada =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copiada.size(), QSize(493, 493));
    EXPECT_EQ(copiada, desenhada);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

// Likewise with the window made smaller.
TEST_P(OperacoesImagemTest, GuardarEscreveABitmapDaAreaPixelAPixel) {
    QTemporaryDir pasta;
    desenharCurva();
    escalar(0.6);
    dialogos.ficheiros.push_back({pasta.filePath(QStringLiteral("grafico.bmp")), false});
    clicar(lado().guardar);
    EXPECT_TRUE(dialogos.mensagens.isEmpty());
    QFile ficheiro(pasta.filePath(QStringLiteral("grafico.bmp")));
    ASSERT_TRUE(ficheiro.open(QIODevice::ReadOnly));
    const QByteArray dados = ficheiro.readAll();
    EXPECT_EQ(qFromLittleEndian<quint16>(dados.constData() + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(dados.constData() + 30), 0u);
    const QImage lida = QImage::fromData(dados, "BMP");
    const QImage area = imagem();
    ASSERT_EQ(lida.size(), QSize(493, 493));
    ASSERT_EQ(area.size(), QSize(493, 493));
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ASSERT_EQ(lida.pixel(x, y), area.pixel(x, y)) << x << "," << y;
}

TEST_P(OperacoesImagemTest, GuardarComOutraExtensaoRecusaEDepoisCancela) {
    QTemporaryDir pasta;
    dialogos.ficheiros.push_back({pasta.filePath(QStringLiteral("grafico.jpg")), true});
    clicar(lado().guardar);
    EXPECT_EQ(dialogos.pedidos.size(), 2);
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_EQ(dialogos.mensagens[0].texto, QStringLiteral("Essa extensão não é permitida."));
    EXPECT_TRUE(QDir(pasta.path()).entryList(QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lados, OperacoesImagemTest, ::testing::Values(kFuncao, kTransformada),
                         [](const auto& info) { return std::string(info.param.nome); });

// The marks of the ten transformations and the two erase buttons.
using MarcasTest = JanelaPrincipal;

TEST_F(MarcasTest, ApagarATransformadaTiraAMarcaEAOpcaoVoltaADesenhar) {
    clicar("Option3");
    ASSERT_TRUE(controlo<QAbstractButton>("Option3")->isChecked());
    clicar("ApagarT");
    for (int i = 1; i <= 10; ++i)
        EXPECT_FALSE(
            controlo<QAbstractButton>(QStringLiteral("Option%1").arg(i).toUtf8().constData())
                ->isChecked());
    clicar("Option3");
    EXPECT_GT(contar(imagem(true), kAzul), 100);
}

TEST_F(MarcasTest, ApagarAFuncaoDeixaAMarca) {
    clicar("Option3");
    clicar("ApagarF");
    EXPECT_TRUE(controlo<QAbstractButton>("Option3")->isChecked());
}

TEST_F(MarcasTest, ResetTiraAMarcaSemApagarNada) {
    clicar("Option3");
    const QImage antes = imagem(true);
    clicar("Reset");
    EXPECT_FALSE(controlo<QAbstractButton>("Option3")->isChecked());
    EXPECT_EQ(imagem(true), antes);
}

} // namespace
