#include "GrupoOpcoesFuncao.h"

#include "Form1.h"

#include <array>

namespace {

const std::array<GrupoBotoesImagem::Botao, 7> kBotoes{{
    {"Desenhar", "Desenhar", 180,
     "Desenhar o gráfico da função cuja expressão analítica foi indicada.", "desenhar.svg"},
    {"ApagarF", "Apagar", 970, "Apagar o gráfico da função.", "apagar.svg"},
    {"CorGráficoFunção", "Cor", 1760, "Mudar a cor do gráfico da função.", "cor.svg"},
    {"CorFundoGráfico", "Fundo", 2550, "Mudar a cor do fundo do gráfico da função.", "fundo.svg"},
    {"EixosRadGráfico", "Radianos", 3340, "Graduar o eixo das abcissas em radianos.",
     "radianos.svg"},
    {"CopiarFunção", "Copiar", 4130, "Copiar a  imagem da função para outra aplicação.",
     "copiar.svg"},
    {"GuardarFunção", "Guardar", 4920, "Guardar o gráfico da função no disco.", "guardar.svg"},
}};

} // namespace

GrupoOpcoesFuncao::GrupoOpcoesFuncao(Form1& janela, QWidget* pai)
    : GrupoBotoesImagem("Frame4", "Opções sobre a função", QRect(60, 9660, 5715, 975), kBotoes,
                        pai),
      m_operacoes(janela, OperacoesImagem::Lado::Funcao) {
    connect(desenhar(), &QAbstractButton::clicked, &janela, &Form1::desenhar);
    connect(eixosRad(), &QAbstractButton::clicked, &janela, &Form1::alternarRadianos);
    connect(botao("ApagarF"), &QAbstractButton::clicked, &m_operacoes, &OperacoesImagem::apagar);
    connect(botao("CorGráficoFunção"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::mudarCorGrafico);
    connect(botao("CorFundoGráfico"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::mudarCorFundo);
    connect(botao("CopiarFunção"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::copiar);
    connect(botao("GuardarFunção"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::guardar);
}
