// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

/// A text typed by the user, made ready for the interpreter, or the reason it cannot be.
struct TextoPreparado {
    QString texto; ///< what the interpreter is given (empty when `erro` is set)
    QString erro;  ///< a description in the interpreter's style; empty when the text is ready

    bool aceite() const { return erro.isEmpty(); }
    /// Accepted, and with nothing to evaluate: empty, blanks, or only "y =".
    bool vazio() const { return aceite() && texto.trimmed().isEmpty(); }
};

/// What a text may use besides the interpreter's library: the functions the exercise itself
/// defines, each of one argument ("f" when g is written in terms of f, as in -2f(x-1)+3). A call
/// of one of them is read as a call of a function of one argument and reaches the interpreter
/// written "f(" (in lower case, the parenthesis right after the name).
struct ContextoLeitura {
    QStringList funcoes;
};

/// Reads a text as a Portuguese textbook writes it, and gives what the interpreter must read to
/// compute the same, or refuses it with a description that names the fault and, where there is
/// one, the fix ("Escreva x^2 em vez de x2."). Read as a textbook reads them: decimal commas
/// ("0,5x", "sen(0,5x)", and in a function of two arguments whichever commas do not separate,
/// "max(0,5x, 1)"); bars of absolute values, nested as parentheses are ("|2|x||"); products
/// without a sign ("(x-1)(x+1)", "x(x+1)", "2x sen(x)", "pi x"); superscripts ("x²"); towers
/// from the top ("2^3^2" is 2^(3^2)) and signed exponents ("x^-1"); the capital X; copied signs
/// ("−", "×", "·", "÷", "π", "√x", non-breaking spaces); a leading "y =", "f(x) =" or "g(x) =".
/// Only the changes these require are made: a text that uses none of them reaches the
/// interpreter exactly as typed. A text with more "(" than ")", or the other way round, is
/// left to the interpreter, which says so. Takes time in proportion to the text's length.
TextoPreparado PrepararTexto(const QString& escrito, const ContextoLeitura& contexto = {});
