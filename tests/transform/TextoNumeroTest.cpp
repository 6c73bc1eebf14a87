// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextoNumero.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

struct Caso {
    double valor;
    const char* texto;
};

class TextoDoNumero : public ::testing::TestWithParam<Caso> {};

TEST_P(TextoDoNumero, FormaGeralSemExpoente) {
    const auto texto = textoDoNumero(GetParam().valor);
    ASSERT_TRUE(texto.has_value());
    EXPECT_EQ(texto->toStdString(), GetParam().texto);
}

const Caso kCasos[] = {
    {2, "2"},
    {0.5, "0.5"},
    {-0.5, "-0.5"},
    {3.14159265358979, "3.14159265358979"},
    {3.141592653589793, "3.14159265358979"},
    {1.0 / 3, "0.333333333333333"},
    {2.0 / 3, "0.666666666666667"},
    {0.1 + 0.2, "0.3"},
    {-1234.5, "-1234.5"},
    {1e20, "100000000000000000000"},
    {-1e20, "-100000000000000000000"},
    {1e-7, "0.0000001"},
    {1.5e-10, "0.00000000015"},
    {123456789012345678.0, "123456789012346000"},
    {999999999999999.9, "1000000000000000"},
    {100, "100"},
    {0.0, "0"},
    {-0.0, "0"},
    {1000, "1000"},
};
INSTANTIATE_TEST_SUITE_P(Valores, TextoDoNumero, ::testing::ValuesIn(kCasos));

TEST(TextoDoNumeroExtremos, ValoresEnormesEMinusculosPorExtenso) {
    const QString grande = *textoDoNumero(std::numeric_limits<double>::max());
    EXPECT_EQ(grande.size(), 309);
    EXPECT_TRUE(grande.startsWith(QStringLiteral("179769313486232000")));
    const QString pequeno = *textoDoNumero(std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(pequeno.startsWith(QStringLiteral("0.000")));
    EXPECT_TRUE(pequeno.endsWith(QStringLiteral("494065645841247")));
    EXPECT_FALSE(pequeno.contains(u'e'));
}

TEST(TextoDoNumeroExtremos, NaoFinitoNaoTemTexto) {
    EXPECT_FALSE(textoDoNumero(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(textoDoNumero(std::nan("")).has_value());
}

TEST(TextoDoNumeroExtremos, PontoDecimalQualquerQueSejaOLocal) {
    const QLocale anterior;
    const std::string localAnterior = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    ASSERT_NE(std::setlocale(LC_ALL, "pt_PT.UTF-8"), nullptr) << "pt_PT.UTF-8 is not installed";
    EXPECT_EQ(*textoDoNumero(1.25), QStringLiteral("1.25"));
    std::setlocale(LC_ALL, localAnterior.c_str());
    QLocale::setDefault(anterior);
}

} // namespace
