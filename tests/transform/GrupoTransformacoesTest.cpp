// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrupoTransformacoes.h"
#include "BotaoOpcao.h"
#include "CamadaPassageira.h"
#include "DialogosGuiados.h"
#include "Form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QRgb kAzul = qRgb(0, 0, 255);
const QRgb kVermelho = qRgb(255, 0, 0);

struct GrupoTest : ::testing::Test {
    GrupoTest() : form(new Form1(dialogos)), grupo(form->grupoTransformacoes()) {
        form->show();
        form->activateWindow();
        QApplication::setActiveWindow(form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        // The marks and previews are told apart by colour: every transform in the one chosen.
        form->findChild<QAction*>(QStringLiteral("UmaCorPorCurva"))->setChecked(false);
    }
    ~GrupoTest() override { delete form; }

    template <typename T> T* controlo(const char* nome) const {
        return form->findChild<T*>(QString::fromUtf8(nome));
    }
    void escrever(const char* nome, const char* texto) const {
        controlo<QLineEdit>(nome)->setText(QString::fromUtf8(texto));
    }
    // Through the window, as the window system delivers them: a double-click is two clicks
    // close together, the second of which Qt reports as a double-click.
    QPoint noMeio(int opcao) const {
        BotaoOpcao* botao = grupo->opcao(opcao);
        return botao->mapTo(form, QPoint(6, botao->height() / 2));
    }
    void clicar(int opcao) const {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, noMeio(opcao));
    }
    void duploClique(int opcao) const {
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, noMeio(opcao));
    }
    QString construido(int opcao) const {
        return opcao == 1 || opcao == 3 || opcao == 5 || opcao == 9 ? grupo->textos().Função2
                                                                    : grupo->textos().Função3;
    }
    int marcada() const {
        int n = 0;
        for (int k = 1; k <= 10; ++k)
            if (grupo->opcao(k)->isChecked())
                n = n == 0 ? k : -1;
        return n;
    }
    const QImage& imagem2() const { return form->areaTransformada().imagem(); }
    int contar(QRgb cor) const {
        int n = 0;
        const QImage& imagem = imagem2();
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                n += imagem.pixel(x, y) == cor ? 1 : 0;
        return n;
    }
    // Whether the point (x, y) of the window shows `cor`, within a pixel either way.
    bool temCorEm(double x, double y, QRgb cor = kAzul) const {
        const Quadro& quadro = form->areaTransformada().persistente();
        const int px = static_cast<int>(std::floor(quadro.pixelX(x)));
        const int py = static_cast<int>(std::floor(quadro.pixelY(y)));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (imagem2().valid(px + dx, py + dy) && imagem2().pixel(px + dx, py + dy) == cor)
                    return true;
        return false;
    }
    void redesenharEixos() const { controlo<QPushButton>("DesenharEixos")->click(); }
    // The preview over the transform area, and whether it shows (x, y) within a pixel.
    const CamadaPassageira& previsao() const { return form->areaTransformada().camadaPassageira(); }
    bool previsto(double x, double y) const {
        const Quadro& quadro = form->areaTransformada().persistente();
        const QPoint p(static_cast<int>(quadro.pixelX(x)), static_cast<int>(quadro.pixelY(y)));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (previsao().pontos().pixel(p + QPoint(dx, dy)) == kAzul)
                    return true;
        return false;
    }
    // A key on a field, and the events it leaves queued (the preview among them).
    void passo(const char* campo, Qt::Key tecla, Qt::KeyboardModifiers modificadores = {}) const {
        QTest::keyClick(controlo<QLineEdit>(campo), tecla, modificadores);
        QCoreApplication::processEvents();
    }

    DialogosGuiados dialogos;
    Form1* form;
    GrupoTransformacoes* grupo;
};

