// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// The help pages teach only what the interpreter really does.
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "FunctionTable.h"
#include "PreparacaoTexto.h"
#include "clsEquation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>
#include <string>

namespace {

QString lerPagina(const QString& nome) {
    QFile ficheiro(QStringLiteral(":/ajuda/") + nome);
    if (!ficheiro.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(ficheiro.readAll());
}

QStringList paginas(const QString& filtro) {
    return QDir(QStringLiteral(":/ajuda")).entryList({filtro}, QDir::Files, QDir::Name);
}

// The plain text of every <code class="..."> of a page, with its entities resolved.
QStringList codigos(const QString& html, const QString& classe) {
    static const QString modelo = QStringLiteral("<code class=\"%1\">(.*?)</code>");
    QStringList encontrados;
    QRegularExpression re(modelo.arg(classe));
    for (const auto& m : re.globalMatch(html))
        encontrados << QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText();
    return encontrados;
}

// Abscissas away from the points where a division by zero is the mathematics' own answer.
constexpr double kAbcissas[] = {-2.7, -0.6, 0.35, 1.3, 2.9};

} // namespace

TEST(PaginasDeAjuda, SaoTrintaETodasAbrem) {
    EXPECT_EQ(paginas(QStringLiteral("instrucoes*.html")).size(), 3);
    EXPECT_EQ(paginas(QStringLiteral("sintaxe*.html")).size(), 4);
    EXPECT_EQ(paginas(QStringLiteral("funcoes*.html")).size(), 23);
    for (const QString& nome : paginas(QStringLiteral("*.html")))
        EXPECT_TRUE(lerPagina(nome).contains(QStringLiteral("<h1>"))) << nome.toStdString();
}

TEST(PaginasDeAjuda, TodosOsExemplosSaoAvaliadosSemErro) {
    int total = 0;
    for (const QString& nome : paginas(QStringLiteral("*.html"))) {
        for (const QString& exemplo : codigos(lerPagina(nome), QStringLiteral("exemplo"))) {
            ++total;
            clsEquation equacao;
            // The program reads each example as the user types it.
            equacao.Equation(PrepararTexto(exemplo).texto.toStdString());
            for (double x : kAbcissas) {
                equacao.Var("x", x);
                try {
                    equacao.Solve();
                } catch (const InterpreterError& erro) {
                    ADD_FAILURE() << nome.toStdString() << ": '" << exemplo.toStdString()
                                  << "' with x = " << x << " raises " << erro.number() << " "
                                  << erro.description();
                    break;
                }
            }
        }
    }
    EXPECT_GT(total, 150);
}

namespace {

// The value the program gives a text typed as the user types it, at x = 1.3.
double valorDoPrograma(const char* escrito) {
    clsEquation equacao;
    equacao.Equation(PrepararTexto(QString::fromUtf8(escrito)).texto.toStdString());
    equacao.Var("x", 1.3);
    return equacao.Solution();
}

} // namespace

TEST(PaginasDeAjuda, OsExemplosErradosSaoRecusados) {
    // Every wrong form the pages show is refused, with a message, by the reading or by the
    // interpreter; "-pi" and "pi" are wrong only as limits of the axes, which are compared by
    // the number they start with.
    int total = 0;
    for (const QString& nome : paginas(QStringLiteral("*.html"))) {
        for (const QString& errado : codigos(lerPagina(nome), QStringLiteral("errado"))) {
            if (errado == QStringLiteral("-pi") || errado == QStringLiteral("pi"))
                continue;
            ++total;
            const TextoPreparado preparado = PrepararTexto(errado);
            if (!preparado.aceite())
                continue;
            clsEquation equacao;
            equacao.Equation(preparado.texto.toStdString());
            equacao.Var("x", 1.3);
            EXPECT_THROW(equacao.Solve(), InterpreterError)
                << nome.toStdString() << ": " << errado.toStdString();
        }
    }
    EXPECT_GE(total, 10);
}

TEST(PaginasDeAjuda, OQueAntesEraErradoDaOValorDoLivro) {
    const struct {
        const char* escrito;
        const char* certo;
    } pares[] = {
        {"sen(x)cos(x)", "sen(x)*cos(x)"},
        {"(x+1)(x-1)", "(x+1)*(x-1)"},
        {"x²", "x^2"},
        {"x(x+1)", "x*(x+1)"},
        {"x^-1", "x^(-1)"},
        {"pi x", "pi*x"},
    };
    for (const auto& par : pares)
        EXPECT_EQ(valorDoPrograma(par.escrito), valorDoPrograma(par.certo)) << par.escrito;
    // A hidden product keeps the order of writing: 1/2x is half of x.
    EXPECT_NE(valorDoPrograma("1/2x"), valorDoPrograma("1/(2x)"));
}

TEST(PaginasDeAjuda, OsValoresEnsinadosSaoOsDoPrograma) {
    const struct {
        const char* expressao;
        double valor;
    } casos[] = {
        {"2^3^2", 512},
        {"-2^2", -4},
        {"1/2*4", 2},
        {"1/2x", 0.65},
        {"7\\2", 3},
        {"7%3", 1},
        {"mod(7.5,2)", 0},
        {"mod(-7,3)", -1},
        {"fix(-1.5)", -1},
        {"fix(-1,5)", -1},
        {"int(-1.5)", -2},
        {"mant(-1.25)", 0.75},
        {"1 000", 1000},
        {"2, 5", 2.5},
        {"sqr(2,25)", 1.5},
        {"max(0,5x, 1)", 1},
        {"min(x, 0,5)", 0.5},
        {"max(1,5)", 5},
        {"max(1.5,2)", 2},
        {"x^-1", 1 / 1.3},
        {"|2|x||", 2.6},
        {"2π", 6.28318530717958},
        {"e", 2.718281828},
        {"arccotg(-1)", 2.356194490192345},
        {"sen(rad(30))", 0.5},
        {"sgn(-8)*abs(-8)^(1/3)", -2},
        {"arcsec(-1)", 3.141592653589793},
    };
    for (const auto& caso : casos)
        EXPECT_NEAR(valorDoPrograma(caso.expressao), caso.valor, 1e-9) << caso.expressao;
}

TEST(PaginasDeAjuda, EscrevemNaOrtografiaAtual) {
    // Spellings from before the 1990 agreement; the quoted messages of the program have none.
    const char* antigas[] = {"subtracç", "fraccion", "rectas", "co-sen", "co-sec",
                             "co-tang",  "acção",    "direcç", "actual", "exacto",
                             "óptim",    "projecto", "efectu"};
    for (const QString& nome : paginas(QStringLiteral("*.html"))) {
        const QString texto = QTextDocumentFragment::fromHtml(lerPagina(nome)).toPlainText();
        for (const char* antiga : antigas)
            EXPECT_FALSE(texto.contains(QString::fromUtf8(antiga), Qt::CaseInsensitive))
                << nome.toStdString() << ": " << antiga;
    }
}

TEST(PaginasDeAjuda, CadaFuncaoDoInterpretadorTemOSeuTitulo) {
    // Pages 3 to 23 describe the functions in alphabetical order, one heading each.
    QStringList titulos;
    const QStringList nomes = paginas(QStringLiteral("funcoes*.html"));
    for (qsizetype i = 2; i < nomes.size(); ++i) {
        static const QRegularExpression h2(QStringLiteral("<h2>(.*?)</h2>"));
        for (const auto& m : h2.globalMatch(lerPagina(nomes.at(i))))
            titulos << QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText();
    }
    QStringList primeiros;
    QSet<QString> cabecasDescritas;
    static const QRegularExpression cabeca(QStringLiteral("([a-z0-9]+)\\("));
    for (const QString& titulo : titulos) {
        primeiros << titulo.section(QLatin1Char('('), 0, 0).section(QLatin1Char(' '), 0, 0);
        for (const auto& m : cabeca.globalMatch(titulo))
            cabecasDescritas.insert(m.captured(1) + QLatin1Char('('));
    }
    QStringList ordenados = primeiros;
    ordenados.sort();
    EXPECT_EQ(primeiros, ordenados);
    for (const auto& funcao : quilora::interpreter::functionHeads) {
        const QString head = QString::fromLatin1(funcao.head.data(), funcao.head.size());
        EXPECT_TRUE(cabecasDescritas.contains(head)) << head.toStdString();
    }
}

// Each page is read whole in its viewer, as a printed page is, without scrolling.
TEST(PaginasDeAjuda, CadaPaginaCabeNoSeuVisor) {
    Form2 instrucoes;
    Form4 sintaxe;
    Form5 funcoes;
    for (JanelaAjuda* janela :
         std::initializer_list<JanelaAjuda*>{&instrucoes, &sintaxe, &funcoes}) {
        janela->show();
        for (int p = 1; p <= janela->numeroPaginas(); ++p) {
            if (p > 1)
                janela->setaDireita()->click();
            QCoreApplication::processEvents();
            const QTextBrowser* pagina = janela->pagina(p);
            EXPECT_EQ(pagina->verticalScrollBar()->maximum(), 0)
                << janela->windowTitle().toStdString() << " " << p;
        }
    }
}
