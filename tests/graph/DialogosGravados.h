#pragma once

#include "Dialogos.h"

#include <QStringList>
#include <vector>

/// Dialogs that answer at once and remember every message shown.
class DialogosGravados final : public Dialogos {
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

    QStringList textos() const {
        QStringList lista;
        for (const auto& m : mensagens)
            lista << m.texto;
        return lista;
    }

    std::vector<Mensagem> mensagens;
};