TEST_F(GrupoTest, ControlosDoGrupo) {
    EXPECT_EQ(grupo->title(), QStringLiteral("Quilora"));
    EXPECT_EQ(grupo->geometry(), QRect(512, 12, 497, 89));
    EXPECT_TRUE(grupo->font().bold());
    EXPECT_EQ(grupo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    auto* opcao5 = controlo<QWidget>("Option5");
    EXPECT_EQ(opcao5->geometry(), QRect(188, 56, 69, 17));
    EXPECT_FALSE(opcao5->font().bold());
    EXPECT_EQ(opcao5->accessibleName(), QStringLiteral("a + f(x)"));
    EXPECT_EQ(controlo<QWidget>("Option7")->toolTip(),
              QStringLiteral("Clique aqui para desenhar a transformação  a + f(x+b)."));
    EXPECT_EQ(controlo<QWidget>("Option8")->accessibleDescription(),
              QStringLiteral("Clique aqui para desenhar a transformação   f(x+b)."));
    auto* a = controlo<QLineEdit>("ValorDeA");
    EXPECT_EQ(a->text(), QStringLiteral("2"));
    EXPECT_EQ(a->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(a->accessibleName(), QStringLiteral("ValorDeA"));
    EXPECT_EQ(a->toolTip(), QStringLiteral("Escreva aqui o valor de a da transformação."));
    EXPECT_EQ(controlo<QLabel>("Label4")->toolTip(),
              QStringLiteral("Escreva aqui o valor de b da transformação."));
    EXPECT_EQ(controlo<QLabel>("Label3")->text(), QStringLiteral("a ="));
    auto* linha = controlo<QWidget>("Line1");
    EXPECT_EQ(linha->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(linha->width(), 1);
    EXPECT_EQ(marcada(), 0);
}

// The parabola f = 1/2x^2-4 with a = b = 2: a point each transform goes through, and a point
// of f itself that the transform does not share.
struct Grafico {
    int opcao;
    const char* texto;
    double x, y;
    double xAusente, yAusente;
};

class GraficoDaTransformada : public GrupoTest, public ::testing::WithParamInterface<Grafico> {};

TEST_P(GraficoDaTransformada, TextoEPontos) {
    const Grafico& g = GetParam();
    clicar(g.opcao);
    EXPECT_EQ(construido(g.opcao).toStdString(), g.texto);
    EXPECT_EQ(marcada(), g.opcao);
    EXPECT_TRUE(temCorEm(g.x, g.y));
    EXPECT_FALSE(temCorEm(g.xAusente, g.yAusente));
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_TRUE(form->areaTransformada().persistente().isVisible());
    EXPECT_FALSE(form->areaTransformada().sobreposicao().isVisible());
    EXPECT_FALSE(ponteiroOcupado(form));
}

const Grafico kGraficos[] = {
    {1, "Abs(1/2x^2-4)", 0, 4, 0, -4},
    {2, " 1/2(abs(x))^2-4 ", 2, -2, 0, 4},
    {3, "-(1/2x^2-4)", 2, 2, 0, -4},
    {4, " 1/2(-x)^2-4 ", -2, -2, 0, 4},
    {5, "2+ (1/2x^2-4)", 0, -2, 0, -4},
    {6, " 1/2(2*x)^2-4 ", 1, -2, 2, -2},
    {7, "2+( 1/2(x+(2))^2-4 )", -2, -2, 0, -4},
    {8, " 1/2(x+(2))^2-4 ", -2, -4, 0, -4},
    {9, "2* (1/2x^2-4)", 0, -8, 0, -4},
    {10, "-( 1/2(-x)^2-4 )", 2, 2, 0, -4},
};
INSTANTIATE_TEST_SUITE_P(Parabola, GraficoDaTransformada, ::testing::ValuesIn(kGraficos));

// A click on the marked option draws it again, with a as it is now.
// An f written as a class writes it is transformed as it reads: the capital X moves with the
// other x, the products and powers stay what they were.
struct FDaTurma {
    const char* f;
    int opcao;
    const char* texto;
    double x, y;               // a point of the transform
    double xAusente, yAusente; // a point of f that the transform does not share
};

class FEscritaPelaTurma : public GrupoTest, public ::testing::WithParamInterface<FDaTurma> {};

TEST_P(FEscritaPelaTurma, TransformaComoSeLe) {
    const FDaTurma& c = GetParam();
    escrever("Função1", c.f);
    escrever("ValorDeB", "1");
    clicar(c.opcao);
    EXPECT_EQ(construido(c.opcao).toStdString(), c.texto);
    EXPECT_TRUE(temCorEm(c.x, c.y));
    EXPECT_FALSE(temCorEm(c.xAusente, c.yAusente));
    EXPECT_TRUE(dialogos.mensagens.empty());
}

const FDaTurma kFsDaTurma[] = {
    {"X^2", 8, " (x+(1))^2 ", -1, 0, 0, 0},
    {"x²", 8, " (x+(1))^2 ", -1, 0, 0, 0},
    {"(x-1)(x+1)", 4, " ((-x)-1)*((-x)+1) ", 2, 3, 0, 0},
    {"y = X(X+2)", 2, " (abs(x))*((abs(x))+2) ", -1, 3, -1, -1},
    {"|x|-3", 6, " abs((2*x))-3 ", 1, -1, 3, 0},
};
INSTANTIATE_TEST_SUITE_P(Turma, FEscritaPelaTurma, ::testing::ValuesIn(kFsDaTurma));

TEST_F(GrupoTest, NovoCliqueNaOpcaoMarcadaDesenhaDeNovo) {
    clicar(9);
    EXPECT_TRUE(temCorEm(0, -8));
    escrever("ValorDeA", "1/2");
    form->definirCorGraficoTransformada(QColor(255, 0, 0));
    clicar(9);
    EXPECT_EQ(marcada(), 9);
    EXPECT_TRUE(temCorEm(0, -2, kVermelho));
    EXPECT_TRUE(temCorEm(0, -8, kAzul)); // the graph drawn before stays
    EXPECT_EQ(controlo<QLineEdit>("ValorDeA")->text(), QStringLiteral("0.5"));
}

TEST_F(GrupoTest, DuploCliqueTiraAMarcaEOCliqueSeguinteDesenhaDeNovo) {
    clicar(3);
    duploClique(3);
    EXPECT_EQ(marcada(), 0);
    EXPECT_GT(contar(kAzul), 500); // the graph stays
    form->definirCorGraficoTransformada(QColor(255, 0, 0));
    clicar(3);
    EXPECT_EQ(marcada(), 3);
    EXPECT_TRUE(temCorEm(2, 2, kVermelho));
}

TEST_F(GrupoTest, DuploCliqueNumaOpcaoNaoMarcadaDesenhaENaoDeixaMarca) {
    clicar(1);
    duploClique(3);
    EXPECT_EQ(marcada(), 0);
    EXPECT_TRUE(temCorEm(2, 2));
}

TEST_F(GrupoTest, OutraOpcaoTiraAMarcaDaAnteriorEJuntaOsGraficos) {
    clicar(1);
    form->definirCorGraficoTransformada(QColor(255, 0, 0));
    clicar(5);
    EXPECT_EQ(marcada(), 5);
    EXPECT_TRUE(temCorEm(0, 4, kAzul));
    EXPECT_TRUE(temCorEm(0, -2, kVermelho));
}

TEST_F(GrupoTest, ResetTiraTodasAsMarcasSemDesenhar) {
    grupo->reset();
    EXPECT_EQ(contar(kAzul), 0);
    clicar(7);
    const QImage antes = imagem2();
    grupo->reset();
    EXPECT_EQ(marcada(), 0);
    EXPECT_EQ(imagem2(), antes);
    form->definirCorGraficoTransformada(QColor(255, 0, 0));
    clicar(7);
    EXPECT_TRUE(temCorEm(-2, -2, kVermelho));
}

TEST_F(GrupoTest, AMarcaFicaDepoisDosEixosEONovoCliqueDesenha) {
    clicar(3);
    redesenharEixos();
    EXPECT_EQ(contar(kAzul), 0);
    EXPECT_EQ(marcada(), 3);
    clicar(3);
    EXPECT_GT(contar(kAzul), 500);
}

// A screen reader sees one group of radio buttons, and their action does what a click does.
TEST_F(GrupoTest, LeitorDeEcraEscolheComoUmClique) {
    QAccessibleInterface* opcao = QAccessible::queryAccessibleInterface(grupo->opcao(3));
    EXPECT_EQ(opcao->role(), QAccessible::RadioButton);
    EXPECT_EQ(opcao->text(QAccessible::Name), QStringLiteral("- f(x)"));
    EXPECT_TRUE(opcao->state().checkable);
    ASSERT_NE(opcao->actionInterface(), nullptr);
    const QStringList accoes = opcao->actionInterface()->actionNames();
    ASSERT_FALSE(accoes.isEmpty());
    opcao->actionInterface()->doAction(accoes.first());
    EXPECT_EQ(marcada(), 3);
    EXPECT_TRUE(opcao->state().checked);
    EXPECT_TRUE(temCorEm(2, 2));
    for (const QString& accao : accoes)
        opcao->actionInterface()->doAction(accao); // a marked option stays marked and drawn
    EXPECT_EQ(marcada(), 3);
}

TEST_F(GrupoTest, TecladoEscolheComoUmClique) {
    grupo->opcao(1)->setFocus();
    QTest::keyClick(grupo->opcao(1), Qt::Key_Space);
    EXPECT_EQ(marcada(), 1);
    EXPECT_TRUE(temCorEm(0, 4));
    QTest::keyClick(grupo->opcao(1), Qt::Key_Down);
    EXPECT_EQ(marcada(), 2);
    EXPECT_EQ(QApplication::focusWidget(), grupo->opcao(2));
    EXPECT_TRUE(temCorEm(2, -2));
    QTest::keyClick(grupo->opcao(2), Qt::Key_Up);
    QTest::keyClick(grupo->opcao(1), Qt::Key_Up);
    EXPECT_EQ(marcada(), 10);
    QTest::keyClick(grupo->opcao(10), Qt::Key_Space);
    EXPECT_EQ(marcada(), 10);
}

struct Parametro {
    int opcao;
    const char* a;
    const char* b;
    const char* mensagem; // empty: no message
    const char* aDepois;
    const char* bDepois;
    const char* texto; // built text; null when nothing is built
    bool desenha;      // whether the transform area receives points
};

class Parametros : public GrupoTest, public ::testing::WithParamInterface<Parametro> {};

TEST_P(Parametros, VerificacaoAvaliacaoEEscrita) {
    const Parametro& p = GetParam();
    escrever("ValorDeA", p.a);
    escrever("ValorDeB", p.b);
    clicar(p.opcao);
    EXPECT_EQ(controlo<QLineEdit>("ValorDeA")->text().toStdString(), p.aDepois);
    EXPECT_EQ(controlo<QLineEdit>("ValorDeB")->text().toStdString(), p.bDepois);
    if (*p.mensagem) {
        ASSERT_EQ(dialogos.mensagens.size(), 1);
        EXPECT_EQ(dialogos.mensagens[0].texto.toStdString(), p.mensagem);
        EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
        const char* campo = QString::fromUtf8(p.mensagem).contains(QStringLiteral("valor de a"))
                                ? "ValorDeA"
                                : "ValorDeB";
        EXPECT_EQ(QApplication::focusWidget(), controlo<QWidget>(campo));
        EXPECT_EQ(contar(kAzul), 0);
    } else {
        EXPECT_TRUE(dialogos.mensagens.empty());
    }
    if (p.texto)
        EXPECT_EQ(construido(p.opcao).toStdString(), p.texto);
    else
        EXPECT_TRUE(grupo->textos().Função2.isEmpty() && grupo->textos().Função3.isEmpty());
    EXPECT_EQ(contar(kAzul) > 0, p.desenha);
}

const Parametro kParametros[] = {
    {5, "1/2", "2", "", "0.5", "2", "0.5+ (1/2x^2-4)", true},
    {9, "1/2", "2", "", "0.5", "2", "0.5* (1/2x^2-4)", true},
    {6, "pi", "2", "", "3.14159265358979", "2", " 1/2(3.14159265358979*x)^2-4 ", true},
    {9, "   2", "2", "", "2", "2", "2* (1/2x^2-4)", true},
    {8, "2", "-2*3", "", "2", "-6", " 1/2(x+(-6))^2-4 ", true},
    // 1e3 reads as 1 times a variable e3, which does not exist
    {7, "1e3", "2", "Erro no valor de a:\r\n\r\nVariável não definida: e3", "1e3", "2", nullptr,
     false},
    {7, "-1.50", "0.25+0.5", "", "-1.5", "0.75", "-1.5+( 1/2(x+(0.75))^2-4 )", true},
    {7, "1", "sqr(-4)", "Erro no valor de b:\r\n\r\nValor não definido.", "1", "sqr(-4)", nullptr,
     false},
    {6, "x", "2", "Erro no valor de a:\r\n\r\nVariável não definida: x", "x", "2", nullptr, false},
    {5, "1/0", "2", "Erro no valor de a:\r\n\r\nDivisão por zero.", "1/0", "2", nullptr, false},
    {5, "2*(3", "2", "Erro no valor de a:\r\n\r\nNúmero de parênteses incorrecto.", "2*(3", "2",
     nullptr, false},
    // a decimal comma, as the axes print numbers; a negative a is not zero
    {6, "0,5", "2", "", "0.5", "2", " 1/2(0.5*x)^2-4 ", true},
    {5, "-1", "2", "", "-1", "2", "-1+ (1/2x^2-4)", true},
    {9, "-0.5", "2", "", "-0.5", "2", "-0.5* (1/2x^2-4)", true},
    {5, "   ", "2", "É necessário indicar o valor de a", "   ", "2", nullptr, false},
    {6, "", "2", "É necessário indicar o valor de a", "", "2", nullptr, false},
    {7, " ", "", "É necessário indicar o valor de a", " ", "", nullptr, false},
    {7, "1/2", " ", "É necessário indicar o valor de b", "1/2", " ", nullptr, false},
    {8, "", "", "É necessário indicar o valor de b", "", "", nullptr, false},
    // options without parameters neither check nor rewrite them, nor do options without b
    {1, "", "1/2", "", "", "1/2", "Abs(1/2x^2-4)", true},
    {2, "", "", "", "", "", " 1/2(abs(x))^2-4 ", true},
    {3, "x", "", "", "x", "", "-(1/2x^2-4)", true},
    {4, " ", "1/2", "", " ", "1/2", " 1/2(-x)^2-4 ", true},
    {10, "", "x", "", "", "x", "-( 1/2(-x)^2-4 )", true},
    {5, "1/2", "", "", "0.5", "", "0.5+ (1/2x^2-4)", true},
    {6, "2", "x", "", "2", "x", " 1/2(2*x)^2-4 ", true},
    {9, "2", " ", "", "2", " ", "2* (1/2x^2-4)", true},
    // and b alone is checked and rewritten where a is not used
    {8, "x", "1/2", "", "x", "0.5", " 1/2(x+(0.5))^2-4 ", true},
};
INSTANTIATE_TEST_SUITE_P(AeB, Parametros, ::testing::ValuesIn(kParametros));

// With a = 0, a + f(x) and a.f(x) are not drawn and f(ax) is a constant: a note says so.
TEST_F(GrupoTest, AZeroNaoDesenhaNasOpcoes5E9EDizPorque) {
    const struct {
        int opcao;
        const char* construido;
        const char* nota;
    } casos[] = {
        {5, "0+ (1/2x^2-4)",
         "Com a = 0, a + f(x) é a própria f(x): a transformada não é desenhada."},
        {9, "0* (1/2x^2-4)",
         "Com a = 0, a.f(x) é a função nula, cujo gráfico é o eixo das abcissas: a "
         "transformada não é desenhada."},
        {6, " 1/2(0*x)^2-4 ", "Com a = 0, f(ax) é a função constante f(0): o gráfico é uma reta."},
    };
    for (const auto& caso : casos) {
        escrever("ValorDeA", "0*5");
        clicar(caso.opcao);
        EXPECT_EQ(controlo<QLineEdit>("ValorDeA")->text(), QStringLiteral("0"));
        EXPECT_EQ(construido(caso.opcao).toStdString(), caso.construido);
        EXPECT_EQ(previsao().nota(), QString::fromUtf8(caso.nota));
        EXPECT_EQ(contar(kAzul) > 0, caso.opcao == 6);
    }
    // f(0x) is the constant f(0)
    EXPECT_TRUE(temCorEm(-7, -4));
    EXPECT_TRUE(temCorEm(7, -4));
    EXPECT_TRUE(dialogos.mensagens.empty());
    // Stepped to 0 in the preview, a.f(x) says the same.
    clicar(9);
    escrever("ValorDeA", "0.1");
    passo("ValorDeA", Qt::Key_Down);
    EXPECT_EQ(previsao().nota(), QString::fromUtf8(casos[1].nota));
    EXPECT_FALSE(previsao().temPontos());
    escrever("ValorDeA", "1");
    clicar(9);
    EXPECT_TRUE(previsao().nota().isEmpty());
}

// An f of nothing, of blanks or only "y =" is said to be missing, as "Desenhar" says it.
TEST_F(GrupoTest, FuncaoVaziaEmQualquerOpcaoDizQueFalta) {
    const QString falta = QStringLiteral(
        "Deve escrever a expressão analítica da função que pretende representar graficamente.");
    for (const char* f : {"", "  ", "y ="}) {
        escrever("Função1", f);
        for (int opcao = 1; opcao <= 10; ++opcao) {
            clicar(opcao);
            EXPECT_EQ(marcada(), opcao);
            ASSERT_EQ(dialogos.mensagens.size(), 1) << f << " " << opcao;
            EXPECT_EQ(dialogos.mensagens[0].texto, falta);
            EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Nenhum);
            dialogos.mensagens.clear();
        }
    }
    EXPECT_EQ(contar(kAzul), 0);
    // The preview, which opens no box, says it in a note.
    clicar(9);
    dialogos.mensagens.clear();
    passo("ValorDeA", Qt::Key_Down);
    EXPECT_EQ(previsao().nota(), falta);
    EXPECT_TRUE(dialogos.mensagens.empty());
}

TEST_F(GrupoTest, AbcissaQueFalhaESaltadaEmSilencio) {
    escrever("Função1", "1/x");
    escrever("Xmin", "0");
    redesenharEixos();
    clicar(3);
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_TRUE(temCorEm(1, -1));
    EXPECT_TRUE(temCorEm(4, -0.25));
    EXPECT_FALSE(ponteiroOcupado(form));
    EXPECT_TRUE(form->areaTransformada().persistente().isVisible());
}

// A text that fails before any value is computed fails alike at every abscissa: the plot
// stops at its first one and says so, as "Desenhar" does.
TEST_F(GrupoTest, ExpressaoQueFalhaSempreAvisaLogo) {
    escrever("Função1", "y+x");
    clicar(2);
    EXPECT_EQ(contar(kAzul), 0);
    EXPECT_EQ(dialogos.textos(),
              QStringList{QStringLiteral(
                  "Erro na expressão analítica da função:\r\n\r\nVariável não definida: y")});
    EXPECT_FALSE(dialogos.mensagens[0].ponteiroOcupado);
    EXPECT_TRUE(form->areaTransformada().persistente().isVisible());
    EXPECT_FALSE(form->areaTransformada().sobreposicao().isVisible());
}

TEST_F(GrupoTest, UsaAJanelaEmVigorEnaoAsCaixas) {
    escrever("Xmin", "5");
    clicar(3);
    EXPECT_TRUE(temCorEm(-2, 2));
}

// The buttons of `Frame3` belong to the transformation options group under the transform area.
TEST_F(GrupoTest, BotoesResetEApagarTTiramAsMarcas) {
    auto* reset = controlo<QAbstractButton>("Reset");
    auto* apagar = controlo<QAbstractButton>("ApagarT");
    ASSERT_NE(reset, nullptr);
    ASSERT_NE(apagar, nullptr);
    clicar(4);
    const QImage desenhada = imagem2();
    reset->click();
    EXPECT_EQ(marcada(), 0);
    EXPECT_EQ(imagem2(), desenhada); // Reset erases nothing
    clicar(4);
    EXPECT_EQ(marcada(), 4);
    apagar->click();
    EXPECT_EQ(marcada(), 0);
    EXPECT_EQ(contar(kAzul), 0);
}

} // namespace

namespace {

// Stepping a with the keyboard while "a.f(x)" is marked: the curve flattens step by step in
// the preview, the piled transforms stay as they were, and nothing is ever said. Steps that
// come before the preview is drawn are drawn once, with the last value.
TEST_F(GrupoTest, PassosDeAPreveemATransformadaMarcada) {
    clicar(9);
    const QImage piladas = imagem2();
    auto* a = controlo<QLineEdit>("ValorDeA");
    for (int n = 0; n < 15; ++n)
        QTest::keyClick(a, Qt::Key_Down);
    EXPECT_EQ(a->text(), QStringLiteral("0.5")); // the text follows every step at once ...
    EXPECT_FALSE(previsao().temPontos());        // ... the preview waits for the last one
    QCoreApplication::processEvents();
    EXPECT_TRUE(previsto(0, -2)); // 0.5 * f(0)
    EXPECT_FALSE(previsto(0, -2.1));
    EXPECT_EQ(imagem2(), piladas);
    passo("ValorDeA", Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(a->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(previsto(0, -6));
    EXPECT_FALSE(previsto(0, -2)); // the earlier preview is gone
    // A touchpad may move both ways at once: the vertical part steps the value.
    QWheelEvent roda(QPointF(5, 5), a->mapToGlobal(QPointF(5, 5)), {}, QPoint(-120, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(a, &roda);
    EXPECT_EQ(a->text(), QStringLiteral("1.6"));
    EXPECT_EQ(imagem2(), piladas);
    EXPECT_TRUE(dialogos.mensagens.empty());

    // Not kept: Reset, another option, a step of a parameter the option has not and a redraw of
    // the area take it away.
    grupo->reset();
    EXPECT_FALSE(previsao().temPontos());
    clicar(9);
    passo("ValorDeA", Qt::Key_Down);
    clicar(3);
    EXPECT_FALSE(previsao().temPontos());
    passo("ValorDeA", Qt::Key_Down); // "- f(x)" has no a: no preview
    EXPECT_FALSE(previsao().temPontos());
    grupo->reset();
    clicar(9);
    passo("ValorDeA", Qt::Key_Down);
    ASSERT_TRUE(previsao().temPontos());
    passo("ValorDeB", Qt::Key_Down); // "a.f(x)" has no b
    EXPECT_FALSE(previsao().temPontos());
    passo("ValorDeA", Qt::Key_Down);
    ASSERT_TRUE(previsao().temPontos());
    redesenharEixos();
    EXPECT_FALSE(previsao().temPontos());
}

TEST_F(GrupoTest, PassosDeBPreveemAsOpcoesComB) {
    clicar(8);
    passo("ValorDeB", Qt::Key_Up, Qt::ShiftModifier); // f(x+3): its vertex at x = -3
    EXPECT_EQ(controlo<QLineEdit>("ValorDeB")->text(), QStringLiteral("3"));
    EXPECT_TRUE(previsto(-3, -4));
    EXPECT_FALSE(previsto(-2, -4));
    // With the window twice as large the screen shows it at the same point of the picture.
    const int barra = form->height() - form->areaCliente()->height();
    form->resize(2032, 1428 + barra);
    Quadro& quadro = form->areaTransformada().persistente();
    const QImage ecra = quadro.grab().toImage();
    const QPoint vertice = quadro.modeloParaEcra({quadro.pixelX(-3), quadro.pixelY(-4)}).toPoint();
    int vermelho = 255; // the least red about it, where the dot is fullest
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            vermelho = std::min(vermelho, qRed(ecra.pixel(vertice + QPoint(dx, dy))));
    EXPECT_LT(vermelho, 64);
    EXPECT_EQ(qBlue(ecra.pixel(vertice)), 255);
}

TEST_F(GrupoTest, PassoDeUmValorQueNaoSeAvaliaNaoFazNada) {
    clicar(6);
    for (const char* texto : {"x", "sqr(-1)", "2+"}) {
        escrever("ValorDeA", texto);
        passo("ValorDeA", Qt::Key_Up);
        EXPECT_EQ(controlo<QLineEdit>("ValorDeA")->text(), QString::fromUtf8(texto));
    }
    escrever("ValorDeB", "0,3");
    passo("ValorDeB", Qt::Key_Up); // f(ax) has no b
    EXPECT_EQ(controlo<QLineEdit>("ValorDeB")->text(), QStringLiteral("0.4"));
    EXPECT_FALSE(previsao().temPontos());
    EXPECT_TRUE(dialogos.mensagens.empty());
}

// A preview that cannot be drawn says why in a note, at once and without a box: an f that
// fails before any value, the other parameter of the option, a refused axis table.
struct PrevisaoImpedida {
    int opcao;
    const char* campo; ///< the field stepped
    const char* funcao;
    const char* a;
    const char* b;
    const char* ymin;
    const char* nota;
};

class PrevisaoImpedidaTest : public GrupoTest,
                             public ::testing::WithParamInterface<PrevisaoImpedida> {};

TEST_P(PrevisaoImpedidaTest, DizPorque) {
    const PrevisaoImpedida& caso = GetParam();
    clicar(caso.opcao);
    escrever("Função1", caso.funcao);
    escrever("ValorDeA", caso.a);
    escrever("ValorDeB", caso.b);
    escrever("Ymin", caso.ymin);
    redesenharEixos();
    dialogos.mensagens.clear(); // those of a refused table
    passo(caso.campo, Qt::Key_Down);
    EXPECT_FALSE(previsao().temPontos());
    EXPECT_EQ(previsao().nota(), QString::fromUtf8(caso.nota));
    EXPECT_TRUE(dialogos.mensagens.empty());
}

const PrevisaoImpedida kPrevisoesImpedidas[] = {
    {9, "ValorDeA", "y*x", "2", "2", "-10",
     "Erro na expressão analítica da função: Variável não definida: y"},
    {7, "ValorDeA", "1/2x^2-4", "2", "abc", "-10",
     "Erro no valor de b: Variável não definida: abc"},
    {7, "ValorDeA", "1/2x^2-4", "2", " ", "-10", "É necessário indicar o valor de b"},
    {7, "ValorDeB", "1/2x^2-4", "x", "2", "-10", "Erro no valor de a: Variável não definida: x"},
    {9, "ValorDeA", "1/2x^2-4", "2", "2", "10",
     "A tabela dos eixos não foi aceite: corrija-a e carregue em Eixos."},
};
INSTANTIATE_TEST_SUITE_P(Notas, PrevisaoImpedidaTest, ::testing::ValuesIn(kPrevisoesImpedidas));

// Enter in a or b draws the marked transformation again with the new value, as choosing it
// afresh would; the graphs pile up.
TEST_F(GrupoTest, EnterEmADesenhaAMarcada) {
    clicar(9);
    escrever("ValorDeA", "0,5");
    passo("ValorDeA", Qt::Key_Return);
    EXPECT_EQ(controlo<QLineEdit>("ValorDeA")->text(), QStringLiteral("0.5"));
    EXPECT_TRUE(temCorEm(0, -2));
    EXPECT_TRUE(temCorEm(0, -8)); // the graph with a = 2 stays
    EXPECT_FALSE(previsao().temPontos());
    escrever("ValorDeB", "abc");
    passo("ValorDeB", Qt::Key_Enter); // "a.f(x)" does not read b
    EXPECT_TRUE(dialogos.mensagens.empty());
    escrever("ValorDeA", "abc");
    passo("ValorDeA", Qt::Key_Return);
    EXPECT_EQ(dialogos.textos(),
              QStringList{QStringLiteral("Erro no valor de a:\r\n\r\nVariável não definida: abc")});
}

} // namespace
