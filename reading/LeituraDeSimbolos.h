// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Simbolo.h"

#include <QString>
#include <vector>

class Edicoes;

/// The symbols of a typed text, in order. Blanks separate symbols but are none, except inside
/// a number ("1 000", as the interpreter reads it). Copied signs are recorded as edits into
/// what the interpreter reads ("−" as "-", "π" as "pi", a non-breaking space as a blank).
/// Throws Recusa at a character that has no place in an expression.
std::vector<Simbolo> LerSimbolos(const QString& escrito, Edicoes& edicoes);

/// Drops a leading "y =", "f(x) =" or "g(x) =" from the symbols and, as an edit, from the text
/// (of `tamanho` characters). Throws Recusa at any other "=".
void RetirarPrefixo(std::vector<Simbolo>& simbolos, qsizetype tamanho, Edicoes& edicoes);

/// Pairs each "(" with its ")". False, pairing nothing, when there are more of one than of the
/// other (the interpreter says so itself); throws Recusa at a ")" that closes nothing.
bool EmparelharParenteses(std::vector<Simbolo>& simbolos);
