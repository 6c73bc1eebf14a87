// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnaliseCurva.h"
#include "ConstrucaoTexto.h"
#include "FuncaoComposta.h"
#include "LeituraComposicao.h"
#include "LeituraIntervalo.h"
#include "PreparacaoTexto.h"
#include "TextoNumero.h"
#include "TextoParaCopiar.h"
#include "clsEquation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// The interpreter's π, which the ends typed as "pi" take.
constexpr double kPi = 3.14159265358979;
const double kRaiz3 = std::sqrt(3.0);

// A notable point as the answer key gives it; `tipos` holds Z (zero), M (maximum), m
// (minimum), Y (on the y axis), E (closed end), e (open end).
struct Ponto {
    double x, y;
    const char* tipos;
};

// An interval of the key: "[]", "][", "[[" or "]]", and which ends are the window's ("<", ">").
struct Esperado {
    double inferior, superior;
    const char* parenteses;
    const char* cortes = "";
};

struct Exercicio {
    const char* nome;
    const char* f;
    const char* dominio;
    const char* g; // empty: f itself; "#n": option n of the catalogue with a = b = 2
    std::vector<Ponto> pontos;
    std::vector<Esperado> dominioDaCurva, contradominio;
};

void PrintTo(const Exercicio& e, std::ostream* os) {
    *os << e.nome;
}

std::string tiposDe(const PontoNotavel& p) {
    std::string t;
    t += p.tem(Zero) ? "Z" : "";
    t += p.tem(Maximo) ? "M" : "";
    t += p.tem(Minimo) ? "m" : "";
    t += p.tem(NoEixoY) ? "Y" : "";
    t += p.tem(Extremidade) ? (p.fechado ? "E" : "e") : "";
    return t;
}

std::string ordenado(std::string t) {
    std::sort(t.begin(), t.end());
    return t;
}

std::unique_ptr<FuncaoComposta> curvaDe(const Exercicio& e) {
    const QString f = PrepararTexto(QString::fromUtf8(e.f)).texto;
    const IntervaloLido dominio = lerIntervalo(QString::fromUtf8(e.dominio));
    EXPECT_TRUE(dominio.aceite()) << dominio.erro.toStdString();
    const std::string g = e.g;
    if (g.empty())
        return std::make_unique<FuncaoComposta>(f, dominio.intervalo);
    if (g[0] == '#')
        return std::make_unique<FuncaoComposta>(
            composicaoDe(transformacao(std::stoi(g.substr(1))), f, {"2", "2"}), f,
            dominio.intervalo);
    const ComposicaoLida lida = lerComposicao(QString::fromUtf8(e.g), f);
    EXPECT_TRUE(lida.aceite()) << lida.erro.toStdString();
    return std::make_unique<FuncaoComposta>(lida.composicao, f, dominio.intervalo);
}

void compararIntervalos(const std::vector<IntervaloNaJanela>& achados,
                        const std::vector<Esperado>& esperados, const char* qual) {
    ASSERT_EQ(achados.size(), esperados.size()) << qual;
    for (std::size_t k = 0; k < achados.size(); ++k) {
        const Intervalo& i = achados[k].intervalo;
        const Esperado& e = esperados[k];
        EXPECT_NEAR(i.inferior, e.inferior, 1e-9) << qual << " " << k;
        EXPECT_NEAR(i.superior, e.superior, 1e-9) << qual << " " << k;
        EXPECT_EQ(std::string(i.inferiorFechado ? "[" : "]") + (i.superiorFechado ? "]" : "["),
                  e.parenteses)
            << qual << " " << k;
        EXPECT_EQ(std::string(achados[k].inferiorCortado ? "<" : "") +
                      (achados[k].superiorCortado ? ">" : ""),
                  e.cortes)
            << qual << " " << k;
    }
}

JanelaGrafica janelaInicial() {
    JanelaGrafica janela;
    janela.JanelaXmin = janela.JanelaYmin = -10;
    janela.JanelaXmax = janela.JanelaYmax = 10;
    return janela;
}

class ExercicioTest : public ::testing::TestWithParam<Exercicio> {};

