// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Nomes.h"

#include "CaracteresDaExpressao.h"
#include "FunctionTable.h"

#include <QStringList>
#include <algorithm>

namespace {

using quilora::interpreter::FunctionId;

FunctionId funcaoDaBiblioteca(QStringView nome) {
    const std::string cabeca = nome.toString().toStdString() + '(';
    return quilora::interpreter::findFunction(cabeca);
}

// The variable and the constants a run of letters may be made of, written out with "*":
// "pix" is pi*x. Nothing when the run is not made of them alone.
std::optional<QStringList> variaveisJuntas(QStringView letras) {
    QStringList partes;
    for (qsizetype i = 0; i < letras.size();) {
        if (letras.sliced(i).startsWith(u"pi")) {
            partes << QStringLiteral("pi");
            i += 2;
        } else if (letras[i] == u'x' || letras[i] == u'e') {
            partes << letras[i];
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return partes;
}

// Digits and then variables, as the argument of a function written without its parentheses:
// "2x" in "sen2x".
std::optional<QString> argumentoJunto(QStringView resto) {
    qsizetype algarismos = 0;
    while (algarismos < resto.size() && CaracteresDaExpressao::algarismo(resto[algarismos]))
        ++algarismos;
    const auto variaveis = variaveisJuntas(resto.sliced(algarismos));
    if (!variaveis || resto.isEmpty())
        return std::nullopt;
    return resto.first(algarismos).toString() + variaveis->join(u'*');
}

} // namespace

EspecieNome Nomes::especie(QStringView nome) const {
    if (nome == u"x")
        return EspecieNome::Variavel;
    if (nome == u"pi" || nome == u"e" || nome == u"rnd")
        return EspecieNome::Constante;
    if (funcaoDaBiblioteca(nome) != FunctionId::None)
        return EspecieNome::Funcao;
    for (const QString& f : m_contexto.funcoes)
        if (nome.compare(f, Qt::CaseInsensitive) == 0)
            return EspecieNome::FuncaoDoExercicio;
    return EspecieNome::Desconhecido;
}

int Nomes::aridade(QStringView nome) const {
    switch (especie(nome)) {
    case EspecieNome::Funcao:
        switch (funcaoDaBiblioteca(nome)) {
        case FunctionId::Min:
        case FunctionId::Max:
        case FunctionId::Random:
        case FunctionId::Mod:
        case FunctionId::Logn:
            return 2;
        default:
            return 1;
        }
    case EspecieNome::FuncaoDoExercicio:
        return 1;
    default:
        return 0;
    }
}

qsizetype Nomes::maiorNomeDeFuncao() const {
    qsizetype maior = 0;
    for (const auto& f : quilora::interpreter::functionHeads)
        maior = std::max(maior, static_cast<qsizetype>(f.head.size()) - 1);
    for (const QString& f : m_contexto.funcoes)
        maior = std::max(maior, f.size());
    return maior;
}

bool Nomes::funcao(QStringView nome) const {
    const EspecieNome e = especie(nome);
    return e == EspecieNome::Funcao || e == EspecieNome::FuncaoDoExercicio;
}

std::optional<QString> Nomes::porExtenso(QStringView nome, QStringView chamada) const {
    if (!chamada.isEmpty())
        return produtoDeFuncao(nome, chamada);
    if (const auto argumento = argumentoSemParenteses(nome))
        return argumento;
    if (const auto variaveis = variaveisJuntas(nome); variaveis && variaveis->size() > 1)
        return variaveis->join(u'*');
    // "x2" is how a keyboard without superscripts writes x².
    if (nome.size() > 1 && nome[0] == u'x' &&
        std::all_of(nome.begin() + 1, nome.end(), CaracteresDaExpressao::algarismo))
        return QStringLiteral("x^") + nome.sliced(1).toString();
    return std::nullopt;
}

// Variables run into the name of the function called after them: "xsen(x)" is x*sen(x), and
// "xx(x+1)" is x*x*(x+1).
std::optional<QString> Nomes::produtoDeFuncao(QStringView nome, QStringView chamada) const {
    const qsizetype maior = std::min(nome.size() - 1, maiorNomeDeFuncao());
    for (qsizetype tamanho = maior; tamanho > 0; --tamanho) {
        const QStringView cabeca = nome.last(tamanho);
        if (!funcao(cabeca))
            continue;
        if (const auto variaveis = variaveisJuntas(nome.chopped(tamanho)))
            return variaveis->join(u'*') + u'*' + cabeca.toString() + chamada.toString();
    }
    if (const auto variaveis = variaveisJuntas(nome))
        return variaveis->join(u'*') + u'*' + chamada.toString();
    return std::nullopt;
}

// A function run into its argument: "senx" is sen(x), "cos2x" is cos(2x). The longest name
// that leaves an argument is taken ("senhx" is senh(x)).
std::optional<QString> Nomes::argumentoSemParenteses(QStringView nome) const {
    for (qsizetype fim = std::min(nome.size() - 1, maiorNomeDeFuncao()); fim > 0; --fim) {
        if (!funcao(nome.first(fim)))
            continue;
        if (const auto argumento = argumentoJunto(nome.sliced(fim)))
            return nome.first(fim).toString() + u'(' + *argumento + u')';
    }
    return std::nullopt;
}
