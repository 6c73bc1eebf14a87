// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PreparacaoTexto.h"

#include <QString>
#include <QStringView>
#include <optional>

/// What a name written in an expression stands for.
enum class EspecieNome {
    Variavel,          ///< x
    Constante,         ///< pi, e, rnd
    Funcao,            ///< a function of the interpreter's library: sen, max...
    FuncaoDoExercicio, ///< a function the exercise defines, such as f
    Desconhecido,      ///< anything else: the interpreter says so
};

/// The names a text may use: the interpreter's own and those of the exercise.
class Nomes {
public:
    explicit Nomes(const ContextoLeitura& contexto) : m_contexto(contexto) {}

    /// What `nome` (in lower case) stands for.
    EspecieNome especie(QStringView nome) const;
    /// How many arguments a function takes (1 or 2); 0 for a name that is no known function.
    int aridade(QStringView nome) const;

    /// What a pupil meant by a name that runs known names together, written out, or nothing when
    /// it is no such name. `chamada` is what follows the name from its "(" to the matching ")",
    /// empty when no "(" follows: "xsen" with "(x)" gives x*sen(x), "pix" gives pi*x, "senx"
    /// gives sen(x), "x2" gives x^2.
    std::optional<QString> porExtenso(QStringView nome, QStringView chamada) const;

private:
    bool funcao(QStringView nome) const;
    /// The length of the longest function name, which bounds the search in a long name.
    qsizetype maiorNomeDeFuncao() const;
    std::optional<QString> produtoDeFuncao(QStringView nome, QStringView chamada) const;
    std::optional<QString> argumentoSemParenteses(QStringView nome) const;

    const ContextoLeitura& m_contexto;
};
