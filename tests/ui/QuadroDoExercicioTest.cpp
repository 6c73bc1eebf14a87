// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// An exercise kept and opened again through the menu "Ficheiro": the board comes back pixel for
// pixel in a fresh window, and a file that is no exercise leaves the board as it was.
#include "QuadroDoExercicio.h"
#include "FicheiroExercicio.h"
#include "FormatoExercicio.h"
#include "JanelaPrincipal.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// A board as a pupil makes it, step by step, with the window's own controls.
struct Aula {
    const char* nome;
    std::function<void(JanelaPrincipal&)> fazer;
};

void desenharF(JanelaPrincipal& j, const char* f, QColor cor = QColor(0, 0, 255)) {
    j.dialogos.cores.push_back(cor);
    j.clicar("CorGráficoFunção");
    j.escrever("Função1", f);
    j.clicar("Desenhar");
}

void transformar(JanelaPrincipal& j, int opcao, const char* a, const char* b,
                 QColor cor = QColor(0, 0, 255)) {
    j.dialogos.cores.push_back(cor);
    j.clicar("CorGráficoTransformada");
    j.escrever("ValorDeA", a);
    j.escrever("ValorDeB", b);
    j.clicar(QStringLiteral("Option%1").arg(opcao).toUtf8().constData());
}

const Aula kAulas[] = {
    {"UmaTranslacao",
     [](JanelaPrincipal& j) {
         desenharF(j, "1/2x^2-4");
         transformar(j, 7, "3", "-2");
     }},
    {"EixosProprios",
     [](JanelaPrincipal& j) {
         j.escrever("Xmin", "-5");
         j.escrever("Ymax", "8");
         j.escrever("PassoX", "0,5");
         j.controlo<QCheckBox>("MarcaY")->setChecked(false);
         j.clicar("DesenharEixos");
         desenharF(j, "x^3-2x", Qt::red);
         transformar(j, 1, "2", "2", QColor(0, 160, 0));
         transformar(j, 9, "1/2", "2", QColor(200, 0, 200));
     }},
    {"RadianosECores",
     [](JanelaPrincipal& j) {
         j.dialogos.cores.push_back(QColor(255, 255, 200));
         j.clicar("CorFundoGráfico");
         j.clicar("EixosRadGráfico");
         desenharF(j, "sen(x)");
         desenharF(j, "cos(x)", QColor(0, 128, 128));
         transformar(j, 6, "2", "2");
         j.form->findChild<QAction*>(QStringLiteral("MostrarF"))->setChecked(true);
     }},
    {"ApagadaAMeio",
     [](JanelaPrincipal& j) {
         desenharF(j, "|x|-3");
         transformar(j, 3, "2", "2");
         j.clicar("ApagarT");
         transformar(j, 5, "-1,5", "2", Qt::red);
         transformar(j, 8, "2", "pi", QColor(0, 0, 128));
     }},
    {"SoOModulo", [](JanelaPrincipal& j) { transformar(j, 1, "2", "2", Qt::red); }},
    {"PaletaLegendaETracoGrosso",
     [](JanelaPrincipal& j) {
         j.form->findChild<QAction*>(QStringLiteral("Legenda"))->setChecked(true);
         j.form->findChild<QAction*>(QStringLiteral("TraçoGrosso"))->setChecked(true);
         j.clicar("Desenhar");
         for (const char* opcao : {"Option7", "Option9", "Option2"}) {
             j.escrever("ValorDeA", "2");
             j.escrever("ValorDeB", "-1");
             j.clicar(opcao);
         }
         const auto curvas = j.form->quadroDoExercicio().exercicio().transformadas;
         ASSERT_EQ(curvas.size(), 3u);
         EXPECT_NE(curvas[1].traco.cor, curvas[2].traco.cor);
         EXPECT_EQ(curvas[2].traco.espessura, 3);
     }},
    {"DominioEG",
     [](JanelaPrincipal& j) {
         j.form->findChild<QAction*>(QStringLiteral("PainelDoExercicio"))->setChecked(true);
         j.escrever("DominioDeF", "[-3, 2]");
         desenharF(j, "x^2-4");
         transformar(j, 6, "2", "0");
         j.escrever("GDeX", "-f(x-1)+3");
         QTest::keyClick(j.controlo<QLineEdit>("GDeX"), Qt::Key_Return);
         const auto curvas = j.form->quadroDoExercicio().exercicio().transformadas;
         ASSERT_EQ(curvas.size(), 2u);
         EXPECT_EQ(curvas[1].g, QStringLiteral("-f(x-1)+3"));
         EXPECT_EQ(curvas[1].dominio, QStringLiteral("[-3, 2]"));
         j.escrever("DominioDeF", "]-1; 1]");
     }},
};

// A second main window, as the start window opens one after "Fechar esta página".
struct OutraJanela {
    OutraJanela() : form(new Form1(dialogos)) {
        form->show();
        JanelaPrincipal::activar(form);
    }
    ~OutraJanela() { delete form.data(); }
    void accao(const char* nome) const {
        form->findChild<QAction*>(QString::fromUtf8(nome))->trigger();
    }
    DialogosGuiados dialogos;
    QPointer<Form1> form;
};

