// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CaixasModais.h"
#include "Dialogos.h"

/// The dialogs as the user sees them: QMessageBox, QColorDialog, QFileDialog, the export choice
/// and QPrintPreviewDialog, each run by
/// the one CaixasModais of the program.
class DialogosReais final : public Dialogos {
public:
    void mensagem(QWidget* pai, const QString& texto, Icone icone) override;
    std::optional<QColor> escolherCor(QWidget* pai, const QColor& inicial) override;
    RespostaGuardar escolherFicheiro(QWidget* pai, const PedidoGuardar& pedido) override;
    QString escolherFicheiroParaAbrir(QWidget* pai, const QString& pasta,
                                      const QString& filtro) override;
    std::optional<EscolhaExportacao> escolherExportacao(QWidget* pai,
                                                        const EscolhaExportacao& inicial) override;
    bool imprimir(QWidget* pai, const std::function<void(QPrinter&)>& pintarPagina) override;

private:
    CaixasModais m_caixas;
};
