// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreparacaoTexto.h"

#include "CaracteresDaExpressao.h"

#include <vector>

namespace {

using namespace CaracteresDaExpressao;

enum class Grupo { Parentese, Chamada, Barra };
enum class Token { Nenhum, Nome, Numero };
// What stands before the current character; an absolute-value bar opens after any of these
// but an operand.
enum class Anterior { Inicio, Operador, Abertura, Virgula, Operando };

TextoPreparado recusa(const QString& erro) {
    return {QString(), erro};
}

const QString kBarraSemPar = QStringLiteral("Barra sem par na expressão: |");

// Decimal commas and bars, written again as the interpreter reads them.
class Conversao {
public:
    explicit Conversao(const QString& escrito) : m_escrito(escrito) {
        m_saida.reserve(escrito.size() + 8);
    }

    TextoPreparado converter() {
        for (m_i = 0; m_i < m_escrito.size(); ++m_i)
            if (!ler(m_escrito[m_i]))
                return recusa(kBarraSemPar);
        for (Grupo g : m_grupos)
            if (g == Grupo::Barra)
                return recusa(kBarraSemPar);
        return {m_saida, QString()};
    }

private:
    bool ler(QChar c) {
        if (letra(c)) {
            m_token = Token::Nome;
            m_anterior = Anterior::Operando;
        } else if (algarismo(c) || c == u'.') {
            if (m_token == Token::Nenhum) {
                m_token = Token::Numero;
                m_temPonto = false;
            }
            m_temPonto = m_temPonto || c == u'.';
            m_anterior = Anterior::Operando;
        } else if (c == u',') {
            return lerVirgula();
        } else if (c == u'(') {
            m_grupos.push_back(m_token == Token::Nome ? Grupo::Chamada : Grupo::Parentese);
            m_token = Token::Nenhum;
            m_anterior = Anterior::Abertura;
        } else if (c == u')') {
            if (!m_grupos.empty()) {
                if (m_grupos.back() == Grupo::Barra)
                    return false;
                m_grupos.pop_back();
            }
            m_token = Token::Nenhum;
            m_anterior = Anterior::Operando;
        } else if (operador(c)) {
            m_token = Token::Nenhum;
            m_anterior = Anterior::Operador;
        } else if (c == u'|') {
            return lerBarra();
        }
        m_saida += c;
        return true;
    }

    // A comma inside a number, between two digits, is a decimal comma, unless it stands
    // directly in the argument list of a function, where it separates the arguments.
    bool lerVirgula() {
        const bool entreAlgarismos = m_i > 0 && algarismo(m_escrito[m_i - 1]) &&
                                     m_i + 1 < m_escrito.size() && algarismo(m_escrito[m_i + 1]);
        const bool naChamada = !m_grupos.empty() && m_grupos.back() == Grupo::Chamada;
        if (m_token == Token::Numero && !m_temPonto && entreAlgarismos && !naChamada) {
            m_temPonto = true;
            m_saida += u'.';
            return true;
        }
        m_token = Token::Nenhum;
        m_anterior = Anterior::Virgula;
        m_saida += u',';
        return true;
    }

    bool lerBarra() {
        bool barraAberta = false;
        for (Grupo g : m_grupos)
            barraAberta = barraAberta || g == Grupo::Barra;
        if (!barraAberta || m_anterior != Anterior::Operando) {
            // Right after a name or a closing parenthesis the bar multiplies, as it would
            // after a number, instead of gluing onto the name.
            const bool multiplica = m_anterior == Anterior::Operando && m_token != Token::Numero;
            m_saida += multiplica ? QStringLiteral("*abs(") : QStringLiteral("abs(");
            m_grupos.push_back(Grupo::Barra);
            m_token = Token::Nenhum;
            m_anterior = Anterior::Abertura;
            return true;
        }
        if (m_grupos.back() != Grupo::Barra)
            return false;
        m_grupos.pop_back();
        m_saida += u')';
        m_token = Token::Nenhum;
        m_anterior = Anterior::Operando;
        return true;
    }

    const QString& m_escrito;
    QString m_saida;
    qsizetype m_i = 0;
    std::vector<Grupo> m_grupos;
    Token m_token = Token::Nenhum;
    bool m_temPonto = false;
    Anterior m_anterior = Anterior::Inicio;
};

qsizetype seguinteSignificativo(const QString& texto, qsizetype i) {
    while (i < texto.size() && ignorado(texto[i]))
        ++i;
    return i;
}

// The interpreter drops an operator that has no operand on one of its sides and fails in
// silence at every abscissa, so such a text is refused before it gets there. A minus after
// an operator or an opening is a sign and needs an operand on its right only.
QString operandoEmFalta(const QString& texto) {
    bool depoisDeOperando = false;
    for (qsizetype i = seguinteSignificativo(texto, 0); i < texto.size();
         i = seguinteSignificativo(texto, i + 1)) {
        const QChar c = texto[i];
        if (!operador(c)) {
            depoisDeOperando = continuaToken(c) || c == u')';
            continue;
        }
        if (c != u'-' && !depoisDeOperando)
            return QStringLiteral("Falta um operando antes de %1.").arg(c);
        const qsizetype j = seguinteSignificativo(texto, i + 1);
        if (j == texto.size() || texto[j] == u')' || texto[j] == u',' ||
            (operador(texto[j]) && texto[j] != u'-'))
            return QStringLiteral("Falta um operando depois de %1.").arg(c);
        depoisDeOperando = false;
    }
    return {};
}

} // namespace

TextoPreparado PrepararTexto(const QString& escrito, const ContextoLeitura& /*contexto*/) {
    TextoPreparado preparado = Conversao(escrito).converter();
    if (!preparado.aceite())
        return preparado;
    if (const QString falta = operandoEmFalta(preparado.texto); !falta.isEmpty())
        return recusa(falta);
    return preparado;
}
