// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaginaDosGraficos.h"

#include "AreaGrafica.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr double kMargem = 10;        // around the whole picture
constexpr double kEntreGraficos = 20; // between the two graphs side by side
constexpr double kAlturaTitulo = 28;  // the line above each graph
constexpr double kEntreLegenda = 8;   // between the transform graph and its list
constexpr int kTamanhoTitulo = 16;    // pixels at scale 1

} // namespace

PaginaDosGraficos::PaginaDosGraficos(const AreaGrafica& funcao, const AreaGrafica& transformada,
                                     QString f, std::vector<EntradaDaLegenda> transformadas,
                                     EscolhaExportacao::Graficos graficos)
    : m_funcao(funcao), m_transformada(transformada), m_f(std::move(f)),
      m_legenda(transformadas, QSize(funcao.imagem().width(), funcao.imagem().height())),
      m_temTransformadas(!transformadas.empty()), m_graficos(graficos) {
}

QString PaginaDosGraficos::titulo(const QString& f) {
    return QStringLiteral("f(x) = ") + QString(f).replace(QLatin1Char('-'), QChar(0x2212));
}

bool PaginaDosGraficos::comFuncao() const {
    return m_graficos != EscolhaExportacao::Graficos::Transformada;
}

bool PaginaDosGraficos::comTransformada() const {
    return m_graficos != EscolhaExportacao::Graficos::Funcao;
}

double PaginaDosGraficos::larguraGrafico() const {
    return m_funcao.imagem().width();
}

double PaginaDosGraficos::alturaGrafico() const {
    return m_funcao.imagem().height();
}

QSizeF PaginaDosGraficos::tamanho() const {
    const int graficos = (comFuncao() ? 1 : 0) + (comTransformada() ? 1 : 0);
    const double largura = graficos * larguraGrafico() + (graficos - 1) * kEntreGraficos;
    double altura = kAlturaTitulo + alturaGrafico();
    if (comTransformada() && m_temTransformadas)
        altura += kEntreLegenda + m_legenda.tamanho().height();
    return {largura + 2 * kMargem, altura + 2 * kMargem};
}

void PaginaDosGraficos::desenharTexto(QPainter& pintor, double k, QPointF lugar,
                                      const QString& texto) const {
    pintor.save();
    pintor.scale(k, k);
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPixelSize(kTamanhoTitulo);
    fonte.setBold(true);
    pintor.setFont(fonte);
    pintor.setPen(Qt::black);
    const QRectF linha(lugar, QSizeF(larguraGrafico(), kAlturaTitulo));
    pintor.drawText(linha, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, texto);
    pintor.restore();
}

void PaginaDosGraficos::desenhar(QPainter& pintor, double k, double ampliacao) const {
    pintor.save();
    pintor.fillRect(QRectF(QPointF(0, 0), tamanho() * k), Qt::white);
    QPointF canto(kMargem, kMargem);
    const auto grafico = [&](const AreaGrafica& area, const QString& texto) {
        desenharTexto(pintor, k, canto, texto);
        pintor.save();
        pintor.translate((canto + QPointF(0, kAlturaTitulo)) * k);
        pintor.setClipRect(QRectF(0, 0, larguraGrafico() * k, alturaGrafico() * k));
        area.pintar(pintor, k, ampliacao);
        pintor.restore();
        canto.rx() += larguraGrafico() + kEntreGraficos;
    };
    if (comFuncao())
        grafico(m_funcao, titulo(m_f));
    if (comTransformada()) {
        const QPointF lista = canto + QPointF(0, kAlturaTitulo + alturaGrafico() + kEntreLegenda);
        grafico(m_transformada, QStringLiteral("Transformadas de f"));
        if (m_temTransformadas) {
            pintor.save();
            pintor.scale(k, k);
            m_legenda.desenhar(pintor, lista);
            pintor.restore();
        }
    }
    pintor.restore();
}
