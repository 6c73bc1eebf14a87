// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JanelaPrincipal.h"
#include "BotaoImagem.h"
#include "OrdemTabulacao.h"
#include "Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

// The picture buttons as the window shows them: group, caption, left edge in the group and
// tool tip, in twips as laid out.
struct BotaoEsperado {
    const char* nome;
    const char* grupo;
    const char* legenda;
    int esquerda;
    const char* dica;
};

class BotoesImagemTest : public JanelaPrincipal,
                         public ::testing::WithParamInterface<BotaoEsperado> {};

TEST_P(BotoesImagemTest, LugarLegendaDicaETextosAcessiveis) {
    const BotaoEsperado& esperado = GetParam();
    auto* botao = controlo<BotaoImagem>(esperado.nome);
    ASSERT_NE(botao, nullptr);
    ASSERT_NE(botao->parentWidget(), nullptr);
    EXPECT_EQ(botao->parentWidget()->objectName(), QString::fromUtf8(esperado.grupo));
    EXPECT_EQ(botao->text(), QString::fromUtf8(esperado.legenda));
    EXPECT_EQ(botao->toolTip(), QString::fromUtf8(esperado.dica));
    EXPECT_EQ(botao->accessibleName(), botao->text());
    EXPECT_EQ(botao->accessibleDescription(), botao->toolTip());
    EXPECT_EQ(botao->geometry(), QRect(twipsParaPixels(esperado.esquerda), 16, 41, 41));
    EXPECT_FALSE(botao->icon().isNull());
    EXPECT_TRUE(botao->isVisible());
    // The caption's own font, not the bold one of the group's title.
    EXPECT_EQ(botao->font().family(), QStringLiteral("MS Serif"));
    EXPECT_EQ(botao->font().pointSizeF(), 6);
    EXPECT_FALSE(botao->font().bold());
}

INSTANTIATE_TEST_SUITE_P(
    Janela, BotoesImagemTest,
    ::testing::Values(
        BotaoEsperado{"Desenhar", "Frame4", "Desenhar", 180,
                      "Desenhar o gráfico da função cuja expressão analítica foi indicada."},
        BotaoEsperado{"ApagarF", "Frame4", "Apagar", 970, "Apagar o gráfico da função."},
        BotaoEsperado{"CorGráficoFunção", "Frame4", "Cor", 1760,
                      "Mudar a cor do gráfico da função."},
        BotaoEsperado{"CorFundoGráfico", "Frame4", "Fundo", 2550,
                      "Mudar a cor do fundo do gráfico da função."},
        BotaoEsperado{"EixosRadGráfico", "Frame4", "Radianos", 3340,
                      "Graduar o eixo das abcissas em radianos."},
        BotaoEsperado{"CopiarFunção", "Frame4", "Copiar", 4130,
                      "Copiar a  imagem da função para outra aplicação."},
        BotaoEsperado{"GuardarFunção", "Frame4", "Guardar", 4920,
                      "Guardar o gráfico da função no disco."},
        BotaoEsperado{"ApagarT", "Frame3", "Apagar", 120, "Apagar o gráfico da transformação."},
        BotaoEsperado{"Reset", "Frame3", "Reset", 1020,
                      "Apagar marcação das funções transformadas."},
        BotaoEsperado{"CorGráficoTransformada", "Frame3", "Cor", 1920,
                      "Mudar a cor do gráfico da transformada da função."},
        BotaoEsperado{"CorFundoTransformada", "Frame3", "Fundo", 2820,
                      "Mudar a cor do fundo da transformada da função."},
        BotaoEsperado{"CopiarTransformada", "Frame3", "Copiar", 3720,
                      "Copiar a imagem da transformada para outra aplicação."},
        BotaoEsperado{"GuardarTransformada", "Frame3", "Guardar", 4620,
                      "Guardar o gráfico da transformada da função no disco."}));

using JanelaPrincipalTest = JanelaPrincipal;

