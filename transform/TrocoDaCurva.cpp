// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrocoDaCurva.h"

#include <algorithm>
#include <cmath>

void TrocoDaCurva::amostra(double y) {
    m_menor = std::min(m_menor, y);
    m_maior = std::max(m_maior, y);
}

IntervaloNaJanela TrocoDaCurva::dominio() const {
    return {
        {m_inicio.x, m_fim.x, m_inicio.fechado, m_fim.fechado}, m_inicio.cortada, m_fim.cortada};
}

// The values that may bound the range, multiplied by `sinal`: -1 turns the upper bound into a
// lower one, so that one search serves both.
std::vector<TrocoDaCurva::Candidato> TrocoDaCurva::candidatos(double sinal) const {
    std::vector<Candidato> lista;
    for (const Ponta* ponta : {&m_inicio, &m_fim})
        if (ponta->y)
            lista.push_back({sinal * *ponta->y, ponta->fechado, ponta->cortada});
    for (double y : m_extremos)
        lista.push_back({sinal * y, true, false});
    return lista;
}

// The lower bound of the values times `sinal`.
TrocoDaCurva::Limite TrocoDaCurva::limite(double sinal, const JanelaGrafica& janela) const {
    const double janelaMenor = sinal > 0 ? janela.JanelaYmin : -janela.JanelaYmax;
    const double janelaMaior = sinal > 0 ? janela.JanelaYmax : -janela.JanelaYmin;
    const double menorAmostra = sinal > 0 ? m_menor : -m_maior;
    const std::vector<Candidato> lista = candidatos(sinal);
    double melhor = Intervalo::kInfinito;
    for (const Candidato& c : lista)
        melhor = std::min(melhor, c.valor);
    // Samples beyond every point that could bound them: the curve runs off there.
    if (lista.empty() || menorAmostra < melhor - 1e-6 * std::max(1.0, std::abs(melhor)))
        return {std::clamp(menorAmostra, janelaMenor, janelaMaior), true, true};
    const double tolerancia = 1e-9 * std::max(1.0, std::abs(melhor));
    bool fechado = false, exato = false;
    for (const Candidato& c : lista) {
        if (c.valor > melhor + tolerancia)
            continue;
        fechado = fechado || c.atingido;
        exato = exato || !c.daJanela;
    }
    if (!exato)
        return {std::clamp(melhor, janelaMenor, janelaMaior), true, true};
    return {melhor, fechado, false};
}

IntervaloNaJanela TrocoDaCurva::contradominio(const JanelaGrafica& janela) const {
    const Limite inferior = limite(1, janela), superior = limite(-1, janela);
    return {{inferior.valor, -superior.valor, inferior.fechado, superior.fechado},
            inferior.cortado,
            superior.cortado};
}
