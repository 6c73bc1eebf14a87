// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EscritaParaAluno.h"

#include "NumeroPortugues.h"

#include <QStringList>

namespace {

bool temDecimais(const QString& numero) {
    return numero.contains(u',');
}

QString separador(const QString& a, const QString& b) {
    return temDecimais(a) || temDecimais(b) ? QStringLiteral("; ") : QStringLiteral(", ");
}

} // namespace

namespace EscritaParaAluno {

QString numero(double valor) {
    return numeroPortugues(valor, FormaDoNumero::Decimal);
}

QString intervalo(const Intervalo& i) {
    if (i.vazio())
        return QStringLiteral("∅");
    const QString inferior = numero(i.inferior);
    if (i.inferior == i.superior)
        return u'{' + inferior + u'}';
    const QString superior = numero(i.superior);
    return (i.inferiorFechado ? u'[' : u']') + inferior + separador(inferior, superior) + superior +
           (i.superiorFechado ? u']' : u'[');
}

QString uniao(const std::vector<Intervalo>& intervalos) {
    QStringList partes;
    for (const Intervalo& i : intervalos)
        if (!i.vazio())
            partes << intervalo(i);
    return partes.isEmpty() ? QStringLiteral("∅") : partes.join(QStringLiteral(" ∪ "));
}

QString ponto(double x, double y) {
    return parPortugues(x, y, FormaDoNumero::Decimal);
}

} // namespace EscritaParaAluno
