// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil types is computed as a textbook reads it, or refused with what to write instead.
#include "PreparacaoTexto.h"
#include "clsEquation.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// The interpreter's own constants, so that only the reading is compared.
constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.718281828;

struct Leitura {
    const char* escrito;
    double (*valor)(double); ///< the textbook's reading; not finite where it is undefined
};

std::ostream& operator<<(std::ostream& os, const Leitura& l) {
    return os << "'" << l.escrito << "'";
}

class LeituraDoAluno : public ::testing::TestWithParam<Leitura> {};

// At abscissas on both sides of 0, none a point where one of the texts divides by zero.
TEST_P(LeituraDoAluno, DaOValorDoLivroEmCadaAbcissa) {
    const Leitura& l = GetParam();
    const TextoPreparado preparado = PrepararTexto(QString::fromUtf8(l.escrito));
    ASSERT_TRUE(preparado.aceite()) << preparado.erro.toStdString();
    clsEquation equacao;
    equacao.Equation(preparado.texto.toStdString());
    for (double x = -4.7; x < 4.8; x += 0.31) {
        const double esperado = l.valor(x);
        equacao.Var("x", x);
        if (!std::isfinite(esperado)) {
            bool falhou = false;
            try {
                equacao.Solve();
                falhou = equacao.SilentFailure();
            } catch (const InterpreterError&) {
                falhou = true;
            }
            EXPECT_TRUE(falhou) << "x = " << x << ": " << preparado.texto.toStdString();
            continue;
        }
        equacao.Solve();
        EXPECT_FALSE(equacao.SilentFailure()) << "x = " << x;
        EXPECT_NEAR(equacao.Solution(), esperado, 1e-9 * std::max(1.0, std::abs(esperado)))
            << "x = " << x << ": " << preparado.texto.toStdString();
    }
}

double sen(double x) {
    return std::sin(x);
}

