// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnaliseCurva.h"

#include "CicloDeTracado.h"
#include "ExtremidadeDoDominio.h"
#include "FuncaoComposta.h"
#include "Refinamento.h"
#include "TrocoDaCurva.h"

#include <algorithm>
#include <cmath>

namespace {

struct Amostra {
    double x;
    std::optional<double> y;
};

// How surely a point stands where it was found: an end or the y axis exactly, a zero or an
// extreme refined. Two finds of one point keep the surer place.
enum Precedencia { kExata = 0, kAmostrada = 1, kRefinada = 2 };

struct Encontrado {
    PontoNotavel ponto;
    int precedencia;
};

// The samples of the plot walked once, left to right, with what they bracket refined on the
// way: the ends of the pieces of the domain, the zeros and the extremes.
class Analise {
public:
    Analise(FuncaoComposta& curva, const JanelaGrafica& janela)
        : m_curva(curva), m_janela(janela), m_passo(PassoDeAmostragem(janela)),
          m_escalaX(std::max({1.0, std::abs(janela.JanelaXmin), std::abs(janela.JanelaXmax)})),
          m_escalaY(std::max({1.0, std::abs(janela.JanelaYmin), std::abs(janela.JanelaYmax)})),
          m_valor([this](double x) { return m_curva.valorEm(x); }) {}

    AnaliseCurva fazer() {
        percorrer();
        pontoNoEixoY();
        AnaliseCurva analise;
        analise.pontos = pontosFinais();
        for (const TrocoDaCurva& troco : m_trocos) {
            analise.dominio.push_back(troco.dominio());
            analise.contradominio.push_back(troco.contradominio(m_janela));
        }
        analise.contradominio = unir(std::move(analise.contradominio));
        return analise;
    }

private:
    // The same abscissas as the plot loop.
    void percorrer() {
        std::optional<Amostra> anterior;
        for (double x = m_janela.JanelaXmin; x <= m_janela.JanelaXmax;) {
            const Amostra atual{x, m_curva.valorEm(x)};
            if (anterior)
                seguinte(*anterior, atual);
            else
                primeira(atual);
            anterior = atual;
            const double proximo = x + m_passo;
            if (proximo == x)
                break;
            x = proximo;
        }
        if (anterior && anterior->y)
            ultima(*anterior);
    }

    // At the window's left edge the curve either goes on beyond it or has its end there.
    void primeira(const Amostra& a) {
        if (!a.y)
            return;
        const double antes = a.x - m_passo;
        if (!m_curva.valorEm(antes)) {
            const PontoNotavel ponta = extremidadeEntre(m_curva, a.x, antes);
            if (ponta.x >= m_janela.JanelaXmin) {
                abrir(ponta);
                dentro(a);
                return;
            }
        }
        m_troco.emplace(TrocoDaCurva::Ponta{a.x, true, true, a.y});
        m_serie.reset();
        dentro(a);
    }

    void seguinte(const Amostra& anterior, const Amostra& atual) {
        if (anterior.y && atual.y) {
            procurarZero(anterior, atual);
            dentro(atual);
        } else if (anterior.y) {
            fechar(extremidadeEntre(m_curva, anterior.x, atual.x));
        } else if (atual.y) {
            abrir(extremidadeEntre(m_curva, atual.x, anterior.x));
            dentro(atual);
        }
    }

    void ultima(const Amostra& a) {
        const double depois = a.x + m_passo;
        if (!m_curva.valorEm(depois)) {
            const PontoNotavel ponta = extremidadeEntre(m_curva, a.x, depois);
            if (ponta.x <= m_janela.JanelaXmax)
                return fechar(ponta);
        }
        const double borda = m_janela.JanelaXmax;
        const auto y = m_curva.valorEm(borda);
        m_troco->terminar({borda, true, true, y ? y : a.y});
        m_trocos.push_back(*m_troco);
        m_troco.reset();
    }

    void abrir(const PontoNotavel& ponta) {
        m_troco.emplace(TrocoDaCurva::Ponta{ponta.x, ponta.fechado, false, ponta.y});
        juntarPonta(ponta, 1);
    }

