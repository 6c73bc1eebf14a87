// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormaImpressa.h"

#include <algorithm>
#include <cmath>

QString FormaImpressa(double valor, const QLocale& local) {
    // 'G' with 15 digits gives the shortest form within 15 significant digits, and an
    // exponent only for very large or very small magnitudes.
    QString numero = QString::number(std::fabs(valor), 'G', 15);
    numero.replace(QLatin1Char('.'), local.decimalPoint());
    const QString sinal = valor < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return sinal + numero + QLatin1Char(' ');
}

namespace {

constexpr double kSemExpoente = 1e15;

int casasDecimais(double resolucao) {
    if (!(resolucao > 0) || !std::isfinite(resolucao))
        return 2;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(resolucao))), 2, 15);
}

} // namespace

double ArredondadoParaLeitura(double valor, double resolucao) {
    if (!(std::fabs(valor) < kSemExpoente))
        return valor;
    const double escala = std::pow(10.0, casasDecimais(resolucao));
    return std::round(valor * escala) / escala;
}

QString FormaDaLeitura(double valor, double resolucao, const QLocale& local) {
    QLocale semGrupos = local;
    if (!(local.numberOptions() & QLocale::OmitGroupSeparator))
        semGrupos.setNumberOptions(local.numberOptions() | QLocale::OmitGroupSeparator);
    if (!(std::fabs(valor) < kSemExpoente))
        return semGrupos.toString(valor, 'g', 15);
    const int casas = casasDecimais(resolucao);
    const double arredondado = ArredondadoParaLeitura(valor, resolucao);
    // No "-0,00" for a value that rounds to zero.
    return semGrupos.toString(arredondado == 0 ? 0.0 : arredondado, 'f', casas);
}

std::optional<double> LerNumeroSimples(const QString& texto) {
    bool ok = false;
    const double valor = texto.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}
