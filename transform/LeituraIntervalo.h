// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Intervalo.h"

#include <QString>

/// An interval typed by the pupil, read: the interval, or why it cannot be read.
struct IntervaloLido {
    Intervalo intervalo;
    QString erro; ///< a description in the system's style; empty when the text was read

    bool aceite() const { return erro.isEmpty(); }
};

/// Reads a domain as Portuguese textbooks write it. An empty text (or "R", "ℝ", "IR") is every
/// real number; otherwise one interval: "[" or "]" on each side ("[-5, 3]", "]-2, 4]",
/// "[0, +∞[", also "+inf", "-inf", "-∞" and the minus sign "−"), the ends separated by ";" or
/// by a comma. Each end is a number with a decimal comma or point, or an expression read as f
/// is ("[-pi, pi]"). Without ";" and with decimal commas, a text that can be cut into two ends
/// in more than one way ("[1,5,2]") is refused with a request for ";".
IntervaloLido lerIntervalo(const QString& escrito);
