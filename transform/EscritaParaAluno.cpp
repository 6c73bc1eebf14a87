// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EscritaParaAluno.h"

#include "TextoNumero.h"

#include <QStringList>
#include <charconv>
#include <cmath>

namespace {

const QChar kMenos(0x2212);

// The interpreter's number text, with the pupil's comma and minus sign.
QString paraAluno(const QString& texto) {
    QString escrito = texto;
    escrito.replace(u'.', u',');
    escrito.replace(u'-', kMenos);
    return escrito;
}

// The scientific form rounds the mantissa and gives its power of ten: "1.5e-07".
QString comPotencia(double valor, int significativos) {
    char buffer[40];
    const auto [fim, erro] = std::to_chars(buffer, buffer + sizeof buffer, valor,
                                           std::chars_format::scientific, significativos - 1);
    if (erro != std::errc())
        return QStringLiteral("?");
    const QString cientifico = QString::fromLatin1(buffer, fim - buffer);
    const qsizetype e = cientifico.indexOf(u'e');
    QString mantissa = cientifico.left(e);
    if (mantissa.contains(u'.')) {
        while (mantissa.endsWith(u'0'))
            mantissa.chop(1);
        if (mantissa.endsWith(u'.'))
            mantissa.chop(1);
    }
    const int expoente = cientifico.mid(e + 1).toInt();
    return paraAluno(mantissa) + QStringLiteral(" × 10^") + paraAluno(QString::number(expoente));
}

bool temDecimais(const QString& numero) {
    return numero.contains(u',');
}

QString separador(const QString& a, const QString& b) {
    return temDecimais(a) || temDecimais(b) ? QStringLiteral("; ") : QStringLiteral(", ");
}

} // namespace

namespace EscritaParaAluno {

QString numero(double valor, int significativos) {
    if (std::isinf(valor))
        return valor > 0 ? QStringLiteral("+∞") : QString(kMenos) + u'∞';
    const double magnitude = std::abs(valor);
    if (valor != 0 && (magnitude >= 1e15 || magnitude < 1e-6))
        return comPotencia(valor, significativos);
    return paraAluno(textoDoNumero(valor, significativos).value_or(QStringLiteral("?")));
}

QString intervalo(const Intervalo& i, int significativos) {
    if (i.vazio())
        return QStringLiteral("∅");
    const QString inferior = numero(i.inferior, significativos);
    if (i.inferior == i.superior)
        return u'{' + inferior + u'}';
    const QString superior = numero(i.superior, significativos);
    return (i.inferiorFechado ? u'[' : u']') + inferior + separador(inferior, superior) + superior +
           (i.superiorFechado ? u']' : u'[');
}

QString uniao(const std::vector<Intervalo>& intervalos, int significativos) {
    QStringList partes;
    for (const Intervalo& i : intervalos)
        if (!i.vazio())
            partes << intervalo(i, significativos);
    return partes.isEmpty() ? QStringLiteral("∅") : partes.join(QStringLiteral(" ∪ "));
}

QString ponto(double x, double y, int significativos) {
    const QString a = numero(x, significativos), b = numero(y, significativos);
    return u'(' + a + separador(a, b) + b + u')';
}

} // namespace EscritaParaAluno