// The answers an exercise asks for, found in the initial window against the known ones.
TEST_P(ExercicioTest, PontosDominioEContradominioComoARespostaDoExercicio) {
    const Exercicio& e = GetParam();
    const auto curva = curvaDe(e);
    const AnaliseCurva analise = analisarCurva(*curva, janelaInicial());
    ASSERT_TRUE(analise.erro.isEmpty()) << analise.erro.toStdString();
    ASSERT_EQ(analise.pontos.size(), e.pontos.size());
    for (std::size_t k = 0; k < e.pontos.size(); ++k) {
        const PontoNotavel& p = analise.pontos[k];
        EXPECT_NEAR(p.x, e.pontos[k].x, 1e-9) << k;
        ASSERT_TRUE(p.y.has_value()) << k;
        EXPECT_NEAR(*p.y, e.pontos[k].y, 1e-9) << k;
        EXPECT_EQ(ordenado(tiposDe(p)), ordenado(e.pontos[k].tipos)) << "x = " << p.x;
    }
    compararIntervalos(analise.dominio, e.dominioDaCurva, "dominio");
    compararIntervalos(analise.contradominio, e.contradominio, "contradominio");
}

const double kZeroDeG2 = 1 - std::sqrt(7.0);

const Exercicio kExercicios[] = {
    {"ParabolaEmIntervalo",
     "x^2-4",
     "[-3, 2]",
     "",
     {{-3, 5, "EM"}, {-2, 0, "Z"}, {0, -4, "mY"}, {2, 0, "EZM"}},
     {{-3, 2, "[]"}},
     {{-4, 5, "[]"}}},
    {"MenosFDeXMenos1Mais3",
     "x^2-4",
     "[-3, 2]",
     "-f(x-1)+3",
     {{-2, -2, "Em"}, {kZeroDeG2, 0, "Z"}, {0, 6, "Y"}, {1, 7, "M"}, {3, 3, "Em"}},
     {{-2, 3, "[]"}},
     {{-2, 7, "[]"}}},
    {"ProdutoEmIntervalo",
     "(x+3)*(x-1)",
     "[-5, 3]",
     "",
     {{-5, 12, "EM"}, {-3, 0, "Z"}, {-1, -4, "m"}, {0, -3, "Y"}, {1, 0, "Z"}, {3, 12, "EM"}},
     {{-5, 3, "[]"}},
     {{-4, 12, "[]"}}},
    {"DuasVezesFDeXMenos1Mais3",
     "(x+3)*(x-1)",
     "[-5, 3]",
     "g(x) = 2f(x-1)+3",
     {{-4, 27, "EM"},
      {-std::sqrt(2.5), 0, "Z"},
      {0, -5, "mY"},
      {std::sqrt(2.5), 0, "Z"},
      {4, 27, "EM"}},
     {{-4, 4, "[]"}},
     {{-5, 27, "[]"}}},
    {"Cubica",
     "x^3-3x",
     "[-2, 3]",
     "",
     {{-2, -2, "Em"},
      {-kRaiz3, 0, "Z"},
      {-1, 2, "M"},
      {0, 0, "ZY"},
      {1, -2, "m"},
      {kRaiz3, 0, "Z"},
      {3, 18, "EM"}},
     {{-2, 3, "[]"}},
     {{-2, 18, "[]"}}},
    {"MenosFDeMenosXMais2ComZeroDuplo",
     "x^3-3x",
     "[-2, 3]",
     "h(x) = -f(-x)+2",
     {{-3, -16, "Em"}, {-2, 0, "Z"}, {-1, 4, "M"}, {0, 2, "Y"}, {1, 0, "Zm"}, {2, 4, "EM"}},
     {{-3, 2, "[]"}},
     {{-16, 4, "[]"}}},
    {"UmMaisFDeXSobre2AteABordaDaJanela",
     "x^2-4",
     "[-5, 3]",
     "i(x) = 1+f(x/2)",
     {{-10, 22, "EM"},
      {-std::sqrt(12.0), 0, "Z"},
      {0, -3, "mY"},
      {std::sqrt(12.0), 0, "Z"},
      {6, 6, "EM"}},
     {{-10, 6, "[]"}},
     {{-3, 22, "[]"}}},
    {"ModuloComEsquinasNosZeros",
     "x^2-4",
     "[-3, 3]",
     "|f(x)|",
     {{-3, 5, "EM"}, {-2, 0, "Zm"}, {0, 4, "MY"}, {2, 0, "Zm"}, {3, 5, "EM"}},
     {{-3, 3, "[]"}},
     {{0, 5, "[]"}}},
    {"FDeModuloDeX",
     "x^2-2x",
     "[-1, 3]",
     "f(|x|)",
     {{-3, 3, "EM"},
      {-2, 0, "Z"},
      {-1, -1, "m"},
      {0, 0, "ZMY"},
      {1, -1, "m"},
      {2, 0, "Z"},
      {3, 3, "EM"}},
     {{-3, 3, "[]"}},
     {{-1, 3, "[]"}}},
    {"TresFDe2X",
     "x^2-4",
     "[-5, 3]",
     "3f(2x)",
     {{-2.5, 63, "EM"}, {-1, 0, "Z"}, {0, -12, "mY"}, {1, 0, "Z"}, {1.5, 15, "EM"}},
     {{-2.5, 1.5, "[]"}},
     {{-12, 63, "[]"}}},
    {"FDeFDeX",
     "x^2-2",
     "[-2, 2]",
     "f(f(x))",
     {{-2, 2, "EM"},
      {-std::sqrt(2 + std::sqrt(2.0)), 0, "Z"},
      {-std::sqrt(2.0), -2, "m"},
      {-std::sqrt(2 - std::sqrt(2.0)), 0, "Z"},
      {0, 2, "MY"},
      {std::sqrt(2 - std::sqrt(2.0)), 0, "Z"},
      {std::sqrt(2.0), -2, "m"},
      {std::sqrt(2 + std::sqrt(2.0)), 0, "Z"},
      {2, 2, "EM"}},
     {{-2, 2, "[]"}},
     {{-2, 2, "[]"}}},
    {"SemZerosComODominioForaDaJanela",
     "sqr(x)",
     "[0, +∞[",
     "f(-x)+2",
     {{0, 2, "EmY"}},
     {{-10, 0, "[]", "<"}},
     {{2, std::sqrt(10.0) + 2, "[]", ">"}}},
    {"ExtremoAbertoERaiz",
     "2x+1",
     "]-2, 4]",
     "",
     {{-2, -3, "e"}, {-0.5, 0, "Z"}, {0, 1, "Y"}, {4, 9, "EM"}},
     {{-2, 4, "]]"}},
     {{-3, 9, "]]"}}},
    {"FDeXMais2ComExtremoAberto",
     "2x+1",
     "]-2, 4]",
     "#8",
     {{-4, -3, "e"}, {-2.5, 0, "Z"}, {0, 5, "Y"}, {2, 9, "EM"}},
     {{-4, 2, "]]"}},
     {{-3, 9, "]]"}}},
    {"ZeroDuploEDecimais",
     "x^2",
     "[-2,5; 3[",
     "",
     {{-2.5, 6.25, "EM"}, {0, 0, "ZmY"}, {3, 9, "e"}},
     {{-2.5, 3, "[["}},
     {{0, 9, "[["}}},
    {"MenosFComExtremosEmPi",
     "x^2-1",
     "[-pi, pi]",
     "#3",
     {{-kPi, 1 - kPi* kPi, "Em"},
      {-1, 0, "Z"},
      {0, 1, "MY"},
      {1, 0, "Z"},
      {kPi, 1 - kPi* kPi, "Em"}},
     {{-kPi, kPi, "[]"}},
     {{1 - kPi * kPi, 1, "[]"}}},
    {"AVezesFComZeroNoExtremo",
     "x^2-4",
     "[-3, 2]",
     "#9",
     {{-3, 10, "EM"}, {-2, 0, "Z"}, {0, -8, "mY"}, {2, 0, "EZM"}},
     {{-3, 2, "[]"}},
     {{-8, 10, "[]"}}},
    {"FDeAX",
     "x^2-4",
     "[-5, 3]",
     "#6",
     {{-2.5, 21, "EM"}, {-1, 0, "Z"}, {0, -4, "mY"}, {1, 0, "Z"}, {1.5, 5, "EM"}},
     {{-2.5, 1.5, "[]"}},
     {{-4, 21, "[]"}}},
    {"DominioQueSaiDaJanela",
     "x^3",
     "[-20, 5]",
     "",
     {{0, 0, "ZY"}, {5, 125, "EM"}},
     {{-10, 5, "[]", "<"}},
     {{-10, 125, "[]", "<"}}},
    {"SemZeros",
     "x^2+1",
     "[-2, 2]",
     "",
     {{-2, 5, "EM"}, {0, 1, "mY"}, {2, 5, "EM"}},
     {{-2, 2, "[]"}},
     {{1, 5, "[]"}}},
    {"EsquinaDeModulo",
     "|x|",
     "[-4, 2]",
     "",
     {{-4, 4, "EM"}, {0, 0, "ZmY"}, {2, 2, "EM"}},
     {{-4, 2, "[]"}},
     {{0, 4, "[]"}}},
    {"EsquinaAssimetrica",
     "max(-x,3x)-1",
     "[-3, 3]",
     "",
     {{-3, 2, "EM"}, {-1, 0, "Z"}, {0, -1, "mY"}, {1.0 / 3, 0, "Z"}, {3, 8, "EM"}},
     {{-3, 3, "[]"}},
     {{-1, 8, "[]"}}},
    {"CossenoEntre0E2Pi",
     "cos(x)",
     "[0, 2pi]",
     "",
     {{0, 1, "EMY"},
      {M_PI / 2, 0, "Z"},
      {M_PI, -1, "m"},
      {3 * M_PI / 2, 0, "Z"},
      {2 * kPi, std::cos(2 * kPi), "EM"}},
     {{0, 2 * kPi, "[]"}},
     {{-1, 1, "[]"}}},
    {"DominioInfinitoAEsquerda",
     "x^2-4",
     "]-∞, 1]",
     "",
     {{-2, 0, "Z"}, {0, -4, "mY"}, {1, -3, "EM"}},
     {{-10, 1, "[]", "<"}},
     {{-4, 10, "[]", ">"}}},
    {"DoisTrocosComOMesmoContradominio",
     "x^2-2x",
     "[1, 3]",
     "f(|x|)",
     {{-3, 3, "EM"}, {-2, 0, "Z"}, {-1, -1, "Em"}, {1, -1, "Em"}, {2, 0, "Z"}, {3, 3, "EM"}},
     {{-3, -1, "[]"}, {1, 3, "[]"}},
     {{-1, 3, "[]"}}},
    {"DoisTrocosComContradominiosSeparados",
     "x",
     "[-5, 5]",
     "f(-1/x)",
     {{-0.2, 5, "EM"}, {0.2, -5, "Em"}},
     {{-10, -0.2, "[]", "<"}, {0.2, 10, "[]", ">"}},
     {{-5, -0.1, "[]", ">"}, {0.1, 5, "[]", "<"}}},
    {"ArgumentoSemValorAntesDe0",
     "x^2-4",
     "[0, 9]",
     "f(sqr(x))",
     {{0, -4, "EmY"}, {4, 0, "Z"}},
     {{0, 10, "[]", ">"}},
     {{-4, 6, "[]", ">"}}},
    {"AssintotaVerticalVistaNaJanela",
     "1/x",
     "",
     "",
     {},
     {{-10, 10, "[]", "<>"}},
     {{-10, 10, "[]", "<>"}}},
    {"DuasChamadas",
     "x^2-4",
     "[-1, 3]",
     "f(x)+f(-x)",
     {{-1, -6, "EM"}, {0, -8, "mY"}, {1, -6, "EM"}},
     {{-1, 1, "[]"}},
     {{-8, -6, "[]"}}},
};
INSTANTIATE_TEST_SUITE_P(MatematicaA, ExercicioTest, ::testing::ValuesIn(kExercicios),
                         [](const auto& info) { return std::string(info.param.nome); });

} // namespace

