#include "NumeroInicial.h"

#include <cstdlib>
#include <string>

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

    std::string lido;
    qsizetype i = 0;
    const qsizetype n = limpo.size();
    if (i < n && (limpo[i] == QLatin1Char('+') || limpo[i] == QLatin1Char('-')))
        lido += static_cast<char>(limpo[i++].unicode());
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
        lido += static_cast<char>(limpo[i].unicode());
    }
    if (!algumDigito)
        return 0;
    // The exponent counts only when it has at least one digit.
    if (i < n &&
        (limpo[i].toUpper() == QLatin1Char('E') || limpo[i].toUpper() == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        std::string expoente = "e";
        if (j < n && (limpo[j] == QLatin1Char('+') || limpo[j] == QLatin1Char('-')))
            expoente += static_cast<char>(limpo[j++].unicode());
        bool digitosExpoente = false;
        for (; j < n && eDigito(limpo[j]); ++j) {
            expoente += static_cast<char>(limpo[j].unicode());
            digitosExpoente = true;
        }
        if (digitosExpoente)
            lido += expoente;
    }
    return std::strtod(lido.c_str(), nullptr);
}