// clang-format off
const Leitura kLeituras[] = {
    // polynomials
    {"x^2-4",             [](double x) { return x * x - 4; }},
    {"1/2x^2-4",          [](double x) { return 0.5 * x * x - 4; }},
    {"2x^2-3x+1",         [](double x) { return 2 * x * x - 3 * x + 1; }},
    {"0,5x^2-1",          [](double x) { return 0.5 * x * x - 1; }},
    {"-x³+2x",            [](double x) { return -x * x * x + 2 * x; }},
    {"x²-2x",             [](double x) { return x * x - 2 * x; }},
    {"2x²",               [](double x) { return 2 * x * x; }},
    {"X^2+1",             [](double x) { return x * x + 1; }},
    {"(x+1)³",            [](double x) { return std::pow(x + 1, 3); }},
    {"-2(x+1)²-3",        [](double x) { return -2 * (x + 1) * (x + 1) - 3; }},
    {"y = x^2",           [](double x) { return x * x; }},
    {"f(x)=x^2-1",        [](double x) { return x * x - 1; }},
    {"g(x) = 3x+1",       [](double x) { return 3 * x + 1; }},
    // products of factors
    {"(x-1)(x+1)",        [](double x) { return (x - 1) * (x + 1); }},
    {"x(x+1)",            [](double x) { return x * (x + 1); }},
    {"2x(x-3)",           [](double x) { return 2 * x * (x - 3); }},
    {"(x-1)(x+2)(x-3)",   [](double x) { return (x - 1) * (x + 2) * (x - 3); }},
    {"-(x+1)(x-2)",       [](double x) { return -(x + 1) * (x - 2); }},
    {"x²(x-3)",           [](double x) { return x * x * (x - 3); }},
    {"x^2(x-3)",          [](double x) { return x * x * (x - 3); }},
    {"(x+2)x",            [](double x) { return (x + 2) * x; }},
    {"(x - 1)(x + 1)",    [](double x) { return (x - 1) * (x + 1); }},
    // roots
    {"√x",                [](double x) { return std::sqrt(x); }},
    {"√(x+4)",            [](double x) { return std::sqrt(x + 4); }},
    {"2√x-1",             [](double x) { return 2 * std::sqrt(x) - 1; }},
    {"x√x",               [](double x) { return x * std::sqrt(x); }},
    {"√(x²+1)",           [](double x) { return std::sqrt(x * x + 1); }},
    {"√x²",               [](double x) { return std::abs(x); }},
    {"sqr(2,25)x",        [](double x) { return 1.5 * x; }},
    // fractions
    {"1/x",               [](double x) { return 1 / x; }},
    {"(x+1)/(x-1)",       [](double x) { return (x + 1) / (x - 1); }},
    {"1/(x^2+1)",         [](double x) { return 1 / (x * x + 1); }},
    {"x÷2+1",             [](double x) { return x / 2 + 1; }},
    {"3/(2x)",            [](double x) { return 3 / (2 * x); }},
    {"x^-1",              [](double x) { return 1 / x; }},
    {"x⁻²",               [](double x) { return 1 / (x * x); }},
    // trigonometric functions
    {"sen(2x)",           [](double x) { return std::sin(2 * x); }},
    {"sen(0,5x)",         [](double x) { return std::sin(0.5 * x); }},
    {"sen(x)cos(x)",      [](double x) { return std::sin(x) * std::cos(x); }},
    {"2x sen(x)",         [](double x) { return 2 * x * std::sin(x); }},
    {"sen(x)²",           [](double x) { return sen(x) * sen(x); }},
    {"cos(x-π/2)",        [](double x) { return std::cos(x - kPi / 2); }},
    {"sen(πx)",           [](double x) { return std::sin(kPi * x); }},
    {"pi x",              [](double x) { return kPi * x; }},
    {"2π",                [](double) { return 2 * kPi; }},
    {"tg(x)+1",           [](double x) { return std::tan(x) + 1; }},
    // exponential and logarithmic functions
    {"e^x",               [](double x) { return std::pow(kE, x); }},
    {"2^x",               [](double x) { return std::pow(2, x); }},
    {"e^-x",              [](double x) { return std::pow(kE, -x); }},
    {"e^-x^2",            [](double x) { return std::pow(kE, -x * x); }},
    {"e^(2x)",            [](double x) { return std::pow(kE, 2 * x); }},
    {"e^x(x+1)",          [](double x) { return std::pow(kE, x) * (x + 1); }},
    {"2^3^x",             [](double x) { return std::pow(2, std::pow(3, x)); }},
    {"3·2^x",             [](double x) { return 3 * std::pow(2, x); }},
    {"ln(x)",             [](double x) { return std::log(x); }},
    {"log(x+1)",          [](double x) { return std::log(x + 1); }},
    {"(1/2)^x",           [](double x) { return std::pow(0.5, x); }},
    // absolute values, maxima and copied signs
    {"|x|-3",             [](double x) { return std::abs(x) - 3; }},
    {"||x|-2|",           [](double x) { return std::abs(std::abs(x) - 2); }},
    {"|x-1|+|x+1|",       [](double x) { return std::abs(x - 1) + std::abs(x + 1); }},
    {"|2|x||",            [](double x) { return std::abs(2 * std::abs(x)); }},
    {"|(x|x|)|",          [](double x) { return std::abs(x * std::abs(x)); }},
    {"x|x|",              [](double x) { return x * std::abs(x); }},
    {"|x|(x+1)",          [](double x) { return std::abs(x) * (x + 1); }},
    {"max(0,5x, 1)",      [](double x) { return std::max(0.5 * x, 1.0); }},
    {"max(x,0)",          [](double x) { return std::max(x, 0.0); }},
    {"2, 5x",             [](double x) { return 2.5 * x; }},
    {"−x²+1",             [](double x) { return -x * x + 1; }},
    {"x–1",               [](double x) { return x - 1; }},
    {"2×x",               [](double x) { return 2 * x; }},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tabela, LeituraDoAluno, ::testing::ValuesIn(kLeituras));

struct Recusado {
    const char* escrito;
    const char* mensagem;
};

std::ostream& operator<<(std::ostream& os, const Recusado& r) {
    return os << "'" << r.escrito << "'";
}

class TextoRecusado : public ::testing::TestWithParam<Recusado> {};

