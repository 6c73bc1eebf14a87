// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CicloDeTracado.h"

#include "PixelAnterior.h"
#include "clsEquation.h"

#include <QElapsedTimer>

namespace {

// How often the live overlay is brought to the screen while the loop runs.
constexpr qint64 kIntervaloPinturaMs = 30;

// A dot is passed over when it falls on the pixel just set on both pictures, which needs them to
// share one scale.
bool mesmaEscala(const Quadro& a, const Quadro& b) {
    return a.escalaX1() == b.escalaX1() && a.escalaY1() == b.escalaY1() &&
           a.escalaX2() == b.escalaX2() && a.escalaY2() == b.escalaY2() &&
           a.larguraInterior() == b.larguraInterior() && a.alturaInterior() == b.alturaInterior();
}

} // namespace

bool FalhaDoTexto(const InterpreterError& erro) {
    using namespace quilora::interpreter;
    switch (erro.number()) {
    case IndexError:
    case ParenthesesError:
    case UndefinedFunctionError:
    case UndefinedVariableError:
    case InvalidArgumentError:
        return true;
    default:
        return false;
    }
}

namespace {

template <class Valor>
ResultadoTracado tracar(Valor&& valorEm, AreaGrafica& area, const JanelaGrafica& janela,
                        const QColor& cor, PoliticaFalha politica) {
    Quadro& persistente = area.persistente();
    Quadro& sobreposicao = area.sobreposicao();
    const QRgb rgb = cor.rgb();
    const bool saltarRepetidos = mesmaEscala(persistente, sobreposicao);
    PixelAnterior anterior;
    QElapsedTimer relogio;
    relogio.start();
    const auto ponto = [&](float x, float y) {
        const double px = persistente.pixelX(x), py = persistente.pixelY(y);
        const bool dentro = px >= 0 && px < persistente.larguraInterior() && py >= 0 &&
                            py < persistente.alturaInterior();
        if (!saltarRepetidos || !dentro)
            anterior.esquecer();
        else if (anterior.repete(px, py))
            return;
        persistente.ponto(x, y, rgb);
        sobreposicao.ponto(x, y, rgb);
    };
    const auto depois = [&](long long amostras) {
        // The clock is read now and then only: it costs more than setting a point.
        if ((amostras & 0xFF) == 0 && relogio.elapsed() >= kIntervaloPinturaMs) {
            if (sobreposicao.isVisible())
                sobreposicao.repaint();
            relogio.restart();
        }
    };
    const ResultadoTracado resultado = PercorrerAmostras(valorEm, janela, politica, ponto, depois);
    if (sobreposicao.isVisible())
        sobreposicao.repaint();
    return resultado;
}

} // namespace

ResultadoTracado CicloDeTracado(clsEquation& equacao, AreaGrafica& area,
                                const JanelaGrafica& janela, const QColor& cor,
                                PoliticaFalha politica) {
    return tracar(ValorDaEquacao{equacao}, area, janela, cor, politica);
}

ResultadoTracado CicloDeTracado(const ValorEmX& valorEm, AreaGrafica& area,
                                const JanelaGrafica& janela, const QColor& cor,
                                PoliticaFalha politica) {
    return tracar(valorEm, area, janela, cor, politica);
}
