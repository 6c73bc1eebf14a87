// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesenharTransformada.h"

#include "CamadaPassageira.h"
#include "FuncaoComposta.h"
#include "PonteiroOcupado.h"
#include "TracadoComDominio.h"

ResultadoTracado DesenharTransformada(clsEquation& equacao, AreaGrafica& area,
                                      const JanelaGrafica& janela, const QColor& cor,
                                      QWidget& janelaPrincipal) {
    PonteiroOcupado ocupado(janelaPrincipal);
    SobreposicaoVisivel sobreposicao(area);
    return CicloDeTracado(equacao, area, janela, cor, PoliticaFalha::Saltar);
}

ResultadoTracado PreverTransformada(clsEquation& equacao, CamadaPassageira& camada,
                                    const JanelaGrafica& janela, const QColor& cor) {
    camada.limparPontos();
    const QRgb rgb = cor.rgb();
    return PercorrerAmostras(
        equacao, janela, PoliticaFalha::Saltar, [&](float x, float y) { camada.ponto(x, y, rgb); },
        [](long long) {});
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
    camada.limparPontos();
    const QRgb rgb = cor.rgb();
    return PercorrerAmostras(
        curva, janela, PoliticaFalha::Saltar, [&](float x, float y) { camada.ponto(x, y, rgb); },
        [](long long) {});
}
