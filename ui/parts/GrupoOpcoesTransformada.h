// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GrupoBotoesImagem.h"

class OperacoesImagem;

/// `Frame3`, "Opções sobre a transformação": the six picture buttons under the transform area.
/// "Reset" and the erase also clear the marks of the ten transformations, which belong to the
/// transformation group: the window connects reset() and the operations' erase to it.
class GrupoOpcoesTransformada : public GrupoBotoesImagem {
    Q_OBJECT
public:
    GrupoOpcoesTransformada(OperacoesImagem& operacoes, QWidget* pai);

    BotaoImagem* reset() const { return botao("Reset"); }
};