namespace {

struct Armadilha {
    const char* f;
    const char* pontos; // the kinds of the points found, left to right, "|" between points
    bool vistoNaJanela;
};

class ArmadilhaTest : public ::testing::TestWithParam<Armadilha> {};

// Jumps and asymptotes change sign or turn back between two samples without being a zero or
// an extreme; a constant has neither; where the text alone has no value the curve has an end.
TEST_P(ArmadilhaTest, SoOQueACurvaTem) {
    const Armadilha& a = GetParam();
    FuncaoComposta curva(PrepararTexto(QString::fromUtf8(a.f)).texto, Intervalo::reta());
    const AnaliseCurva analise = analisarCurva(curva, janelaInicial());
    std::string tipos;
    for (const PontoNotavel& p : analise.pontos) {
        if (!tipos.empty())
            tipos += '|';
        tipos += ordenado(tiposDe(p));
    }
    EXPECT_EQ(tipos, a.pontos);
    EXPECT_EQ(analise.vistoNaJanela(), a.vistoNaJanela);
}

INSTANTIATE_TEST_SUITE_P(
    Curvas, ArmadilhaTest,
    ::testing::Values(Armadilha{"1/x", "", true}, Armadilha{"1/(x-0.0005)", "Y", true},
                      Armadilha{"x/abs(x)", "", true}, Armadilha{"tan(x)", "Z|Z|Z|YZ|Z|Z|Z", true},
                      Armadilha{"3", "Y", true}, Armadilha{"sqr(x)", "EYZm", true},
                      Armadilha{"1/x^2", "", true}));

// log x has no value at 0 and no limit there: an open end without a point of the curve.
TEST(AnaliseCurvaTest, ExtremoAbertoSemLimite) {
    FuncaoComposta curva(QStringLiteral("log(x)"), Intervalo::reta());
    const AnaliseCurva analise = analisarCurva(curva, janelaInicial());
    ASSERT_EQ(analise.pontos.size(), 2u);
    EXPECT_EQ(analise.pontos[0].x, 0);
    EXPECT_FALSE(analise.pontos[0].fechado);
    EXPECT_FALSE(analise.pontos[0].y.has_value());
    EXPECT_NEAR(analise.pontos[1].x, 1, 1e-9);
    compararIntervalos(analise.dominio, {{0, 10, "]]", ">"}}, "dominio");
}

// A text the interpreter cannot read at all is said, not analysed.
TEST(AnaliseCurvaTest, ErroDoTexto) {
    FuncaoComposta curva(QStringLiteral("x+y"), Intervalo{-1, 1, true, true});
    EXPECT_EQ(analisarCurva(curva, janelaInicial()).erro.toStdString(), "Variável não definida: y");
}

} // namespace

