// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Comparacao.h"

#include "AreaGrafica.h"
#include "CicloDeTracado.h"
#include "FuncaoComposta.h"
#include "JanelaGrafica.h"
#include "PixelAnterior.h"

#include <QAction>

Comparacao::Comparacao(AreaGrafica& transformada, const JanelaGrafica& janela, CurvasDaArea& curvas,
                       QObject* pai)
    : QObject(pai), m_area(transformada), m_janela(janela), m_curvas(curvas),
      m_mostrarF(new QAction(QStringLiteral("Mostrar f no gráfico da transformada"), this)),
      m_usarComoF(new QAction(QStringLiteral("Usar a transformada como f"), this)) {
    m_mostrarF->setObjectName(QStringLiteral("MostrarF"));
    m_mostrarF->setCheckable(true);
    m_usarComoF->setObjectName(QStringLiteral("UsarTransformadaComoF"));
    m_usarComoF->setEnabled(false);
    connect(m_mostrarF, &QAction::toggled, this, &Comparacao::mostrarOuEsconder);
    connect(m_usarComoF, &QAction::triggered, this, [this] {
        if (m_transformada)
            emit usarComoFPedido(m_transformada->trimmed());
    });
    connect(&m_area.persistente(), &Quadro::limpo, this, &Comparacao::aoLimpar);
}

void Comparacao::funcaoDesenhada(const QString& expressao, const Intervalo& dominio) {
    m_funcao = expressao;
    m_dominio = dominio;
    mostrarOuEsconder();
}

void Comparacao::transformadaDesenhada(const QString& construido) {
    m_transformada = construido;
    m_usarComoF->setEnabled(true);
}

void Comparacao::areaRedesenhada() {
    mostrarOuEsconder();
}

// An erased area holds no transform to take as f any more.
void Comparacao::aoLimpar() {
    m_transformada.reset();
    m_usarComoF->setEnabled(false);
}

void Comparacao::mostrarOuEsconder() {
    const bool mostrar = m_mostrarF->isChecked() && m_funcao && m_area.eixosAceites();
    m_area.persistente().definirPorBaixo(mostrar ? pontosDaFuncao() : std::vector<QPointF>{},
                                         kCinzento);
    if (!mostrar)
        return m_curvas.definirFuncaoPorBaixo(std::nullopt);
    CurvaDesenhada f{*m_funcao, QStringLiteral("f(x)"), {}};
    if (!m_dominio.todaAReta())
        f.valor = leituraDe(std::make_shared<FuncaoComposta>(*m_funcao, m_dominio));
    m_curvas.definirFuncaoPorBaixo(f);
}

// The samples of f on the window in force, with the plot rule of f: up to its first reported
// failure, only where it has a value inside the window; a pixel is kept once per run.
std::vector<QPointF> Comparacao::pontosDaFuncao() const {
    const Quadro& quadro = m_area.persistente();
    std::vector<QPointF> pontos;
    clsEquation equacao;
    equacao.Equation(m_funcao->toStdString());
    PixelAnterior anterior;
    const auto ponto = [&](float x, float y) {
        const double px = quadro.pixelX(x), py = quadro.pixelY(y);
        if (!anterior.repete(px, py))
            pontos.emplace_back(px, py);
    };
    try {
        // On a domain, f in grey lies where f is drawn, and nowhere else.
        if (!m_dominio.todaAReta()) {
            FuncaoComposta noDominio(*m_funcao, m_dominio);
            PercorrerAmostras(noDominio, m_janela, PoliticaFalha::Parar, ponto, [](long long) {});
            return pontos;
        }
        PercorrerAmostras(equacao, m_janela, PoliticaFalha::Parar, ponto, [](long long) {});
    } catch (const InterpreterError&) {
        // The plot of f stopped here with its message; so does its picture here.
    }
    return pontos;
}
