// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CaixasModais.h"
#include "Dialogos.h"

/// The dialogs as the user sees them: QMessageBox, QColorDialog and QFileDialog, each run by
/// the one CaixasModais of the program.
class DialogosReais final : public Dialogos {
public:
    void mensagem(QWidget* pai, const QString& texto, Icone icone) override;
    std::optional<QColor> escolherCor(QWidget* pai, const QColor& inicial) override;
    RespostaGuardar escolherFicheiro(QWidget* pai, const PedidoGuardar& pedido) override;

private:
    CaixasModais m_caixas;
};
