// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CoresDasCurvas.h"

#include "CoresDaArea.h"
#include "PaletaDasCurvas.h"
#include "Quadro.h"

#include <QAction>

CoresDasCurvas::CoresDasCurvas(Quadro& quadro, const CoresDaArea& cores, QObject* pai)
    : QObject(pai), m_cores(cores),
      m_umaCorPorCurva(new QAction(QStringLiteral("Uma cor por curva"), this)) {
    m_umaCorPorCurva->setObjectName(QStringLiteral("UmaCorPorCurva"));
    m_umaCorPorCurva->setCheckable(true);
    m_umaCorPorCurva->setChecked(true);
    m_umaCorPorCurva->setToolTip(
        QStringLiteral("Desenhar cada transformada com uma cor diferente das anteriores."));
    connect(&quadro, &Quadro::limpo, this, &CoresDasCurvas::recomecar);
    // Turning the palette on again gives it back the curves a chosen colour had taken.
    connect(m_umaCorPorCurva, &QAction::toggled, this, [this](bool ligada) {
        if (ligada)
            m_escolhida = false;
    });
}

QColor CoresDasCurvas::corSeguinte() const {
    if (!m_umaCorPorCurva->isChecked() || m_escolhida)
        return m_cores.grafico;
    return corDaCurva(m_curvas, m_cores.fundo);
}

void CoresDasCurvas::corEscolhida() {
    m_escolhida = true;
}

QColor CoresDasCurvas::curvaDesenhada() {
    m_ultima = corSeguinte();
    ++m_curvas;
    return m_ultima;
}

void CoresDasCurvas::recomecar() {
    m_curvas = 0;
}
