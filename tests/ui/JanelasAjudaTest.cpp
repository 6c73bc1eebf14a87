// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// Page turning, captions and places of the three help windows.
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The page shown, found by looking at the pages themselves, and -1 unless exactly one shows.
int paginaUnicaVisivel(const JanelaAjuda& janela) {
    int vista = -1;
    for (int p = 1; p <= janela.numeroPaginas(); ++p) {
        if (janela.paginaVisivel(p)) {
            if (vista != -1)
                return -1;
            vista = p;
        }
    }
    return vista;
}

// The next control the Tab key would reach from `w`.
QWidget* seguinteNoTab(QWidget* w) {
    QWidget* seguinte = w->nextInFocusChain();
    while (seguinte != w && !(seguinte->focusPolicy() & Qt::TabFocus))
        seguinte = seguinte->nextInFocusChain();
    return seguinte;
}

struct EstadoVisor {
    int pagina;
    bool setaE;
    bool setaD;
};

void esperarEstado(const VisorPaginas& janela, EstadoVisor esperado) {
    EXPECT_EQ(janela.paginaAtual(), esperado.pagina);
    EXPECT_EQ(paginaUnicaVisivel(janela), esperado.pagina);
    EXPECT_EQ(janela.rotuloNumero()->text(), QString::number(esperado.pagina));
    // What a screen reader reads of the page number.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(janela.rotuloNumero())->text(QAccessible::Name),
              QString::number(esperado.pagina));
    EXPECT_EQ(janela.setaEsquerda()->isEnabled(), esperado.setaE);
    EXPECT_EQ(janela.setaDireita()->isEnabled(), esperado.setaD);
}

void esperarEstado(const Form2& janela, EstadoVisor esperado) {
    EXPECT_EQ(paginaUnicaVisivel(janela), esperado.pagina);
    EXPECT_EQ(janela.setaEsquerda()->isEnabled(), esperado.setaE);
    EXPECT_EQ(janela.setaDireita()->isEnabled(), esperado.setaD);
}

} // namespace

TEST(Form5, VinteEDoisCliquesChegamAUltimaPaginaEVoltam) {
    Form5 janela;
    esperarEstado(janela, {1, false, true});
    for (int p = 2; p <= 23; ++p) {
        janela.setaDireita()->click();
        SCOPED_TRACE(p);
        esperarEstado(janela, {p, true, p < 23});
    }
    for (int p = 22; p >= 1; --p) {
        janela.setaEsquerda()->click();
        SCOPED_TRACE(p);
        esperarEstado(janela, {p, p > 1, true});
    }
}

TEST(Form4, TresCliquesChegamAQuartaPagina) {
    Form4 janela;
    for (int i = 0; i < 3; ++i)
        janela.setaDireita()->click();
    esperarEstado(janela, {4, true, false});
}

TEST(Form2, PaginasSeguintesEAnteriores) {
    Form2 janela;
    esperarEstado(janela, {1, false, true});
    janela.setaDireita()->click();
    esperarEstado(janela, {2, true, true});
    janela.setaDireita()->click();
    esperarEstado(janela, {3, true, false});
    // A further press on the last page changes nothing.
    janela.setaDireita()->click();
    esperarEstado(janela, {3, true, false});
    janela.setaEsquerda()->click();
    esperarEstado(janela, {2, true, true});
    janela.setaEsquerda()->click();
    esperarEstado(janela, {1, false, true});
}

TEST(Form2, AnteriorNaPaginaDoisSoRecuaUmaPagina) {
    // The second test of "previous" must not see the page it has just left.
    Form2 janela;
    janela.setaDireita()->click();
    janela.setaEsquerda()->click();
    esperarEstado(janela, {1, false, true});
}

