// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConstrucaoTexto.h"
#include "EscritaParaAluno.h"
#include "LeituraComposicao.h"
#include "LeituraIntervalo.h"

#include <gtest/gtest.h>

namespace {

constexpr double kInf = Intervalo::kInfinito;

struct CasoIntervalo {
    const char* escrito;
    Intervalo lido;        // when accepted
    const char* erro;      // else
    const char* paraAluno; // the interval written back for a pupil
};

void PrintTo(const CasoIntervalo& c, std::ostream* os) {
    *os << c.escrito;
}

class LeituraIntervaloTest : public ::testing::TestWithParam<CasoIntervalo> {};

TEST_P(LeituraIntervaloTest, ComoOsManuaisOEscrevem) {
    const CasoIntervalo& c = GetParam();
    const IntervaloLido lido = lerIntervalo(QString::fromUtf8(c.escrito));
    EXPECT_EQ(lido.erro.toStdString(), c.erro);
    if (!lido.aceite())
        return;
    EXPECT_EQ(lido.intervalo, c.lido);
    EXPECT_EQ(EscritaParaAluno::intervalo(lido.intervalo).toStdString(), c.paraAluno);
}

const char kAmbiguo[] = "O intervalo pode ler-se de mais de uma maneira: separe os extremos com "
                        "ponto e vírgula, por exemplo [-2,5; 3[.";
const char kForma[] = "Escreva um intervalo, por exemplo [-5, 3], ]-2, 4] ou [0, +∞[.";
const char kDois[] = "Um intervalo tem só dois extremos.";

INSTANTIATE_TEST_SUITE_P(
    Dominios, LeituraIntervaloTest,
    ::testing::Values(
        CasoIntervalo{"", {}, "", "]−∞, +∞["}, CasoIntervalo{" ℝ ", {}, "", "]−∞, +∞["},
        CasoIntervalo{"[-5, 3]", {-5, 3, true, true}, "", "[−5, 3]"},
        CasoIntervalo{"]-2, 4]", {-2, 4, false, true}, "", "]−2, 4]"},
        CasoIntervalo{"[-2,5; 3[", {-2.5, 3, true, false}, "", "[−2,5; 3["},
        CasoIntervalo{"[−2,5; 1,5]", {-2.5, 1.5, true, true}, "", "[−2,5; 1,5]"},
        CasoIntervalo{"[0, +∞[", {0, kInf, true, false}, "", "[0, +∞["},
        CasoIntervalo{"]-inf, 2]", {-kInf, 2, false, true}, "", "]−∞, 2]"},
        CasoIntervalo{"]−∞,+INF[", {}, "", "]−∞, +∞["},
        CasoIntervalo{"[-pi, pi]",
                      {-3.14159265358979, 3.14159265358979, true, true},
                      "",
                      "[−3,141592654; 3,141592654]"},
        CasoIntervalo{"[max(1,2), 2^3]", {2, 8, true, true}, "", "[2, 8]"},
        CasoIntervalo{"[0,5, 1,5]", {0.5, 1.5, true, true}, "", "[0,5; 1,5]"},
        CasoIntervalo{"[0,5,1,5]", {0.5, 1.5, true, true}, "", "[0,5; 1,5]"},
        CasoIntervalo{"[1.5,2]", {1.5, 2, true, true}, "", "[1,5; 2]"},
        CasoIntervalo{"[2, 2]", {2, 2, true, true}, "", "{2}"},
        CasoIntervalo{"[1,5,2]", {}, kAmbiguo, ""}, CasoIntervalo{"[-2,5,3[", {}, kAmbiguo, ""},
        CasoIntervalo{"(-5, 3)", {}, kForma, ""}, CasoIntervalo{"[-5, 3", {}, kForma, ""},
        CasoIntervalo{"[", {}, kForma, ""}, CasoIntervalo{"[1; 2; 3]", {}, kDois, ""},
        CasoIntervalo{"[1, 2, 3]",
                      {},
                      "O intervalo pode ler-se de mais de uma maneira: separe os extremos com "
                      "ponto e vírgula, por exemplo [-2,5; 3[.",
                      ""},
        CasoIntervalo{"[3]",
                      {},
                      "Separe os extremos do intervalo com uma vírgula ou com ponto e vírgula.",
                      ""},
        CasoIntervalo{"[, 3]", {}, "Erro no extremo esquerdo: Falta um extremo do intervalo.", ""},
        CasoIntervalo{"[1, y]", {}, "Erro no extremo direito: Variável não definida: y", ""},
        CasoIntervalo{"[1,5, y]", {}, "Erro no extremo direito: Variável não definida: y", ""},
        CasoIntervalo{"[sqr(-1), 2]", {}, "Erro no extremo esquerdo: Valor não definido.", ""},
        CasoIntervalo{"[3, 1]", {}, "O extremo esquerdo deve ser menor do que o direito.", ""},
        CasoIntervalo{"]2, 2]", {}, "O extremo esquerdo deve ser menor do que o direito.", ""},
        CasoIntervalo{"[+∞, 2]", {}, "O extremo esquerdo não pode ser +∞.", ""},
        CasoIntervalo{"[2, -inf[", {}, "O extremo direito não pode ser −∞.", ""},
        CasoIntervalo{
            "[-∞, 2]", {}, "Do lado do infinito o intervalo é aberto: ]−∞, 2] ou [0, +∞[.", ""}));

// Numbers and points as a pupil reads them, whatever the desktop's locale.
TEST(EscritaParaAlunoTest, VirgulaSinalMenosEPontoEVirgula) {
    using namespace EscritaParaAluno;
    EXPECT_EQ(numero(-2.5).toStdString(), "−2,5");
    EXPECT_EQ(numero(1.99999999999998).toStdString(), "2");
    EXPECT_EQ(numero(std::sqrt(2.0)).toStdString(), "1,414213562");
    EXPECT_EQ(numero(-1.5e-7).toStdString(), "−1,5 × 10⁻⁷");
    EXPECT_EQ(numero(1.234567890123e-9).toStdString(), "1,23456789 × 10⁻⁹");
    EXPECT_EQ(numero(2e20).toStdString(), "2 × 10²⁰");
    EXPECT_EQ(ponto(-3, 0).toStdString(), "(−3; 0)");
    EXPECT_EQ(ponto(1.5, -4).toStdString(), "(1,5; −4)");
    EXPECT_EQ(uniao({{-3, -1, true, true}, {1, 3, false, true}}).toStdString(),
              "[−3, −1] ∪ ]1, 3]");
    EXPECT_EQ(uniao({}).toStdString(), "∅");
}

struct CasoG {
    const char* g;
    std::vector<const char*> argumentos;
    const char* exterior;
    const char* expandida; // with f = x^2-4; or the message
};

void PrintTo(const CasoG& c, std::ostream* os) {
    *os << c.g;
}

class LeituraComposicaoTest : public ::testing::TestWithParam<CasoG> {};

TEST_P(LeituraComposicaoTest, ComoOExercicioOEscreve) {
    const CasoG& c = GetParam();
    const ComposicaoLida lida = lerComposicao(QString::fromUtf8(c.g), QStringLiteral("x^2-4"));
    if (!lida.aceite()) {
        EXPECT_TRUE(c.argumentos.empty());
        EXPECT_EQ(lida.erro.toStdString(), c.expandida);
        return;
    }
    std::vector<std::string> argumentos;
    for (const QString& a : lida.composicao.argumentos)
        argumentos.push_back(a.toStdString());
    EXPECT_EQ(argumentos, std::vector<std::string>(c.argumentos.begin(), c.argumentos.end()));
    EXPECT_EQ(lida.composicao.exterior.toStdString(), c.exterior);
    EXPECT_EQ(lida.composicao.expandida.toStdString(), c.expandida);
}

// What the reading of g says before the calls of f are looked for.
const char kDepoisDoNome[] =
    "O argumento de f escreve-se entre parênteses, logo a seguir ao nome, como em f(x).";

INSTANTIATE_TEST_SUITE_P(
    Exercicios, LeituraComposicaoTest,
    ::testing::Values(
        CasoG{"-2f(x-1)+3", {"x-1"}, "-2f_1+3", "-2( (x-1)^2-4 )+3"},
        CasoG{"g(x) = f(-x)+2", {"-x"}, " f_1+2", " ( (-x)^2-4 )+2"},
        CasoG{"h (x)=1+f(x/2)", {"x/2"}, "1+f_1", "1+( (x/2)^2-4 )"},
        CasoG{"y = |f(x)+1|", {"x"}, " abs(f_1+1)", " abs(( x^2-4 )+1)"},
        CasoG{"f(|x|)-1", {"abs(x)"}, "f_1-1", "( (abs(x))^2-4 )-1"},
        CasoG{"3f(2x)", {"2x"}, "3f_1", "3( (2x)^2-4 )"},
        CasoG{"f(f(x))", {"x", "f_1"}, "f_2", "( (( x^2-4 ))^2-4 )"},
        CasoG{"F (x)*exp(x)", {"x"}, "f_1*exp(x)", "( x^2-4 )*exp(x)"},
        CasoG{"−f(−x)", {"-x"}, "-f_1", "-( (-x)^2-4 )"},
        CasoG{"2,5f(x)", {"x"}, "2.5f_1", "2.5( x^2-4 )"},
        CasoG{"2x+1", {}, "", "A expressão de g deve usar f, por exemplo -2f(x-1)+3."},
        CasoG{"2f+1", {}, "", kDepoisDoNome}, CasoG{"f", {}, "", kDepoisDoNome},
        CasoG{"f()+1", {}, "", "Falta um argumento em f()."},
        CasoG{"f( )", {}, "", "Falta um argumento em f( )."},
        CasoG{"f(x,1)", {}, "", "A função f tem um só argumento: em f(x,1) há vírgulas a mais."},
        CasoG{"f(x", {}, "", "Número de parênteses incorrecto."},
        CasoG{"g(x) = f(x) = 2",
              {},
              "",
              "Escreva só a expressão de g, por exemplo -2f(x-1)+3 ou g(x) = -2f(x-1)+3."},
        CasoG{"|f(x)", {}, "", "Barra sem par na expressão: |"}));

struct CasoOpcao {
    int opcao;
    const char* argumento;
    const char* exterior;
};

// Each option as a function of f: its one call, what is done with it, and the text it has
// always plotted.
TEST(ComposicaoDasOpcoesTest, UmaChamadaDeF) {
    const CasoOpcao casos[] = {
        {1, "x", "Abs(f_1)"},      {2, "(abs(x))", "f_1"}, {3, "x", "-(f_1)"},
        {4, "(-x)", "f_1"},        {5, "x", "2+ (f_1)"},   {6, "(2*x)", "f_1"},
        {7, "(x+(3))", "2+(f_1)"}, {8, "(x+(3))", "f_1"},  {9, "x", "2* (f_1)"},
        {10, "(-x)", "-(f_1)"},
    };
    const QString f = QStringLiteral("1/2x^2-4");
    for (const CasoOpcao& c : casos) {
        const Parametros parametros{QStringLiteral("2"), QStringLiteral("3")};
        const Composicao composicao = composicaoDe(transformacao(c.opcao), f, parametros);
        TextosDeTrabalho textos;
        construirTexto(transformacao(c.opcao), f, parametros, textos);
        ASSERT_EQ(composicao.argumentos.size(), 1u);
        EXPECT_EQ(composicao.argumentos[0].toStdString(), c.argumento) << c.opcao;
        EXPECT_EQ(composicao.exterior.toStdString(), c.exterior) << c.opcao;
        EXPECT_EQ(composicao.expandida, textoConstruido(transformacao(c.opcao), textos));
    }
}

} // namespace
