// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TextoParaCopiar.h"

#include <QTableWidget>
#include <vector>

/// The table `Pontos notáveis`: one row per notable point of each curve analysed (the curve,
/// x, y, for a transform the point of f it comes from, and what the point is), the numbers in
/// Portuguese form to 10 significant digits. A screen reader reads it cell by cell.
class TabelaPontosNotaveis : public QTableWidget {
    Q_OBJECT
public:
    explicit TabelaPontosNotaveis(QWidget* pai = nullptr);

    /// Shows the points of these curves, in place of the earlier ones.
    void mostrar(const std::vector<CurvaAnalisada>& curvas);

    /// The text of the cell at a row and column.
    QString celula(int linha, int coluna) const;
};
