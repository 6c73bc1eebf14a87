// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

/// The colour of the curve number `indice` (from 0) piled up on an area of background `fundo`:
/// the blue of a single curve first, so that one transform looks as it always did, then
/// colours that pupils with any common colour blindness tell apart, that keep a luminance
/// contrast of at least 2 with the background (so never the background itself, nor a colour too
/// close to it) and that are never the grey of f shown under the curves. After the last colour
/// the palette starts again. A pure function of its two arguments.
QColor corDaCurva(int indice, const QColor& fundo);

/// The luminance contrast of two colours, from 1 (the same luminance) to 21 (black on white).
double contrasteDeLuminancia(const QColor& uma, const QColor& outra);
