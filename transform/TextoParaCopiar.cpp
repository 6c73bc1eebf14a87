// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextoParaCopiar.h"

#include "EscritaParaAluno.h"
#include "TextoNumero.h"

#include <QStringList>

namespace {

const QString kVistoNaJanela = QStringLiteral(" (visto na janela)");

QString celula(const std::optional<double>& valor) {
    if (!valor)
        return {};
    return textoDoNumero(*valor, 10).value_or(QString()).replace(u'.', u',');
}

QString intervalos(const std::vector<IntervaloNaJanela>& lista) {
    std::vector<Intervalo> simples;
    bool cortado = false;
    for (const IntervaloNaJanela& i : lista) {
        simples.push_back(i.intervalo);
        cortado = cortado || i.cortado();
    }
    return EscritaParaAluno::uniao(simples) + (cortado ? kVistoNaJanela : QString());
}

QString linha(const QStringList& celulas) {
    return celulas.join(u'\t') + u'\n';
}

} // namespace

QString descricaoDoPonto(const PontoNotavel& ponto) {
    QStringList partes;
    if (ponto.tem(Extremidade))
        partes << (ponto.fechado ? QStringLiteral("extremo do domínio (fechado)")
                                 : QStringLiteral("extremo do domínio (aberto)"));
    if (ponto.tem(Zero))
        partes << QStringLiteral("zero");
    if (ponto.tem(Maximo))
        partes << QStringLiteral("máximo relativo");
    if (ponto.tem(Minimo))
        partes << QStringLiteral("mínimo relativo");
    if (ponto.tem(NoEixoY))
        partes << QStringLiteral("interseção com o eixo Oy");
    QString texto = partes.size() > 1
                        ? partes.mid(0, partes.size() - 1).join(QStringLiteral(", ")) +
                              QStringLiteral(" e ") + partes.back()
                        : partes.value(0);
    if (!texto.isEmpty())
        texto[0] = texto[0].toUpper();
    return texto;
}

QString textoParaCopiar(const std::vector<CurvaAnalisada>& curvas) {
    QString texto = linha({QStringLiteral("Função"), QStringLiteral("Ponto"), QStringLiteral("x"),
                           QStringLiteral("y"), QStringLiteral("Ponto de f: x"),
                           QStringLiteral("Ponto de f: y")});
    for (const CurvaAnalisada& curva : curvas)
        for (const PontoNotavel& p : curva.analise.pontos) {
            const auto u = p.origem ? std::optional<double>(p.origem->u) : std::nullopt;
            const auto fu = p.origem ? std::optional<double>(p.origem->fu) : std::nullopt;
            texto += linha(
                {curva.nome, descricaoDoPonto(p), celula(p.x), celula(p.y), celula(u), celula(fu)});
        }
    texto += u'\n';
    texto += linha(
        {QStringLiteral("Função"), QStringLiteral("Domínio"), QStringLiteral("Contradomínio")});
    for (const CurvaAnalisada& curva : curvas)
        texto += linha({curva.nome, intervalos(curva.analise.dominio),
                        intervalos(curva.analise.contradominio)});
    return texto;
}
