// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumeroPortugues.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const QChar kMenos(0x2212);

// Fractions are sought only where a long long holds the continued fraction's terms.
constexpr double kMaiorParaFracao = 1e12;

QString expoenteSobrescrito(int expoente) {
    static const char16_t kAlgarismos[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString texto = expoente < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar c : QString::number(std::abs(expoente)))
        texto += QChar(kAlgarismos[c.digitValue()]);
    return texto;
}

// The magnitude in at most 10 significant digits (a whole number below 10^15 in all its
// digits), without a sign.
QString decimalSemSinal(double magnitude) {
    const bool inteiro = magnitude < 1e15 && magnitude == std::floor(magnitude);
    char buffer[32];
    const auto [fim, erro] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                           std::chars_format::scientific, inteiro ? 14 : 9);
    if (erro != std::errc())
        return QStringLiteral("indefinido");
    const std::string cientifico(buffer, fim);
    const auto posE = cientifico.find('e');
    std::string algarismos;
    for (std::size_t k = 0; k < posE; ++k)
        if (cientifico[k] != '.')
            algarismos += cientifico[k];
    while (algarismos.size() > 1 && algarismos.back() == '0')
        algarismos.pop_back();
    const int expoente = std::atoi(cientifico.c_str() + posE + 1);

    // Plain digits only where they are all significant.
    if (expoente < -6 || (expoente >= 10 && !inteiro)) {
        QString mantissa = QString::fromLatin1(algarismos.substr(0, 1));
        if (algarismos.size() > 1)
            mantissa += QLatin1Char(',') + QString::fromLatin1(algarismos.substr(1));
        return mantissa + QStringLiteral(" × 10") + expoenteSobrescrito(expoente);
    }
    // The value is 0,algarismos times 10^(expoente + 1).
    const int inteiros = expoente + 1;
    std::string texto;
    if (inteiros <= 0)
        texto = "0," + std::string(static_cast<std::size_t>(-inteiros), '0') + algarismos;
    else if (static_cast<std::size_t>(inteiros) >= algarismos.size())
        texto = algarismos + std::string(inteiros - algarismos.size(), '0');
    else
        texto = algarismos.substr(0, static_cast<std::size_t>(inteiros)) + ',' +
                algarismos.substr(static_cast<std::size_t>(inteiros));
    return QString::fromLatin1(texto);
}

bool temDecimalCurto(long long denominador) {
    while (denominador % 2 == 0)
        denominador /= 2;
    while (denominador % 5 == 0)
        denominador /= 5;
    return denominador == 1;
}

// The fraction a pupil reads more easily than the decimal, if there is one.
std::optional<QString> fracaoSemSinal(double magnitude) {
    const auto fracao = fracaoProxima(magnitude, 100, 1e-12 * std::max(1.0, magnitude));
    if (!fracao || fracao->denominador == 1)
        return std::nullopt;
    const bool unitaria = fracao->numerador == 1;
    if (!unitaria && (temDecimalCurto(fracao->denominador) || fracao->denominador > 12))
        return std::nullopt;
    return QString::number(fracao->numerador) + QLatin1Char('/') +
           QString::number(fracao->denominador);
}

} // namespace

std::optional<Fracao> fracaoProxima(double valor, long long maxDenominador, double tolerancia) {
    if (!std::isfinite(valor) || std::fabs(valor) >= kMaiorParaFracao)
        return std::nullopt;
    // Convergents h/k of the continued fraction, the two before the current one kept.
    long long h1 = 1, h2 = 0, k1 = 0, k2 = 1;
    double resto = valor;
    // Past its first term every term is at least 1, so the denominators grow at least as the
    // Fibonacci numbers and soon pass the bound.
    while (true) {
        const double inteiro = std::floor(resto);
        const auto a = static_cast<long long>(inteiro);
        // The denominator first: past the bound, the numerator could overflow.
        const long long k = a * k1 + k2;
        if (k > maxDenominador)
            return std::nullopt;
        const long long h = a * h1 + h2;
        if (std::fabs(valor - static_cast<double>(h) / static_cast<double>(k)) <= tolerancia)
            return Fracao{h, k};
        h2 = h1;
        h1 = h;
        k2 = k1;
        k1 = k;
        const double parte = resto - inteiro;
        if (parte <= 0)
            return std::nullopt;
        resto = 1 / parte;
    }
}

double arredondadoAFracao(double valor) {
    const auto fracao = fracaoProxima(valor, 1000, 1e-9 * std::max(1.0, std::fabs(valor)));
    if (!fracao)
        return valor;
    return static_cast<double>(fracao->numerador) / static_cast<double>(fracao->denominador);
}

QString numeroPortugues(double valor, FormaDoNumero forma) {
    if (std::isnan(valor))
        return QStringLiteral("indefinido");
    if (std::isinf(valor))
        return valor > 0 ? QStringLiteral("+∞") : QString(kMenos) + QStringLiteral("∞");
    if (valor == 0)
        return QStringLiteral("0"); // negative zero too
    const double magnitude = std::fabs(valor);
    std::optional<QString> texto;
    if (forma == FormaDoNumero::FracaoSimples)
        texto = fracaoSemSinal(magnitude);
    if (!texto)
        texto = decimalSemSinal(magnitude);
    return valor < 0 ? kMenos + *texto : *texto;
}

QString parPortugues(double x, double y, FormaDoNumero forma) {
    return QLatin1Char('(') + numeroPortugues(x, forma) + QStringLiteral("; ") +
           numeroPortugues(y, forma) + QLatin1Char(')');
}
