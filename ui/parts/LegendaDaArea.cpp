// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LegendaDaArea.h"

#include "Comparacao.h"
#include "NumeroPortugues.h"
#include "Quadro.h"

#include <QAction>
#include <QPainter>

LegendaDaArea::LegendaDaArea(Quadro& quadro, QObject* pai)
    : QObject(pai), m_quadro(quadro), m_mostrar(new QAction(QStringLiteral("Legenda"), this)) {
    m_mostrar->setObjectName(QStringLiteral("Legenda"));
    m_mostrar->setCheckable(true);
    m_mostrar->setToolTip(QStringLiteral(
        "Mostrar no gráfico da transformada a cor e o nome de cada curva desenhada."));
    connect(m_mostrar, &QAction::toggled, this, &LegendaDaArea::actualizar);
    connect(&m_quadro, &Quadro::limpo, this, &LegendaDaArea::esquecer);
    connect(&m_quadro, &Quadro::porBaixoMudou, this, &LegendaDaArea::actualizar);
}

void LegendaDaArea::juntar(const QColor& cor, const QString& nome) {
    m_entradas.push_back({cor, nome});
    actualizar();
}

std::vector<EntradaDaLegenda> LegendaDaArea::entradas() const {
    std::vector<EntradaDaLegenda> lista;
    if (m_quadro.temPorBaixo())
        lista.push_back({QColor::fromRgb(Comparacao::kCinzento), QStringLiteral("f")});
    lista.insert(lista.end(), m_entradas.begin(), m_entradas.end());
    return lista;
}

Legenda LegendaDaArea::legenda() const {
    return Legenda(entradas(), QSize(m_quadro.larguraInterior(), m_quadro.alturaInterior()));
}

QString LegendaDaArea::nomeDaTransformada(const CurvaDesenhada& curva) {
    QString nome = curva.rotulo;
    for (const CurvaDesenhada::Parametro& p : curva.parametros)
        nome +=
            QStringLiteral(", %1 = %2")
                .arg(QString(p.nome), p.escrito.isEmpty() ? numeroPortugues(p.valor) : p.escrito);
    return nome;
}

// The cleared picture has forgotten the legend with its curves.
void LegendaDaArea::esquecer() {
    m_entradas.clear();
    actualizar();
}

void LegendaDaArea::actualizar() {
    const std::vector<EntradaDaLegenda> lista = entradas();
    if (!m_mostrar->isChecked() || lista.empty()) {
        m_canto.reset();
        if (m_quadro.temPorCima())
            m_quadro.definirPorCima({});
        return;
    }
    const Legenda caixa(lista, QSize(m_quadro.larguraInterior(), m_quadro.alturaInterior()));
    const QPointF canto = caixa.lugar(m_quadro.imagemDasCurvas(), m_quadro.corFundo());
    m_canto = canto;
    m_quadro.definirPorCima([caixa, canto](QPainter& pintor) { caixa.desenhar(pintor, canto); });
}
