// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PontoNotavel.h"

class FuncaoComposta;

/// The end of the domain of a curve between an abscissa where it has a value (`comValor`) and
/// one where it has none (`semValor`), found by bisection to neighbouring doubles. Where an
/// argument given to f leaves the domain of f there, the end is closed or open as that end of
/// f's domain is; elsewhere it is closed where the curve reaches it continuously (sqr(x) at 0)
/// and open without a value where it does not (log(x) at 0). A closed end is the last abscissa
/// with a value, an open one the first without; its y is the value (or the limit) there.
PontoNotavel extremidadeEntre(FuncaoComposta& curva, double comValor, double semValor);
