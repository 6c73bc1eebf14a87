// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormaDeG.h"

#include "NumeroPortugues.h"

#include <cmath>

namespace {

const QChar kMenos(0x2212);

// "2x", "−x", "x/2", "2x/3", "1,5x" and the like, for a coefficient not zero.
QString termo(double coeficiente, const QString& variavel) {
    const QString numero = numeroPortugues(std::fabs(coeficiente));
    QString texto;
    if (numero == QLatin1String("1")) {
        texto = variavel;
    } else if (const auto barra = numero.indexOf(QLatin1Char('/')); barra >= 0) {
        const QString numerador = numero.left(barra);
        texto = (numerador == QLatin1String("1") ? QString() : numerador) + variavel +
                numero.mid(barra);
    } else {
        texto = numero + variavel;
    }
    return coeficiente < 0 ? kMenos + texto : texto;
}

// coeficiente·variavel + constante as a pupil writes it: "x − 2", "−2y + 3", "y/2", "0".
QString afim(double coeficiente, const QString& variavel, double constante) {
    if (coeficiente == 0)
        return numeroPortugues(constante);
    const QString texto = termo(coeficiente, variavel);
    if (constante == 0)
        return texto;
    return texto + (constante > 0 ? QStringLiteral(" + ") : QStringLiteral(" ") + kMenos + ' ') +
           numeroPortugues(std::fabs(constante));
}

void juntarReflexoes(std::vector<Passo>& passos, bool emOy, bool emOx) {
    if (emOy && emOx)
        passos.push_back(Passo::simetriaOrigem());
    else if (emOy)
        passos.push_back(Passo::reflexaoOy());
    else if (emOx)
        passos.push_back(Passo::reflexaoOx());
}

void juntarTranslacao(std::vector<Passo>& passos, double h, double v) {
    if (h != 0 || v != 0)
        passos.push_back(Passo::translacao(h, v));
}

} // namespace

FormaDeG FormaDeG::daOpcao(int numero, double a, double b) {
    FormaDeG forma;
    switch (numero) {
    case 1:
        forma.moduloNoValor = true;
        break;
    case 2:
        forma.moduloNoArgumento = true;
        break;
    case 3:
        forma.k = -1;
        break;
    case 4:
        forma.m = -1;
        break;
    case 5:
        forma.c = a;
        break;
    case 6:
        forma.m = a;
        break;
    case 7:
        forma.n = b;
        forma.c = a;
        break;
    case 8:
        forma.n = b;
        break;
    case 9:
        forma.k = a;
        break;
    case 10:
        forma.m = -1;
        forma.k = -1;
        break;
    default:
        break;
    }
    return forma;
}

std::vector<Passo> FormaDeG::passos() const {
    std::vector<Passo> passos;
    if (m == 0)
        passos.push_back(Passo::retaHorizontal(n));
    else if (std::fabs(m) != 1)
        passos.push_back(Passo::escalaHorizontal(1 / std::fabs(m)));
    if (std::fabs(k) != 1)
        passos.push_back(Passo::escalaVertical(std::fabs(k)));
    juntarReflexoes(passos, m < 0, k < 0);
    juntarTranslacao(passos, m == 0 ? 0 : -n / m, c);

    if (moduloNoValor)
        passos.push_back(Passo::moduloDosValores());
    const bool comAbscissa = moduloNoArgumento && m != 0;
    if (comAbscissa)
        passos.push_back(Passo::moduloDaAbscissa());
    if (std::fabs(q) != 1)
        passos.push_back(Passo::escalaVertical(std::fabs(q)));
    juntarReflexoes(passos, false, q < 0);
    juntarTranslacao(passos, comAbscissa ? x0 : 0, p);
    return passos;
}

QString FormaDeG::regra() const {
    const QString y = moduloNoValor ? afim(q, QLatin1Char('|') + afim(k, "y", c) + '|', p)
                                    : afim(q * k, QStringLiteral("y"), q * c + p);
    const QString seta = QStringLiteral(" ↦ (");
    if (m == 0)
        return QLatin1Char('(') + numeroPortugues(n) + QStringLiteral("; y)") + seta +
               QStringLiteral("x; ") + y + QStringLiteral("), para todo o x real");
    const QString inicio = QStringLiteral("(x; y)") + seta;
    if (!moduloNoArgumento)
        return inicio + afim(1 / m, QStringLiteral("x"), -n / m) + QStringLiteral("; ") + y + ')';
    return inicio + afim(1 / m, QStringLiteral("x"), x0 - n / m) + QStringLiteral("; ") + y +
           QStringLiteral(") e (") + afim(-1 / m, QStringLiteral("x"), x0 + n / m) +
           QStringLiteral("; ") + y + QStringLiteral("), se x ") +
           (m > 0 ? QStringLiteral("≥ ") : QStringLiteral("≤ ")) + numeroPortugues(n);
}
