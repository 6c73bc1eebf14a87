#pragma once

#include "Dialogos.h"

#include <QApplication>
#include <QWidget>
#include <vector>

/// Dialogs that answer at once, remembering each message and where the focus was meanwhile.
class DialogosGuiao final : public Dialogos {
public:
    struct Mensagem {
        QString texto;
        Icone icone;
    };

    void mensagem(QWidget* /*pai*/, const QString& texto, Icone icone) override {
        mensagens.push_back({texto, icone});
    }
    std::optional<QColor> escolherCor(QWidget* /*pai*/, const QColor& /*inicial*/) override {
        return std::nullopt;
    }
    RespostaGuardar escolherFicheiro(QWidget* /*pai*/, const PedidoGuardar& /*pedido*/) override {
        return {};
    }

    std::vector<Mensagem> mensagens;
};
