// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExtremidadeDoDominio.h"

#include "FuncaoComposta.h"
#include "Refinamento.h"

#include <algorithm>
#include <cmath>

namespace {

// Whether the curve comes to its value at `dentro` without a jump, from a hair inside.
bool chegaContinua(FuncaoComposta& curva, double dentro, double fora, double y) {
    const double passo = 1e-9 * std::max(1.0, std::abs(dentro));
    const auto perto = curva.valorEm(dentro + (dentro > fora ? passo : -passo));
    return perto && std::abs(*perto - y) <= 1e-3 * std::max(1.0, std::abs(y));
}

} // namespace

PontoNotavel extremidadeEntre(FuncaoComposta& curva, double comValor, double semValor) {
    const Refinamento::Fronteira f = Refinamento::fronteira(
        [&](double x) { return curva.valorEm(x).has_value(); }, comValor, semValor);
    PontoNotavel ponto;
    ponto.tipos = Extremidade;
    ponto.dentro = f.dentro;
    ponto.y = curva.valorEm(f.dentro);
    const FuncaoComposta::Argumentos argumentos = curva.argumentos(f.fora);
    const Intervalo& dominio = curva.dominio();
    if (argumentos == FuncaoComposta::Argumentos::AbaixoDoDominio) {
        ponto.doDominioDeF = true;
        ponto.fechado = dominio.inferiorFechado;
    } else if (argumentos == FuncaoComposta::Argumentos::AcimaDoDominio) {
        ponto.doDominioDeF = true;
        ponto.fechado = dominio.superiorFechado;
    } else {
        ponto.fechado = ponto.y && chegaContinua(curva, f.dentro, f.fora, *ponto.y);
        if (!ponto.fechado)
            ponto.y.reset();
    }
    ponto.x = ponto.fechado ? f.dentro : f.fora;
    return ponto;
}
