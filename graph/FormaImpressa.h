// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <optional>

/// The platform's print form of a number: a blank or "-", the shortest decimal form with at
/// most 15 significant digits and the locale's decimal separator, then one blank (" 0,5 " on a
/// Portuguese system, "-3 " for -3).
QString FormaImpressa(double valor, const QLocale& local = QLocale::system());

/// A number read off a graph, in the locale's form as the axes print it: as many decimals as
/// a step of `resolucao` needs, at least 2, without group separators and without an exponent
/// below 10^15 ("2,01", "-1,98", "0,0035").
QString FormaDaLeitura(double valor, double resolucao, const QLocale& local = QLocale::system());

/// The same value rounded to the decimals FormaDaLeitura shows, so that what is evaluated is
/// what is read.
double ArredondadoParaLeitura(double valor, double resolucao);

/// A text read as a plain number (no expression), with "." as the decimal point whatever the
/// desktop's number settings, as every number the user types; nothing when it is not one.
std::optional<double> LerNumeroSimples(const QString& texto);
