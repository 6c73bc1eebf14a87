// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrupoOpcoesFuncao.h"

#include "OperacoesImagem.h"

#include <array>

namespace {

const std::array<GrupoBotoesImagem::Botao, 7> kBotoes{{
    {"Desenhar", "Desenhar", "Desenhar o gráfico da função cuja expressão analítica foi indicada.",
     "desenhar.svg"},
    {"ApagarF", "Apagar", "Apagar o gráfico da função.", "apagar.svg"},
    {"CorGráficoFunção", "Cor", "Mudar a cor do gráfico da função.", "cor.svg"},
    {"CorFundoGráfico", "Fundo", "Mudar a cor do fundo do gráfico da função.", "fundo.svg"},
    {"EixosRadGráfico", "Radianos", "Graduar o eixo das abcissas em radianos.", "radianos.svg"},
    {"CopiarFunção", "Copiar", "Copiar a  imagem da função para outra aplicação.", "copiar.svg"},
    {"GuardarFunção", "Guardar", "Guardar o gráfico da função no disco.", "guardar.svg"},
}};

} // namespace

GrupoOpcoesFuncao::GrupoOpcoesFuncao(OperacoesImagem& operacoes, QWidget* pai)
    : GrupoBotoesImagem("Frame4", "Opções sobre a função", kBotoes, pai) {
    connect(botao("ApagarF"), &QAbstractButton::clicked, &operacoes, &OperacoesImagem::apagar);
    connect(botao("CorGráficoFunção"), &QAbstractButton::clicked, &operacoes,
            &OperacoesImagem::mudarCorGrafico);
    connect(botao("CorFundoGráfico"), &QAbstractButton::clicked, &operacoes,
            &OperacoesImagem::mudarCorFundo);
    connect(botao("CopiarFunção"), &QAbstractButton::clicked, &operacoes, &OperacoesImagem::copiar);
    connect(botao("GuardarFunção"), &QAbstractButton::clicked, &operacoes,
            &OperacoesImagem::guardar);
}
