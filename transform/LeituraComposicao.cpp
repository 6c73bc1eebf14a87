// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeituraComposicao.h"

#include "CaracteresDaExpressao.h"
#include "ConstrucaoTexto.h"
#include "InterpreterError.h"
#include "PreparacaoTexto.h"

#include <QRegularExpression>
#include <optional>

namespace {

using namespace CaracteresDaExpressao;

const QString kSemF = QStringLiteral("A expressão de g deve usar f, por exemplo -2f(x-1)+3.");
const QString kSemArgumento =
    QStringLiteral("Escreva o argumento de f entre parênteses, por exemplo f(x-1).");
const QString kUmArgumento = QStringLiteral("f tem um só argumento, por exemplo f(x-1).");
const QString kIgual =
    QStringLiteral("Escreva só a expressão de g, por exemplo -2f(x-1)+3 ou g(x) = -2f(x-1)+3.");

// The name of the function before "=", which the text of g may start with.
const QRegularExpression kCabecalho(QStringLiteral("^\\s*(?:[A-Za-z]\\s*\\(\\s*x\\s*\\)|y)\\s*="));

// Walks the text of g the way the interpreter reads its names, and takes every call of f out.
class Decomposicao {
public:
    Decomposicao(const QString& texto, const QString& f) : m_texto(texto), m_f(f) {}

    ComposicaoLida ler() {
        QString exterior, expandida;
        if (lerTrecho(0, m_texto.size(), exterior, expandida) && m_composicao.argumentos.empty())
            m_erro = kSemF;
        if (!m_erro.isEmpty())
            return {{}, m_erro};
        m_composicao.exterior = exterior;
        m_composicao.expandida = expandida;
        return {m_composicao, {}};
    }

private:
    enum class Token { Nenhum, Nome, Numero };

    // The text from `inicio` to `fim` with each call of f replaced by its variable (exterior)
    // and by f written out (expandida); the calls inside an argument come before its own.
    bool lerTrecho(qsizetype inicio, qsizetype fim, QString& exterior, QString& expandida) {
        Token token = Token::Nenhum;
        QString nome;
        qsizetype inicioNome = inicio, copiado = inicio;
        for (qsizetype i = inicio; i < fim; ++i) {
            const QChar c = m_texto[i];
            if (ignorado(c))
                continue;
            if (letra(c) || (token == Token::Nome && continuaToken(c))) {
                if (token != Token::Nome) {
                    inicioNome = i;
                    nome.clear();
                }
                token = Token::Nome;
                nome += c.toLower();
                continue;
            }
            if (algarismo(c) || c == u'.') {
                token = Token::Numero;
                continue;
            }
            const bool chamada = token == Token::Nome && c == u'(' && nome == u"f";
            if (token == Token::Nome && c != u'(' && nome == u"f")
                return falhar(kSemArgumento);
            token = Token::Nenhum;
            if (!chamada)
                continue;
            const std::optional<qsizetype> fecho = parenteseQueFecha(i, fim);
            if (!fecho)
                return falhar(
                    QString::fromStdString(quilora::interpreter::parenthesesError().description()));
            QString argumento, argumentoExpandido;
            if (!lerArgumento(i + 1, *fecho, argumento, argumentoExpandido))
                return false;
            const QStringView antes = QStringView(m_texto).sliced(copiado, inicioNome - copiado);
            m_composicao.argumentos.push_back(argumento);
            exterior += antes;
            exterior +=
                Composicao::variavelDaChamada(static_cast<int>(m_composicao.argumentos.size()) - 1);
            expandida += antes;
            expandida += fAplicadaA(m_f, argumentoExpandido);
            copiado = *fecho + 1;
            i = *fecho;
        }
        if (token == Token::Nome && nome == u"f")
            return falhar(kSemArgumento);
        exterior += QStringView(m_texto).sliced(copiado, fim - copiado);
        expandida += QStringView(m_texto).sliced(copiado, fim - copiado);
        return true;
    }

    bool lerArgumento(qsizetype inicio, qsizetype fim, QString& exterior, QString& expandida) {
        const QStringView argumento = QStringView(m_texto).sliced(inicio, fim - inicio);
        if (argumento.trimmed().isEmpty())
            return falhar(kSemArgumento);
        int profundidade = 0;
        for (QChar c : argumento) {
            profundidade += c == u'(' ? 1 : c == u')' ? -1 : 0;
            if (c == u',' && profundidade == 0)
                return falhar(kUmArgumento);
        }
        return lerTrecho(inicio, fim, exterior, expandida);
    }

    std::optional<qsizetype> parenteseQueFecha(qsizetype abre, qsizetype fim) const {
        int profundidade = 0;
        for (qsizetype i = abre; i < fim; ++i) {
            profundidade += m_texto[i] == u'(' ? 1 : m_texto[i] == u')' ? -1 : 0;
            if (profundidade == 0)
                return i;
        }
        return std::nullopt;
    }

    bool falhar(const QString& erro) {
        m_erro = erro;
        return false;
    }

    const QString& m_texto;
    const QString& m_f;
    Composicao m_composicao;
    QString m_erro;
};

} // namespace

QString fAplicadaA(const QString& f, const QString& argumento) {
    // x itself needs no parentheses of its own.
    const bool soX = argumento.trimmed() == u"x";
    const Substituto substituto{soX ? "" : "(", Parametro::A, soX ? "" : ")"};
    TextosDeTrabalho textos;
    SubstituirX(f, substituto, {soX ? QStringLiteral("x") : argumento, {}}, textos);
    return u'(' + textos.Função3 + u')';
}

ComposicaoLida lerComposicao(const QString& g, const QString& f) {
    QString texto = g;
    texto.replace(QChar(0x2212), u'-');
    texto.remove(kCabecalho);
    if (texto.contains(u'='))
        return {{}, kIgual};
    const TextoPreparado preparado = PrepararTexto(texto, ContextoLeitura{{QStringLiteral("f")}});
    if (!preparado.aceite())
        return {{}, preparado.erro};
    return Decomposicao(preparado.texto, f).ler();
}
