// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesenharTransformada.h"

#include "CamadaPassageira.h"
#include "FuncaoComposta.h"
#include "PonteiroOcupado.h"
#include "TracadoComDominio.h"

namespace {

// A preview takes the place of the last one, on the live layer only.
template <class Valor>
ResultadoTracado prever(Valor& valor, CamadaPassageira& camada, const JanelaGrafica& janela,
                        const QColor& cor) {
    camada.limparPontos();
    const QRgb rgb = cor.rgb();
    return PercorrerAmostras(
        valor, janela, PoliticaFalha::Saltar, [&](float x, float y) { camada.ponto(x, y, rgb); },
        [](long long) {});
}

} // namespace

ResultadoTracado DesenharTransformada(clsEquation& equacao, AreaGrafica& area,
                                      const JanelaGrafica& janela, const QColor& cor,
                                      QWidget& janelaPrincipal) {
    PonteiroOcupado ocupado(janelaPrincipal);
    SobreposicaoVisivel sobreposicao(area);
    return CicloDeTracado(equacao, area, janela, cor, PoliticaFalha::Saltar);
}

ResultadoTracado PreverTransformada(clsEquation& equacao, CamadaPassageira& camada,
                                    const JanelaGrafica& janela, const QColor& cor) {
    return prever(equacao, camada, janela, cor);
}

ResultadoTracado DesenharTransformada(FuncaoComposta& curva, AreaGrafica& area,
                                      const JanelaGrafica& janela, const QColor& cor,
                                      QWidget& janelaPrincipal) {
    PonteiroOcupado ocupado(janelaPrincipal);
    SobreposicaoVisivel sobreposicao(area);
    return TracarComDominio(curva, area, janela, cor, PoliticaFalha::Saltar);
}

ResultadoTracado PreverTransformada(FuncaoComposta& curva, CamadaPassageira& camada,
                                    const JanelaGrafica& janela, const QColor& cor) {
    return prever(curva, camada, janela, cor);
}
