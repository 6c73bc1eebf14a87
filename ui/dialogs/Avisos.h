// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dialogos.h"

#include <QString>

class QWidget;

/// How the parts of the main window speak to the user: the program's dialogs, modal over the
/// window, with the window's normal pointer back before a box opens. The parts are given this
/// rather than the window.
class Avisos {
public:
    Avisos(Dialogos& dialogos, QWidget& janela) : m_dialogos(dialogos), m_janela(janela) {}

    /// A message box over the window.
    void avisar(const QString& texto, Dialogos::Icone icone) const;
    /// The box of an expression of f that cannot be plotted, with the reason.
    void falhaDaFuncao(const QString& descricao) const;

    Dialogos& dialogos() const { return m_dialogos; }
    /// The window the dialogs stand over, whose pointer shows when it is busy.
    QWidget& janela() const { return m_janela; }

private:
    Dialogos& m_dialogos;
    QWidget& m_janela;
};
