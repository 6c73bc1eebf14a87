// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TracadoComDominio.h"

#include "ExtremidadeDoDominio.h"
#include "FuncaoComposta.h"
#include "Quadro.h"

#include <optional>

namespace {

// Where, between two samples in a row, the arguments come into the domain of f or leave it.
class MudancasDoDominio {
public:
    struct Mudanca {
        double dentro, fora;
    };

    void registar(double x, bool dentro) {
        if (m_anterior && dentro != m_dentroAnterior)
            m_mudancas.push_back(dentro ? Mudanca{x, *m_anterior} : Mudanca{*m_anterior, x});
        m_anterior = x;
        m_dentroAnterior = dentro;
    }
    std::optional<double> ultima() const { return m_anterior; }
    const std::vector<Mudanca>& mudancas() const { return m_mudancas; }

private:
    std::optional<double> m_anterior;
    bool m_dentroAnterior = false;
    std::vector<Mudanca> m_mudancas;
};

bool noDominio(FuncaoComposta& curva, double x) {
    return curva.argumentos(x) == FuncaoComposta::Argumentos::NoDominio;
}

// The ends found at the changes, where the curve has its value on the inner side.
std::vector<PontoNotavel> extremidades(FuncaoComposta& curva, const MudancasDoDominio& registo) {
    std::vector<PontoNotavel> pontos;
    for (const auto& mudanca : registo.mudancas()) {
        if (!curva.valorEm(mudanca.dentro))
            continue;
        const PontoNotavel ponto = extremidadeEntre(curva, mudanca.dentro, mudanca.fora);
        if (ponto.doDominioDeF)
            pontos.push_back(ponto);
    }
    return pontos;
}

} // namespace

ResultadoTracado TracarComDominio(FuncaoComposta& curva, AreaGrafica& area,
                                  const JanelaGrafica& janela, const QColor& cor,
                                  PoliticaFalha politica) {
    if (!curva.comDominio())
        return CicloDeTracado(curva.expressao(), area, janela, cor, politica);
    // Just outside the window on each side, so that an end on its edge is seen too.
    const double passo = PassoDeAmostragem(janela);
    MudancasDoDominio registo;
    registo.registar(janela.JanelaXmin - passo, noDominio(curva, janela.JanelaXmin - passo));
    const auto valor = [&](double x) {
        try {
            const std::optional<double> y = curva(x);
            registo.registar(x, curva.ultimaNoDominio());
            return y;
        } catch (const InterpreterError&) {
            registo.registar(x, curva.ultimaNoDominio());
            throw;
        }
    };
    const ResultadoTracado resultado = CicloDeTracado(valor, area, janela, cor, politica);
    if (const auto ultima = registo.ultima(); ultima && resultado.amostras > 0)
        registo.registar(*ultima + passo, noDominio(curva, *ultima + passo));
    MarcarExtremidades(area.persistente(), janela, extremidades(curva, registo), cor);
    return resultado;
}

void MarcarExtremidades(Quadro& quadro, const JanelaGrafica& janela,
                        const std::vector<PontoNotavel>& pontos, const QColor& cor) {
    for (const PontoNotavel& p : pontos) {
        if (!p.tem(Extremidade) || !p.y || p.x < janela.JanelaXmin || p.x > janela.JanelaXmax ||
            !(*p.y > janela.JanelaYmin && *p.y < janela.JanelaYmax))
            continue;
        quadro.circulo(static_cast<float>(p.x), static_cast<float>(*p.y), kRaioDaMarca, cor.rgb(),
                       p.fechado);
    }
}
