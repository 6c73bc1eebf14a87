#pragma once

/// Registers close substitutes for the fonts the windows name ("MS Sans Serif", "MS Serif",
/// "Arial", "Comic Sans MS", "symbol") where the system lacks them. Call once after the
/// application object exists.
void RegistarSubstitutosDeFontes();