namespace {

// The value at an x typed as a number or an expression: the interpreter's, and none outside
// the domain.
TEST(FuncaoCompostaTest, ValorNumXEscrito) {
    const QString f = QStringLiteral("x^2-4");
    FuncaoComposta g(lerComposicao(QStringLiteral("-f(x-1)+3"), f).composicao, f,
                     {-3, 2, true, true});
    const auto valorEm = [&](const char* x) {
        clsEquation equacao;
        return g.valorEm(lerParametro(equacao, QString::fromUtf8(x)).valor);
    };
    EXPECT_EQ(valorEm("1,5"), 6.75);
    EXPECT_EQ(valorEm("3"), 3);
    EXPECT_EQ(valorEm("-2"), -2);
    EXPECT_EQ(valorEm("-2,0001"), std::nullopt);
    EXPECT_EQ(valorEm("pi"), std::nullopt);
    EXPECT_EQ(g.argumento(0.5), -0.5);
    EXPECT_EQ(g.f(-0.5), -3.75);
    EXPECT_EQ(g.f(2.5), std::nullopt);
}

// The table and the intervals to paste into a spreadsheet: tab-separated, decimal commas,
// "-" for negatives, the point of f beside each point of g.
TEST(TextoParaCopiarTest, TabelaEIntervalos) {
    const QString f = QStringLiteral("x^2-4");
    const Intervalo dominio{-3, 2, true, true};
    FuncaoComposta curvaF(f, dominio);
    FuncaoComposta curvaG(lerComposicao(QStringLiteral("-f(x-1)+3"), f).composicao, f, dominio);
    JanelaGrafica janela = janelaInicial();
    janela.JanelaXmax = 2.5;
    const QString texto =
        textoParaCopiar({{QStringLiteral("f(x)"), analisarCurva(curvaF, janela)},
                         {QStringLiteral("g(x) = -f(x-1)+3"), analisarCurva(curvaG, janela)}});
    EXPECT_EQ(texto.toStdString(),
              "Função\tPonto\tx\ty\tPonto de f: x\tPonto de f: y\n"
              "f(x)\tExtremo do domínio (fechado) e máximo relativo\t-3\t5\t-3\t5\n"
              "f(x)\tZero\t-2\t0\t-2\t0\n"
              "f(x)\tMínimo relativo e interseção com o eixo Oy\t0\t-4\t0\t-4\n"
              "f(x)\tExtremo do domínio (fechado), zero e máximo relativo\t2\t0\t2\t0\n"
              "g(x) = -f(x-1)+3\tExtremo do domínio (fechado) e mínimo relativo\t-2\t-2\t-3\t5\n"
              "g(x) = -f(x-1)+3\tZero\t-1,645751311\t0\t-2,645751311\t3\n"
              "g(x) = -f(x-1)+3\tInterseção com o eixo Oy\t0\t6\t-1\t-3\n"
              "g(x) = -f(x-1)+3\tMáximo relativo\t1\t7\t0\t-4\n"
              "\n"
              "Função\tDomínio\tContradomínio\n"
              "f(x)\t[−3, 2]\t[−4, 5]\n"
              "g(x) = -f(x-1)+3\t[−2; 2,5] (visto na janela)\t[−2, 7]\n");
}

} // namespace
