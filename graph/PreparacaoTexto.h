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
};

/// What a text may use besides the interpreter's library: the functions the exercise itself
/// defines, each of one argument ("f" when g is written in terms of f, as in -2f(x-1)+3). A call
/// of one of them is read as a call and reaches the interpreter as written ("f(").
struct ContextoLeitura {
    QStringList funcoes;
};

/// Reads a text as a Portuguese class writes it: a comma between two digits of a number is a
/// decimal comma ("0,5x^2" is 0.5x^2), except directly inside the argument list of a function
/// call, where it stays the separator ("max(1,5)"); and "|…|" is abs(…) ("||x|-2|"). A text
/// whose bars do not pair, or whose operator lacks an operand ("2x+", "+x^2", "3*"), is refused
/// with a description of what is wrong. Everything else reaches the interpreter unchanged.
TextoPreparado PrepararTexto(const QString& escrito, const ContextoLeitura& contexto = {});
