#pragma once

#include "BotaoImagem.h"

#include <QGroupBox>
#include <span>

/// A group frame holding a row of picture buttons at the top of the frame, with its caption in
/// Arial 8.25 pt bold, blue.
class GrupoBotoesImagem : public QGroupBox {
    Q_OBJECT
public:
    /// One button of the row; texts in UTF-8, `esquerda` in twips from the frame's left edge.
    struct Botao {
        const char* nome;
        const char* legenda;
        int esquerda;
        const char* dica;
        const char* icone; ///< file name among the program's icons
    };

    /// `geometria` in twips on the window's client area: left, top, width, height.
    GrupoBotoesImagem(const char* nome, const char* titulo, const QRect& geometria,
                      std::span<const Botao> botoes, QWidget* pai);

    /// The button of that control name (UTF-8); it must be one of the group's.
    BotaoImagem* botao(const char* nome) const;
};
