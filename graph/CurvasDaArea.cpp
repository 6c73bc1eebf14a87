// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CurvasDaArea.h"

#include <cmath>

QString CurvaDesenhada::textoDosParametros(const QLocale& local) const {
    QStringList partes;
    for (const Parametro& p : parametros)
        partes << QStringLiteral("%1 = %2").arg(
            QString(p.nome), p.escrito.isEmpty() ? local.toString(p.valor, 'g', 15) : p.escrito);
    return partes.isEmpty() ? QString() : u'(' + partes.join(QStringLiteral("; ")) + u')';
}

CurvasDaArea::Registo::Registo(const CurvaDesenhada& c) : curva(c) {
    equacao.Equation(c.expressao.toStdString());
}

std::optional<double> CurvasDaArea::Registo::valorEm(double x) {
    if (curva.valor)
        return curva.valor(x);
    try {
        equacao.Var("x", x);
        equacao.Solve();
        const double y = equacao.Solution();
        if (!equacao.SilentFailure() && std::isfinite(y))
            return y;
    } catch (const InterpreterError&) {
        // An error at this abscissa: the curve is not defined there.
    }
    return std::nullopt;
}

void CurvasDaArea::juntar(const CurvaDesenhada& curva) {
    m_empilhadas.push_back(std::make_unique<Registo>(curva));
}

void CurvasDaArea::definirPrevisao(const std::optional<CurvaDesenhada>& curva) {
    m_previsao = curva ? std::make_unique<Registo>(*curva) : nullptr;
}

void CurvasDaArea::definirFuncaoPorBaixo(const std::optional<CurvaDesenhada>& curva) {
    m_porBaixo = curva ? std::make_unique<Registo>(*curva) : nullptr;
}

void CurvasDaArea::esquecer() {
    m_empilhadas.clear();
    m_previsao.reset();
}

bool CurvasDaArea::vazia() const {
    return !m_porBaixo && m_empilhadas.empty() && !m_previsao;
}

// In the order they were drawn: the function under them first, the preview last.
std::vector<CurvasDaArea::Registo*> CurvasDaArea::candidatas() {
    std::vector<Registo*> lista;
    if (m_porBaixo)
        lista.push_back(m_porBaixo.get());
    for (const auto& r : m_empilhadas)
        lista.push_back(r.get());
    if (m_previsao)
        lista.push_back(m_previsao.get());
    return lista;
}

CurvasDaArea::Leitura CurvasDaArea::maisProxima(double x, double y, double tolerancia) {
    Leitura melhor, ultima;
    double menorDistancia = tolerancia;
    // Of curves equally near, the one drawn later lies on top and is named.
    for (Registo* r : candidatas()) {
        ultima = {&r->curva, r->valorEm(x)};
        if (ultima.valor && std::abs(*ultima.valor - y) <= menorDistancia) {
            menorDistancia = std::abs(*ultima.valor - y);
            melhor = ultima;
        }
    }
    return melhor.curva ? melhor : ultima;
}
