// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// Registers close substitutes for the fonts the windows name ("MS Sans Serif", "MS Serif",
/// "Arial", "Comic Sans MS", "symbol") where the system lacks them. Call once after the
/// application object exists.
void RegistarSubstitutosDeFontes();
