// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

/// A function written in terms of f, taken apart for the interpreter: the calls of f, each with
/// the argument given to f, and what is done with their values. A transformation of the
/// catalogue is one ("a+f(x+b)": one call, argument x+(b), exterior a+(f_1)), and so is a g
/// typed as an exercise writes it ("-2f(x-1)+3", "f(f(x))", "|f(x)+1|").
struct Composicao {
    /// The interpreter's variable that holds the value of call k (from 0) of f: "f_1", "f_2"...
    static QString variavelDaChamada(int k) {
        return QStringLiteral("f_") + QString::number(k + 1);
    }

    /// The argument of each call of f, ready for the interpreter; it uses x and the variables of
    /// the calls before it (an inner call comes before the call that holds it).
    std::vector<QString> argumentos;
    /// The whole function with every call of f replaced by its variable.
    QString exterior;
    /// The same function as one text for the interpreter, with f written out at every call: the
    /// text that is plotted and taken as the new f.
    QString expandida;
};