TEST_P(TextoRecusado, DizOQueEscrever) {
    const TextoPreparado preparado = PrepararTexto(QString::fromUtf8(GetParam().escrito));
    EXPECT_FALSE(preparado.aceite()) << preparado.texto.toStdString();
    EXPECT_EQ(preparado.erro.toStdString(), GetParam().mensagem);
}

// clang-format off
const Recusado kRecusados[] = {
    {"x2",           "Escreva x^2 em vez de x2."},
    {"xsen(x)",      "Escreva x*sen(x) em vez de xsen(x)."},
    {"xx(x+1)",      "Escreva x*x*(x+1) em vez de xx(x+1)."},
    {"pix",          "Escreva pi*x em vez de pix."},
    {"senx",         "Escreva sen(x) em vez de senx."},
    {"cos2x",        "Escreva cos(2x) em vez de cos2x."},
    {"sen²(x)",      "Escreva sen(x)^2 em vez de sen²(x)."},
    {"sen x",        "O argumento de sen escreve-se entre parênteses, logo a seguir ao nome, como "
                     "em sen(x)."},
    // sen⁻¹ is the inverse function, not a power of sen
    {"sen⁻¹(x)",     "O argumento de sen escreve-se entre parênteses, logo a seguir ao nome, como "
                     "em sen(x)."},
    {"(x+1)2",       "Escreva 2(x+1) em vez de (x+1)2."},
    {"|x|2",         "Escreva 2|x| em vez de |x|2."},
    {"x 2,5",        "Escreva 2,5x em vez de x 2,5."},
    {"e^2x",         "Escreva e^(2x) ou e^2*x em vez de e^2x."},
    {"x^2 sen(x)",   "Escreva x^(2sen(x)) ou x^2*sen(x) em vez de x^2 sen(x)."},
    {"√2x",          "Escreva √(2x) ou √2*x em vez de √2x."},
    {"|x|x|x|",      "As barras desta expressão podem ler-se de mais de uma maneira: escreva cada "
                     "valor absoluto com abs( ), como abs(x)."},
    {"|x",           "Barra sem par na expressão: |"},
    {"(|x)|",        "Barra sem par na expressão: |"},
    {"1.5,2",        "O número 1.5,2 tem um ponto e uma vírgula: separe as casas decimais só com "
                     "um deles, como 1.5 ou 1,5."},
    {"1,5,2",        "O número 1,5,2 tem duas vírgulas: um número só tem uma vírgula decimal."},
    {"x,2",          "Uma vírgula só separa as casas decimais de um número, como 0,5, ou os "
                     "argumentos de uma função, como max(x, 1)."},
    {"1+sen(x,2)",   "A função sen tem um só argumento: em sen(x,2) há vírgulas a mais."},
    {"max(x)",       "A função max tem dois argumentos, separados por uma vírgula, como em "
                     "max(x, 1)."},
    {"x+max(x,x,x)", "A função max tem dois argumentos: em max(x,x,x) há vírgulas a mais."},
    {"max(1,5,2)",   "Não se sabe que vírgula separa os dois argumentos em max(1,5,2): escreva as "
                     "casas decimais com ponto, como em max(1.5, 2)."},
    {"max(,2)",      "Falta um argumento em max(,2)."},
    {"x = 2",        "O sinal = só pode vir no início, depois de y, f(x) ou g(x): escreva só a "
                     "expressão, como x^2-4."},
    {"x!",           "O carácter ! não pode ser usado numa expressão: apague-o."},
    {"2x+",          "Falta um operando depois de +."},
    {"x^",           "Falta um operando depois de ^."},
    {"x^-",          "Falta um operando depois de -."},
    {"√",            "Falta um operando depois de √."},
    {"²x",           "Falta um operando antes de ²."},
    {"--x",          "Há dois sinais - seguidos: escreva o segundo entre parênteses com o que se "
                     "lhe segue, como em -(-x)."},
    {"()",           "Os parênteses () estão vazios: escreva entre eles uma expressão."},
    {"x)+(x",        "Há um ) sem o ( que o abre."},
    {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
                     "Escreva x*x*x*x*x*x*x*x*x*x*x*x*x*x*x*x*x*x*x*x… em vez de "
                     "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tabela, TextoRecusado, ::testing::ValuesIn(kRecusados));

} // namespace
