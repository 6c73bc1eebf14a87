// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Descricao.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The steps' names joined by " | ", and the rule of the points.
std::string passos(const Descricao& d) {
    std::string texto;
    for (const Passo& passo : d.passos)
        texto += (texto.empty() ? "" : " | ") + passo.texto().toStdString();
    return texto;
}

struct CasoOpcao {
    int opcao;
    double a, b;
    const char* passos;
    const char* regra;
};

std::ostream& operator<<(std::ostream& os, const CasoOpcao& c) {
    return os << "Option" << c.opcao << " a=" << c.a << " b=" << c.b;
}

class FrasesDasOpcoes : public ::testing::TestWithParam<CasoOpcao> {};

TEST_P(FrasesDasOpcoes, NomeiamCadaPassoComoOProgramaDaDisciplina) {
    const CasoOpcao& c = GetParam();
    const Descricao d = descreverOpcao(c.opcao, c.a, c.b);
    EXPECT_TRUE(d.sequencia);
    EXPECT_EQ(passos(d), c.passos);
    EXPECT_EQ(d.regra.toStdString(), c.regra);
}

const char* const kModuloValores =
    "aplicação do módulo às ordenadas (a parte do gráfico sobre o eixo Ox ou acima dele "
    "mantém-se e a parte abaixo do eixo Ox é refletida em relação a esse eixo)";
const char* const kModuloAbcissa =
    "composição com |x| (a parte do gráfico sobre o eixo Oy ou à sua direita mantém-se e a "
    "parte à esquerda é substituída pela reflexão da parte da direita em relação ao eixo Oy)";

const CasoOpcao kOpcoes[] = {
    {1, 2, 2, kModuloValores, "(x; y) ↦ (x; |y|)"},
    {2, 2, 2, kModuloAbcissa, "(x; y) ↦ (x; y) e (−x; y), se x ≥ 0"},
    {3, 2, 2, "reflexão em relação ao eixo Ox", "(x; y) ↦ (x; −y)"},
    {4, 2, 2, "reflexão em relação ao eixo Oy", "(x; y) ↦ (−x; y)"},
    {5, 3, 2, "translação vertical associada ao vetor (0; 3)", "(x; y) ↦ (x; y + 3)"},
    {5, -1.5, 2, "translação vertical associada ao vetor (0; −1,5)", "(x; y) ↦ (x; y − 1,5)"},
    {5, 0, 2, "", "(x; y) ↦ (x; y)"},
    {6, 2, 0, "contração horizontal de coeficiente 1/2", "(x; y) ↦ (x/2; y)"},
    {6, 3, 0, "contração horizontal de coeficiente 1/3", "(x; y) ↦ (x/3; y)"},
    {6, 1.5, 0, "contração horizontal de coeficiente 2/3", "(x; y) ↦ (2x/3; y)"},
    {6, 1.0 / 3, 0, "dilatação horizontal de coeficiente 3", "(x; y) ↦ (3x; y)"},
    {6, 0.4, 0, "dilatação horizontal de coeficiente 2,5", "(x; y) ↦ (2,5x; y)"},
    {6, 1, 0, "", "(x; y) ↦ (x; y)"},
    {6, -1, 0, "reflexão em relação ao eixo Oy", "(x; y) ↦ (−x; y)"},
    {6, -3, 0, "contração horizontal de coeficiente 1/3 | reflexão em relação ao eixo Oy",
     "(x; y) ↦ (−x/3; y)"},
    {6, -0.5, 0, "dilatação horizontal de coeficiente 2 | reflexão em relação ao eixo Oy",
     "(x; y) ↦ (−2x; y)"},
    {6, 0, 0,
     "substituição do gráfico pela reta paralela ao eixo Ox que passa no seu ponto de abcissa 0",
     "(0; y) ↦ (x; y), para todo o x real"},
    {7, 3, 2, "translação associada ao vetor (−2; 3)", "(x; y) ↦ (x − 2; y + 3)"},
    {7, -1, -0.5, "translação associada ao vetor (1/2; −1)", "(x; y) ↦ (x + 1/2; y − 1)"},
    {7, 0, 2, "translação horizontal associada ao vetor (−2; 0)", "(x; y) ↦ (x − 2; y)"},
    {7, 2, 0, "translação vertical associada ao vetor (0; 2)", "(x; y) ↦ (x; y + 2)"},
    {7, 0, 0, "", "(x; y) ↦ (x; y)"},
    {8, 2, 2, "translação horizontal associada ao vetor (−2; 0)", "(x; y) ↦ (x − 2; y)"},
    {8, 2, -1.0 / 3, "translação horizontal associada ao vetor (1/3; 0)", "(x; y) ↦ (x + 1/3; y)"},
    {8, 2, 0, "", "(x; y) ↦ (x; y)"},
    {9, 2, 0, "dilatação vertical de coeficiente 2", "(x; y) ↦ (x; 2y)"},
    {9, 0.5, 0, "contração vertical de coeficiente 1/2", "(x; y) ↦ (x; y/2)"},
    {9, 0.4, 0, "contração vertical de coeficiente 0,4", "(x; y) ↦ (x; 0,4y)"},
    {9, 1, 0, "", "(x; y) ↦ (x; y)"},
    {9, -1, 0, "reflexão em relação ao eixo Ox", "(x; y) ↦ (x; −y)"},
    {9, -1.5, 0, "dilatação vertical de coeficiente 1,5 | reflexão em relação ao eixo Ox",
     "(x; y) ↦ (x; −1,5y)"},
    {9, -0.25, 0, "contração vertical de coeficiente 1/4 | reflexão em relação ao eixo Ox",
     "(x; y) ↦ (x; −y/4)"},
    {9, 0, 0, "projeção ortogonal do gráfico sobre o eixo Ox", "(x; y) ↦ (x; 0)"},
    {10, 2, 2, "simetria em relação à origem do referencial", "(x; y) ↦ (−x; −y)"},
};
INSTANTIATE_TEST_SUITE_P(Tabela, FrasesDasOpcoes, ::testing::ValuesIn(kOpcoes));