TEST(JanelasDeAjuda, TitulosTamanhosEMolduras) {
    Form2 instrucoes;
    Form4 sintaxe;
    Form5 funcoes;
    EXPECT_EQ(instrucoes.windowTitle(), QStringLiteral("INSTRUÇÕES"));
    EXPECT_EQ(sintaxe.windowTitle(), QStringLiteral("SINTAXE"));
    EXPECT_EQ(funcoes.windowTitle(), QStringLiteral("FUNÇÕES DEFINIDAS"));
    EXPECT_EQ(instrucoes.size(), QSize(502, 636));
    EXPECT_EQ(instrucoes.minimumSize(), QSize(0, 0)) << "Form2 is sizable";
    EXPECT_EQ(sintaxe.minimumSize(), sintaxe.maximumSize()) << "fixed border";
    EXPECT_EQ(funcoes.minimumSize(), funcoes.maximumSize()) << "fixed border";
    EXPECT_EQ(sintaxe.windowType(), Qt::Dialog);
    EXPECT_EQ(funcoes.windowType(), Qt::Dialog);
    EXPECT_TRUE(instrucoes.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(sintaxe.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(instrucoes.numeroPaginas(), 3);
    EXPECT_EQ(sintaxe.numeroPaginas(), 4);
    EXPECT_EQ(funcoes.numeroPaginas(), 23);
    // Screen readers announce them as windows, by their titles.
    for (JanelaAjuda* janela :
         std::initializer_list<JanelaAjuda*>{&instrucoes, &sintaxe, &funcoes}) {
        QAccessibleInterface* acessivel = QAccessible::queryAccessibleInterface(janela);
        EXPECT_EQ(acessivel->role(), QAccessible::Window);
        EXPECT_EQ(acessivel->text(QAccessible::Name), janela->windowTitle());
    }
}

TEST(JanelasDeAjuda, BotoesRotulosEPaginasNosSeusLugares) {
    Form5 funcoes;
    EXPECT_EQ(funcoes.botaoFechar()->text(), QStringLiteral("Fechar"));
    EXPECT_EQ(funcoes.botaoFechar()->geometry(), QRect(4, 660, 85, 21));
    EXPECT_EQ(funcoes.setaEsquerda()->geometry(), QRect(404, 660, 29, 29));
    EXPECT_EQ(funcoes.setaDireita()->geometry(), QRect(440, 660, 29, 29));
    EXPECT_TRUE(funcoes.setaDireita()->text().isEmpty());
    EXPECT_EQ(funcoes.setaDireita()->iconSize(), QSize(24, 24));
    EXPECT_FALSE(funcoes.setaDireita()->icon().isNull());
    EXPECT_FALSE(funcoes.setaEsquerda()->icon().isNull());
    for (int p = 1; p <= 23; ++p) {
        QTextBrowser* pagina = funcoes.pagina(p);
        EXPECT_EQ(pagina->objectName(), QStringLiteral("Image1(%1)").arg(p));
        EXPECT_EQ(pagina->geometry(), QRect(4, 8, 469, 649));
        EXPECT_TRUE(pagina->isReadOnly());
        EXPECT_GT(pagina->toPlainText().size(), 200) << "page " << p << " is empty";
    }
    const auto* total = funcoes.findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->text(), QStringLiteral("de  23"));
    EXPECT_EQ(total->pos(), QPoint(252, 664));
    EXPECT_EQ(total->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const auto* pagina = funcoes.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(pagina, nullptr);
    EXPECT_EQ(pagina->text(), QStringLiteral("Página"));

    Form4 sintaxe;
    const auto* totalSintaxe = sintaxe.findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(totalSintaxe, nullptr);
    EXPECT_EQ(totalSintaxe->text(), QStringLiteral("de  4"));
}

TEST(JanelasDeAjuda, OrdemDoFocoComecaNaSetaDireita) {
    Form4 janela;
    janela.show();
    janela.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(janela.focusWidget(), janela.setaDireita());
    EXPECT_EQ(seguinteNoTab(janela.setaDireita()), janela.setaEsquerda());
    EXPECT_EQ(seguinteNoTab(janela.setaEsquerda()), janela.botaoFechar());
    EXPECT_EQ(seguinteNoTab(janela.botaoFechar()), janela.setaDireita());
    for (int p = 1; p <= janela.numeroPaginas(); ++p)
        EXPECT_EQ(janela.pagina(p)->focusPolicy(), Qt::NoFocus);
}

// Made twice as large, a help window is the same page twice as large: the page's place, its
// text (each line breaking at the same word) and the arrows' icons.
TEST(JanelasDeAjuda, APaginaEscalaComAJanela) {
    Form2 janela;
    janela.show();
    QTextBrowser* pagina = janela.pagina(1);
    const QSizeF texto = pagina->document()->size();
    const int linhas = pagina->document()->lineCount();
    janela.resize(2 * janela.size());
    EXPECT_EQ(pagina->geometry(), QRect(8, 16, 2 * 493, 2 * 553));
    EXPECT_EQ(janela.setaDireita()->iconSize(), QSize(48, 48));
    EXPECT_NEAR(pagina->document()->size().width(), 2 * texto.width(), 0.05 * texto.width());
    EXPECT_NEAR(pagina->document()->size().height(), 2 * texto.height(), 0.05 * texto.height());
    EXPECT_EQ(pagina->document()->lineCount(), linhas);
    // The pages out of sight follow when they are shown.
    janela.setaDireita()->click();
    EXPECT_NEAR(janela.pagina(2)->document()->size().width(), 2 * texto.width(),
                0.05 * texto.width());
}
