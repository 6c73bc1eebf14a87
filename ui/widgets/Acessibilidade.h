// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// Tells screen readers what the program's own controls are, where Qt's defaults would say
/// otherwise: the ten transformation options are radio buttons whose action selects and draws,
/// as a click does; the help windows are windows named by their titles; the graph areas are
/// pictures; the headings of the axis table are text. Safe to call more than once.
void InstalarAcessibilidade();
