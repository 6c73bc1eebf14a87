// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Virgulas.h"

#include "Edicoes.h"
#include "MensagensDaLeitura.h"
#include "Nomes.h"

namespace {

// The commas directly inside one group: the whole text, a pair of parentheses or of bars.
struct Grupo {
    int aridade = 1;       ///< 0 for a function the interpreter does not know
    qsizetype funcao = -1; ///< the name before the "(" of a call, or -1
    std::vector<qsizetype> virgulas;
};

class LeitorDeVirgulas {
public:
    LeitorDeVirgulas(std::vector<Simbolo>& simbolos, const QString& escrito, const Nomes& nomes,
                     Edicoes& edicoes)
        : m_s(simbolos), m_escrito(escrito), m_nomes(nomes), m_edicoes(edicoes) {}

    void ler() {
        std::vector<Grupo> grupos(1);
        for (qsizetype i = 0; i < static_cast<qsizetype>(m_s.size()); ++i) {
            const Simbolo& s = simbolo(i);
            if (s.tipo == TipoSimbolo::Abre)
                grupos.push_back(grupoAberto(i));
            else if (s.tipo == TipoSimbolo::Barra && s.abre)
                grupos.emplace_back();
            else if (s.tipo == TipoSimbolo::Virgula)
                grupos.back().virgulas.push_back(i);
            if (s.tipo == TipoSimbolo::Fecha || (s.tipo == TipoSimbolo::Barra && !s.abre)) {
                resolver(grupos.back(), i);
                grupos.pop_back();
            }
        }
        resolver(grupos.back(), static_cast<qsizetype>(m_s.size()) - 1);
    }

private:
    Simbolo& simbolo(qsizetype i) { return m_s[static_cast<std::size_t>(i)]; }

    Grupo grupoAberto(qsizetype abre) {
        if (abre == 0 || simbolo(abre - 1).tipo != TipoSimbolo::Nome)
            return {};
        const QString& nome = simbolo(abre - 1).texto;
        const EspecieNome especie = m_nomes.especie(nome);
        if (especie == EspecieNome::Variavel || especie == EspecieNome::Constante)
            return {}; // x(x+1) is a product
        return {m_nomes.aridade(nome), abre - 1, {}};
    }

    // A comma that joins two runs of digits, and so may be decimal.
    bool decimalPossivel(qsizetype v) {
        return v > 0 && v + 1 < static_cast<qsizetype>(m_s.size()) && numeroSemPonto(v - 1) &&
               numeroSemPonto(v + 1);
    }
    bool numeroSemPonto(qsizetype i) {
        return simbolo(i).tipo == TipoSimbolo::Numero && !simbolo(i).comPonto;
    }

    void resolver(const Grupo& g, qsizetype fecho) {
        if (g.aridade == 0)
            return;
        const std::size_t m = g.virgulas.size();
        if (g.aridade == 2 && m == 0)
            throw Recusa{MensagensDaLeitura::faltaSegundoArgumento(simbolo(g.funcao).texto)};
        // Commas j and j+1 around one number cannot both be decimal: "1,5,2".
        std::vector<bool> possivel(m), cadeia(m);
        for (std::size_t j = 0; j < m; ++j) {
            possivel[j] = decimalPossivel(g.virgulas[j]);
            cadeia[j] = j + 1 < m && g.virgulas[j + 1] == g.virgulas[j] + 2;
        }
        // Whether the commas before j (after j) can all be decimal.
        std::vector<bool> antes(m + 1, true), depois(m + 1, true);
        for (std::size_t j = 0; j < m; ++j)
            antes[j + 1] = antes[j] && possivel[j] && (j == 0 || !cadeia[j - 1]);
        for (std::size_t j = m; j-- > 0;)
            depois[j] = depois[j + 1] && possivel[j] && !cadeia[j];
        if (g.aridade == 1) {
            if (!antes[m])
                recusar(g, fecho, possivel, cadeia);
            return marcarDecimais(g, m);
        }
        std::size_t leituras = 0, separadora = 0;
        for (std::size_t j = 0; j < m; ++j)
            if (antes[j] && depois[j + 1]) {
                ++leituras;
                separadora = j;
            }
        if (leituras == 0)
            recusar(g, fecho, possivel, cadeia);
        if (leituras > 1)
            throw Recusa{
                MensagensDaLeitura::virgulaAmbigua(simbolo(g.funcao).texto, chamada(g, fecho))};
        marcarDecimais(g, separadora);
    }

    void marcarDecimais(const Grupo& g, std::size_t separadora) {
        for (std::size_t j = 0; j < g.virgulas.size(); ++j) {
            if (j == separadora)
                continue;
            Simbolo& v = simbolo(g.virgulas[j]);
            v.decimal = true;
            m_edicoes.substituir(v.inicio, v.fim, QStringLiteral("."));
        }
    }

    [[noreturn]] void recusar(const Grupo& g, qsizetype fecho, const std::vector<bool>& possivel,
                              const std::vector<bool>& cadeia) {
        for (std::size_t j = 0; j < g.virgulas.size(); ++j) {
            const qsizetype v = g.virgulas[j];
            if (!possivel[j] && entreNumeros(v))
                throw Recusa{MensagensDaLeitura::pontoEVirgula(texto(v - 1, v + 1))};
            if (cadeia[j] && possivel[j] && possivel[j + 1])
                throw Recusa{MensagensDaLeitura::duasVirgulas(texto(v - 1, v + 3))};
        }
        if (g.funcao < 0)
            throw Recusa{MensagensDaLeitura::virgulaSolta()};
        const QString& nome = simbolo(g.funcao).texto;
        if (g.aridade == 1)
            throw Recusa{MensagensDaLeitura::umSoArgumento(nome, chamada(g, fecho))};
        throw Recusa{MensagensDaLeitura::argumentosAMais(nome, chamada(g, fecho))};
    }

    bool entreNumeros(qsizetype v) {
        return v > 0 && v + 1 < static_cast<qsizetype>(m_s.size()) &&
               simbolo(v - 1).tipo == TipoSimbolo::Numero &&
               simbolo(v + 1).tipo == TipoSimbolo::Numero;
    }

    QStringView texto(qsizetype primeiro, qsizetype ultimo) {
        return QStringView(m_escrito).sliced(simbolo(primeiro).inicio,
                                             simbolo(ultimo).fim - simbolo(primeiro).inicio);
    }
    QStringView chamada(const Grupo& g, qsizetype fecho) { return texto(g.funcao, fecho); }

    std::vector<Simbolo>& m_s;
    const QString& m_escrito;
    const Nomes& m_nomes;
    Edicoes& m_edicoes;
};

} // namespace

void ResolverVirgulas(std::vector<Simbolo>& simbolos, const QString& escrito, const Nomes& nomes,
                      Edicoes& edicoes) {
    LeitorDeVirgulas(simbolos, escrito, nomes, edicoes).ler();
}
