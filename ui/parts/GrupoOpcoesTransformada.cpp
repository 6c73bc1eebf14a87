// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrupoOpcoesTransformada.h"

#include "OperacoesImagem.h"

#include <array>

namespace {

const std::array<GrupoBotoesImagem::Botao, 6> kBotoes{{
    {"ApagarT", "Apagar", "Apagar o gráfico da transformação.", "apagar-transformada.svg"},
    {"Reset", "Reset", "Apagar marcação das funções transformadas.", "reset.svg"},
    {"CorGráficoTransformada", "Cor", "Mudar a cor do gráfico da transformada da função.",
     "cor-transformada.svg"},
    {"CorFundoTransformada", "Fundo", "Mudar a cor do fundo da transformada da função.",
     "fundo-transformada.svg"},
    {"CopiarTransformada", "Copiar", "Copiar a imagem da transformada para outra aplicação.",
     "copiar-transformada.svg"},
    {"GuardarTransformada", "Guardar", "Guardar o gráfico da transformada da função no disco.",
     "guardar-transformada.svg"},
}};

} // namespace

GrupoOpcoesTransformada::GrupoOpcoesTransformada(OperacoesImagem& operacoes, QWidget* pai)
    : GrupoBotoesImagem("Frame3", "Opções sobre a transformação", kBotoes, pai) {
    connect(botao("ApagarT"), &QAbstractButton::clicked, &operacoes, &OperacoesImagem::apagar);
    connect(botao("CorGráficoTransformada"), &QAbstractButton::clicked, &operacoes,
            &OperacoesImagem::mudarCorGrafico);
    connect(botao("CorFundoTransformada"), &QAbstractButton::clicked, &operacoes,
            &OperacoesImagem::mudarCorFundo);
    connect(botao("CopiarTransformada"), &QAbstractButton::clicked, &operacoes,
            &OperacoesImagem::copiar);
    connect(botao("GuardarTransformada"), &QAbstractButton::clicked, &operacoes,
            &OperacoesImagem::guardar);
}