struct CasoTexto {
    const char* argumento; ///< none when g does not call f
    const char* exterior;
    std::string texto;
};

class TextoDaDescricao : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(TextoDaDescricao, DizASequenciaOuPorQueNaoHa) {
    const CasoTexto& c = GetParam();
    Composicao g;
    if (c.argumento)
        g.argumentos = {QString::fromUtf8(c.argumento)};
    g.exterior = QString::fromUtf8(c.exterior);
    EXPECT_EQ(descreverComposicao(g).texto.toStdString(), c.texto);
}

const CasoTexto kTextos[] = {
    {"x-1", "-2*f_1+3",
     "O gráfico de g obtém-se do de f por uma dilatação vertical de coeficiente 2, seguida de "
     "uma reflexão em relação ao eixo Ox e de uma translação associada ao vetor (1; 3). Cada "
     "ponto do gráfico de f transforma-se assim: (x; y) ↦ (x + 1; −2y + 3)."},
    {"(x+2)/2", "3+f_1",
     "O gráfico de g obtém-se do de f por uma dilatação horizontal de coeficiente 2, seguida de "
     "uma translação associada ao vetor (−2; 3). Cada ponto do gráfico de f transforma-se "
     "assim: (x; y) ↦ (2x − 2; y + 3)."},
    {"3-2x", "-f_1/3",
     "O gráfico de g obtém-se do de f por uma contração horizontal de coeficiente 1/2, seguida "
     "de uma contração vertical de coeficiente 1/3, de uma simetria em relação à origem do "
     "referencial e de uma translação horizontal associada ao vetor (1,5; 0). Cada ponto do "
     "gráfico de f transforma-se assim: (x; y) ↦ (−x/2 + 1,5; −y/3)."},
    {"-abs(x)+1", "abs(f_1)-2",
     std::string("O gráfico de g obtém-se do de f por uma reflexão em relação ao eixo Oy, "
                 "seguida de uma translação horizontal associada ao vetor (1; 0), de uma ") +
         kModuloValores + ", de uma " + kModuloAbcissa +
         " e de uma translação vertical associada ao vetor (0; −2). Cada ponto do gráfico de f "
         "transforma-se assim: (x; y) ↦ (−x + 1; |y| − 2) e (x − 1; |y| − 2), se x ≤ 1."},
    {"x", "f_1", "O gráfico de g coincide com o de f: nada o altera."},
    {"0*x+2", "f_1+1",
     "O gráfico de g obtém-se do de f por uma substituição do gráfico pela reta paralela ao "
     "eixo Ox que passa no seu ponto de abcissa 2, seguida de uma translação vertical associada "
     "ao vetor (0; 1). Cada ponto do gráfico de f transforma-se assim: (2; y) ↦ (x; y + 1), "
     "para todo o x real."},
    {nullptr, "x^2",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "g não usa f."},
    {"x", "f_1+x",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "fora de f, g depende também de x."},
    {"x", "f_1+0*sqr(x)",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "fora de f, g depende também de x."},
    {"x", "f_1^2",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "o valor de f não entra em g na forma k·f(…) + c, nem dentro de um módulo."},
    {"x", "sqr(f_1)",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "o valor de f não entra em g na forma k·f(…) + c, nem dentro de um módulo."},
    {" ((0.5x^2)) ", "2*f_1",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "o argumento de f não é da forma mx + n, nem m|x − x0| + n. O gráfico de g obtém-se do de "
     "f(0,5x^2) por uma dilatação vertical de coeficiente 2."},
    {"(x+1)*(x-1)", "f_1-1",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "o argumento de f não é da forma mx + n, nem m|x − x0| + n. O gráfico de g obtém-se do de "
     "f((x+1)*(x-1)) por uma translação vertical associada ao vetor (0; −1)."},
    {"1/x", "f_1",
     "O gráfico de g não se obtém do de f por translações, dilatações, contrações e reflexões: "
     "o argumento de f não é da forma mx + n, nem m|x − x0| + n."},
};
INSTANTIATE_TEST_SUITE_P(Tabela, TextoDaDescricao, ::testing::ValuesIn(kTextos));

