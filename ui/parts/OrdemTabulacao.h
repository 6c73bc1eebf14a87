// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

/// The keyboard focus order of the main window.
namespace OrdemTabulacao {

/// The names of the controls that take the focus, in the order the screen reads: left to right
/// and top to bottom, a group's controls together, row by row.
QStringList nomes();

/// Chains the focus of the window's controls in that order.
void aplicar(QWidget* janela);

} // namespace OrdemTabulacao
