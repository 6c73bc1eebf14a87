// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TabelaPontosNotaveis.h"

#include "EscritaParaAluno.h"
#include "Identificacao.h"

#include <QHeaderView>

namespace {

QTableWidgetItem* celulaCom(const QString& texto) {
    auto* celula = new QTableWidgetItem(texto);
    celula->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return celula;
}

QString numero(const std::optional<double>& valor) {
    return valor ? EscritaParaAluno::numero(*valor) : QStringLiteral("—");
}

} // namespace

TabelaPontosNotaveis::TabelaPontosNotaveis(QWidget* pai) : QTableWidget(0, 5, pai) {
    identificar(this, QStringLiteral("PontosNotaveis"), QStringLiteral("Pontos notáveis"),
                QStringLiteral("Zeros, extremos relativos, ponto do eixo Oy e extremos do "
                               "domínio da função e da última transformada."));
    setHorizontalHeaderLabels({QStringLiteral("Função"), QStringLiteral("x"), QStringLiteral("y"),
                               QStringLiteral("Ponto de f"), QStringLiteral("Ponto")});
    verticalHeader()->hide();
    // Rows as high as their text, at any scale of the window.
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
}

void TabelaPontosNotaveis::mostrar(const std::vector<CurvaAnalisada>& curvas) {
    setRowCount(0);
    for (const CurvaAnalisada& curva : curvas) {
        // "g(x)" for "g(x) = -f(x-1)+3": the whole name is in the lines of the intervals.
        const QString nome = curva.nome.section(QStringLiteral(" ="), 0, 0);
        for (const PontoNotavel& p : curva.analise.pontos) {
            const int linha = rowCount();
            insertRow(linha);
            setItem(linha, 0, celulaCom(nome));
            setItem(linha, 1, celulaCom(EscritaParaAluno::numero(p.x)));
            setItem(linha, 2, celulaCom(numero(p.y)));
            setItem(linha, 3,
                    celulaCom(p.origem ? EscritaParaAluno::ponto(p.origem->u, p.origem->fu)
                                       : QString()));
            setItem(linha, 4, celulaCom(descricaoDoPonto(p)));
            // A long description shows whole under the pointer where the column cuts it.
            item(linha, 4)->setToolTip(item(linha, 4)->text());
        }
    }
    resizeColumnsToContents();
}

QString TabelaPontosNotaveis::celula(int linha, int coluna) const {
    const QTableWidgetItem* c = item(linha, coluna);
    return c ? c->text() : QString();
}
