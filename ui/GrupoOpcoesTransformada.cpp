#include "GrupoOpcoesTransformada.h"

#include <array>

namespace {

const std::array<GrupoBotoesImagem::Botao, 6> kBotoes{{
    {"ApagarT", "Apagar", 120, "Apagar o gráfico da transformação.", "apagar-transformada.svg"},
    {"Reset", "Reset", 1020, "Apagar marcação das funções transformadas.", "reset.svg"},
    {"CorGráficoTransformada", "Cor", 1920, "Mudar a cor do gráfico da transformada da função.",
     "cor-transformada.svg"},
    {"CorFundoTransformada", "Fundo", 2820, "Mudar a cor do fundo da transformada da função.",
     "fundo-transformada.svg"},
    {"CopiarTransformada", "Copiar", 3720, "Copiar a imagem da transformada para outra aplicação.",
     "copiar-transformada.svg"},
    {"GuardarTransformada", "Guardar", 4620,
     "Guardar o gráfico da transformada da função no disco.", "guardar-transformada.svg"},
}};

} // namespace

GrupoOpcoesTransformada::GrupoOpcoesTransformada(Form1& janela, QWidget* pai)
    : GrupoBotoesImagem("Frame3", "Opções sobre a transformação", QRect(9840, 9660, 5355, 975),
                        kBotoes, pai),
      m_operacoes(janela, OperacoesImagem::Lado::Transformada) {
    connect(botao("ApagarT"), &QAbstractButton::clicked, &m_operacoes, &OperacoesImagem::apagar);
    connect(botao("CorGráficoTransformada"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::mudarCorGrafico);
    connect(botao("CorFundoTransformada"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::mudarCorFundo);
    connect(botao("CopiarTransformada"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::copiar);
    connect(botao("GuardarTransformada"), &QAbstractButton::clicked, &m_operacoes,
            &OperacoesImagem::guardar);
}
