// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BotaoImagem.h"

#include <QGroupBox>
#include <span>

/// A group frame holding a row of picture buttons, with its caption in bold blue. The window's
/// layout places the frame and its buttons.
class GrupoBotoesImagem : public QGroupBox {
    Q_OBJECT
public:
    /// One button of the row; texts in UTF-8.
    struct Botao {
        const char* nome;
        const char* legenda;
        const char* dica;
        const char* icone; ///< file name among the program's icons
    };

    GrupoBotoesImagem(const char* nome, const char* titulo, std::span<const Botao> botoes,
                      QWidget* pai);

    /// The button of that control name (UTF-8); it must be one of the group's.
    BotaoImagem* botao(const char* nome) const;
};
