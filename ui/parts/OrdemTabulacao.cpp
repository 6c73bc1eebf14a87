// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OrdemTabulacao.h"

#include <QWidget>

namespace OrdemTabulacao {

QStringList nomes() {
    // As the screen reads, left to right and top to bottom: f, the transformation group row by
    // row, the two graphs and the exercise panel beside them, then the groups under them, each
    // row by row.
    static const char* const kNomes[] = {
        "Função1",
        "Option1",
        "Option3",
        "Option10",
        "Option8",
        "Option6",
        "ValorDeA",
        "Option2",
        "Option4",
        "Option5",
        "Option7",
        "Option9",
        "ValorDeB",
        "Picture1",
        "Picture2",
        "Desenhar",
        "ApagarF",
        "CorGráficoFunção",
        "CorFundoGráfico",
        "EixosRadGráfico",
        "CopiarFunção",
        "GuardarFunção",
        "Xmin",
        "Xmax",
        "GradNumX",
        "MarcaX",
        "PassoX",
        "Ymin",
        "Ymax",
        "GradNumY",
        "MarcaY",
        "PassoY",
        "DesenharEixos",
        "ApagarT",
        "Reset",
        "CorGráficoTransformada",
        "CorFundoTransformada",
        "CopiarTransformada",
        "GuardarTransformada",
        "GDeX",
        "DominioDeF",
        "ValorDeX",
        "PontosNotaveis",
        "Descricao",
        "CopiarPainel",
    };
    QStringList lista;
    for (const char* nome : kNomes)
        lista << QString::fromUtf8(nome);
    return lista;
}

void aplicar(QWidget* janela) {
    QWidget* anterior = nullptr;
    for (const QString& nome : nomes()) {
        QWidget* controlo = janela->findChild<QWidget*>(nome);
        if (!controlo)
            continue;
        if (anterior)
            QWidget::setTabOrder(anterior, controlo);
        anterior = controlo;
    }
}

} // namespace OrdemTabulacao
