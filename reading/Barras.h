// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Simbolo.h"

#include <vector>

/// Decides which bars of the symbols open an absolute value and which close one, pairing them
/// as parentheses pair: a bar can close only after an operand, can open only before one, and
/// never pairs across a parenthesis. "|2|x||" is |2·|x||, "||x|-2|" is ||x|-2|. Throws Recusa
/// when the bars admit no reading, or more than one ("|x|x|x|"). Takes time in proportion to
/// the number of symbols. The parentheses must be paired first.
void ResolverBarras(std::vector<Simbolo>& simbolos);
