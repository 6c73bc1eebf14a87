// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConstrucaoTexto.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* f;
    const char* a;
    const char* b;
    int opcao;
    const char* construido;
};

std::ostream& operator<<(std::ostream& os, const Caso& c) {
    return os << "Option" << c.opcao << " f='" << c.f << "' a='" << c.a << "' b='" << c.b << "'";
}

class TextoConstruido : public ::testing::TestWithParam<Caso> {};

TEST_P(TextoConstruido, ComoOUtilizadorOEscreveria) {
    const Caso& c = GetParam();
    const Transformacao& t = transformacao(c.opcao);
    TextosDeTrabalho textos;
    construirTexto(t, QString::fromUtf8(c.f), {QString::fromUtf8(c.a), QString::fromUtf8(c.b)},
                   textos);
    EXPECT_EQ(textoConstruido(t, textos).toStdString(), c.construido);
}

const Caso kParabola[] = {
    {"1/2x^2-4", "2", "2", 1, "Abs(1/2x^2-4)"},
    {"1/2x^2-4", "2", "2", 2, " 1/2(abs(x))^2-4 "},
    {"1/2x^2-4", "2", "2", 3, "-(1/2x^2-4)"},
    {"1/2x^2-4", "2", "2", 4, " 1/2(-x)^2-4 "},
    {"1/2x^2-4", "2", "2", 5, "2+ (1/2x^2-4)"},
    {"1/2x^2-4", "2", "2", 6, " 1/2(2*x)^2-4 "},
    {"1/2x^2-4", "2", "2", 7, "2+( 1/2(x+(2))^2-4 )"},
    {"1/2x^2-4", "2", "2", 8, " 1/2(x+(2))^2-4 "},
    {"1/2x^2-4", "2", "2", 9, "2* (1/2x^2-4)"},
    {"1/2x^2-4", "2", "2", 10, "-( 1/2(-x)^2-4 )"},
};
INSTANTIATE_TEST_SUITE_P(Parabola, TextoConstruido, ::testing::ValuesIn(kParabola));

const Caso kCasosParticulares[] = {
    // only the variable is replaced, never the x of a function's name
    {"exp(x)", "2", "1", 8, " exp((x+(1))) "},
    {"max(x,0)", "2", "2", 6, " max((2*x),0) "},
    {"EXP (x)-Max(xx, x)", "2", "2", 4, " EXP ((-x))-Max((-x)x, (-x)) "},
    {"sinh(x)+sinhx(x)", "2", "2", 4, " sinh((-x))+sinh(-x)((-x)) "},
    {"2X+1", "2", "2", 4, " 2X+1 "},
    // a name that only ends in a function's name is not that function
    {"Aexp(x)+Zexp(x)+zmax(x,1)", "2", "2", 4, " Ae(-x)p((-x))+Ze(-x)p((-x))+zma(-x)((-x),1) "},
    // the character right after a replaced x is not examined
    {"xx", "2", "2", 2, " (abs(x))x "},
    {"xxx", "2", "2", 2, " (abs(x))x(abs(x)) "},
    {"x", "2", "2", 4, " (-x) "},
    {"3", "2", "2", 4, " 3 "},
    {"3", "2", "2", 10, "-( 3 )"},
    {"0.5", "2", "2", 1, "Abs(0.5)"},
    {"1/2x^2-4", "0.5", "2", 5, "0.5+ (1/2x^2-4)"},
    {"1/2x^2-4", "x", "2", 6, " 1/2(x*x)^2-4 "},
    {"x+sen(x)", "-3", "2", 6, " (-3*x)+sen((-3*x)) "},
    {"x", "1", "-1", 7, "1+( (x+(-1)) )"},
    {"x", "1", "pi", 8, " (x+(pi)) "},
    // parameters go in as they stand, blanks included
    {"x", " 2 ", "2", 9, " 2 * (x)"},
    {"  x ", "2", "2", 4, "   (-x)  "},
    {"", "2", "2", 1, "Abs()"},
    {"", "2", "2", 3, "-()"},
    {"", "2", "2", 5, "2+ ()"},
    {"", "2", "2", 2, "  "},
    {"", "2", "2", 7, "2+(  )"},
    {"", "2", "2", 10, "-(  )"},
    {"ç+x", "2", "2", 4, " ç+(-x) "},
};
INSTANTIATE_TEST_SUITE_P(Particulares, TextoConstruido, ::testing::ValuesIn(kCasosParticulares));

TEST(SubstituirX, DeixaEmFuncao2OQueFicaDepoisDoUltimoX) {
    TextosDeTrabalho textos;
    SubstituirX(QStringLiteral("1/2x^2-4"), transformacao(2).substituto, {}, textos);
    EXPECT_EQ(textos.Função2, QStringLiteral("^2-4 "));
    EXPECT_EQ(textos.Função3, QStringLiteral(" 1/2(abs(x))^2-4 "));

    SubstituirX(QStringLiteral("3"), transformacao(2).substituto, {}, textos);
    EXPECT_EQ(textos.Função2, QStringLiteral(" 3 "));
    EXPECT_EQ(textos.Função3, QStringLiteral(" 3 "));

    SubstituirX(QStringLiteral("2x"), transformacao(2).substituto, {}, textos);
    EXPECT_EQ(textos.Função2, QStringLiteral(" "));
}

TEST(ConstruirTexto, EnvolverNaoTocaEmFuncao3) {
    TextosDeTrabalho textos;
    construirTexto(transformacao(4), QStringLiteral("x"), {}, textos);
    construirTexto(transformacao(1), QStringLiteral("x+1"), {}, textos);
    EXPECT_EQ(textos.Função2, QStringLiteral("Abs(x+1)"));
    EXPECT_EQ(textos.Função3, QStringLiteral(" (-x) "));
}

TEST(ConstruirTexto, TextoLongoCheioDeXEConstruidoPorInteiro) {
    const QString f(30000, u'x');
    TextosDeTrabalho textos;
    construirTexto(transformacao(4), f, {}, textos);
    // x, then an unexamined x, then x again: 15000 replaced and 15000 kept
    EXPECT_EQ(textos.Função3.size(), 2 + 15000 * 4 + 15000);
    EXPECT_TRUE(textos.Função3.startsWith(QStringLiteral(" (-x)x(-x)x")));
}

} // namespace
