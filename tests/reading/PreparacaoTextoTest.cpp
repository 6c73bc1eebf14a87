// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreparacaoTexto.h"
#include "clsEquation.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* escrito;
    const char* preparado; ///< what the interpreter receives, or nullptr when refused
    const char* erro;      ///< the description of a refusal
};

std::ostream& operator<<(std::ostream& os, const Caso& c) {
    return os << "'" << c.escrito << "'";
}

class Preparacao : public ::testing::TestWithParam<Caso> {};

TEST_P(Preparacao, LeOQueATurmaEscreve) {
    const Caso& c = GetParam();
    const TextoPreparado resultado = PrepararTexto(QString::fromUtf8(c.escrito));
    if (c.preparado) {
        EXPECT_TRUE(resultado.aceite()) << resultado.erro.toStdString();
        EXPECT_EQ(resultado.texto.toStdString(), c.preparado);
    } else {
        EXPECT_FALSE(resultado.aceite()) << resultado.texto.toStdString();
        EXPECT_EQ(resultado.erro.toStdString(), c.erro);
    }
}

const Caso kCasos[] = {
    // Decimal commas, wherever they do not separate the arguments of a function.
    {"0,5x^2", "0.5x^2", nullptr},
    {"(2,5+x)", "(2.5+x)", nullptr},
    {"-2,5", "-2.5", nullptr},
    {"sen(0,5x)+1,25", "sen(0.5x)+1.25", nullptr},
    {"max(1,5)", "max(1,5)", nullptr},
    {"max((1,5),2)", "max((1.5),2)", nullptr},
    {"3,14159", "3.14159", nullptr},
    {"1.5,2", nullptr,
     "O número 1.5,2 tem um ponto e uma vírgula: separe as casas decimais só com um deles, como "
     "1.5 ou 1,5."},
    {"2, 5", "2. 5", nullptr},
    {"max (1,5)", "max (1,5)", nullptr},
    // Bars of the absolute value, nested and after numbers and names.
    {"|x|-3", "abs(x)-3", nullptr},
    {"|x-1|+|x+1|", "abs(x-1)+abs(x+1)", nullptr},
    {"2|sen(x)|", "2abs(sen(x))", nullptr},
    {"||x|-2|", "abs(abs(x)-2)", nullptr},
    {"x|x|", "x*abs(x)", nullptr},
    {"(x+1)|x-1|", "(x+1)*abs(x-1)", nullptr},
    {"max(|x|,1)", "max(abs(x),1)", nullptr},
    {"|0,5x|", "abs(0.5x)", nullptr},
    {"|x", nullptr, "Barra sem par na expressão: |"},
    {"x|", nullptr, "Barra sem par na expressão: |"},
    {"|x|+|", nullptr, "Barra sem par na expressão: |"},
    {"|(x|)", nullptr, "Barra sem par na expressão: |"},
    {"(|x)|", nullptr, "Barra sem par na expressão: |"},
    // Operators without an operand, which the interpreter would drop in silence.
    {"2x+", nullptr, "Falta um operando depois de +."},
    {"+x^2", nullptr, "Falta um operando antes de +."},
    {"3*", nullptr, "Falta um operando depois de *."},
    {"x^", nullptr, "Falta um operando depois de ^."},
    {"(x-)*2", nullptr, "Falta um operando depois de -."},
    {"x+*2", nullptr, "Falta um operando depois de +."},
    {"%x", nullptr, "Falta um operando antes de %."},
    {"max(x+,1)", nullptr, "Falta um operando depois de +."},
    {"2 + ", nullptr, "Falta um operando depois de +."},
    // Texts left alone: signs, blanks, errors the interpreter reports itself.
    {"1/2x^2-4", "1/2x^2-4", nullptr},
    {"-x", "-x", nullptr},
    {"2*-3", "2*-3", nullptr},
    {"x^-2", "x^(-2)", nullptr},
    {"-(x)", "-(x)", nullptr},
    {"sen()", "sen()", nullptr},
    {"((x", "((x", nullptr},
    {"", "", nullptr},
    {"  ", "  ", nullptr},
    {"s e n (x)", "s* e* n (x)", nullptr},
    // Only what a rule asks for is written again; the rest stays as typed, blanks included.
    {"(x - 1)(x + 1)", "(x - 1)*(x + 1)", nullptr},
    {"X ^ 2 + x", "x ^ 2 + x", nullptr},
    {"y = 2 x", "2 x", nullptr},
    {"F(X) = x²", "x^2", nullptr},
    {"2^x^2", "2^(x^2)", nullptr},
    {"2^3²", "2^(3^2)", nullptr},
    {"x⁻¹", "x^(-1)", nullptr},
    {"√ x", "sqr( x)", nullptr},
    {"√(x)²", "sqr(x)^2", nullptr},
    {"x\u00a0+\u00a01", "x + 1", nullptr},
    {"x²(x-1)", "x^2*(x-1)", nullptr},
    {"x^2(x-1)", "x^2(x-1)", nullptr},
    {"e^x(x+1)", "e^x*(x+1)", nullptr},
    {"|x||x|", "abs(x)*abs(x)", nullptr},
    {"2pi x", "2pi* x", nullptr},
    {"max(x,1,2)", "max(x,1.2)", nullptr},
    {"max(1,5,2,5)", "max(1.5,2.5)", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Tabela, Preparacao, ::testing::ValuesIn(kCasos));

// What a pupil writes gives the value it means.
TEST(Preparacao, DaOValorQueOAlunoQuerDizer) {
    struct {
        const char* escrito;
        double x, valor;
    } const casos[] = {
        {"0,5x^2", 3, 4.5}, {"|x|-3", -5, 2}, {"||x|-2|", -1, 1}, {"max(1,5)+0,25", 0, 5.25}};
    for (const auto& c : casos) {
        clsEquation equacao;
        equacao.Equation(PrepararTexto(QString::fromUtf8(c.escrito)).texto.toStdString());
        equacao.Var("x", c.x);
        equacao.Solve();
        EXPECT_DOUBLE_EQ(equacao.Solution(), c.valor) << c.escrito;
        EXPECT_FALSE(equacao.SilentFailure()) << c.escrito;
    }
}

// A g written in terms of the exercise's f: each call of f is a call of a function of one
// argument, written "f(", with the products around it and the decimal commas inside it.
TEST(Preparacao, LeAsChamadasDaFuncaoDoExercicio) {
    const struct {
        const char* escrito;
        const char* preparado;
    } casos[] = {
        {"-2f(x-1)+3", "-2f(x-1)+3"}, {"3f(2x)", "3f(2x)"},        {"f(f(x))", "f(f(x))"},
        {"|f(x)+1|", "abs(f(x)+1)"},  {"f(|x|)-1", "f(abs(x))-1"}, {"1+f(x/2)", "1+f(x/2)"},
        {"f(x)+2", "f(x)+2"},         {"F (0,5x)", "f(0.5x)"},     {"x f(x)f(x)", "x* f(x)*f(x)"},
        {"y = f(x)x", "f(x)*x"},
    };
    for (const auto& c : casos) {
        const TextoPreparado g = PrepararTexto(QString::fromUtf8(c.escrito), {{"f"}});
        EXPECT_EQ(g.texto.toStdString(), c.preparado) << g.erro.toStdString();
    }
    EXPECT_EQ(PrepararTexto(QStringLiteral("xf(x)"), {{"f"}}).erro,
              QStringLiteral("Escreva x*f(x) em vez de xf(x)."));
    EXPECT_EQ(PrepararTexto(QStringLiteral("f()"), {{"f"}}).erro,
              QStringLiteral("Falta um argumento em f()."));
    // Without the exercise, f is a name the interpreter does not know.
    EXPECT_EQ(PrepararTexto(QStringLiteral("f(1,5)")).texto, QStringLiteral("f(1,5)"));
}

} // namespace
