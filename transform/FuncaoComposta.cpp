// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuncaoComposta.h"

#include "CicloDeTracado.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

// f itself: one call, at x.
Composicao propria(const QString& f) {
    return {{QStringLiteral("x")}, Composicao::variavelDaChamada(0), f};
}

} // namespace

FuncaoComposta::FuncaoComposta(const QString& f, const Intervalo& dominio)
    : FuncaoComposta(propria(f), f, dominio) {
}

FuncaoComposta::FuncaoComposta(const Composicao& composicao, const QString& f,
                               const Intervalo& dominio)
    : m_dominio(dominio) {
    m_expressao.Equation(composicao.expandida.toStdString());
    m_f.Equation(f.toStdString());
    prepararArgumentos(composicao);
}

void FuncaoComposta::prepararArgumentos(const Composicao& composicao) {
    static const QRegularExpression kVariavel(QStringLiteral("\\bf_(\\d+)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    const int n = static_cast<int>(composicao.argumentos.size());
    m_argumentos.resize(static_cast<std::size_t>(n));
    m_valorUsado.assign(static_cast<std::size_t>(n), false);
    m_valores.assign(static_cast<std::size_t>(n), 0);
    m_nomes.clear();
    for (int k = 0; k < n; ++k)
        m_nomes.push_back(Composicao::variavelDaChamada(k).toStdString());
    for (int k = 0; k < n; ++k) {
        const QString& texto = composicao.argumentos[static_cast<std::size_t>(k)];
        Argumento& argumento = m_argumentos[static_cast<std::size_t>(k)];
        argumento.soX = texto.trimmed() == u"x";
        argumento.equacao.Equation(texto.toStdString());
        for (const auto& encontrada : kVariavel.globalMatch(texto)) {
            const int j = encontrada.captured(1).toInt() - 1;
            if (j < 0 || j >= k || m_valorUsado[static_cast<std::size_t>(j)])
                continue;
            argumento.chamadasUsadas.push_back(j);
            m_valorUsado[static_cast<std::size_t>(j)] = true;
        }
    }
}

std::optional<double> FuncaoComposta::avaliar(clsEquation& equacao) {
    equacao.Solve();
    const double y = equacao.Solution();
    // Where the text has no value the interpreter leaves its marker without a word.
    if (equacao.SilentFailure())
        return std::nullopt;
    return y;
}

std::optional<double> FuncaoComposta::valorDoArgumento(Argumento& argumento, double x) {
    if (argumento.soX)
        return x;
    argumento.equacao.Var("x", x);
    for (int j : argumento.chamadasUsadas)
        argumento.equacao.Var(m_nomes[static_cast<std::size_t>(j)],
                              m_valores[static_cast<std::size_t>(j)]);
    try {
        return avaliar(argumento.equacao);
    } catch (const InterpreterError& erro) {
        if (FalhaDoTexto(erro))
            throw;
        return std::nullopt;
    }
}

FuncaoComposta::Argumentos FuncaoComposta::argumentos(double x) {
    if (!comDominio())
        return Argumentos::NoDominio;
    for (std::size_t k = 0; k < m_argumentos.size(); ++k) {
        const auto u = valorDoArgumento(m_argumentos[k], x);
        if (!u || std::isnan(*u))
            return Argumentos::SemValor;
        if (!m_dominio.contem(*u))
            return *u <= m_dominio.inferior ? Argumentos::AbaixoDoDominio
                                            : Argumentos::AcimaDoDominio;
        if (!m_valorUsado[k])
            continue;
        const auto valor = f(*u);
        if (!valor)
            return Argumentos::SemValor;
        m_valores[k] = *valor;
    }
    return Argumentos::NoDominio;
}

std::optional<double> FuncaoComposta::operator()(double x) {
    if (comDominio()) {
        m_ultimaNoDominio = argumentos(x) == Argumentos::NoDominio;
        if (!m_ultimaNoDominio)
            return std::nullopt;
    }
    m_expressao.Var("x", x);
    return avaliar(m_expressao);
}

std::optional<double> FuncaoComposta::valorEm(double x) {
    try {
        return (*this)(x);
    } catch (const InterpreterError& erro) {
        if (FalhaDoTexto(erro))
            throw;
        return std::nullopt;
    }
}

std::optional<double> FuncaoComposta::argumento(double x) {
    if (m_argumentos.empty())
        return std::nullopt;
    return valorDoArgumento(m_argumentos.front(), x);
}

std::optional<double> FuncaoComposta::f(double u) {
    if (!m_dominio.contem(u))
        return std::nullopt;
    m_f.Var("x", u);
    try {
        return avaliar(m_f);
    } catch (const InterpreterError& erro) {
        if (FalhaDoTexto(erro))
            throw;
        return std::nullopt;
    }
}
