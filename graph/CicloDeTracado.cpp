// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CicloDeTracado.h"

#include "clsEquation.h"

#include <QElapsedTimer>

namespace {

// How often the live overlay is brought to the screen while the loop runs.
constexpr qint64 kIntervaloPinturaMs = 30;

// Neighbouring samples often fall on the pixel just set in the same colour; setting it again
// changes nothing, so it is skipped when both pictures share one scale.
class PixelAnterior {
public:
    PixelAnterior(const Quadro& persistente, const Quadro& sobreposicao)
        : m_quadro(persistente),
          m_activo(persistente.escalaX1() == sobreposicao.escalaX1() &&
                   persistente.escalaY1() == sobreposicao.escalaY1() &&
                   persistente.escalaX2() == sobreposicao.escalaX2() &&
                   persistente.escalaY2() == sobreposicao.escalaY2() &&
                   persistente.imagem().size() == sobreposicao.imagem().size()) {}

    bool mesmoPixel(float x, float y) {
        const double px = m_quadro.pixelX(x), py = m_quadro.pixelY(y);
        if (!m_activo || !(px >= 0 && px < m_quadro.larguraInterior() && py >= 0 &&
                           py < m_quadro.alturaInterior())) {
            m_coluna = -1;
            return false;
        }
        const int coluna = static_cast<int>(px), linha = static_cast<int>(py);
        const bool mesmo = coluna == m_coluna && linha == m_linha;
        m_coluna = coluna;
        m_linha = linha;
        return mesmo;
    }

private:
    const Quadro& m_quadro;
    bool m_activo;
    int m_coluna = -1, m_linha = -1;
};

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

ResultadoTracado CicloDeTracado(clsEquation& equacao, AreaGrafica& area,
                                const JanelaGrafica& janela, const QColor& cor,
                                PoliticaFalha politica) {
    Quadro& persistente = area.persistente();
    Quadro& sobreposicao = area.sobreposicao();
    const QRgb rgb = cor.rgb();
    PixelAnterior repetido(persistente, sobreposicao);
    QElapsedTimer relogio;
    relogio.start();
    const auto ponto = [&](float x, float y) {
        if (!repetido.mesmoPixel(x, y)) {
            persistente.ponto(x, y, rgb);
            sobreposicao.ponto(x, y, rgb);
        }
    };
    const auto depois = [&](long long amostras) {
        // The clock is read now and then only: it costs more than setting a point.
        if ((amostras & 0xFF) == 0 && relogio.elapsed() >= kIntervaloPinturaMs) {
            if (sobreposicao.isVisible())
                sobreposicao.repaint();
            relogio.restart();
        }
    };
    const ResultadoTracado resultado = PercorrerAmostras(equacao, janela, politica, ponto, depois);
    if (sobreposicao.isVisible())
        sobreposicao.repaint();
    return resultado;
}
