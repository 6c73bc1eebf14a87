// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// The start window and the window manager: start-up, single instances, showing and quitting.
#include "Janelas.h"
#include "DialogosGuiados.h"
#include "Disposicao.h"
#include "FicheiroExercicio.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "GravacaoBitmap.h"
#include "GravuraDecorativa.h"
#include "JanelasVisiveis.h"
#include "QuadroDoExercicio.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void accionar(QWidget& janela, const char* nome) {
    auto* accao = janela.findChild<QAction*>(QString::fromUtf8(nome));
    ASSERT_NE(accao, nullptr) << nome;
    accao->trigger();
}

void apagarDescarregadas() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs the event loop until something ends it; a program that fails to quit ends it with 1.
int correrAteSair(const std::function<void()>& accao) {
    QTimer::singleShot(0, accao);
    QTimer salvaguarda;
    salvaguarda.setSingleShot(true);
    QObject::connect(&salvaguarda, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    salvaguarda.start(10000);
    return QApplication::exec();
}

class JanelasTest : public ::testing::Test {
protected:
    void TearDown() override { apagarDescarregadas(); }
    DialogosGuiados dialogos;
};

} // namespace

TEST_F(JanelasTest, ArrancaSoComAJanelaDeInicio) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    EXPECT_EQ(janelasVisiveis(), QList<QWidget*>{&janelas.inicio()});
    EXPECT_EQ(janelas.principal(), nullptr);
    EXPECT_EQ(janelas.instrucoes(), nullptr);
    EXPECT_EQ(janelas.sintaxe(), nullptr);
    EXPECT_EQ(janelas.funcoesDefinidas(), nullptr);
}

TEST_F(JanelasTest, QuiloraMostraAJanelaPrincipalSobreAInicial) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Quilora");
    ASSERT_NE(janelas.principal(), nullptr);
    EXPECT_TRUE(janelas.principal()->isVisible());
    EXPECT_TRUE(janelas.inicio().isVisible());
    Form1* primeira = janelas.principal();
    accionar(janelas.inicio(), "Quilora");
    EXPECT_EQ(janelas.principal(), primeira);

    accionar(*primeira, "FecharPágina");
    apagarDescarregadas();
    EXPECT_EQ(janelas.principal(), nullptr);
    EXPECT_TRUE(janelas.inicio().isVisible());
    accionar(janelas.inicio(), "Quilora");
    ASSERT_NE(janelas.principal(), nullptr);
    EXPECT_TRUE(janelas.principal()->isVisible());
}

// An exercise named on the command line or opened from the file manager: the main window
// opens; a file that is no exercise is told over it, and nothing of it is kept.
TEST_F(JanelasTest, ExercicioDeForaAbreAJanelaPrincipal) {
    QTemporaryDir pasta;
    const QString bom = pasta.filePath(QStringLiteral("aula.quilora"));
    Exercicio aula;
    aula.f = QStringLiteral("x^3-3x");
    aula.graficosDeF = {{aula.f, {}, {QColor(255, 0, 0), 1}}};
    ASSERT_EQ(FicheiroExercicio::gravar(aula, bom), std::nullopt);
    const QString mau = pasta.filePath(QStringLiteral("grafico.bmp"));
    ASSERT_EQ(GravacaoBitmap::escrever(QImage(2, 2, QImage::Format_RGB32), mau), std::nullopt);
    const QString sumiu = pasta.filePath(QStringLiteral("sumiu.quilora"));

    Janelas janelas(dialogos);
    janelas.iniciar();
    janelas.abrirExercicio(bom);
    Form1* principal = janelas.principal();
    ASSERT_NE(principal, nullptr);
    EXPECT_TRUE(principal->isVisible());
    EXPECT_TRUE(janelas.inicio().isVisible());
    EXPECT_EQ(dialogos.textos(), QStringList());
    ASSERT_TRUE(janelas.exercicioPorAbrir().has_value());
    EXPECT_TRUE(*janelas.exercicioPorAbrir() == aula);
    EXPECT_EQ(janelas.ficheiroDoExercicio(), bom);
    // The board is the exercise's: f typed and drawn in its colour.
    EXPECT_EQ(principal->funcao1()->text(), aula.f);
    EXPECT_TRUE(principal->quadroDoExercicio().exercicio() == aula);
    EXPECT_FALSE(principal->areaFuncao().imagem().allGray());

    const std::pair<QString, QString> maus[] = {
        {mau, QStringLiteral("O ficheiro não é um exercício do Quilora.")},
        {sumiu, QStringLiteral("O ficheiro não existe.")}};
    for (const auto& [ficheiro, razao] : maus) {
        dialogos.mensagens.clear();
        janelas.abrirExercicio(ficheiro);
        EXPECT_EQ(janelas.principal(), principal);
        EXPECT_EQ(dialogos.textos(),
                  QStringList{QStringLiteral("Não foi possível abrir o exercício:\r\n\r\n") +
                              ficheiro + QStringLiteral("\r\n") + razao});
        EXPECT_FALSE(janelas.exercicioPorAbrir().has_value());
        EXPECT_EQ(janelas.ficheiroDoExercicio(), QString());
    }
}

