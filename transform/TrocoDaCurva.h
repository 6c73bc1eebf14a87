// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnaliseCurva.h"
#include "JanelaGrafica.h"

#include <optional>
#include <vector>

/// One piece of the domain of a curve in the window, as the samples go through it: its two ends
/// and what bounds its values there, from which its domain and its range are told.
class TrocoDaCurva {
public:
    /// An end of the piece: an end of the domain, or the window's edge where the curve goes on.
    struct Ponta {
        double x = 0;
        bool fechado = true;
        bool cortada = false; ///< the window's edge
        std::optional<double> y;
    };

    explicit TrocoDaCurva(const Ponta& inicio) : m_inicio(inicio) {}

    void terminar(const Ponta& fim) { m_fim = fim; }
    /// The value of a sample inside it.
    void amostra(double y);
    /// The value at a relative extreme inside it.
    void extremo(double y) { m_extremos.push_back(y); }

    IntervaloNaJanela dominio() const;
    /// From the extremes and the values at its ends; where the samples run beyond them (an
    /// asymptote, a jump) or the bound lies at the window's edge, that bound is the window's.
    IntervaloNaJanela contradominio(const JanelaGrafica& janela) const;

private:
    struct Limite {
        double valor;
        bool fechado;
        bool cortado;
    };
    struct Candidato {
        double valor;
        bool atingido; ///< the curve takes this value (not only comes near it)
        bool daJanela; ///< at the window's edge
    };

    std::vector<Candidato> candidatos(double sinal) const;
    Limite limite(double sinal, const JanelaGrafica& janela) const;

    Ponta m_inicio, m_fim;
    double m_menor = Intervalo::kInfinito;
    double m_maior = -Intervalo::kInfinito;
    std::vector<double> m_extremos;
};
