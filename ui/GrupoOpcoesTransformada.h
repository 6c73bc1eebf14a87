#pragma once

#include "GrupoBotoesImagem.h"
#include "OperacoesImagem.h"

class Form1;

/// `Frame3`, "Opções sobre a transformação": the six picture buttons under the transform area.
/// "Reset" and the erase also clear the marks of the ten transformations, which belong to the
/// transformation group: the window connects `reset()` and `operacoes()` to it.
class GrupoOpcoesTransformada : public GrupoBotoesImagem {
    Q_OBJECT
public:
    GrupoOpcoesTransformada(Form1& janela, QWidget* pai);

    BotaoImagem* reset() const { return botao("Reset"); }
    OperacoesImagem& operacoes() { return m_operacoes; }

private:
    OperacoesImagem m_operacoes;
};