TEST_F(JanelasTest, UmaSoJanelaDeInstrucoesParaOsDoisMenus) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Quilora");
    accionar(*janelas.principal(), "Instruções");
    Form2* instrucoes = janelas.instrucoes();
    ASSERT_NE(instrucoes, nullptr);
    instrucoes->setaDireita()->click();
    accionar(janelas.inicio(), "Instruções");
    EXPECT_EQ(janelas.instrucoes(), instrucoes);
    EXPECT_TRUE(instrucoes->paginaVisivel(2)) << "showing it again changes nothing";
    EXPECT_TRUE(janelas.principal()->isVisible()) << "never modal";
    EXPECT_FALSE(instrucoes->isModal());
}

TEST_F(JanelasTest, InstrucoesReabertasComecamNaPrimeiraPagina) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Instruções");
    janelas.instrucoes()->setaDireita()->click();
    janelas.instrucoes()->setaDireita()->click();
    janelas.instrucoes()->close();
    apagarDescarregadas();
    EXPECT_EQ(janelas.instrucoes(), nullptr);
    accionar(janelas.inicio(), "Instruções");
    ASSERT_NE(janelas.instrucoes(), nullptr);
    EXPECT_TRUE(janelas.instrucoes()->paginaVisivel(1));
    EXPECT_FALSE(janelas.instrucoes()->setaEsquerda()->isEnabled());
}

TEST_F(JanelasTest, SintaxeReabertaNoutroMenuVoltaComoFicou) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Sintaxe");
    Form4* sintaxe = janelas.sintaxe();
    ASSERT_NE(sintaxe, nullptr);
    sintaxe->setaDireita()->click();
    sintaxe->setaDireita()->click();
    sintaxe->close();
    EXPECT_FALSE(sintaxe->isVisible());
    accionar(janelas.inicio(), "Quilora");
    accionar(*janelas.principal(), "Sintaxe");
    EXPECT_EQ(janelas.sintaxe(), sintaxe);
    EXPECT_TRUE(sintaxe->isVisible());
    EXPECT_EQ(sintaxe->paginaAtual(), 3);
    EXPECT_TRUE(sintaxe->paginaVisivel(3));
    EXPECT_TRUE(sintaxe->setaEsquerda()->isEnabled());
    EXPECT_TRUE(sintaxe->setaDireita()->isEnabled());
}

TEST_F(JanelasTest, VariasJanelasDeAjudaAbertasAoMesmoTempo) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Instruções");
    accionar(janelas.inicio(), "Sintaxe");
    accionar(janelas.inicio(), "FunçõesDefinidas");
    EXPECT_EQ(janelasVisiveis().size(), 4);
    EXPECT_TRUE(janelas.funcoesDefinidas()->isVisible());
}

TEST_F(JanelasTest, SairFechaTudoEAcabaOPrograma) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Quilora");
    accionar(janelas.inicio(), "Instruções");
    accionar(janelas.inicio(), "Sintaxe");
    accionar(janelas.inicio(), "FunçõesDefinidas");
    EXPECT_EQ(correrAteSair([&] { accionar(janelas.inicio(), "Sair"); }), 0);
    apagarDescarregadas();
    EXPECT_TRUE(janelasVisiveis().isEmpty());
    EXPECT_EQ(janelas.principal(), nullptr);
    EXPECT_EQ(janelas.instrucoes(), nullptr);
}

TEST_F(JanelasTest, AbandonarOProgramaAcabaTudo) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Quilora");
    accionar(janelas.inicio(), "FunçõesDefinidas");
    Form1* principal = janelas.principal();
    EXPECT_EQ(correrAteSair([&] { accionar(*principal, "AbandonarPrograma"); }), 0);
    apagarDescarregadas();
    EXPECT_TRUE(janelasVisiveis().isEmpty());
}

TEST_F(JanelasTest, FecharAJanelaDeInicioEComoSair) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Instruções");
    EXPECT_EQ(correrAteSair([&] { janelas.inicio().close(); }), 0);
    apagarDescarregadas();
    EXPECT_TRUE(janelasVisiveis().isEmpty());
}

