// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ObjetoLido.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <cmath>

QString ObjetoLido::danificado(const QString& razao) {
    return QStringLiteral("O exercício está danificado: ") + razao;
}

ObjetoLido::ObjetoLido(const QJsonObject& objeto, const QString& caminho)
    : m_objeto(objeto), m_caminho(caminho) {
}

QString ObjetoLido::texto(const char* chave) const {
    const QJsonValue v = valor(chave);
    if (!v.isString())
        errado(chave, QStringLiteral("um texto"));
    return v.toString();
}

bool ObjetoLido::logico(const char* chave) const {
    const QJsonValue v = valor(chave);
    if (!v.isBool())
        errado(chave, QStringLiteral("verdadeiro ou falso (true ou false)"));
    return v.toBool();
}

int ObjetoLido::inteiro(const char* chave, int minimo, int maximo) const {
    const QJsonValue v = valor(chave);
    const double numero = v.toDouble();
    if (!v.isDouble() || numero != std::floor(numero) || numero < minimo || numero > maximo)
        errado(chave, QStringLiteral("um número inteiro de %1 a %2").arg(minimo).arg(maximo));
    return int(numero);
}

QColor ObjetoLido::cor(const char* chave) const {
    static const QRegularExpression kHex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    const QJsonValue v = valor(chave);
    if (!v.isString() || !kHex.match(v.toString()).hasMatch())
        errado(chave, QStringLiteral("uma cor escrita como #rrggbb"));
    return QColor::fromString(v.toString());
}

ObjetoLido ObjetoLido::objeto(const char* chave) const {
    const QJsonValue v = valor(chave);
    if (!v.isObject())
        errado(chave, QStringLiteral("um objeto { … }"));
    return ObjetoLido(v.toObject(), nome(chave));
}

std::vector<ObjetoLido> ObjetoLido::lista(const char* chave, int maximo) const {
    const QJsonValue v = valor(chave);
    if (!v.isArray())
        errado(chave, QStringLiteral("uma lista [ … ]"));
    const QJsonArray elementos = v.toArray();
    if (elementos.size() > maximo)
        throw Defeito{QStringLiteral("O exercício tem mais de %1 curvas num gráfico, mais do que "
                                     "uma aula desenha: não é aberto.")
                          .arg(maximo)};
    std::vector<ObjetoLido> objetos;
    for (qsizetype i = 0; i < elementos.size(); ++i) {
        const QString posicao = nome(chave) + QStringLiteral("[%1]").arg(i + 1);
        if (!elementos[i].isObject())
            throw Defeito{
                danificado(QStringLiteral("«%1» devia ser um objeto { … }.").arg(posicao))};
        objetos.emplace_back(elementos[i].toObject(), posicao);
    }
    return objetos;
}

QString ObjetoLido::nome(const char* chave) const {
    const QString propria = QString::fromLatin1(chave);
    return m_caminho.isEmpty() ? propria : m_caminho + QLatin1Char('.') + propria;
}

QJsonValue ObjetoLido::valor(const char* chave) const {
    const auto encontrado = m_objeto.constFind(QLatin1String(chave));
    if (encontrado == m_objeto.constEnd())
        throw Defeito{danificado(QStringLiteral("falta «%1».").arg(nome(chave)))};
    return *encontrado;
}

void ObjetoLido::errado(const char* chave, const QString& tipo) const {
    throw Defeito{danificado(QStringLiteral("«%1» devia ser %2.").arg(nome(chave), tipo))};
}