struct QuadroDoExercicioTest : JanelaPrincipal, ::testing::WithParamInterface<Aula> {};

TEST_P(QuadroDoExercicioTest, GuardadoEAbertoNumaJanelaNovaEIgualPixelAPixel) {
    GetParam().fazer(*this);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("aula"));
    dialogos.ficheiros.push_back({caminho, false});
    form->findChild<QAction*>(QStringLiteral("GuardarExercício"))->trigger();
    ASSERT_TRUE(dialogos.textos().isEmpty()) << dialogos.textos().join(u'\n').toStdString();

    OutraJanela nova;
    nova.dialogos.aberturas.push_back(caminho + QStringLiteral(".quilora"));
    nova.accao("AbrirExercício");
    EXPECT_TRUE(nova.dialogos.textos().isEmpty())
        << nova.dialogos.textos().join(u'\n').toStdString();
    EXPECT_TRUE(nova.form->areaFuncao().imagem() == imagem(false));
    EXPECT_TRUE(nova.form->areaTransformada().imagem() == imagem(true));
    EXPECT_TRUE(nova.form->quadroDoExercicio().exercicio() ==
                form->quadroDoExercicio().exercicio());
    EXPECT_EQ(nova.form->funcao1()->text(), form->funcao1()->text());
}

INSTANTIATE_TEST_SUITE_P(Aulas, QuadroDoExercicioTest, ::testing::ValuesIn(kAulas),
                         [](const auto& info) { return info.param.nome; });

// The curves of each area since it was last cleared, in their order and colours.
TEST_F(JanelaPrincipal, OQuadroGuardaAsCurvasDesdeAUltimaLimpeza) {
    kAulas[3].fazer(*this);
    const Exercicio e = form->quadroDoExercicio().exercicio();
    ASSERT_EQ(e.graficosDeF.size(), 1U);
    EXPECT_EQ(e.graficosDeF[0].f, QStringLiteral("|x|-3"));
    ASSERT_EQ(e.transformadas.size(), 2U);
    EXPECT_EQ(e.transformadas[0].opcao, 5);
    EXPECT_EQ(e.transformadas[0].a, QStringLiteral("-1.5"));
    EXPECT_EQ(e.transformadas[0].traco.cor, QColor(Qt::red));
    EXPECT_EQ(e.transformadas[1].opcao, 8);
    EXPECT_EQ(e.transformadas[1].f, QStringLiteral("|x|-3"));
    EXPECT_EQ(e.transformacao, 8);
}

struct FicheiroMau {
    const char* nome;
    QByteArray conteudo; ///< nothing written: the file is gone when it is read
    const char* razao;
};

QByteArray comVersao999() {
    return FormatoExercicio::escrever(Exercicio{}).replace("\"versao\": 1", "\"versao\": 999");
}

const FicheiroMau kMaus[] = {
    {"Vazio", QByteArray(""), "O ficheiro está vazio."},
    {"NaoJson", QByteArray("f(x) = x^2"), "não é um exercício"},
    {"TipoErrado",
     QByteArray(FormatoExercicio::escrever(Exercicio{})).replace("\"f\": \"1/2x^2-4\"", "\"f\": 3"),
     "«f» devia ser um texto."},
    {"SemChave",
     QByteArray(FormatoExercicio::escrever(Exercicio{})).replace("\"f\": \"1/2x^2-4\",", ""),
     "falta «f»."},
    {"Versao999", comVersao999(), "formato 999"},
    {"DezMBDeLixo", QByteArray(10 * 1024 * 1024, 'x'), "demasiado grande"},
    {"Desaparecido", QByteArray(), "O ficheiro não existe."},
};

struct FicheiroMauNoQuadroTest : JanelaPrincipal, ::testing::WithParamInterface<FicheiroMau> {};

TEST_P(FicheiroMauNoQuadroTest, DizPorqueEOQuadroFicaComoEstava) {
    kAulas[0].fazer(*this);
    escrever("Função1", "x^2");
    const Exercicio antes = form->quadroDoExercicio().exercicio();
    const QImage funcao = imagem(false), transformada = imagem(true);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("mau.quilora"));
    if (!GetParam().conteudo.isNull()) {
        QFile ficheiro(caminho);
        ASSERT_TRUE(ficheiro.open(QIODevice::WriteOnly));
        ficheiro.write(GetParam().conteudo);
    }
    dialogos.aberturas.push_back(caminho);
    form->findChild<QAction*>(QStringLiteral("AbrirExercício"))->trigger();
    ASSERT_EQ(dialogos.textos().size(), 1);
    EXPECT_TRUE(
        dialogos.textos()[0].startsWith(QStringLiteral("Não foi possível abrir o exercício:")));
    EXPECT_TRUE(dialogos.textos()[0].contains(QString::fromUtf8(GetParam().razao)))
        << dialogos.textos()[0].toStdString();
    EXPECT_TRUE(form->quadroDoExercicio().exercicio() == antes);
    EXPECT_TRUE(imagem(false) == funcao);
    EXPECT_TRUE(imagem(true) == transformada);
}

INSTANTIATE_TEST_SUITE_P(Ficheiros, FicheiroMauNoQuadroTest, ::testing::ValuesIn(kMaus),
                         [](const auto& info) { return info.param.nome; });

} // namespace
