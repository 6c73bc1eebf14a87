// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Simbolo.h"

#include <QString>
#include <vector>

class Edicoes;
class Nomes;

/// Decides which commas are decimal and which separate the arguments of a call, by the number
/// of arguments of the function: in a function of one argument, in parentheses, between bars
/// and outside any call every comma is decimal ("sen(0,5x)", "2,5"); in one of two arguments
/// one comma separates and the others are decimal ("max(0,5x, 1)"). A decimal comma joins two
/// runs of digits (blanks aside) and becomes "." in what the interpreter reads. The commas of
/// a function the interpreter does not know are left to it. Throws Recusa when the commas fit
/// no reading, or more than one ("max(1,5,2)"). Parentheses and bars must be paired first.
void ResolverVirgulas(std::vector<Simbolo>& simbolos, const QString& escrito, const Nomes& nomes,
                      Edicoes& edicoes);
