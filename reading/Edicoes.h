// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <vector>

/// The changes a reading makes to a typed text so that the interpreter reads what the pupil
/// meant, kept as places in the text as typed; everything else is written back as typed.
class Edicoes {
public:
    /// Puts `texto` in place of the characters from `inicio` up to `fim` (not included).
    void substituir(qsizetype inicio, qsizetype fim, const QString& texto);
    /// Puts `texto` before the character at `posicao`; of several at one place, the first
    /// recorded comes first, and all come before a replacement that starts there.
    void inserir(qsizetype posicao, const QString& texto);
    /// Drops the characters from `inicio` up to `fim`, with every change recorded inside them.
    void apagar(qsizetype inicio, qsizetype fim);
    /// Throws away every change.
    void esquecer() { m_edicoes.clear(); }

    /// The typed text with the changes made.
    QString aplicar(const QString& escrito) const;

private:
    struct Edicao {
        qsizetype inicio;
        qsizetype fim; ///< equal to inicio for an insertion
        QString texto;
    };
    std::vector<Edicao> m_edicoes;
};
