#pragma once

#include <QLocale>
#include <QString>
#include <optional>

/// The platform's print form of a number: a blank or "-", the shortest decimal form with at
/// most 15 significant digits and the locale's decimal separator, then one blank (" 0,5 " on a
/// Portuguese system, "-3 " for -3).
QString FormaImpressa(double valor, const QLocale& local = QLocale::system());

/// A text read as a plain number (no expression), with "." as the decimal point whatever the
/// desktop's number settings, as every number the user types; nothing when it is not one.
std::optional<double> LerNumeroSimples(const QString& texto);
