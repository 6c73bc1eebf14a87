// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EscolhaExportacao.h"

#include <QDialog>

class QComboBox;

/// The choice of "Exportar imagem…": which graphs, the format and the size of a PNG picture.
/// The size means nothing to the vector formats and is greyed out for them.
class DialogoExportar final : public QDialog {
    Q_OBJECT
public:
    explicit DialogoExportar(const EscolhaExportacao& inicial);

    EscolhaExportacao escolha() const;

private:
    QComboBox* lista(const QString& nome, const QString& rotulo, const QStringList& itens,
                     int actual);

    QComboBox* m_graficos = nullptr;
    QComboBox* m_formato = nullptr;
    QComboBox* m_tamanho = nullptr;
};