TEST_F(JanelaPrincipalTest, GruposDeBotoesETitulosDaTabela) {
    struct Grupo {
        const char* nome;
        const char* titulo;
        QRect lugar;
    };
    for (const Grupo& grupo :
         {Grupo{"Frame4", "Opções sobre a função", {4, 644, 381, 65}},
          Grupo{"Frame3", "Opções sobre a transformação", {656, 644, 357, 65}}}) {
        auto* frame = controlo<QGroupBox>(grupo.nome);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), QString::fromUtf8(grupo.titulo));
        EXPECT_EQ(frame->accessibleName(), frame->title());
        EXPECT_EQ(frame->geometry(), grupo.lugar);
        EXPECT_EQ(frame->font().family(), QStringLiteral("Arial"));
        EXPECT_TRUE(frame->font().bold());
        EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
    // The titles of the two graphs, in red over the pictures.
    for (const auto& [nome, texto] : {std::pair{"Label1", "Gráfico da função"},
                                      std::pair{"Label2", "Gráfico da transformada"}}) {
        auto* titulo = controlo<QLabel>(nome);
        ASSERT_NE(titulo, nullptr);
        EXPECT_EQ(titulo->text(), QString::fromUtf8(texto));
        EXPECT_EQ(titulo->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }
    auto* titulos = controlo("Image1");
    ASSERT_NE(titulos, nullptr);
    EXPECT_EQ(titulos->geometry(), QRect(392, 645, 240, 72));
    // The cells stand over the headings and take the clicks.
    for (const char* celula : {"Xmin", "PassoY", "MarcaX"}) {
        QWidget* widget = controlo(celula);
        const QPoint centro = widget->geometry().center();
        EXPECT_EQ(form->areaCliente()->childAt(centro), widget) << celula;
    }
}

// A screen reader names every control a pupil can reach: none is left without a name.
TEST_F(JanelaPrincipalTest, CadaControloTemNomeAcessivel) {
    int controlos = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        ++controlos;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        EXPECT_FALSE(w->objectName().isEmpty()) << w->accessibleName().toStdString();
    }
    EXPECT_GT(controlos, 30); // buttons, options, check boxes and fields
}

TEST_F(JanelaPrincipalTest, TabSegueOEcraDaEsquerdaParaADireitaEDeCimaParaBaixo) {
    // With the exercise panel open, beside the graphs.
    form->findChild<QAction*>(QStringLiteral("PainelDoExercicio"))->setChecked(true);
    const QStringList ordem = OrdemTabulacao::nomes();
    controlo(ordem.first().toUtf8().constData())->setFocus();
    QStringList visitados{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < ordem.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visitados << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visitados, ordem);
    EXPECT_EQ(ordem.size(), 45);
    // As the screen reads: the row of the two groups at the top, the graphs, the row under
    // them; in a group, its rows top to bottom, each left to right.
    const auto faixa = [this](QWidget* w) {
        const int y = w->mapTo(form, QPoint(0, 0)).y() - form->areaCliente()->y();
        return y < 100 ? 0 : y < 600 ? 1 : 2;
    };
    // The exercise panel is a column right of the whole board, read after it.
    const auto noPainel = [](QWidget* w) {
        return w->parentWidget()->objectName() == "PainelExercicio";
    };
    for (int i = 1; i < ordem.size(); ++i) {
        QWidget* antes = controlo(ordem[i - 1].toUtf8().constData());
        QWidget* depois = controlo(ordem[i].toUtf8().constData());
        if (noPainel(depois)) {
            EXPECT_GT(depois->mapTo(form, QPoint()).x(), controlo("Picture2")->geometry().right());
            continue;
        }
        EXPECT_LE(faixa(antes), faixa(depois)) << ordem[i].toStdString();
        if (antes->parentWidget() != depois->parentWidget() ||
            !qobject_cast<QGroupBox*>(antes->parentWidget()))
            continue;
        const QPoint a = antes->geometry().center(), b = depois->geometry().center();
        const bool mesmaLinha = std::abs(a.y() - b.y()) < 10;
        EXPECT_TRUE(mesmaLinha ? b.x() > a.x() : b.y() > a.y()) << ordem[i].toStdString();
    }
}

TEST_F(JanelaPrincipalTest, RadianosMudaLegendaDicaEIcone) {
    auto* botao = controlo<BotaoImagem>("EixosRadGráfico");
    const QImage icone = botao->icon().pixmap(16, 16).toImage();
    botao->click();
    EXPECT_EQ(botao->text(), QStringLiteral("Unidades"));
    EXPECT_EQ(botao->accessibleName(), QStringLiteral("Unidades"));
    EXPECT_EQ(botao->accessibleDescription(),
              QStringLiteral("Graduar o eixo das abcissas em unidades."));
    EXPECT_NE(botao->icon().pixmap(16, 16).toImage(), icone);
    botao->click();
    EXPECT_EQ(botao->text(), QStringLiteral("Radianos"));
    EXPECT_EQ(botao->icon().pixmap(16, 16).toImage(), icone);
}

