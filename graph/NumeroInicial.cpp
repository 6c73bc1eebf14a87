// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumeroInicial.h"

namespace {

bool eBranco(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool eDigito(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double NumeroInicial(const QString& texto) {
    // Blanks count for nothing anywhere, so they are dropped before reading.
    QString limpo;
    limpo.reserve(texto.size());
    for (QChar c : texto)
        if (!eBranco(c))
            limpo.append(c);

    QString lido;
    qsizetype i = 0;
    const qsizetype n = limpo.size();
    if (i < n && (limpo[i] == QLatin1Char('+') || limpo[i] == QLatin1Char('-')))
        lido += limpo[i++];
    bool algumDigito = false;
    bool ponto = false;
    for (; i < n; ++i) {
        if (eDigito(limpo[i])) {
            algumDigito = true;
        } else if (limpo[i] == QLatin1Char('.') && !ponto) {
            ponto = true;
        } else {
            break;
        }
        lido += limpo[i];
    }
    if (!algumDigito)
        return 0;
    // The exponent counts only when it has at least one digit.
    if (i < n &&
        (limpo[i].toUpper() == QLatin1Char('E') || limpo[i].toUpper() == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        QString expoente = QStringLiteral("e");
        if (j < n && (limpo[j] == QLatin1Char('+') || limpo[j] == QLatin1Char('-')))
            expoente += limpo[j++];
        bool digitosExpoente = false;
        for (; j < n && eDigito(limpo[j]); ++j) {
            expoente += limpo[j];
            digitosExpoente = true;
        }
        if (digitosExpoente)
            lido += expoente;
    }
    // QString reads "." whatever the desktop's number settings; too large a number reads as an
    // infinity and too small a one as 0.
    return lido.toDouble();
}
