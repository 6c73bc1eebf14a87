// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConstrucaoTexto.h"

#include "CaracteresDaExpressao.h"
#include "FunctionTable.h"
#include "NumeroInicial.h"

#include <QStringView>
#include <algorithm>
#include <string>
#include <vector>

namespace {

QString emoldurar(const Moldura& moldura, const QString& interior, const Parametros& parametros) {
    return textoDoParametro(moldura.parametro, parametros) + QString::fromUtf8(moldura.abre) +
           interior + QString::fromUtf8(moldura.fecha);
}

QString substituicao(const Substituto& substituto, const Parametros& parametros) {
    return QString::fromUtf8(substituto.antes) +
           textoDoParametro(substituto.parametro, parametros) +
           QString::fromUtf8(substituto.depois);
}

// Which characters of the text belong to the name of a function of the library written before
// its parenthesis ("exp(", "max("), read as the interpreter reads names: the x in them is
// part of the name, not the variable.
std::vector<bool> letrasDeFuncoes(const QString& texto) {
    using namespace CaracteresDaExpressao;
    std::vector<bool> deFuncao(static_cast<std::size_t>(texto.size()), false);
    qsizetype inicio = -1; // where the name being read starts
    std::string nome;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (ignorado(c))
            continue;
        if (letra(c) && inicio < 0) {
            inicio = i;
            nome.clear();
        }
        if (inicio >= 0 && continuaToken(c)) {
            nome += static_cast<char>(c.toLower().unicode());
            continue;
        }
        if (c == u'(' && inicio >= 0 &&
            quilora::interpreter::findFunction(nome + '(') !=
                quilora::interpreter::FunctionId::None)
            std::fill(deFuncao.begin() + inicio, deFuncao.begin() + i, true);
        inicio = -1;
    }
    return deFuncao;
}

} // namespace

QString textoDoParametro(Parametro parametro, const Parametros& parametros) {
    switch (parametro) {
    case Parametro::A:
        return parametros.a;
    case Parametro::B:
        return parametros.b;
    case Parametro::Nenhum:
        break;
    }
    return {};
}

void SubstituirX(const QString& f, const Substituto& substituto, const Parametros& parametros,
                 TextosDeTrabalho& textos) {
    const QString padded = u' ' + f + u' ';
    const std::vector<bool> deFuncao = letrasDeFuncoes(padded);
    textos.Função3.clear();
    // The scan restarts at the second character of what follows each replaced x, so the
    // character right after an x is passed over; the first pad blank is never looked at either.
    qsizetype inicio = 0; // start of the part still to be scanned
    qsizetype i = 1;
    while (i < padded.size()) {
        if (padded[i] == u'x' && !deFuncao[static_cast<std::size_t>(i)]) {
            textos.Função3 += QStringView(padded).sliced(inicio, i - inicio);
            textos.Função3 += substituicao(substituto, parametros);
            inicio = i + 1;
            i += 2;
        } else {
            ++i;
        }
    }
    textos.Função2 = padded.sliced(inicio);
    textos.Função3 += textos.Função2;
}

void construirTexto(const Transformacao& t, const QString& f, const Parametros& parametros,
                    TextosDeTrabalho& textos) {
    if (t.construcao == Construcao::Envolver) {
        textos.Função2 = emoldurar(t.envolvimento, f, parametros);
        return;
    }
    SubstituirX(f, t.substituto, parametros, textos);
    if (t.fecho.presente())
        textos.Função3 = emoldurar(t.fecho, textos.Função3, parametros);
}

const QString& textoConstruido(const Transformacao& t, const TextosDeTrabalho& textos) {
    return t.construcao == Construcao::Envolver ? textos.Função2 : textos.Função3;
}

std::optional<QString> textoADesenhar(const Transformacao& t, const QString& f,
                                      const Parametros& parametros, TextosDeTrabalho& textos) {
    construirTexto(t, f, parametros, textos);
    if (f.isEmpty() || (t.exigeANaoNulo && NumeroInicial(parametros.a) == 0))
        return std::nullopt;
    return textoConstruido(t, textos);
}

Composicao composicaoDe(const Transformacao& t, const QString& f, const Parametros& parametros) {
    const QString chamada = Composicao::variavelDaChamada(0);
    TextosDeTrabalho textos;
    construirTexto(t, f, parametros, textos);
    if (t.construcao == Construcao::Envolver)
        return {{QStringLiteral("x")},
                emoldurar(t.envolvimento, chamada, parametros),
                textoConstruido(t, textos)};
    return {{substituicao(t.substituto, parametros)},
            t.fecho.presente() ? emoldurar(t.fecho, chamada, parametros) : chamada,
            textoConstruido(t, textos)};
}
