#include "FormaImpressa.h"

#include <cmath>

QString FormaImpressa(double valor, const QLocale& local) {
    // 'G' with 15 digits gives the shortest form within 15 significant digits, and an
    // exponent only for very large or very small magnitudes.
    QString numero = QString::number(std::fabs(valor), 'G', 15);
    numero.replace(QLatin1Char('.'), local.decimalPoint());
    const QString sinal = valor < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return sinal + numero + QLatin1Char(' ');
}

std::optional<double> LerNumeroSimples(const QString& texto) {
    bool ok = false;
    const double valor = texto.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}
