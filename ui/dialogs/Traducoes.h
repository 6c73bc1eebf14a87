// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

/// Installs the European-Portuguese words of Qt's standard dialogs, buttons and text menus,
/// whatever the desktop's language: the system's own Qt translation where it is installed, and
/// over it the program's, which wins wherever both have a text.
void InstalarTraducoes(QCoreApplication& aplicacao);