    void fechar(const PontoNotavel& ponta) {
        m_troco->terminar({ponta.x, ponta.fechado, false, ponta.y});
        m_trocos.push_back(*m_troco);
        m_troco.reset();
        m_serie.reset();
        juntarPonta(ponta, -1);
    }

    // A closed end is a relative extreme when the curve moves away from its value, on the side
    // `sentido` (1 right, -1 left) where the piece lies.
    void juntarPonta(PontoNotavel ponta, double sentido) {
        if (ponta.fechado && ponta.y) {
            const double passo = 1e-6 * std::max(1.0, std::abs(ponta.x));
            if (const auto perto = m_curva.valorEm(ponta.x + sentido * passo)) {
                if (*perto < *ponta.y)
                    ponta.tipos |= Maximo;
                else if (*perto > *ponta.y)
                    ponta.tipos |= Minimo;
            }
            if (std::abs(*ponta.y) <= 1e-12 * m_escalaY)
                ponta.tipos |= Zero;
        }
        m_encontrados.push_back({ponta, kExata});
    }

    // A sample inside a piece: its value bounds the range and may end a run of equal values
    // that stands above (below) both its neighbours.
    void dentro(const Amostra& a) {
        m_troco->amostra(*a.y);
        if (*a.y == 0)
            juntar(a.x, 0, Zero, kAmostrada);
        if (m_serie && m_serie->y == *a.y) {
            m_serie->ultimo = a.x;
            ++m_serie->comprimento;
            return;
        }
        if (m_serie && m_antesDaSerie && m_serie->comprimento <= 2) {
            if (*m_antesDaSerie < m_serie->y && *a.y < m_serie->y)
                procurarExtremo(m_serie->antes, a.x, true);
            else if (*m_antesDaSerie > m_serie->y && *a.y > m_serie->y)
                procurarExtremo(m_serie->antes, a.x, false);
        }
        m_antesDaSerie = m_serie ? std::optional<double>(m_serie->y) : std::nullopt;
        const double antes = m_serie ? m_serie->ultimo : a.x;
        m_serie = Serie{antes, a.x, *a.y, 1};
    }

    void procurarZero(const Amostra& anterior, const Amostra& atual) {
        if (!((*anterior.y < 0 && *atual.y > 0) || (*anterior.y > 0 && *atual.y < 0)))
            return;
        if (const auto zero = Refinamento::zeroEntre(m_valor, anterior.x, atual.x))
            juntar(*zero, 0, Zero, kRefinada);
    }

    void procurarExtremo(double a, double b, bool maximo) {
        const auto c = Refinamento::extremoEntre(m_valor, a, b, maximo);
        const auto y = c ? m_curva.valorEm(*c) : std::nullopt;
        if (!y)
            return;
        m_troco->extremo(*y);
        // A vertex on the x axis is a zero where the curve only touches it (x² at 0, |f|).
        const bool toca = std::abs(*y) <= 1e-12 * m_escalaY;
        const unsigned tipo = maximo ? Maximo : Minimo;
        juntar(*c, toca ? 0 : *y, toca ? tipo | Zero : tipo, kRefinada);
    }

    void pontoNoEixoY() {
        if (!(m_janela.JanelaXmin <= 0 && 0 <= m_janela.JanelaXmax))
            return;
        if (const auto y = m_curva.valorEm(0))
            juntar(0, *y, *y == 0 ? NoEixoY | Zero : unsigned{NoEixoY}, kExata);
    }

    void juntar(double x, double y, unsigned tipos, int precedencia) {
        PontoNotavel ponto;
        ponto.x = x;
        ponto.y = y;
        ponto.tipos = tipos;
        ponto.dentro = x;
        m_encontrados.push_back({ponto, precedencia});
    }

    std::vector<PontoNotavel> pontosFinais();
    double arredondarX(double x) const { return std::abs(x) <= 1e-10 * m_escalaX ? 0 : x; }
    static std::vector<IntervaloNaJanela> unir(std::vector<IntervaloNaJanela> intervalos);

    struct Serie {
        double antes;  // the sample before the run
        double ultimo; // the last sample of the run
        double y;
        int comprimento;
    };

