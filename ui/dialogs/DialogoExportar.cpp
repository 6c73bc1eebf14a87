// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogoExportar.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

DialogoExportar::DialogoExportar(const EscolhaExportacao& inicial) {
    setObjectName(QStringLiteral("DialogoExportar"));
    setWindowTitle(QStringLiteral("Exportar imagem"));
    setAccessibleName(windowTitle());
    auto* formulario = new QFormLayout(this);
    m_graficos =
        lista(QStringLiteral("GráficosExportados"), QStringLiteral("&Gráficos:"),
              {QStringLiteral("Gráfico da função"), QStringLiteral("Gráfico da transformada"),
               QStringLiteral("Os dois gráficos lado a lado")},
              static_cast<int>(inicial.graficos));
    m_formato = lista(QStringLiteral("FormatoExportado"), QStringLiteral("&Formato:"),
                      {QStringLiteral("Imagem PNG"), QStringLiteral("Desenho vetorial SVG"),
                       QStringLiteral("Documento PDF (folha A4)")},
                      static_cast<int>(inicial.formato));
    m_tamanho = lista(QStringLiteral("TamanhoExportado"), QStringLiteral("&Tamanho:"),
                      {QStringLiteral("O do ecrã"), QStringLiteral("O dobro do ecrã"),
                       QStringLiteral("300 ppp, à largura de uma folha A4")},
                      static_cast<int>(inicial.tamanho));
    const auto tamanhoSoParaPng = [this] { m_tamanho->setEnabled(m_formato->currentIndex() == 0); };
    connect(m_formato, &QComboBox::currentIndexChanged, this, tamanhoSoParaPng);
    tamanhoSoParaPng();
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    formulario->addRow(botoes);
}

QComboBox* DialogoExportar::lista(const QString& nome, const QString& rotulo,
                                  const QStringList& itens, int actual) {
    auto* caixa = new QComboBox(this);
    caixa->setObjectName(nome);
    caixa->addItems(itens);
    caixa->setCurrentIndex(actual);
    // The label's letter after "&" takes the focus to the list (Alt+G, Alt+F, Alt+T).
    caixa->setAccessibleName(QString(rotulo).remove(QLatin1Char('&')).chopped(1));
    static_cast<QFormLayout*>(layout())->addRow(rotulo, caixa);
    return caixa;
}

EscolhaExportacao DialogoExportar::escolha() const {
    return {static_cast<EscolhaExportacao::Graficos>(m_graficos->currentIndex()),
            static_cast<EscolhaExportacao::Formato>(m_formato->currentIndex()),
            static_cast<EscolhaExportacao::Tamanho>(m_tamanho->currentIndex())};
}
