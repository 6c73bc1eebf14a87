// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextosDaGraduacao.h"

void TextosDaGraduacao::imprimir() {
    m_quadro.imprimir(m_textos);
    m_textos.clear();
}