    FuncaoComposta& m_curva;
    const JanelaGrafica& m_janela;
    const double m_passo;
    const double m_escalaX, m_escalaY;
    const Refinamento::Funcao m_valor;
    std::optional<TrocoDaCurva> m_troco;
    std::vector<TrocoDaCurva> m_trocos;
    std::vector<Encontrado> m_encontrados;
    std::optional<Serie> m_serie;
    std::optional<double> m_antesDaSerie;
};

// One point for each place, with all it is, and the point of f it comes from.
std::vector<PontoNotavel> Analise::pontosFinais() {
    std::stable_sort(
        m_encontrados.begin(), m_encontrados.end(),
        [](const Encontrado& a, const Encontrado& b) { return a.ponto.x < b.ponto.x; });
    std::vector<Encontrado> unidos;
    for (const Encontrado& e : m_encontrados) {
        Encontrado* ultimo = unidos.empty() ? nullptr : &unidos.back();
        if (!ultimo ||
            std::abs(e.ponto.x - ultimo->ponto.x) > 1e-9 * std::max(1.0, std::abs(e.ponto.x))) {
            unidos.push_back(e);
            continue;
        }
        const unsigned tipos = ultimo->ponto.tipos | e.ponto.tipos;
        if (e.precedencia < ultimo->precedencia)
            *ultimo = e;
        ultimo->ponto.tipos = tipos;
    }
    std::vector<PontoNotavel> pontos;
    for (Encontrado& e : unidos) {
        PontoNotavel& p = e.ponto;
        if (p.tem(Zero) && p.y && std::abs(*p.y) <= 1e-9 * m_escalaY)
            p.y = 0;
        p.x = arredondarX(p.x);
        if (m_curva.chamadas() == 1 && p.y) {
            const auto u = m_curva.argumento(p.tem(Extremidade) ? p.dentro : p.x);
            const auto fu = u ? m_curva.f(*u) : std::nullopt;
            if (fu)
                p.origem = PontoNotavel::PontoDeF{arredondarX(*u), *fu};
        }
        pontos.push_back(p);
    }
    return pontos;
}

// Ranges of pieces that overlap or touch make one interval; a bound of the window stays cut.
std::vector<IntervaloNaJanela> Analise::unir(std::vector<IntervaloNaJanela> intervalos) {
    std::sort(intervalos.begin(), intervalos.end(), [](const auto& a, const auto& b) {
        return a.intervalo.inferior < b.intervalo.inferior;
    });
    std::vector<IntervaloNaJanela> unidos;
    for (const IntervaloNaJanela& i : intervalos) {
        if (!unidos.empty()) {
            Intervalo& u = unidos.back().intervalo;
            const bool tocam = i.intervalo.inferior < u.superior ||
                               (i.intervalo.inferior == u.superior &&
                                (i.intervalo.inferiorFechado || u.superiorFechado));
            if (tocam) {
                if (i.intervalo.inferior == u.inferior)
                    u.inferiorFechado = u.inferiorFechado || i.intervalo.inferiorFechado;
                if (i.intervalo.superior > u.superior) {
                    u.superior = i.intervalo.superior;
                    u.superiorFechado = i.intervalo.superiorFechado;
                    unidos.back().superiorCortado = i.superiorCortado;
                } else if (i.intervalo.superior == u.superior) {
                    u.superiorFechado = u.superiorFechado || i.intervalo.superiorFechado;
                }
                continue;
            }
        }
        unidos.push_back(i);
    }
    return unidos;
}

} // namespace

bool AnaliseCurva::vistoNaJanela() const {
    const auto cortado = [](const IntervaloNaJanela& i) { return i.cortado(); };
    return std::any_of(dominio.begin(), dominio.end(), cortado) ||
           std::any_of(contradominio.begin(), contradominio.end(), cortado);
}

AnaliseCurva analisarCurva(FuncaoComposta& curva, const JanelaGrafica& janela) {
    try {
        return Analise(curva, janela).fazer();
    } catch (const InterpreterError& erro) {
        AnaliseCurva falhada;
        falhada.erro = QString::fromStdString(erro.description());
        return falhada;
    }
}
