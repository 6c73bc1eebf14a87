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
    : m_dominio(dominio), m_comDominio(!dominio.todaAReta()) {
    m_expressao.Equation(composicao.expandida.toStdString());
    m_f.Equation(f.toStdString());
    prepararArgumentos(composicao);
    if (!m_comDominio)
        m_teste = Teste::Nenhum;
    else if (m_argumentos.size() != 1)
        m_teste = Teste::Argumentos;
    else if (m_argumentos.front().forma == Argumento::Forma::X)
        m_teste = Teste::X;
    else
        m_teste = Teste::UmArgumento;
}

void FuncaoComposta::prepararArgumentos(const Composicao& composicao) {
    static const QRegularExpression kVariavel(QStringLiteral("\\bf_(\\d+)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    const int n = static_cast<int>(composicao.argumentos.size());
    m_argumentos.resize(static_cast<std::size_t>(n));
    m_valores.assign(static_cast<std::size_t>(n), 0);
    for (int k = 0; k < n; ++k)
        m_nomes.push_back(Composicao::variavelDaChamada(k).toStdString());
    for (int k = 0; k < n; ++k) {
        const QString texto = composicao.argumentos[static_cast<std::size_t>(k)].trimmed();
        Argumento& argumento = m_argumentos[static_cast<std::size_t>(k)];
        argumento.equacao.Equation(texto.toStdString());
        for (const auto& encontrada : kVariavel.globalMatch(texto)) {
            const int j = encontrada.captured(1).toInt() - 1;
            std::vector<int>& usadas = argumento.chamadasUsadas;
            if (j < 0 || j >= k || std::find(usadas.begin(), usadas.end(), j) != usadas.end())
                continue;
            usadas.push_back(j);
            m_argumentos[static_cast<std::size_t>(j)].valorUsado = true;
        }
        // x itself, or the value of an inner call alone, need no evaluation.
        if (texto == u"x")
            argumento.forma = Argumento::Forma::X;
        else if (argumento.chamadasUsadas.size() == 1 &&
                 texto.compare(
                     QString::fromStdString(
                         m_nomes[static_cast<std::size_t>(argumento.chamadasUsadas.front())]),
                     Qt::CaseInsensitive) == 0)
            argumento.forma = Argumento::Forma::Chamada;
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
    if (argumento.forma == Argumento::Forma::X)
        return x;
    if (argumento.forma == Argumento::Forma::Chamada)
        return m_valores[static_cast<std::size_t>(argumento.chamadasUsadas.front())];
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
    if (!m_comDominio)
        return Argumentos::NoDominio;
    for (std::size_t k = 0; k < m_argumentos.size(); ++k) {
        const auto u = valorDoArgumento(m_argumentos[k], x);
        if (!u || std::isnan(*u))
            return Argumentos::SemValor;
        if (!m_dominio.contem(*u))
            return *u <= m_dominio.inferior ? Argumentos::AbaixoDoDominio
                                            : Argumentos::AcimaDoDominio;
        if (m_argumentos[k].valorUsado && !guardarValor(k, *u))
            return Argumentos::SemValor;
    }
    return Argumentos::NoDominio;
}

bool FuncaoComposta::guardarValor(std::size_t k, double u) {
    const auto valor = f(u);
    if (valor)
        m_valores[k] = *valor;
    return valor.has_value();
}

bool FuncaoComposta::argumentoUnicoNoDominio(double x) {
    clsEquation& equacao = m_argumentos.front().equacao;
    equacao.Var("x", x);
    try {
        equacao.Solve();
    } catch (const InterpreterError& erro) {
        if (FalhaDoTexto(erro))
            throw;
        return false;
    }
    return !equacao.SilentFailure() && m_dominio.contem(equacao.Solution());
}

std::optional<double> FuncaoComposta::operator()(double x) {
    switch (m_teste) {
    case Teste::Nenhum:
        break;
    case Teste::X:
        m_ultimaNoDominio = m_dominio.contem(x);
        break;
    case Teste::UmArgumento:
        m_ultimaNoDominio = argumentoUnicoNoDominio(x);
        break;
    case Teste::Argumentos:
        m_ultimaNoDominio = argumentos(x) == Argumentos::NoDominio;
        break;
    }
    if (!m_ultimaNoDominio)
        return std::nullopt;
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

std::function<std::optional<double>(double)> leituraDe(std::shared_ptr<FuncaoComposta> funcao) {
    return [funcao = std::move(funcao)](double x) -> std::optional<double> {
        try {
            return funcao->valorEm(x);
        } catch (const InterpreterError&) {
            return std::nullopt;
        }
    };
}
