// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

class clsEquation;

/// The text a parameter field gets back after its evaluation: at most 15 significant digits,
/// trailing zeros dropped, no exponent, "." as decimal point whatever the locale, a leading "-"
/// for negatives (0.5, 3.14159265358979, 100000000000000000000, 0.0000001). The interpreter
/// reads it back as the number it shows. Nothing for a value that is not finite. With fewer
/// `significativos` (1 to 17), the value rounded to that many significant digits.
std::optional<QString> textoDoNumero(double valor, int significativos = 15);

/// A parameter's text as typed, evaluated: its value and the number text written back into its
/// field, or why it has none (the preparation's refusal, the interpreter's error, or a value
/// that exists only by a silent failure, such as sqr(-1)).
struct ValorLido {
    double valor = 0;
    QString numero;
    QString erro;

    bool aceite() const { return erro.isEmpty(); }
};

/// Reads a parameter's text with `equacao`, which then holds that text.
ValorLido lerParametro(clsEquation& equacao, const QString& escrito);
