// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

/// While alive, a window shows the busy pointer; the program's other windows and its message
/// boxes keep the normal one.
class PonteiroOcupado {
public:
    explicit PonteiroOcupado(QWidget& janela);
    ~PonteiroOcupado();
    PonteiroOcupado(const PonteiroOcupado&) = delete;
    PonteiroOcupado& operator=(const PonteiroOcupado&) = delete;

    /// Gives a window its normal pointer back at once, whatever guards are alive; a message box
    /// is never opened over the busy pointer.
    static void normal(QWidget& janela);

private:
    QWidget& m_janela;
};
