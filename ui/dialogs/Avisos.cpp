// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Avisos.h"

#include "PonteiroOcupado.h"

void Avisos::avisar(const QString& texto, Dialogos::Icone icone) const {
    PonteiroOcupado::normal(m_janela);
    m_dialogos.mensagem(&m_janela, texto, icone);
}

void Avisos::falhaDaFuncao(const QString& descricao) const {
    avisar(QStringLiteral("Erro na expressão analítica da função:\r\n\r\n") + descricao,
           Dialogos::Icone::Informacao);
}
