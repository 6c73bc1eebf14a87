// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Composicao.h"

#include <QString>

/// A function g typed in terms of f, taken apart, or why it cannot be.
struct ComposicaoLida {
    Composicao composicao;
    QString erro; ///< a description in the system's style; empty when g was read

    bool aceite() const { return erro.isEmpty(); }
};

/// Reads g as an exercise writes it ("-2f(x-1)+3", "|f(x)+1|", "f(f(x))", "3f(2x)"), with or
/// without a leading "g(x) =" (any one-letter name, or "y ="), by the rules f is read by. `f`
/// is the text of f ready for the interpreter, written out at each call with its x replaced by
/// the argument. A text without a call of f, or whose f has no argument in parentheses (or
/// more than one), is refused with a description.
ComposicaoLida lerComposicao(const QString& g, const QString& f);

/// The text of f with its variable replaced by an argument, as the substitution scan does it
/// (the x of function names stays), between parentheses: "( (x-1)^2-4 )".
QString fAplicadaA(const QString& f, const QString& argumento);
