// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Legenda.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMargem = 6;     // between the box and the edge of the area
constexpr double kFolga = 5;      // inside the box, around its lines
constexpr double kAmostra = 20;   // length of the line in a curve's colour
constexpr double kIntervalo = 5;  // between that line and the name
constexpr int kTamanhoFonte = 11; // pixels at scale 1

const QColor kCaixa(255, 255, 255, 230);
const QColor kRebordo(160, 160, 160);

} // namespace

Legenda::Legenda(std::vector<EntradaDaLegenda> entradas, QSize area) : m_area(area) {
    m_fonte = QFont(QStringLiteral("Arial"));
    m_fonte.setPixelSize(kTamanhoFonte);
    // Advances that grow in proportion with the scale keep the names inside the box.
    m_fonte.setHintingPreference(QFont::PreferNoHinting);
    m_alturaLinha = std::ceil(QFontMetricsF(m_fonte).lineSpacing()) + 2;
    dispor(entradas);
}

void Legenda::dispor(const std::vector<EntradaDaLegenda>& entradas) {
    const QFontMetricsF medidas(m_fonte);
    const double larguraMaxima = m_area.width() - 2 * kMargem - 2 * kFolga;
    const double alturaMaxima = m_area.height() - 2 * kMargem - 2 * kFolga;
    const auto cabem = static_cast<std::size_t>(std::max(1.0, alturaMaxima / m_alturaLinha));
    const std::size_t nomeadas = entradas.size() <= cabem ? entradas.size() : cabem - 1;

    for (std::size_t i = 0; i < nomeadas; ++i) {
        const double espaco = larguraMaxima - kAmostra - kIntervalo;
        m_linhas.push_back({entradas[i].cor, medidas.elidedText(entradas[i].nome, Qt::ElideRight,
                                                                std::max(0.0, espaco))});
    }
    if (nomeadas < entradas.size())
        // The line that says so takes the place of a name: at least two are left out.
        m_linhas.push_back(
            {QColor(), QStringLiteral("… e mais %1 curvas").arg(entradas.size() - nomeadas)});

    double largura = 0;
    for (const Linha& linha : m_linhas) {
        const double recuo = linha.cor.isValid() ? kAmostra + kIntervalo : 0;
        largura = std::max(largura, recuo + medidas.horizontalAdvance(linha.texto));
    }
    m_tamanho = QSizeF(std::ceil(largura) + 2 * kFolga,
                       static_cast<double>(m_linhas.size()) * m_alturaLinha + 2 * kFolga);
}

int Legenda::curvasNomeadas() const {
    return static_cast<int>(std::count_if(m_linhas.begin(), m_linhas.end(),
                                          [](const Linha& l) { return l.cor.isValid(); }));
}

QStringList Legenda::textos() const {
    QStringList textos;
    for (const Linha& linha : m_linhas)
        textos << linha.texto;
    return textos;
}

int Legenda::pixelsCobertos(const QImage& imagem, QRgb fundo, QPointF canto) const {
    const int x0 = std::max(0, static_cast<int>(canto.x()));
    const int y0 = std::max(0, static_cast<int>(canto.y()));
    const int x1 =
        std::min(imagem.width(), static_cast<int>(std::ceil(canto.x() + m_tamanho.width())));
    const int y1 =
        std::min(imagem.height(), static_cast<int>(std::ceil(canto.y() + m_tamanho.height())));
    int cobertos = 0;
    for (int y = y0; y < y1; ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(imagem.constScanLine(y));
        for (int x = x0; x < x1; ++x)
            cobertos += (linha[x] & 0xFFFFFF) != (fundo & 0xFFFFFF);
    }
    return cobertos;
}

QPointF Legenda::lugar(const QImage& imagem, const QColor& fundo) const {
    // A shallow copy when the picture is already in this format, as the areas' pictures are.
    const QImage pixels = imagem.convertToFormat(QImage::Format_RGB32);
    const double esquerda = kMargem;
    const double direita = std::max(0.0, imagem.width() - kMargem - m_tamanho.width());
    const double cima = kMargem;
    const double baixo = std::max(0.0, imagem.height() - kMargem - m_tamanho.height());
    const double meioX = std::max(0.0, (imagem.width() - m_tamanho.width()) / 2);
    const double meioY = std::max(0.0, (imagem.height() - m_tamanho.height()) / 2);
    const QPointF candidatos[] = {{direita, cima},   {esquerda, cima}, {direita, baixo},
                                  {esquerda, baixo}, {meioX, cima},    {meioX, baixo},
                                  {esquerda, meioY}, {direita, meioY}};
    QPointF melhor;
    int menos = std::numeric_limits<int>::max();
    for (const QPointF& candidato : candidatos) {
        const int cobertos = pixelsCobertos(pixels, fundo.rgb(), candidato);
        if (cobertos < menos) {
            menos = cobertos;
            melhor = candidato;
        }
    }
    return melhor;
}

void Legenda::desenhar(QPainter& pintor, QPointF canto) const {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    pintor.setPen(QPen(kRebordo, 1));
    pintor.setBrush(kCaixa);
    pintor.drawRect(QRectF(canto, m_tamanho).adjusted(0.5, 0.5, -0.5, -0.5));

    pintor.setFont(m_fonte);
    const QFontMetricsF medidas(m_fonte);
    const double acima = (m_alturaLinha - medidas.height()) / 2 + medidas.ascent();
    double topo = canto.y() + kFolga;
    for (const Linha& linha : m_linhas) {
        double x = canto.x() + kFolga;
        if (linha.cor.isValid()) {
            const double meio = std::round(topo + m_alturaLinha / 2);
            pintor.setPen(QPen(linha.cor, 2, Qt::SolidLine, Qt::FlatCap));
            pintor.drawLine(QPointF(x, meio), QPointF(x + kAmostra, meio));
            x += kAmostra + kIntervalo;
        }
        pintor.setPen(Qt::black);
        pintor.drawText(QPointF(x, topo + acima), linha.texto);
        topo += m_alturaLinha;
    }
    pintor.restore();
}