TEST_F(JanelasTest, JanelaDeInicioComoSeDesenhou) {
    Form3 inicio;
    EXPECT_EQ(inicio.windowTitle(), QStringLiteral("QUILORA"));
    EXPECT_EQ(inicio.centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    inicio.show();
    EXPECT_EQ(inicio.centralWidget()->size(), QSize(1016, 714));

    // The words as written, each with its access key (Alt+F, Alt+Q, ...).
    QStringList barra;
    for (QAction* accao : inicio.menuBar()->actions())
        barra << accao->text();
    EXPECT_EQ(barra, (QStringList{"&Ficheiro", "&Quilora", "&Instruções", "&Sintaxe",
                                  "Funções &definidas"}));
    QAction* ficheiro = inicio.menuBar()->actions().first();
    ASSERT_NE(ficheiro->menu(), nullptr);
    ASSERT_EQ(ficheiro->menu()->actions().size(), 1);
    EXPECT_EQ(ficheiro->menu()->actions().first()->text(), QStringLiteral("&Sair"));
    EXPECT_EQ(inicio.findChild<QAction*>(QStringLiteral("Instruções"))->shortcut(),
              QKeySequence(Qt::Key_F1));

    for (QWidget* w : inicio.findChildren<QWidget*>())
        EXPECT_FALSE(w->focusPolicy() & Qt::TabFocus) << w->objectName().toStdString();

    const struct {
        const char* nome;
        const char* texto;
        QPoint lugar;
    } rotulos[] = {{"Label4", "Versão 1.3", {936, 652}},
                   {"Label5", "Resolução: 1024x768", {872, 680}},
                   {"Label1", nullptr, {68, 480}},
                   {"Label2", nullptr, {592, 520}},
                   {"Label3", nullptr, {736, 568}}};
    QString titulo;
    for (const auto& r : rotulos) {
        auto* rotulo = inicio.findChild<QLabel*>(QString::fromLatin1(r.nome));
        ASSERT_NE(rotulo, nullptr) << r.nome;
        if (r.texto)
            EXPECT_EQ(rotulo->text(), QString::fromUtf8(r.texto));
        else
            titulo += rotulo->text();
        EXPECT_EQ(rotulo->pos(), r.lugar) << r.nome;
        EXPECT_EQ(rotulo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_TRUE(rotulo->font().bold());
        EXPECT_EQ(rotulo->font().family(), QStringLiteral("Comic Sans MS"));
    }
    EXPECT_EQ(titulo, QStringLiteral("QUILORA"));
}

TEST_F(JanelasTest, GravurasDaJanelaDeInicioMostramFuncoesETransformadas) {
    Form3 inicio;
    const struct {
        const char* nome;
        QRect lugar;
    } gravuras[] = {{"Image3", {12, 28, 200, 215}},   {"Image8", {216, 28, 200, 215}},
                    {"Image2", {600, 8, 200, 215}},   {"Image1", {804, 7, 200, 216}},
                    {"Image5", {12, 252, 200, 215}},  {"Image9", {216, 252, 200, 215}},
                    {"Image6", {600, 232, 200, 215}}, {"Image4", {804, 232, 200, 215}},
                    {"Image10", {4, 588, 220, 123}}};
    for (const auto& g : gravuras) {
        auto* imagem = inicio.findChild<QLabel*>(QString::fromLatin1(g.nome));
        ASSERT_NE(imagem, nullptr) << g.nome;
        EXPECT_EQ(imagem->geometry(), g.lugar) << g.nome;
        const QImage pixeis = imagem->pixmap().toImage();
        ASSERT_EQ(pixeis.size(), g.lugar.size()) << g.nome;
        int azuis = 0, vermelhos = 0;
        for (int y = 0; y < pixeis.height(); ++y)
            for (int x = 0; x < pixeis.width(); ++x) {
                const QRgb p = pixeis.pixel(x, y);
                azuis += p == qRgb(0, 0, 255);
                vermelhos += p == qRgb(255, 0, 0);
            }
        EXPECT_GT(azuis, 150) << g.nome << ": the function";
        EXPECT_GT(vermelhos, 150) << g.nome << ": its transform";
        EXPECT_FALSE(imagem->accessibleDescription().isEmpty());
    }
    EXPECT_EQ(dialogos.mensagens.size(), 0);
}

TEST(GravurasDecorativas, TransformadasConstruidasComoNaJanelaPrincipal) {
    const QList<GravuraDecorativa> gravuras = gravurasDoInicio();
    ASSERT_EQ(gravuras.size(), 9);
    const auto curvas = [&](const char* nome) {
        for (const GravuraDecorativa& g : gravuras)
            if (g.nome == QLatin1String(nome))
                return curvasDaGravura(g);
        return QStringList{};
    };
    EXPECT_EQ(curvas("Image3"), (QStringList{"x^2-4", "Abs(x^2-4)"}));
    EXPECT_EQ(curvas("Image8"), (QStringList{"sen(x)", "-(sen(x))"}));
    EXPECT_EQ(curvas("Image10").size(), 4);
}

// The start window laid out at two scales: every control at s times its place at scale 1 (in
// pixels) within even margins, its font at s times its size, its picture filling it.
TEST_F(JanelasTest, JanelaDeInicioEscalaComoUmaSoPeca) {
    Form3 inicio;
    inicio.show();
    const int barra = inicio.size().height() - inicio.centralWidget()->size().height();
    const struct {
        const char* nome;
        QRect lugar; // at scale 1
        double pontos;
    } controlos[] = {{"Image3", {12, 28, 200, 215}, 0},  {"Image4", {804, 232, 200, 215}, 0},
                     {"Image10", {4, 588, 220, 123}, 0}, {"Label1", {68, 480, 0, 0}, 36},
                     {"Label3", {736, 568, 0, 0}, 36},   {"Label5", {872, 680, 0, 0}, 9.75}};
    const struct {
        QSize cliente;
        double escala;
        QPoint margem;
    } casos[] = {{{2032, 1428}, 2, {0, 0}}, {{1524, 1000}, 1000 / 714.0, {51, 0}}};
    for (const auto& caso : casos) {
        inicio.resize(caso.cliente + QSize(0, barra));
        ASSERT_EQ(inicio.centralWidget()->size(), caso.cliente);
        EXPECT_DOUBLE_EQ(inicio.disposicao().escala(), caso.escala);
        for (const auto& c : controlos) {
            SCOPED_TRACE(c.nome);
            auto* w = inicio.findChild<QLabel*>(QString::fromLatin1(c.nome));
            ASSERT_NE(w, nullptr);
            const QPointF esperado = caso.margem + QPointF(c.lugar.topLeft()) * caso.escala;
            EXPECT_NEAR(w->x(), esperado.x(), 1);
            EXPECT_NEAR(w->y(), esperado.y(), 1);
            if (c.pontos > 0) {
                EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.pontos * caso.escala);
                continue;
            }
            EXPECT_NEAR(w->width(), c.lugar.width() * caso.escala, 1);
            EXPECT_NEAR(w->height(), c.lugar.height() * caso.escala, 1);
            EXPECT_EQ(w->pixmap().deviceIndependentSize(), QSizeF(w->size()));
        }
    }
}

// On a laptop's free area, 1366 x 690 without the panel and the caption bar, each window opens
// whole: every control of it inside that area, wherever the panels leave it on the screen.
TEST_F(JanelasTest, CadaJanelaAbreOndeCabe) {
    for (const QRect& disponivel : {QRect(0, 0, 1366, 690), QRect(64, 32, 1366, 690)}) {
        SCOPED_TRACE(disponivel.y());
        Form3 inicio;
        Form1 principal(dialogos);
        Form2 instrucoes;
        Form4 sintaxe;
        Form5 funcoes;
        const std::pair<QWidget*, Disposicao*> janelas[] = {{&inicio, &inicio.disposicao()},
                                                            {&principal, &principal.disposicao()},
                                                            {&instrucoes, &instrucoes.disposicao()},
                                                            {&sintaxe, &sintaxe.disposicao()},
                                                            {&funcoes, &funcoes.disposicao()}};
        for (const auto& [janela, disposicao] : janelas) {
            SCOPED_TRACE(janela->objectName().toStdString());
            disposicao->abrirEm(disponivel);
            janela->show();
            EXPECT_TRUE(disponivel.contains(janela->frameGeometry()));
            for (QWidget* w : janela->findChildren<QWidget*>()) {
                if (!w->isVisible() || w->window() != janela)
                    continue;
                const QRect noEcra(w->mapToGlobal(QPoint(0, 0)), w->size());
                EXPECT_TRUE(disponivel.contains(noEcra)) << w->objectName().toStdString();
            }
        }
        // The start, main and syntax windows are taller than that area: they open smaller.
        EXPECT_LT(inicio.disposicao().escala(), 1);
        EXPECT_LT(principal.disposicao().escala(), 1);
        EXPECT_LT(sintaxe.disposicao().escala(), 1);
        EXPECT_EQ(instrucoes.disposicao().escala(), 1);
        EXPECT_EQ(sintaxe.minimumSize(), sintaxe.maximumSize()) << "still a fixed border";
    }
}

// The window manager opens every window inside the screen's free area.
TEST_F(JanelasTest, AsJanelasAbremDentroDoEcra) {
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Quilora");
    accionar(janelas.inicio(), "Instruções");
    accionar(janelas.inicio(), "Sintaxe");
    accionar(janelas.inicio(), "FunçõesDefinidas");
    const QRect disponivel = janelas.inicio().screen()->availableGeometry();
    for (QWidget* janela : janelasVisiveis())
        EXPECT_TRUE(disponivel.contains(janela->frameGeometry()))
            << janela->objectName().toStdString() << " " << disponivel.width() << "x"
            << disponivel.height();
}
