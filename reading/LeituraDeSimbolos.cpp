// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeituraDeSimbolos.h"

#include "CaracteresDaExpressao.h"
#include "Edicoes.h"
#include "MensagensDaLeitura.h"

#include <optional>

namespace {

using namespace CaracteresDaExpressao;

class LeitorDeSimbolos {
public:
    LeitorDeSimbolos(const QString& escrito, Edicoes& edicoes)
        : m_escrito(escrito), m_edicoes(edicoes) {}

    std::vector<Simbolo> ler() {
        while (m_i < m_escrito.size()) {
            const QChar c = m_escrito[m_i];
            if (c.isSpace())
                lerBranco(c);
            else if (algarismo(c) || c == u'.')
                lerNumero();
            else
                lerOutro(c);
        }
        return std::move(m_simbolos);
    }

private:
    // The character being read, or a null one past the end of the text.
    QChar atual() const { return m_i < m_escrito.size() ? m_escrito[m_i] : QChar(); }

    void lerBranco(QChar c) {
        if (c != u' ' && c != u'\t')
            m_edicoes.substituir(m_i, m_i + 1, QStringLiteral(" "));
        m_branco = true;
        ++m_i;
    }

    // Blanks do not end a number, as the interpreter reads it: "1 000" is a thousand.
    void lerNumero() {
        const bool continua =
            m_branco && !m_simbolos.empty() && m_simbolos.back().tipo == TipoSimbolo::Numero;
        if (!continua)
            juntar(TipoSimbolo::Numero, m_i);
        Simbolo& numero = m_simbolos.back();
        while (algarismo(atual()) || atual() == u'.') {
            numero.comPonto = numero.comPonto || atual() == u'.';
            ++m_i;
        }
        numero.fim = m_i;
        m_branco = false;
    }

    void lerOutro(QChar c) {
        const qsizetype inicio = m_i;
        if (letra(c)) {
            while (continuaToken(atual()))
                ++m_i;
            juntar(TipoSimbolo::Nome, inicio).texto =
                m_escrito.sliced(inicio, m_i - inicio).toLower();
        } else if (c == kPi) {
            ++m_i;
            juntar(TipoSimbolo::Nome, inicio).texto = QStringLiteral("pi");
            m_edicoes.substituir(inicio, m_i, QStringLiteral("pi"));
        } else if (c == kMenosElevado || !algarismoElevado(c).isNull()) {
            lerExpoente();
        } else {
            lerSinal(c);
        }
    }

    void lerExpoente() {
        const qsizetype inicio = m_i;
        QString valor;
        if (atual() == kMenosElevado) {
            valor += u'-';
            ++m_i;
        }
        while (!algarismoElevado(atual()).isNull())
            valor += algarismoElevado(m_escrito[m_i++]);
        juntar(TipoSimbolo::Expoente, inicio).texto = valor;
    }

    void lerSinal(QChar c) {
        const qsizetype inicio = m_i++;
        if (operador(c)) {
            juntar(TipoSimbolo::Operador, inicio).texto = c;
        } else if (const QChar copiado = operadorCopiado(c); !copiado.isNull()) {
            juntar(TipoSimbolo::Operador, inicio).texto = copiado;
            m_edicoes.substituir(inicio, m_i, copiado);
        } else if (c == kRaiz) {
            juntar(TipoSimbolo::Raiz, inicio);
        } else if (const auto tipo = tipoDoSinal(c)) {
            juntar(*tipo, inicio);
        } else {
            // A character outside the plane of most scripts comes in two halves.
            if (c.isHighSurrogate() && m_i < m_escrito.size())
                ++m_i;
            throw Recusa{MensagensDaLeitura::caracterDesconhecido(
                QStringView(m_escrito).sliced(inicio, m_i - inicio))};
        }
    }

    static std::optional<TipoSimbolo> tipoDoSinal(QChar c) {
        switch (c.unicode()) {
        case u'(':
            return TipoSimbolo::Abre;
        case u')':
            return TipoSimbolo::Fecha;
        case u',':
            return TipoSimbolo::Virgula;
        case u'|':
            return TipoSimbolo::Barra;
        case u'=':
            return TipoSimbolo::Igual;
        default:
            return std::nullopt;
        }
    }

    // A new symbol that starts at `inicio` and ends where the reading is now.
    Simbolo& juntar(TipoSimbolo tipo, qsizetype inicio) {
        Simbolo s{tipo, 0, 0, {}};
        s.inicio = inicio;
        s.fim = m_i;
        s.brancoAntes = m_branco;
        m_branco = false;
        m_simbolos.push_back(std::move(s));
        return m_simbolos.back();
    }

    const QString& m_escrito;
    Edicoes& m_edicoes;
    std::vector<Simbolo> m_simbolos;
    qsizetype m_i = 0;
    bool m_branco = false;
};

bool nome(const std::vector<Simbolo>& s, std::size_t i, QStringView texto) {
    return i < s.size() && s[i].tipo == TipoSimbolo::Nome && s[i].texto == texto;
}

bool tipo(const std::vector<Simbolo>& s, std::size_t i, TipoSimbolo t) {
    return i < s.size() && s[i].tipo == t;
}

// How many leading symbols name the function before its expression: "y =" or "f(x) =".
std::size_t tamanhoDoPrefixo(const std::vector<Simbolo>& s) {
    if (nome(s, 0, u"y") && tipo(s, 1, TipoSimbolo::Igual))
        return 2;
    if ((nome(s, 0, u"f") || nome(s, 0, u"g")) && tipo(s, 1, TipoSimbolo::Abre) &&
        nome(s, 2, u"x") && tipo(s, 3, TipoSimbolo::Fecha) && tipo(s, 4, TipoSimbolo::Igual))
        return 5;
    return 0;
}

} // namespace

std::vector<Simbolo> LerSimbolos(const QString& escrito, Edicoes& edicoes) {
    return LeitorDeSimbolos(escrito, edicoes).ler();
}

void RetirarPrefixo(std::vector<Simbolo>& simbolos, qsizetype tamanho, Edicoes& edicoes) {
    const std::size_t prefixo = tamanhoDoPrefixo(simbolos);
    if (prefixo > 0) {
        const qsizetype fim = prefixo < simbolos.size() ? simbolos[prefixo].inicio : tamanho;
        edicoes.apagar(0, fim);
        simbolos.erase(simbolos.begin(), simbolos.begin() + static_cast<std::ptrdiff_t>(prefixo));
    }
    for (const Simbolo& s : simbolos)
        if (s.tipo == TipoSimbolo::Igual)
            throw Recusa{MensagensDaLeitura::igualForaDoInicio()};
}

bool EmparelharParenteses(std::vector<Simbolo>& simbolos) {
    std::vector<qsizetype> abertos;
    qsizetype abre = 0, fecha = 0;
    bool semAbertura = false;
    for (qsizetype i = 0; i < static_cast<qsizetype>(simbolos.size()); ++i) {
        Simbolo& s = simbolos[static_cast<std::size_t>(i)];
        if (s.tipo == TipoSimbolo::Abre) {
            ++abre;
            abertos.push_back(i);
        } else if (s.tipo == TipoSimbolo::Fecha) {
            ++fecha;
            if (abertos.empty()) {
                semAbertura = true;
                continue;
            }
            s.par = abertos.back();
            simbolos[static_cast<std::size_t>(abertos.back())].par = i;
            abertos.pop_back();
        }
    }
    if (abre != fecha)
        return false;
    if (semAbertura)
        throw Recusa{MensagensDaLeitura::parenteseSemAbertura()};
    return true;
}
