// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PonteiroOcupado.h"

#include <QCursor>
#include <QWidget>

PonteiroOcupado::PonteiroOcupado(QWidget& janela) : m_janela(janela) {
    m_janela.setCursor(QCursor(Qt::WaitCursor));
}

PonteiroOcupado::~PonteiroOcupado() {
    normal(m_janela);
}

void PonteiroOcupado::normal(QWidget& janela) {
    janela.unsetCursor();
}
