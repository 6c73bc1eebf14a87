// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NotaDoTracado.h"

#include "CamadaPassageira.h"

std::optional<QString> NotaSemPontos(const ResultadoTracado& resultado) {
    if (resultado.pontos > 0)
        return std::nullopt;
    // The window evaluated backwards, such as 5*2 to 6, has no abscissa at all.
    if (resultado.amostras == 0)
        return QStringLiteral("Não há abcissas entre Xmín e Xmáx: Xmín é maior do que Xmáx.");
    if (resultado.definidas == 0)
        return QStringLiteral("A função não está definida em nenhum ponto entre Xmín e Xmáx.");
    return QStringLiteral("Nenhum ponto do gráfico está entre Ymín e Ymáx.");
}

void MostrarNotaSemPontos(CamadaPassageira& camada, const ResultadoTracado& resultado) {
    if (const auto nota = NotaSemPontos(resultado))
        camada.mostrarNota(*nota);
}

QString NotaTabelaRecusada() {
    return QStringLiteral("A tabela dos eixos não foi aceite: corrija-a e carregue em Eixos.");
}
