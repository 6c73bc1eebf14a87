// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Barras.h"

#include "MensagensDaLeitura.h"

#include <algorithm>
#include <optional>

namespace {

// What the neighbours of a bar allow on one side.
enum class Lado {
    Livre,    ///< an operand on this side: the bar may open or close
    Obrigado, ///< nothing to pair with on this side: the bar must open (left) or close (right)
    Barra,    ///< another bar: what one does limits the other
};

bool terminaOperando(const Simbolo& s) {
    return s.tipo == TipoSimbolo::Numero || s.tipo == TipoSimbolo::Nome ||
           s.tipo == TipoSimbolo::Fecha || s.tipo == TipoSimbolo::Expoente;
}

bool comecaOperando(const Simbolo& s) {
    return s.tipo == TipoSimbolo::Numero || s.tipo == TipoSimbolo::Nome ||
           s.tipo == TipoSimbolo::Abre || s.tipo == TipoSimbolo::Raiz || s.operador(u'-');
}

// The depths of open bars from which the rest of a group can still be read: always every
// other whole number between two bounds (the parity is that of the bars left), or none.
struct Profundidades {
    int menor = 0;
    int maior = -1;

    bool vazio() const { return maior < menor; }
    bool contem(int d) const {
        return !vazio() && d >= menor && d <= maior && (d - menor) % 2 == 0;
    }
    Profundidades mais(int k) const {
        if (vazio())
            return *this;
        Profundidades p{menor + k, maior + k};
        if (p.menor < 0)
            p.menor += 2 * ((1 - p.menor) / 2); // the first of the same parity that is not negative
        return p;
    }
    Profundidades uniao(const Profundidades& o) const {
        if (vazio())
            return o;
        if (o.vazio())
            return *this;
        return {std::min(menor, o.menor), std::max(maior, o.maior)};
    }
};

// The bars of one group (the whole text, or the inside of one pair of parentheses).
class BarrasDoGrupo {
public:
    BarrasDoGrupo(std::vector<Simbolo>& simbolos, std::vector<qsizetype> barras)
        : m_s(simbolos), m_barras(std::move(barras)), m_n(m_barras.size()) {}

    void resolver() {
        if (m_n == 0)
            return;
        lerLados();
        calcularAlcance();
        const auto primeira = ler(false);
        if (!primeira)
            throw Recusa{MensagensDaLeitura::barraSemPar()};
        if (*primeira != *ler(true))
            throw Recusa{MensagensDaLeitura::barrasAmbiguas()};
        emparelhar(*primeira);
    }

private:
    const Simbolo& simbolo(qsizetype i) const { return m_s[static_cast<std::size_t>(i)]; }

    void lerLados() {
        const auto total = static_cast<qsizetype>(m_s.size());
        for (qsizetype b : m_barras) {
            const Simbolo* antes = b > 0 ? &simbolo(b - 1) : nullptr;
            const Simbolo* depois = b + 1 < total ? &simbolo(b + 1) : nullptr;
            m_esquerdo.push_back(!antes                              ? Lado::Obrigado
                                 : antes->tipo == TipoSimbolo::Barra ? Lado::Barra
                                 : terminaOperando(*antes)           ? Lado::Livre
                                                                     : Lado::Obrigado);
            m_direito.push_back(!depois                              ? Lado::Obrigado
                                : depois->tipo == TipoSimbolo::Barra ? Lado::Barra
                                : comecaOperando(*depois)            ? Lado::Livre
                                                                     : Lado::Obrigado);
        }
    }

    // From the last bar back: the depths before bar k from which the group can be read to its
    // end, when k may open or close (m_qualquer) and when the bar before it, touching it, has
    // opened, so that k must open too (m_abrindo).
    void calcularAlcance() {
        m_qualquer.assign(m_n + 1, {0, 0});
        m_abrindo.assign(m_n + 1, {0, 0});
        for (std::size_t k = m_n; k-- > 0;) {
            const Profundidades aposAbrir =
                m_direito[k] == Lado::Barra ? m_abrindo[k + 1] : m_qualquer[k + 1];
            const Profundidades abrir =
                m_direito[k] == Lado::Obrigado ? Profundidades{} : aposAbrir.mais(-1);
            const Profundidades fechar =
                m_esquerdo[k] == Lado::Obrigado ? Profundidades{} : m_qualquer[k + 1].mais(1);
            m_abrindo[k] = abrir;
            m_qualquer[k] = abrir.uniao(fechar);
        }
    }

    // The reading that closes wherever it can, or the one that opens wherever it can; two
    // readings of the group exist exactly when these differ.
    std::optional<std::vector<bool>> ler(bool abrirPrimeiro) const {
        if (!m_qualquer[0].contem(0))
            return std::nullopt;
        std::vector<bool> abre(m_n);
        int d = 0;
        bool deveAbrir = false;
        for (std::size_t k = 0; k < m_n; ++k) {
            const Profundidades& aposAbrir =
                m_direito[k] == Lado::Barra ? m_abrindo[k + 1] : m_qualquer[k + 1];
            const bool podeAbrir = m_direito[k] != Lado::Obrigado && aposAbrir.contem(d + 1);
            const bool podeFechar = !deveAbrir && m_esquerdo[k] != Lado::Obrigado && d > 0 &&
                                    m_qualquer[k + 1].contem(d - 1);
            abre[k] = podeAbrir && (abrirPrimeiro || !podeFechar);
            d += abre[k] ? 1 : -1;
            deveAbrir = abre[k] && m_direito[k] == Lado::Barra;
        }
        return abre;
    }

    void emparelhar(const std::vector<bool>& abre) {
        std::vector<qsizetype> abertas;
        for (std::size_t k = 0; k < m_n; ++k) {
            Simbolo& barra = m_s[static_cast<std::size_t>(m_barras[k])];
            barra.abre = abre[k];
            if (abre[k]) {
                abertas.push_back(m_barras[k]);
                continue;
            }
            barra.par = abertas.back();
            m_s[static_cast<std::size_t>(abertas.back())].par = m_barras[k];
            abertas.pop_back();
        }
    }

    std::vector<Simbolo>& m_s;
    std::vector<qsizetype> m_barras;
    std::size_t m_n;
    std::vector<Lado> m_esquerdo, m_direito;
    std::vector<Profundidades> m_qualquer, m_abrindo;
};

} // namespace

void ResolverBarras(std::vector<Simbolo>& simbolos) {
    // The bars of each group, innermost groups first as their ")" comes.
    std::vector<std::vector<qsizetype>> grupos(1);
    for (qsizetype i = 0; i < static_cast<qsizetype>(simbolos.size()); ++i) {
        switch (simbolos[static_cast<std::size_t>(i)].tipo) {
        case TipoSimbolo::Abre:
            grupos.emplace_back();
            break;
        case TipoSimbolo::Fecha:
            BarrasDoGrupo(simbolos, std::move(grupos.back())).resolver();
            grupos.pop_back();
            break;
        case TipoSimbolo::Barra:
            grupos.back().push_back(i);
            break;
        default:
            break;
        }
    }
    BarrasDoGrupo(simbolos, std::move(grupos.back())).resolver();
}
