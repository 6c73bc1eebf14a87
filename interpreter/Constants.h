// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quilora::interpreter {

/// The number written into the cell of a step that failed in silence.
inline constexpr double failureMarker = 1000.0;

/// The values of "pi" and "e": these decimals, not the full-precision constants.
inline constexpr double piValue = 3.14159265358979;
inline constexpr double eValue = 2.718281828;

} // namespace quilora::interpreter
