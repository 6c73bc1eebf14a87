// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OrdemTabulacao.h"

#include <QWidget>

namespace OrdemTabulacao {

QStringList nomes() {
    // Tab numbers 4 and 5, 7, 10 to 21, 25 to 30, 32 to 38, 41 to 51.
    static const char* const kNomes[] = {
        "Picture1",
        "Picture2",
        "Função1",
        "Option1",
        "Option2",
        "Option3",
        "Option4",
        "Option5",
        "Option6",
        "Option7",
        "Option8",
        "Option9",
        "Option10",
        "ValorDeA",
        "ValorDeB",
        "CopiarTransformada",
        "Reset",
        "ApagarT",
        "CorGráficoTransformada",
        "CorFundoTransformada",
        "GuardarTransformada",
        "CopiarFunção",
        "Desenhar",
        "EixosRadGráfico",
        "ApagarF",
        "CorGráficoFunção",
        "CorFundoGráfico",
        "GuardarFunção",
        "Xmin",
        "Xmax",
        "Ymin",
        "Ymax",
        "GradNumX",
        "MarcaX",
        "GradNumY",
        "MarcaY",
        "PassoX",
        "PassoY",
        "DesenharEixos",
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
