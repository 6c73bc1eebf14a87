// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// The value of the number at the start of a text, 0 when there is none. Blanks (space, tab,
/// line feed) are skipped wherever they stand; then an optional sign, digits with at most one
/// ".", and an optional exponent (E or D, optional sign, digits). '2*pi' gives 2, '-pi' 0,
/// '1,5' 1 and '1e3' 1000.
double NumeroInicial(const QString& texto);
