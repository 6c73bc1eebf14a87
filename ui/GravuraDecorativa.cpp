#include "GravuraDecorativa.h"

#include "AreaGrafica.h"
#include "CicloDeTracado.h"
#include "ConstrucaoTexto.h"
#include "DesenhoEixos.h"
#include "JanelaGrafica.h"
#include "Twips.h"
#include "clsEquation.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace {

// f in blue, its transforms in red, green and the colours after them.
const QColor kCores[] = {QColor(0, 0, 255),   QColor(255, 0, 0),   QColor(0, 150, 0),
                         QColor(200, 0, 200), QColor(230, 120, 0), QColor(0, 150, 170)};

GravuraDecorativa gravura(const char* nome, QRect lugar, const char* xmin, const char* xmax,
                          const char* ymin, const char* ymax, const char* funcao,
                          QList<TransformadaDecorativa> transformadas, const char* descricao) {
    return {QString::fromLatin1(nome),   lugar,
            QString::fromLatin1(xmin),   QString::fromLatin1(xmax),
            QString::fromLatin1(ymin),   QString::fromLatin1(ymax),
            QString::fromLatin1(funcao), std::move(transformadas),
            QString::fromUtf8(descricao)};
}

QList<GravuraDecorativa> criarGravuras() {
    return {
        gravura("Image3", {180, 420, 3000, 3225}, "-4", "4", "-5", "6", "x^2-4", {{1}},
                "A parábola x^2-4 e a transformada | f(x) |."),
        gravura("Image8", {3240, 420, 3000, 3225}, "-2pi", "2pi", "-2", "2", "sen(x)", {{3}},
                "A função seno e a transformada - f(x)."),
        gravura("Image2", {9000, 120, 3000, 3225}, "-6", "4", "-5", "6", "1/2x^2-4", {{8}},
                "A parábola 1/2x^2-4 e a transformada f(x+b), com b = 2."),
        gravura("Image1", {12060, 105, 3000, 3240}, "-3", "3", "-1", "6", "EXP(x)", {{4}},
                "A exponencial e a transformada f(-x)."),
        gravura("Image5", {180, 3780, 3000, 3225}, "-2pi", "2pi", "-3", "3", "sen(x)", {{9}},
                "A função seno e a transformada a.f(x), com a = 2."),
        gravura("Image9", {3240, 3780, 3000, 3225}, "-2pi", "2pi", "-2", "2", "sen(x)", {{6}},
                "A função seno e a transformada f(ax), com a = 2."),
        gravura("Image6", {9000, 3480, 3000, 3225}, "-4", "4", "-4", "4", "1/4x^3-x", {{2}},
                "Uma cúbica e a transformada f(|x|)."),
        gravura("Image4", {12060, 3480, 3000, 3225}, "-5", "5", "-3", "3", "sqr(x)", {{10}},
                "A raiz quadrada e a transformada - f(-x)."),
        gravura("Image10", {60, 8820, 3300, 1845}, "-8", "8", "-5", "5", "1/2x^2-4",
                {{7, "2", "3"}, {7, "-2", "-3"}, {3}},
                "A parábola 1/2x^2-4 e três das suas transformadas."),
    };
}

TabelaEixos tabelaSemNumeros(const GravuraDecorativa& g) {
    TabelaEixos tabela;
    tabela.Xmin = g.xmin;
    tabela.Xmax = g.xmax;
    tabela.Ymin = g.ymin;
    tabela.Ymax = g.ymax;
    tabela.GradNumX = false;
    tabela.GradNumY = false;
    return tabela;
}

} // namespace

QStringList curvasDaGravura(const GravuraDecorativa& g) {
    QStringList curvas{g.funcao};
    for (const TransformadaDecorativa& t : g.transformadas) {
        const Transformacao& opcao = transformacao(t.opcao);
        TextosDeTrabalho textos;
        construirTexto(opcao, g.funcao, {t.a, t.b}, textos);
        curvas << textoConstruido(opcao, textos);
    }
    return curvas;
}

QList<GravuraDecorativa> gravurasDoInicio() {
    return criarGravuras();
}

QImage desenharGravura(const GravuraDecorativa& g) {
    // A graph area like the main window's, on a hidden support, of the picture's size.
    const QSize interior(twipsParaPixels(g.lugar.width()), twipsParaPixels(g.lugar.height()));
    const QRect geometria(QPoint(0, 0), interior + QSize(2 * Quadro::kBorda, 2 * Quadro::kBorda));
    QWidget suporte;
    AreaGrafica area(&suporte, geometria, {g.nome, g.nome + "s", g.nome + "c", g.nome + "d"});
    AreaGrafica restante(&suporte, geometria, {"r1", "r2", "r3", "r4"});
    JanelaGrafica janela;
    DesenhoEixos eixos(area, restante, janela);
    if (eixos.RedesenharArea(area, tabelaSemNumeros(g)))
        return {};

    area.persistente().larguraTraco(2);
    clsEquation equacao;
    const QStringList curvas = curvasDaGravura(g);
    for (qsizetype i = 0; i < curvas.size(); ++i) {
        equacao.Equation(curvas.at(i).toStdString());
        CicloDeTracado(equacao, area, janela, kCores[i % std::size(kCores)], PoliticaFalha::Saltar);
    }
    // The arrowheads are children of the picture, so a grab of its inside shows them too.
    Quadro& quadro = area.persistente();
    return quadro.grab(QRect(QPoint(Quadro::kBorda, Quadro::kBorda), interior)).toImage();
}
