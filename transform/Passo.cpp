// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Passo.h"

#include "NumeroPortugues.h"

#include <cmath>
#include <utility>

Passo::Passo(TipoDePasso tipo, QString texto) : m_tipo(tipo), m_texto(std::move(texto)) {
}

Passo Passo::translacao(double h, double v) {
    const QString vetor = QStringLiteral("associada ao vetor ") + parPortugues(h, v);
    TipoDePasso tipo = TipoDePasso::Translacao;
    QString texto = QStringLiteral("translação ") + vetor;
    if (v == 0) {
        tipo = TipoDePasso::TranslacaoHorizontal;
        texto = QStringLiteral("translação horizontal ") + vetor;
    } else if (h == 0) {
        tipo = TipoDePasso::TranslacaoVertical;
        texto = QStringLiteral("translação vertical ") + vetor;
    }
    Passo passo(tipo, texto);
    passo.m_vetor = QPointF(h, v);
    return passo;
}

Passo Passo::escala(double coeficiente, TipoDePasso dilatacao, TipoDePasso contracao,
                    const QString& direcao) {
    const bool dilata = coeficiente > 1;
    Passo passo(dilata ? dilatacao : contracao,
                (dilata ? QStringLiteral("dilatação ") : QStringLiteral("contração ")) + direcao +
                    QStringLiteral(" de coeficiente ") + numeroPortugues(coeficiente));
    passo.m_coeficiente = coeficiente;
    return passo;
}

Passo Passo::escalaHorizontal(double coeficiente) {
    return escala(coeficiente, TipoDePasso::DilatacaoHorizontal, TipoDePasso::ContracaoHorizontal,
                  QStringLiteral("horizontal"));
}

Passo Passo::escalaVertical(double coeficiente) {
    if (coeficiente == 0) {
        Passo passo(TipoDePasso::ProjecaoEmOx,
                    QStringLiteral("projeção ortogonal do gráfico sobre o eixo Ox"));
        passo.m_coeficiente = 0;
        return passo;
    }
    return escala(coeficiente, TipoDePasso::DilatacaoVertical, TipoDePasso::ContracaoVertical,
                  QStringLiteral("vertical"));
}

Passo Passo::reflexaoOx() {
    return Passo(TipoDePasso::ReflexaoOx, QStringLiteral("reflexão em relação ao eixo Ox"));
}

Passo Passo::reflexaoOy() {
    return Passo(TipoDePasso::ReflexaoOy, QStringLiteral("reflexão em relação ao eixo Oy"));
}

Passo Passo::simetriaOrigem() {
    return Passo(TipoDePasso::SimetriaOrigem,
                 QStringLiteral("simetria em relação à origem do referencial"));
}

Passo Passo::moduloDosValores() {
    return Passo(TipoDePasso::ModuloDosValores,
                 QStringLiteral("aplicação do módulo às ordenadas (a parte do gráfico sobre o "
                                "eixo Ox ou acima dele mantém-se e a parte abaixo do eixo Ox é "
                                "refletida em relação a esse eixo)"));
}

Passo Passo::moduloDaAbscissa() {
    return Passo(TipoDePasso::ModuloDaAbscissa,
                 QStringLiteral("composição com |x| (a parte do gráfico sobre o eixo Oy ou à sua "
                                "direita mantém-se e a parte à esquerda é substituída pela "
                                "reflexão da parte da direita em relação ao eixo Oy)"));
}

Passo Passo::retaHorizontal(double abscissa) {
    Passo passo(TipoDePasso::RetaHorizontal,
                QStringLiteral("substituição do gráfico pela reta paralela ao eixo Ox que passa "
                               "no seu ponto de abcissa ") +
                    numeroPortugues(abscissa));
    passo.m_abscissa = abscissa;
    return passo;
}

std::vector<QPointF> Passo::imagens(QPointF ponto) const {
    const double x = ponto.x(), y = ponto.y();
    switch (m_tipo) {
    case TipoDePasso::Translacao:
    case TipoDePasso::TranslacaoHorizontal:
    case TipoDePasso::TranslacaoVertical:
        return {ponto + m_vetor};
    case TipoDePasso::DilatacaoHorizontal:
    case TipoDePasso::ContracaoHorizontal:
        return {QPointF(m_coeficiente * x, y)};
    case TipoDePasso::DilatacaoVertical:
    case TipoDePasso::ContracaoVertical:
    case TipoDePasso::ProjecaoEmOx:
        return {QPointF(x, m_coeficiente * y)};
    case TipoDePasso::ReflexaoOx:
        return {QPointF(x, -y)};
    case TipoDePasso::ReflexaoOy:
        return {QPointF(-x, y)};
    case TipoDePasso::SimetriaOrigem:
        return {QPointF(-x, -y)};
    case TipoDePasso::ModuloDosValores:
        return {QPointF(x, std::fabs(y))};
    case TipoDePasso::ModuloDaAbscissa:
        if (x < 0)
            return {};
        if (x == 0)
            return {ponto};
        return {ponto, QPointF(-x, y)};
    case TipoDePasso::RetaHorizontal:
        if (x != m_abscissa)
            return {};
        return {QPointF(-10, y), QPointF(-1, y), QPointF(0, y), QPointF(1, y), QPointF(10, y)};
    }
    return {};
}
