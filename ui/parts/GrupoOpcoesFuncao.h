// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GrupoBotoesImagem.h"

class OperacoesImagem;

/// `Frame4`, "Opções sobre a função": the seven picture buttons under the function area.
/// "Desenhar" and the units/radians switch run the window's own commands, which the window
/// connects to desenhar() and eixosRad(); the other five are the picture operations on the
/// function area.
class GrupoOpcoesFuncao : public GrupoBotoesImagem {
    Q_OBJECT
public:
    GrupoOpcoesFuncao(OperacoesImagem& operacoes, QWidget* pai);

    BotaoImagem* desenhar() const { return botao("Desenhar"); }
    BotaoImagem* eixosRad() const { return botao("EixosRadGráfico"); }
};