TEST(TextoDaDescricao, VariasChamadasDeF) {
    const std::string inicio = "O gráfico de g não se obtém do de f por translações, "
                               "dilatações, contrações e reflexões: ";
    Composicao encaixada{{"x", "f_1+1"}, "f_2", {}};
    EXPECT_EQ(descreverComposicao(encaixada).texto.toStdString(),
              inicio + "g aplica f a um valor de f (é uma composição de f com f).");
    Composicao soma{{"x", "-x"}, "f_1+f_2", {}};
    EXPECT_EQ(descreverComposicao(soma).texto.toStdString(),
              inicio + "g usa f mais do que uma vez.");
    EXPECT_FALSE(descreverComposicao(soma).sequencia);
}

TEST(TextoDaDescricao, FormaComTudoForaDoModulo) {
    FormaDeG forma;
    forma.k = 2;
    forma.c = 1;
    forma.q = 3;
    forma.p = -1;
    const Descricao d = descreverForma(forma, QStringLiteral("de h"));
    EXPECT_EQ(passos(d), "dilatação vertical de coeficiente 2 | translação vertical associada ao "
                         "vetor (0; 1) | dilatação vertical de coeficiente 3 | translação vertical "
                         "associada ao vetor (0; −1)");
    EXPECT_EQ(d.regra.toStdString(), "(x; y) ↦ (x; 6y + 2)");
}

// The steps that do not move a point to one point.
TEST(PassoImagens, NenhumaOuVariasImagens) {
    using P = QPointF;
    const Passo abcissa = Passo::moduloDaAbscissa();
    EXPECT_EQ(abcissa.imagens(P(2, 5)), (std::vector<P>{P(2, 5), P(-2, 5)}));
    EXPECT_EQ(abcissa.imagens(P(0, 5)), (std::vector<P>{P(0, 5)}));
    EXPECT_TRUE(abcissa.imagens(P(-1, 5)).empty());
    const Passo reta = Passo::retaHorizontal(2);
    EXPECT_EQ(reta.imagens(P(2, 3)).size(), 5u);
    for (const P& ponto : reta.imagens(P(2, 3)))
        EXPECT_EQ(ponto.y(), 3);
    EXPECT_TRUE(reta.imagens(P(1, 3)).empty());
}

TEST(TextoDaDescricao, OpcaoDitaDaTransformada) {
    EXPECT_EQ(descreverOpcao(7, 3, 2).texto.toStdString(),
              "O gráfico da transformada obtém-se do de f por uma translação associada ao vetor "
              "(−2; 3). Cada ponto do gráfico de f transforma-se assim: (x; y) ↦ (x − 2; y + 3).");
    EXPECT_EQ(descreverOpcao(9, 1, 0).texto.toStdString(),
              "O gráfico da transformada coincide com o de f: nada o altera.");
}

} // namespace