// "Fechar esta página" unloads the window; a new one starts with every initial value.
TEST_F(JanelaPrincipalTest, FecharEstaPaginaRecomecaComOsValoresIniciais) {
    escrever("Função1", "x");
    escrever("ValorDeA", "5");
    escrever("Xmin", "-3");
    escrever("PassoY", "2");
    controlo<QCheckBox>("MarcaY")->setChecked(false);
    clicar("Option3");
    clicar("EixosRadGráfico");
    dialogos.cores.push_back(QColor(0, 160, 0));
    clicar("CorFundoGráfico");
    dialogos.cores.push_back(QColor(255, 0, 0));
    clicar("CorGráficoTransformada");

    controlo<QAction>("FecharPágina")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(form.isNull());

    form = new Form1(dialogos);
    form->show();
    activar(form);
    const std::pair<const char*, const char*> textos[] = {
        {"Função1", "1/2x^2-4"}, {"ValorDeA", "2"}, {"ValorDeB", "2"},
        {"Xmin", "-10"},         {"Xmax", "10"},    {"Ymin", "-10"},
        {"Ymax", "10"},          {"PassoX", "1"},   {"PassoY", "1"}};
    for (const auto& [nome, texto] : textos)
        EXPECT_EQ(controlo<QLineEdit>(nome)->text(), QString::fromUtf8(texto)) << nome;
    for (const char* nome : {"GradNumX", "MarcaX", "GradNumY", "MarcaY"})
        EXPECT_TRUE(controlo<QCheckBox>(nome)->isChecked()) << nome;
    for (int i = 1; i <= 10; ++i)
        EXPECT_FALSE(
            controlo<QAbstractButton>(QStringLiteral("Option%1").arg(i).toUtf8().constData())
                ->isChecked());
    EXPECT_EQ(controlo<QAbstractButton>("EixosRadGráfico")->text(), QStringLiteral("Radianos"));
    EXPECT_EQ(form->corGraficoFuncao(), QColor(0, 0, 255));
    EXPECT_EQ(form->corFundoFuncao(), QColor(255, 255, 255));
    EXPECT_EQ(form->corGraficoTransformada(), QColor(0, 0, 255));
    EXPECT_EQ(form->corFundoTransformada(), QColor(255, 255, 255));
    for (const bool transformada : {false, true}) {
        const QImage area = imagem(transformada);
        EXPECT_EQ(area.pixel(2, 2), qRgb(255, 255, 255));
        EXPECT_GT(contar(area, qRgb(0, 0, 0)), 900);
        // Axes and their (smoothed) numbers only: no coloured pixel of a curve.
        int coloridos = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) {
                const QRgb pixel = area.pixel(x, y);
                coloridos += qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel);
            }
        EXPECT_EQ(coloridos, 0);
    }
    EXPECT_EQ(QApplication::focusWidget(), controlo("Função1"));
}

} // namespace

// Every menu and command has its own access key within its menu, the words as written, and the
// file commands their usual shortcuts; F1 opens the instructions.
TEST_F(JanelaPrincipalTest, MenusComTeclasDeAcessoEAtalhos) {
    const auto semTecla = [](QString texto) { return texto.remove(u'&'); };
    const auto verificar = [&](const QList<QAction*>& accoes) {
        QStringList palavras;
        QHash<QChar, bool> teclas;
        for (QAction* accao : accoes) {
            if (accao->isSeparator())
                continue;
            const QString texto = accao->text();
            const qsizetype e = texto.indexOf(u'&');
            EXPECT_TRUE(e >= 0 && e + 1 < texto.size() && texto[e + 1].isLetter())
                << texto.toStdString();
            if (e >= 0 && e + 1 < texto.size()) {
                EXPECT_FALSE(std::exchange(teclas[texto[e + 1].toCaseFolded()], true))
                    << texto.toStdString();
            }
            palavras << semTecla(texto);
        }
        return palavras;
    };
    QMenuBar* barra = form->menuBar();
    EXPECT_EQ(verificar(barra->actions()),
              (QStringList{"Ficheiro", "Comparar", "Instruções", "Sintaxe", "Funções definidas"}));
    EXPECT_EQ(barra->actions()[0]->text(), QStringLiteral("&Ficheiro"));
    EXPECT_EQ(barra->actions()[1]->text(), QStringLiteral("&Comparar"));
    EXPECT_EQ(verificar(barra->actions()[0]->menu()->actions()),
              (QStringList{"Abrir exercício…", "Guardar exercício…", "Exportar imagem…",
                           "Imprimir…", "Fechar esta página", "Abandonar o programa"}));
    EXPECT_EQ(verificar(barra->actions()[1]->menu()->actions()),
              (QStringList{"Painel do exercício", "Mostrar f no gráfico da transformada",
                           "Usar a transformada como f", "Uma cor por curva", "Legenda",
                           "Traço grosso"}));
    const std::pair<const char*, QKeySequence> atalhos[] = {
        {"AbrirExercício", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"GuardarExercício", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"ExportarImagem", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"Imprimir", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Instruções", QKeySequence(Qt::Key_F1)}};
    for (const auto& [nome, atalho] : atalhos)
        EXPECT_EQ(form->findChild<QAction*>(QString::fromUtf8(nome))->shortcut(), atalho) << nome;
}
