// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quilora::interpreter {

// The program's one pseudo-random generator, shared by "rnd", "rnd(", "rand(" and "random(".
// It yields single-precision numbers uniformly in [0, 1) and is seeded from the clock when it
// is first used.

/// The next number of the sequence.
float randomNext();

/// The draw of "rnd(": a negative argument gives a number determined by the argument alone,
/// zero repeats the most recent number, a positive argument gives the next number.
float randomDraw(double argument);

/// Mixes the current time into the state, so successive calls still draw different numbers.
void reseedRandomFromClock();

} // namespace quilora::interpreter
