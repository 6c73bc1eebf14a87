// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TracoGrosso.h"

#include "AreaGrafica.h"

#include <QAction>

TracoGrosso::TracoGrosso(AreaGrafica& funcao, AreaGrafica& transformada, QObject* pai)
    : QObject(pai), m_funcao(funcao), m_transformada(transformada),
      m_accao(new QAction(QStringLiteral("Traço grosso"), this)) {
    m_accao->setObjectName(QStringLiteral("TraçoGrosso"));
    m_accao->setCheckable(true);
    m_accao->setToolTip(QStringLiteral(
        "Desenhar as curvas seguintes com um traço mais grosso, que se vê bem num projetor."));
    connect(m_accao, &QAction::toggled, this, [this](bool grosso) {
        m_funcao.definirLarguraDasCurvas(grosso ? kLargura : 1);
        m_transformada.definirLarguraDasCurvas(grosso ? kLargura : 1);
    });
}
