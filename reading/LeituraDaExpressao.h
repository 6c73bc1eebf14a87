// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Simbolo.h"

#include <QString>
#include <optional>
#include <vector>

class Edicoes;
class Nomes;

/// Reads the symbols of a typed text as a textbook reads them and records, as edits, what the
/// interpreter needs to read the same: the products a textbook writes without a sign
/// ("(x-1)(x+1)", "x(x+1)", "pi x"), a tower of powers from the top ("2^3^2" is 2^(3^2)), a
/// signed exponent ("x^-1"), superscripts ("x²"), roots ("√x"), the bars of absolute values
/// and the capital X. Refuses, by throwing Recusa, what has no single reading: an operator
/// without an operand, a number after an operand ("(x+1)2"), names run together ("xsen(x)"),
/// a function without its parentheses, an exponent or root followed by a product ("e^2x").
/// Parentheses, bars and commas must be resolved first.
class LeituraDaExpressao {
public:
    LeituraDaExpressao(const QString& escrito, const std::vector<Simbolo>& simbolos,
                       const Nomes& nomes, Edicoes& edicoes)
        : m_escrito(escrito), m_s(simbolos), m_nomes(nomes), m_edicoes(edicoes) {}

    void ler();

private:
    // What was read of one operand, for what may follow it.
    struct Operando {
        qsizetype inicio = 0;
        qsizetype fim = 0;
        bool terminaEmNumero = false; ///< the interpreter multiplies a name or "(" after it
        bool entreParenteses = false; ///< a group in parentheses, and nothing else
        /// Where a last exponent or root argument written without parentheses starts, which a
        /// product after it would prolong ("2x" in "e^2x").
        std::optional<qsizetype> inicioNu = {};
    };
    enum class Paragem { Texto, Parentese, Barra, Argumento };

    bool lerSequencia(Paragem paragem);
    bool para(Paragem paragem) const;
    Operando produtoEscondido(const Operando& anterior);
    Operando lerFator();
    Operando lerUnidade();
    Operando lerNumero();
    Operando lerNome();
    Operando lerChamada(bool doExercicio);
    [[noreturn]] void recusarFuncaoSemParenteses() const;
    Operando lerGrupo();
    Operando lerValorAbsoluto();
    Operando lerRaiz();
    void lerPotencias(Operando& base);
    void lerSinalAntesDeOperando(const Simbolo& antes);

    bool fim() const { return m_i >= static_cast<qsizetype>(m_s.size()); }
    const Simbolo& atual() const { return m_s[static_cast<std::size_t>(m_i)]; }
    const Simbolo& simbolo(qsizetype i) const { return m_s[static_cast<std::size_t>(i)]; }
    bool comecaOperando() const;
    QStringView texto(qsizetype inicio, qsizetype fim) const;
    QStringView texto(const Simbolo& s) const { return texto(s.inicio, s.fim); }
    QStringView texto(const Operando& o) const { return texto(o.inicio, o.fim); }

    const QString& m_escrito;
    const std::vector<Simbolo>& m_s;
    const Nomes& m_nomes;
    Edicoes& m_edicoes;
    qsizetype m_i = 0;
    int m_nivel = 0; ///< how many operands are being read one inside another
};
