#include "CicloDeTracado.h"

#include "clsEquation.h"

#include <QElapsedTimer>

#include <cmath>
#include <limits>

namespace {

constexpr double kMaiorSimples = std::numeric_limits<float>::max();

// How often the live overlay is brought to the screen while the loop runs.
constexpr qint64 kIntervaloPinturaMs = 30;

// 0.001, unless the window is so wide that it would need more than kMaxAmostras samples.
double passoPara(const JanelaGrafica& janela) {
    const double largura = janela.JanelaXmax / 2 - janela.JanelaXmin / 2;
    const double minimo = largura / static_cast<double>(kMaxAmostras - 1) * 2;
    return minimo > kPassoAmostragem ? minimo : kPassoAmostragem;
}

} // namespace

long long CicloDeTracado(clsEquation& equacao, AreaGrafica& area, const JanelaGrafica& janela,
                         const QColor& cor, PoliticaFalha politica) {
    Quadro& persistente = area.persistente();
    Quadro& sobreposicao = area.sobreposicao();
    const QRgb rgb = cor.rgb();
    const double fim = janela.JanelaXmax;
    const double passo = passoPara(janela);
    QElapsedTimer relogio;
    relogio.start();
    long long amostras = 0;
    for (double x = janela.JanelaXmin; x <= fim;) {
        ++amostras;
        double y = 0;
        bool temValor = true;
        try {
            equacao.Var("x", x);
            equacao.Solve();
            y = equacao.Solution();
        } catch (const InterpreterError&) {
            if (politica == PoliticaFalha::Parar)
                throw;
            temValor = false;
        }
        // A point must be representable in single precision to be set at all.
        if (temValor && y > janela.JanelaYmin && y < janela.JanelaYmax &&
            std::abs(y) <= kMaiorSimples && std::abs(x) <= kMaiorSimples) {
            persistente.ponto(static_cast<float>(x), static_cast<float>(y), rgb);
            sobreposicao.ponto(static_cast<float>(x), static_cast<float>(y), rgb);
        }
        // The clock is read now and then only: it costs more than setting a point.
        if ((amostras & 0xFF) == 0 && relogio.elapsed() >= kIntervaloPinturaMs) {
            if (sobreposicao.isVisible())
                sobreposicao.repaint();
            relogio.restart();
        }
        // Far from 0 the addition may no longer change x: the plot ends there.
        const double seguinte = x + passo;
        if (seguinte == x)
            break;
        x = seguinte;
    }
    if (sobreposicao.isVisible())
        sobreposicao.repaint();
    return amostras;
}
