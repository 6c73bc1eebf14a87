// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QJsonObject>
#include <QString>
#include <vector>

/// A JSON object of an exercise file being read: each value is taken with its kind checked,
/// and a key that is missing or of another kind throws a `Defeito` whose reason names it by its
/// place in the file ("eixos.passoY", "areaTransformada.curvas[2].cor").
class ObjetoLido {
public:
    /// Why the file cannot be read, in the user's words.
    struct Defeito {
        QString razao;
    };

    /// "O exercício está danificado: " and the reason.
    static QString danificado(const QString& razao);

    explicit ObjetoLido(const QJsonObject& objeto, const QString& caminho = QString());

    QString texto(const char* chave) const;
    bool logico(const char* chave) const;
    int inteiro(const char* chave, int minimo, int maximo) const;
    /// A colour written "#rrggbb".
    QColor cor(const char* chave) const;
    ObjetoLido objeto(const char* chave) const;
    /// The objects of a list, each named by its place, counted from 1 ("curvas[1]"); more than
    /// `maximo` is refused.
    std::vector<ObjetoLido> lista(const char* chave, int maximo) const;

    /// Where this object stands in the file ("areaTransformada.curvas[2]"); empty at the top.
    const QString& caminho() const { return m_caminho; }

private:
    QString nome(const char* chave) const;
    QJsonValue valor(const char* chave) const;
    [[noreturn]] void errado(const char* chave, const QString& tipo) const;

    QJsonObject m_objeto;
    QString m_caminho;
};
