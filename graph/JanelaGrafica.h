// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The mathematical window in force, shared by both graph areas: written by every window
/// set-up, read by the axis drawing and by all plotting.
struct JanelaGrafica {
    double JanelaXmin = 0;
    double JanelaXmax = 0;
    double JanelaYmin = 0;
    double JanelaYmax = 0;
    double TamPixelX = 0;      ///< width of one pixel of an area, in x units
    double TamPixelY = 0;      ///< height of one pixel of an area, in y units
    bool EixoRadianos = false; ///< x axis graduated in multiples of π/2
};
