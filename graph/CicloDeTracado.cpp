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

long long CicloDeTracado(clsEquation& equacao, AreaGrafica& area, const JanelaGrafica& janela,
                         const QColor& cor, PoliticaFalha politica) {
    Quadro& persistente = area.persistente();
    Quadro& sobreposicao = area.sobreposicao();
    const QRgb rgb = cor.rgb();
    const double fim = janela.JanelaXmax;
    const double passo = passoPara(janela);
    PixelAnterior repetido(persistente, sobreposicao);
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
            // Where f is undefined its value is the marker 1000, or what later steps made of
            // it, which may well lie inside the window: such a point is not drawn.
            temValor = !equacao.SilentFailure();
        } catch (const InterpreterError&) {
            if (politica == PoliticaFalha::Parar)
                throw;
            temValor = false;
        }
        // A point must be representable in single precision to be set at all.
        if (temValor && y > janela.JanelaYmin && y < janela.JanelaYmax &&
            std::abs(y) <= kMaiorSimples && std::abs(x) <= kMaiorSimples) {
            const float xs = static_cast<float>(x), ys = static_cast<float>(y);
            if (!repetido.mesmoPixel(xs, ys)) {
                persistente.ponto(xs, ys, rgb);
                sobreposicao.ponto(xs, ys, rgb);
            }
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
