// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QMenuBar;
class QMenu;

/// Access keys for a menu bar: each menu and command of it, and each command of its menus,
/// gets the first letter of its text that no sibling uses yet, words' first letters first
/// (Alt+F "Ficheiro", Alt+C "Comparar"). A text that already has one keeps it. Only the "&"
/// is added: what the user reads and what a screen reader names stay the same words.
namespace TeclasDeAcesso {

void aplicar(QMenuBar& barra);
void aplicar(QMenu& menu);

} // namespace TeclasDeAcesso
