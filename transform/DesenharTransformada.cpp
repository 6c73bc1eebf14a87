#include "DesenharTransformada.h"

#include "CamadaPassageira.h"
#include "CicloDeTracado.h"
#include "PonteiroOcupado.h"

#include <exception>

void DesenharTransformada(clsEquation& equacao, AreaGrafica& area, const JanelaGrafica& janela,
                          const QColor& cor, QWidget& janelaPrincipal) {
    PonteiroOcupado ocupado(janelaPrincipal);
    SobreposicaoVisivel sobreposicao(area);
    try {
        CicloDeTracado(equacao, area, janela, cor, PoliticaFalha::Saltar);
    } catch (const std::exception&) {
        // A transformation never reports a failure: what was drawn stays, the rest is skipped.
    }
}

void PreverTransformada(clsEquation& equacao, CamadaPassageira& camada, const JanelaGrafica& janela,
                        const QColor& cor) {
    camada.limparPontos();
    const QRgb rgb = cor.rgb();
    PercorrerAmostras(
        equacao, janela, PoliticaFalha::Saltar, [&](float x, float y) { camada.ponto(x, y, rgb); },
        [](long long) {});
}
