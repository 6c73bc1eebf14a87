// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

/// A fraction in lowest terms, the denominator positive.
struct Fracao {
    long long numerador = 0;
    long long denominador = 1;
};

/// The fraction of smallest denominator, at most `maxDenominador`, within `tolerancia` of the
/// value (by its continued fraction); nothing when there is none or the value is not finite.
std::optional<Fracao> fracaoProxima(double valor, long long maxDenominador, double tolerancia);

/// The value itself, or the simple fraction it stands for when a computation left it a hair
/// away (denominator up to 1000, within 1e-9 of the value's size): 0.33333333333333 is 1/3.
double arredondadoAFracao(double valor);

/// How a number is shown to a pupil.
enum class FormaDoNumero {
    Decimal,      ///< "2,5", "0,3333333333"
    FracaoSimples ///< "1/2", "1/3", "2/3", and "2,5", "0,4" where a short decimal says it as well
};

/// A number as a Portuguese class writes it, whatever the desktop's settings: decimal comma,
/// the minus sign "−", at most 10 significant digits, no group separators, trailing zeros
/// dropped ("−2,5", "1234567,891", "0,3333333333"); beyond 10^15 or below 10^-6 as
/// "1,5 × 10²⁰". In FracaoSimples form an integer stays one, a unit fraction of denominator up
/// to 100 is written "1/q", another fraction of denominator up to 12 without a short decimal is
/// written "p/q" ("2/3", "−7/6"), and the rest is a decimal ("0,4", "1,5"). Infinities are
/// "+∞" and "−∞"; a value that is not a number is "indefinido".
QString numeroPortugues(double valor, FormaDoNumero forma = FormaDoNumero::FracaoSimples);

/// A pair as a point or a vector, the numbers separated by "; ": "(−2; 3)", "(1,5; −4)".
QString parPortugues(double x, double y, FormaDoNumero forma = FormaDoNumero::FracaoSimples);
