#pragma once

#include "GrupoBotoesImagem.h"
#include "OperacoesImagem.h"

class Form1;

/// `Frame4`, "Opções sobre a função": the seven picture buttons under the function area.
/// "Desenhar" and the units/radians switch run the window's own commands; the other five are
/// the picture operations on the function area.
class GrupoOpcoesFuncao : public GrupoBotoesImagem {
    Q_OBJECT
public:
    GrupoOpcoesFuncao(Form1& janela, QWidget* pai);

    BotaoImagem* desenhar() const { return botao("Desenhar"); }
    BotaoImagem* eixosRad() const { return botao("EixosRadGráfico"); }
    OperacoesImagem& operacoes() { return m_operacoes; }

private:
    OperacoesImagem m_operacoes;
};
