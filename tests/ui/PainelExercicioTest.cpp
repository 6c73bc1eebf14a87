// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JanelaPrincipal.h"

#include "AreaGrafica.h"
#include "BotaoOpcao.h"
#include "CamadaPassageira.h"
#include "Comparacao.h"
#include "CurvasDaArea.h"
#include "Descricao.h"
#include "FuncaoComposta.h"
#include "GrupoTransformacoes.h"
#include "LeituraComposicao.h"
#include "MarcasNoGrafico.h"
#include "PainelExercicio.h"
#include "TabelaPontosNotaveis.h"

#include <QAction>
#include <QClipboard>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <utility>
#include <vector>

namespace {

// A number of the table as a pupil reads it ("−1,645751311").
double lido(QString texto) {
    return texto.replace(QChar(0x2212), u'-').replace(u',', u'.').toDouble();
}

struct PainelExercicioTest : JanelaPrincipal {
    PainelExercicio& painel() const { return *form->painel(); }

    void abrirPainel() const { form->accaoPainel()->setChecked(true); }
    void desenharF(const char* f, const char* dominio) const {
        painel().campoDominio()->setText(QString::fromUtf8(dominio));
        escrever("Função1", f);
        form->desenhar();
    }
    void enter(QLineEdit* campo, const char* texto) const {
        campo->setText(QString::fromUtf8(texto));
        QTest::keyClick(campo, Qt::Key_Return);
    }
    /// The points of the table of one curve ("f(x)", "g(x)"), as (x, y).
    std::vector<std::pair<double, double>> pontosDe(const QString& curva) const {
        std::vector<std::pair<double, double>> pontos;
        const TabelaPontosNotaveis& tabela = painel().tabela();
        for (int linha = 0; linha < tabela.rowCount(); ++linha)
            if (tabela.celula(linha, 0) == curva)
                pontos.emplace_back(lido(tabela.celula(linha, 1)), lido(tabela.celula(linha, 2)));
        return pontos;
    }
};

struct ExercicioDoPainel {
    const char* f;
    const char* dominio;
    const char* g;
    std::vector<std::pair<double, double>> pontosDeG; ///< by increasing x
    const char* intervalosDeG;                        ///< empty: not checked
};

struct ExerciciosTest : PainelExercicioTest, ::testing::WithParamInterface<ExercicioDoPainel> {};

// g typed as the exercise writes it, drawn on the domain of f: its notable points to the digits
// the table shows, and its domain and range.
TEST_P(ExerciciosTest, OPainelDaOsPontosEOsIntervalosDeG) {
    const ExercicioDoPainel& e = GetParam();
    abrirPainel();
    desenharF(e.f, e.dominio);
    enter(painel().campoG(), e.g);
    ASSERT_TRUE(dialogos.textos().isEmpty()) << dialogos.textos().join(u'\n').toStdString();
    const auto pontos = pontosDe(QStringLiteral("g(x)"));
    ASSERT_EQ(pontos.size(), e.pontosDeG.size());
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        EXPECT_NEAR(pontos[i].first, e.pontosDeG[i].first, 1e-8) << i;
        EXPECT_NEAR(pontos[i].second, e.pontosDeG[i].second, 1e-8) << i;
    }
    EXPECT_TRUE(painel().intervalos().contains(QString::fromUtf8(e.intervalosDeG)))
        << painel().intervalos().toStdString();
    // Beside each point of g, the point of f it comes from.
    const TabelaPontosNotaveis& tabela = painel().tabela();
    for (int linha = 0; linha < tabela.rowCount(); ++linha) {
        if (tabela.celula(linha, 0) == "g(x)") {
            EXPECT_TRUE(tabela.celula(linha, 3).startsWith(u'(')) << linha;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Exercicios, ExerciciosTest,
    ::testing::Values(
        ExercicioDoPainel{"x^2-4",
                          "[-3, 2]",
                          "-f(x-1)+3",
                          {{-2, -2}, {-1.6457513110645907, 0}, {0, 6}, {1, 7}, {3, 3}},
                          "g(x) = -f(x-1)+3:  Dg = [−2, 3];  D'g = [−2, 7]"},
        ExercicioDoPainel{"x^2-4",
                          "",
                          "f(2x)",
                          {{-1, 0}, {0, -4}, {1, 0}},
                          "Dg = [−10, 10] (visto na janela);  D'g = [−4, 10] (visto na janela)"},
        ExercicioDoPainel{"|x|",
                          "[-2, 4[",
                          "g(x) = f(-x)+1",
                          {{-4, 5}, {0, 1}, {2, 3}},
                          "Dg = ]−4, 2];  D'g = [1, 5["},
        ExercicioDoPainel{"x^3-3x",
                          "[-2; 2]",
                          "2f(x)+1",
                          {{-2, -3},
                           {-1.8100379292339532, 0},
                           {-1, 5},
                           {0, 1},
                           {0.16825440178102744, 0},
                           {1, -3},
                           {1.6417835274529253, 0},
                           {2, 5}},
                          "Dg = [−2, 2];  D'g = [−3, 5]"},
        ExercicioDoPainel{"x^2+1",
                          "[-1, 1]",
                          "-f(x)",
                          {{-1, -2}, {0, -1}, {1, -2}},
                          "Dg = [−1, 1];  D'g = [−2, −1]"},
        ExercicioDoPainel{"x^2", "", "f(x)", {{0, 0}}, ""}));

// f is labelled on its graph as the axes show it, its points and intervals in the panel; the
// readout reads it only on its domain.
TEST_F(PainelExercicioTest, FNoSeuDominioComRotulosEIntervalos) {
    abrirPainel();
    desenharF("x^2-4", "[-3, 2]");
    EXPECT_EQ(painel().marcasDaFuncao().rotulos(),
              (QStringList{"(−3; 5)", "(−2; 0)", "(0; −4)", "(2; 0)"}));
    EXPECT_TRUE(painel().intervalos().startsWith("f(x):  Df = [−3, 2];  D'f = [−4, 5]"));
    EXPECT_EQ(pontosDe(QStringLiteral("f(x)")).size(), 4U);
    Quadro& quadro = form->areaFuncao().persistente();
    const QPointF ponto = quadro.modeloParaEcra({quadro.pixelX(3), quadro.pixelY(5)});
    QMouseEvent movimento(QEvent::MouseMove, ponto, quadro.mapToGlobal(ponto), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&quadro, &movimento);
    EXPECT_TRUE(form->areaFuncao().camadaPassageira().leitura().endsWith("f(x) = não definida"))
        << form->areaFuncao().camadaPassageira().leitura().toStdString();
}

// In a window of small pixels the labels keep the decimals that tell two pixels apart.
TEST_F(PainelExercicioTest, RotulosComOsDecimaisDaJanela) {
    abrirPainel();
    for (const auto& [celula, valor] : {std::pair{"Xmin", "-1"}, std::pair{"Xmax", "1"},
                                        std::pair{"Ymin", "-1"}, std::pair{"Ymax", "1"}})
        escrever(celula, valor);
    clicar("DesenharEixos");
    desenharF("x^2-0.1225", "");
    EXPECT_EQ(painel().marcasDaFuncao().rotulos(),
              (QStringList{"(−0,35; 0)", "(0; −0,123)", "(0,35; 0)"}));
}

// The end of a closed domain is a filled dot, that of an open one a hollow circle, for f and
// for a transform of the ten alike; beyond the domain nothing is drawn.
TEST_F(PainelExercicioTest, ExtremidadesCheiaEOcaNosDoisGraficos) {
    abrirPainel();
    desenharF("x", "[-2, 4[");
    escrever("ValorDeA", "2");
    form->grupoTransformacoes()->executar(6); // f(ax): on [−1, 2[
    const QRgb azul = qRgb(0, 0, 255), branco = qRgb(255, 255, 255);
    const auto pixel = [this](bool transformada, double x, double y) {
        const Quadro& q = transformada ? form->areaTransformada().persistente()
                                       : form->areaFuncao().persistente();
        return imagem(transformada)
            .pixel(static_cast<int>(q.pixelX(x)), static_cast<int>(q.pixelY(y)));
    };
    EXPECT_EQ(pixel(false, -2, -2), azul);
    EXPECT_EQ(pixel(false, 4, 4), branco);
    EXPECT_EQ(pixel(false, 6, 6), branco);
    EXPECT_EQ(pixel(true, -1, -2), azul);
    EXPECT_EQ(pixel(true, 2, 4), branco);
    EXPECT_EQ(pixel(true, 3, 6), branco);
    // The ring around the open end is there, a few pixels from its hollow centre.
    const Quadro& q = form->areaFuncao().persistente();
    int anel = 0;
    for (int d = 2; d <= 4; ++d)
        anel += imagem(false).pixel(static_cast<int>(q.pixelX(4)) + d,
                                    static_cast<int>(q.pixelY(4))) != branco;
    EXPECT_GT(anel, 0);
    EXPECT_TRUE(painel().intervalos().contains("f(ax) (a = 2):  D = [−1, 2[;  D' = [−2, 4["))
        << painel().intervalos().toStdString();
}

// Stepping a previews the marked transformation on the domain of f too; a domain that cannot
// be read is said in the preview's note.
TEST_F(PainelExercicioTest, APrevisaoSoNoDominio) {
    abrirPainel();
    desenharF("x^2-4", "[-2, 2]");
    form->grupoTransformacoes()->opcao(9)->setChecked(true); // a.f(x)
    const auto previsto = [this](double x, double y) {
        const Quadro& q = form->areaTransformada().persistente();
        const QImage& pontos = form->areaTransformada().camadaPassageira().pontos();
        return pontos.pixel(static_cast<int>(q.pixelX(x)), static_cast<int>(q.pixelY(y))) ==
               qRgb(0, 0, 255);
    };
    QTest::keyClick(form->grupoTransformacoes()->valorDeA(), Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->grupoTransformacoes()->valorDeA()->text(), "1.9");
    EXPECT_TRUE(previsto(0, -7.6));
    EXPECT_FALSE(previsto(3, 9.5));
    painel().campoDominio()->setText(QStringLiteral("[2, 1"));
    QTest::keyClick(form->grupoTransformacoes()->valorDeA(), Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        form->areaTransformada().camadaPassageira().nota().startsWith("Erro no domínio de f: "));
    EXPECT_TRUE(dialogos.textos().isEmpty());
}

// A label near the right edge of the picture stands left of its point, whole.
TEST_F(PainelExercicioTest, RotuloJuntoDaMargemFicaDentro) {
    abrirPainel();
    desenharF("x/2", "[0; 9,5]");
    MarcasNoGrafico& marcas = painel().marcasDaFuncao();
    ASSERT_TRUE(marcas.rotulos().contains(QStringLiteral("(9,5; 4,75)")))
        << marcas.rotulos().join(u'|').toStdString();
    const QImage pintado = marcas.grab().toImage();
    const Quadro& q = form->areaFuncao().persistente();
    const QPointF ponta =
        q.modeloParaEcra(QPointF(q.pixelX(9.5), q.pixelY(4.75))) - QPointF(marcas.pos());
    int aEsquerda = 0, aDireita = 0;
    for (int y = static_cast<int>(ponta.y()) - 14; y < static_cast<int>(ponta.y()); ++y)
        for (int x = 0; x < pintado.width(); ++x)
            if (y >= 0 && qAlpha(pintado.pixel(x, y)) > 0 && qGray(pintado.pixel(x, y)) < 100)
                ++(x < ponta.x() ? aEsquerda : x > ponta.x() + 4 ? aDireita : aEsquerda);
    EXPECT_GT(aEsquerda, 20);
    EXPECT_EQ(aDireita, 0);
}

// f in grey under the transforms lies on its domain, as f itself.
TEST_F(PainelExercicioTest, FACinzentoSoNoDominio) {
    abrirPainel();
    desenharF("x^2-4", "[-2, 2]");
    form->findChild<QAction*>(QStringLiteral("MostrarF"))->setChecked(true);
    const Quadro& q = form->areaTransformada().persistente();
    const auto cinzento = [&](double x, double y) {
        return imagem(true).pixel(static_cast<int>(q.pixelX(x)), static_cast<int>(q.pixelY(y))) ==
               Comparacao::kCinzento;
    };
    EXPECT_TRUE(cinzento(1, -3));
    EXPECT_FALSE(cinzento(-3, 5));
    EXPECT_FALSE(cinzento(3, 5));
}

// What cannot be read is said, and nothing is drawn.
TEST_F(PainelExercicioTest, GEDominioRecusadosDizemPorque) {
    abrirPainel();
    desenharF("x^2-4", "");
    const QImage antes = imagem(true);
    enter(painel().campoG(), "2x+1");
    enter(painel().campoG(), "  ");
    painel().campoDominio()->setText(QStringLiteral("[1, 2"));
    enter(painel().campoG(), "f(x)+1");
    form->grupoTransformacoes()->executar(3);
    ASSERT_EQ(dialogos.textos().size(), 4);
    EXPECT_EQ(dialogos.textos()[0],
              "Erro na expressão de g:\r\n\r\n" + lerComposicao(QStringLiteral("2x+1"), {}).erro);
    EXPECT_TRUE(dialogos.textos()[1].startsWith("Escreva g(x) em função de f"));
    EXPECT_TRUE(dialogos.textos()[2].startsWith("Erro no domínio de f:\r\n\r\n"));
    EXPECT_EQ(dialogos.textos()[3], dialogos.textos()[2]);
    EXPECT_EQ(imagem(true), antes);
}

// x = gives f(x) and the transform's value there, exact, and marks both points.
TEST_F(PainelExercicioTest, ValoresEmXMarcadosNosDoisGraficos) {
    abrirPainel();
    desenharF("x^2-4", "[-3, 2]");
    enter(painel().campoG(), "-f(x-1)+3");
    enter(painel().campoX(), "1,5");
    EXPECT_EQ(painel().valoresEmX(), "f(x) em x = 1,5: −1,75\ng(x) = -f(x-1)+3 em x = 1,5: 6,75");
    EXPECT_EQ(painel().marcasDaFuncao().marcado(), "(1,5; −1,75)");
    EXPECT_EQ(painel().marcasDaTransformada().marcado(), "(1,5; 6,75)");
    enter(painel().campoX(), "4");
    EXPECT_EQ(painel().valoresEmX(),
              "f(x) em x = 4: não definida\ng(x) = -f(x-1)+3 em x = 4: não definida");
    EXPECT_EQ(painel().marcasDaFuncao().marcado(), "");
    enter(painel().campoX(), "x+");
    EXPECT_TRUE(painel().valoresEmX().startsWith("Erro no valor de x: "));
}

// The description of the last transform, in the panel and as the readout's tool tip.
TEST_F(PainelExercicioTest, DescricaoDaUltimaTransformada) {
    abrirPainel();
    desenharF("x^2-4", "");
    enter(painel().campoG(), "-2f(x-1)+3");
    const QString deG =
        descreverComposicao(
            lerComposicao(QStringLiteral("-2f(x-1)+3"), QStringLiteral("x^2-4")).composicao)
            .texto;
    EXPECT_FALSE(deG.isEmpty());
    EXPECT_EQ(painel().descricao(), deG);
    EXPECT_EQ(form->areaTransformada().persistente().toolTip(), deG);
    EXPECT_EQ(controlo<QPlainTextEdit>("Descricao")->accessibleName(), "Descrição");
    escrever("ValorDeB", "-1");
    form->grupoTransformacoes()->executar(8);
    EXPECT_EQ(painel().descricao(), descreverOpcao(8, 2, -1).texto);
    clicar("ApagarT");
    EXPECT_EQ(painel().descricao(), "");
    EXPECT_EQ(pontosDe(QStringLiteral("f(x+b) (b")).size(), 0U);
}

// The transform taken as f brings its domain along, or the pupil is asked for it.
TEST_F(PainelExercicioTest, ATransformadaComoFLevaOSeuDominio) {
    abrirPainel();
    desenharF("x^2-4", "[-3, 2]");
    enter(painel().campoG(), "-f(x-1)+3");
    auto* usar = form->findChild<QAction*>(QStringLiteral("UsarTransformadaComoF"));
    usar->trigger();
    EXPECT_EQ(painel().campoDominio()->text(), "[−2, 3]");
    EXPECT_TRUE(painel().intervalos().startsWith("f(x):  Df = [−2, 3];  D'f = [−2, 7]"))
        << painel().intervalos().toStdString();
    enter(painel().campoG(), "f(x/10)"); // on [−20, 30], cut by the window
    usar->trigger();
    EXPECT_EQ(painel().campoDominio()->text(), "");
    ASSERT_EQ(dialogos.textos().size(), 1);
    EXPECT_TRUE(dialogos.textos()[0].startsWith("O domínio da transformada não é um só"));
}

// Ctrl+C in the table copies the points and the intervals as text for a worksheet.
TEST_F(PainelExercicioTest, CtrlCCopiaATabelaEOsIntervalos) {
    abrirPainel();
    desenharF("x^2-4", "[-3, 2]");
    enter(painel().campoG(), "-f(x-1)+3");
    auto* tabela = controlo<TabelaPontosNotaveis>("PontosNotaveis");
    tabela->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(tabela, Qt::Key_C, Qt::ControlModifier);
    const QString texto = QApplication::clipboard()->text();
    EXPECT_EQ(texto, painel().textoParaCopiar());
    EXPECT_TRUE(texto.contains("g(x) = -f(x-1)+3\tZero\t-1,645751311\t0\t-2,645751311\t3\n"))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains("f(x)\t[−3, 2]\t[−4, 5]\n")) << texto.toStdString();
    EXPECT_EQ(tabela->celula(5, 3), "(−2,645751311; 3)");
    EXPECT_EQ(tabela->celula(5, 4), "Zero");
}

// Closed, the window is as it always was and f has no domain; open, the panel stands beside
// the graphs, which keep their size.
TEST_F(PainelExercicioTest, AbrirEFecharOPainel) {
    const QSize tamanho = form->size();
    const QRect picture2 = controlo("Picture2")->geometry();
    painel().campoDominio()->setText(QStringLiteral("[0, 1]"));
    escrever("Função1", "x");
    form->desenhar();
    const Quadro& q = form->areaFuncao().persistente();
    EXPECT_EQ(imagem(false).pixel(static_cast<int>(q.pixelX(-5)), static_cast<int>(q.pixelY(-5))),
              qRgb(0, 0, 255));
    EXPECT_EQ(painel().tabela().rowCount(), 0);

    abrirPainel();
    EXPECT_TRUE(painel().isVisible());
    EXPECT_EQ(form->width(), tamanho.width() + 360);
    EXPECT_EQ(controlo("Picture2")->geometry(), picture2);
    EXPECT_GT(painel().geometry().left(), picture2.right());
    EXPECT_LE(painel().geometry().right(), form->areaCliente()->width());
    EXPECT_GT(painel().tabela().rowCount(), 0);
    // The Tab key goes from the last control of the board to the panel, in its order.
    controlo("GuardarTransformada")->setFocus();
    for (const char* nome : {"GDeX", "DominioDeF", "ValorDeX", "PontosNotaveis"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controlo(nome));
    }

    // The labels follow their picture when the window is made larger.
    escalar(2);
    const Quadro& picture1 = form->areaFuncao().persistente();
    EXPECT_GT(picture1.width(), 600);
    EXPECT_EQ(painel().marcasDaFuncao().geometry(), picture1.rect());
    form->resize(tamanho.width() + 360, tamanho.height());

    form->accaoPainel()->setChecked(false);
    EXPECT_FALSE(painel().isVisible());
    EXPECT_EQ(form->size(), tamanho);
    EXPECT_EQ(controlo("Picture2")->geometry(), picture2);
}

// A curve drawn on a domain is read only there: the readout says "não definida" beyond it.
TEST(LeituraNoDominio, ACurvaSoSeLeOndeFoiDesenhada) {
    CurvasDaArea curvas;
    curvas.juntar({QStringLiteral("x^2"),
                   QStringLiteral("f(x)"),
                   {},
                   leituraDe(std::make_shared<FuncaoComposta>(QStringLiteral("x^2"),
                                                              Intervalo{0, 1, true, false}))});
    EXPECT_EQ(curvas.maisProxima(0.5, 0, 8).valor, 0.25);
    EXPECT_EQ(curvas.maisProxima(0, 0, 8).valor, 0.0);
    EXPECT_FALSE(curvas.maisProxima(1, 1, 8).valor);
    EXPECT_FALSE(curvas.maisProxima(2, 4, 8).valor);
}

} // namespace
