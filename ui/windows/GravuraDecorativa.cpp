// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GravuraDecorativa.h"

#include "AreaGrafica.h"
#include "CicloDeTracado.h"
#include "ConstrucaoTexto.h"
#include "DesenhoEixos.h"
#include "JanelaGrafica.h"
#include "clsEquation.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace {

// f in blue, its transforms in red, green and the colours after them.
const QColor kCores[] = {QColor(0, 0, 255),   QColor(255, 0, 0),   QColor(0, 150, 0),
                         QColor(200, 0, 200), QColor(230, 120, 0), QColor(0, 150, 170)};

GravuraDecorativa gravura(const char* nome, const char* xmin, const char* xmax, const char* ymin,
                          const char* ymax, const char* funcao,
                          QList<TransformadaDecorativa> transformadas, const char* descricao) {
    return {QString::fromLatin1(nome), QString::fromLatin1(xmin),   QString::fromLatin1(xmax),
            QString::fromLatin1(ymin), QString::fromLatin1(ymax),   QString::fromLatin1(funcao),
            std::move(transformadas),  QString::fromUtf8(descricao)};
}

QList<GravuraDecorativa> criarGravuras() {
    return {
        gravura("Image3", "-4", "4", "-5", "6", "x^2-4", {{1}},
                "A parábola x^2-4 e a transformada | f(x) |."),
        gravura("Image8", "-2pi", "2pi", "-2", "2", "sen(x)", {{3}},
                "A função seno e a transformada - f(x)."),
        gravura("Image2", "-6", "4", "-5", "6", "1/2x^2-4", {{8}},
                "A parábola 1/2x^2-4 e a transformada f(x+b), com b = 2."),
        gravura("Image1", "-3", "3", "-1", "6", "EXP(x)", {{4}},
                "A exponencial e a transformada f(-x)."),
        gravura("Image5", "-2pi", "2pi", "-3", "3", "sen(x)", {{9}},
                "A função seno e a transformada a.f(x), com a = 2."),
        gravura("Image9", "-2pi", "2pi", "-2", "2", "sen(x)", {{6}},
                "A função seno e a transformada f(ax), com a = 2."),
        gravura("Image6", "-4", "4", "-4", "4", "1/4x^3-x", {{2}},
                "Uma cúbica e a transformada f(|x|)."),
        gravura("Image4", "-5", "5", "-3", "3", "sqr(x)", {{10}},
                "A raiz quadrada e a transformada - f(-x)."),
        gravura("Image10", "-8", "8", "-5", "5", "1/2x^2-4", {{7, "2", "3"}, {7, "-2", "-3"}, {3}},
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

GravuraDesenhada::GravuraDesenhada(const GravuraDecorativa& g, QSize tamanho)
    : m_suporte(std::make_unique<QWidget>()) {
    // A graph area like the main window's, of the picture's size.
    const QRect geometria(QPoint(0, 0), tamanho + QSize(2 * Quadro::kBorda, 2 * Quadro::kBorda));
    m_area = std::make_unique<AreaGrafica>(
        m_suporte.get(), geometria,
        AreaGrafica::Nomes{g.nome, g.nome + "s", g.nome + "c", g.nome + "d"});
    m_restante = std::make_unique<AreaGrafica>(m_suporte.get(), geometria,
                                               AreaGrafica::Nomes{"r1", "r2", "r3", "r4"});
    JanelaGrafica janela;
    DesenhoEixos eixos(*m_area, *m_restante, janela);
    if (eixos.RedesenharArea(*m_area, tabelaSemNumeros(g)))
        return;

    m_area->persistente().larguraTraco(2);
    clsEquation equacao;
    const QStringList curvas = curvasDaGravura(g);
    for (qsizetype i = 0; i < curvas.size(); ++i) {
        equacao.Equation(curvas.at(i).toStdString());
        CicloDeTracado(equacao, *m_area, janela, kCores[i % std::size(kCores)],
                       PoliticaFalha::Saltar);
    }
    m_desenhada = true;
}

// The areas only point at their widgets, which are children of the support and go with it.
GravuraDesenhada::~GravuraDesenhada() = default;

const QImage& GravuraDesenhada::imagem() const {
    static const QImage vazia;
    return m_desenhada ? m_area->imagem() : vazia;
}

QPixmap GravuraDesenhada::noEcra(QSize tamanho, double densidade) {
    if (!m_desenhada)
        return {};
    if (m_noEcra.deviceIndependentSize().toSize() == tamanho && m_densidade == densidade)
        return m_noEcra;
    // The hidden picture is given the size that holds as many of its own device pixels as the
    // screen has, and what it shows is then labelled with the screen's density.
    Quadro& quadro = m_area->persistente();
    const double factor = densidade / quadro.devicePixelRatioF();
    const QSize interior(std::max(1, qRound(tamanho.width() * factor)),
                         std::max(1, qRound(tamanho.height() * factor)));
    quadro.definirEscalaEcra(static_cast<double>(interior.width()) / quadro.larguraInterior());
    const int borda = quadro.bordaEcra();
    quadro.setGeometry(QRect(QPoint(0, 0), interior + QSize(2 * borda, 2 * borda)));
    // The arrowheads are children of the picture, so a grab of its inside shows them too.
    m_noEcra = quadro.grab(QRect(QPoint(borda, borda), interior));
    m_noEcra.setDevicePixelRatio(densidade);
    m_densidade = densidade;
    return m_noEcra;
}
