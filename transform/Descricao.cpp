// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Descricao.h"

#include "ReconhecimentoDaForma.h"

namespace {

// "uma A", "uma A, seguida de uma B", "uma A, seguida de uma B e de uma C", "uma A, seguida de
// uma B, de uma C e de uma D": every step's name is feminine.
QString emSequencia(const std::vector<Passo>& passos) {
    QString texto = QStringLiteral("uma ") + passos.front().texto();
    for (std::size_t i = 1; i < passos.size(); ++i) {
        if (i == 1)
            texto += QStringLiteral(", seguida de uma ");
        else if (i + 1 == passos.size())
            texto += QStringLiteral(" e de uma ");
        else
            texto += QStringLiteral(", de uma ");
        texto += passos[i].texto();
    }
    return texto;
}

// The argument as a pupil reads it: decimal commas, without parentheses around the whole.
QString legivel(QString argumento) {
    argumento = argumento.trimmed();
    while (argumento.startsWith(QLatin1Char('(')) && argumento.endsWith(QLatin1Char(')'))) {
        int nivel = 0;
        int fecho = 0;
        for (int i = 0; i < argumento.size() && fecho == 0; ++i) {
            nivel += argumento[i] == QLatin1Char('(')   ? 1
                     : argumento[i] == QLatin1Char(')') ? -1
                                                        : 0;
            if (nivel == 0)
                fecho = i;
        }
        if (fecho != argumento.size() - 1)
            break;
        argumento = argumento.mid(1, argumento.size() - 2).trimmed();
    }
    return argumento.replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

Descricao descreverForma(const FormaDeG& forma, const QString& sujeito) {
    Descricao descricao;
    descricao.sequencia = true;
    descricao.passos = forma.passos();
    descricao.regra = forma.regra();
    const QString grafico = QStringLiteral("O gráfico ") + sujeito;
    if (descricao.passos.empty()) {
        descricao.texto = grafico + QStringLiteral(" coincide com o de f: nada o altera.");
        return descricao;
    }
    descricao.texto = grafico + QStringLiteral(" obtém-se do de f por ") +
                      emSequencia(descricao.passos) +
                      QStringLiteral(". Cada ponto do gráfico de f transforma-se assim: ") +
                      descricao.regra + QLatin1Char('.');
    return descricao;
}

Descricao descreverOpcao(int numero, double a, double b) {
    return descreverForma(FormaDeG::daOpcao(numero, a, b), QStringLiteral("da transformada"));
}

Descricao descreverComposicao(const Composicao& g) {
    const Reconhecimento reconhecimento = reconhecerForma(g);
    if (reconhecimento.forma)
        return descreverForma(*reconhecimento.forma, QStringLiteral("de g"));
    Descricao descricao;
    descricao.texto = QStringLiteral("O gráfico de g não se obtém do de f por translações, "
                                     "dilatações, contrações e reflexões: ") +
                      reconhecimento.motivo + QLatin1Char('.');
    if (reconhecimento.exterior) {
        const auto passos = reconhecimento.exterior->passos();
        if (!passos.empty())
            descricao.texto += QStringLiteral(" O gráfico de g obtém-se do de f(") +
                               legivel(reconhecimento.argumento) + QStringLiteral(") por ") +
                               emSequencia(passos) + QLatin1Char('.');
    }
    return descricao;
}
