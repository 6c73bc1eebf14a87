// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CarimboRedondo.h"

#include <algorithm>
#include <cmath>

namespace {

// The place of a dot's centre within a pixel is taken to an eighth of a pixel.
constexpr int kFases = 8;
// Each pixel of a dot is measured at 8 x 8 points for its coverage.
constexpr int kAmostras = 8;

// One pixel blended towards an opaque colour by a coverage of 0 to 255. The alpha is blended
// too, so a premultiplied transparent image gets the dot's edge as partly opaque.
QRgb misturar(QRgb fundo, QRgb cor, int cobertura) {
    const auto canal = [&](int tinta, int base) {
        return (tinta * cobertura + base * (255 - cobertura) + 127) / 255;
    };
    return qRgba(canal(qRed(cor), qRed(fundo)), canal(qGreen(cor), qGreen(fundo)),
                 canal(qBlue(cor), qBlue(fundo)), canal(255, qAlpha(fundo)));
}

} // namespace

CarimboRedondo::CarimboRedondo(double diametro) {
    const double raio = std::max(1.0, diametro) / 2;
    m_raio = static_cast<int>(std::ceil(raio));
    m_lado = 2 * m_raio + 2;
    m_cobertura.assign(static_cast<std::size_t>(kFases * kFases * m_lado * m_lado), 0);
    for (int fy = 0; fy < kFases; ++fy)
        for (int fx = 0; fx < kFases; ++fx) {
            const double centroX = m_raio + (fx + 0.5) / kFases;
            const double centroY = m_raio + (fy + 0.5) / kFases;
            quint8* fase = m_cobertura.data() + (fy * kFases + fx) * m_lado * m_lado;
            for (int j = 0; j < m_lado; ++j)
                for (int i = 0; i < m_lado; ++i) {
                    int dentro = 0;
                    for (int b = 0; b < kAmostras; ++b)
                        for (int a = 0; a < kAmostras; ++a) {
                            const double dx = i + (a + 0.5) / kAmostras - centroX;
                            const double dy = j + (b + 0.5) / kAmostras - centroY;
                            dentro += dx * dx + dy * dy <= raio * raio ? 1 : 0;
                        }
                    fase[j * m_lado + i] = static_cast<quint8>(
                        (dentro * 255 + kAmostras * kAmostras / 2) / (kAmostras * kAmostras));
                }
        }
}

void CarimboRedondo::carimbar(QImage& imagem, QPointF centro, QRgb cor) const {
    const double cx = centro.x(), cy = centro.y();
    if (!(cx > -1e6 && cx < 1e6 && cy > -1e6 && cy < 1e6))
        return;
    const double colunaCentro = std::floor(cx), linhaCentro = std::floor(cy);
    const int fx = std::min(kFases - 1, static_cast<int>((cx - colunaCentro) * kFases));
    const int fy = std::min(kFases - 1, static_cast<int>((cy - linhaCentro) * kFases));
    const quint8* cobertura = m_cobertura.data() + (fy * kFases + fx) * m_lado * m_lado;
    const int x0 = static_cast<int>(colunaCentro) - m_raio;
    const int y0 = static_cast<int>(linhaCentro) - m_raio;
    const int largura = imagem.width(), altura = imagem.height();
    for (int j = 0; j < m_lado; ++j) {
        const int y = y0 + j;
        if (y < 0 || y >= altura)
            continue;
        auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(y));
        for (int i = 0; i < m_lado; ++i) {
            const int x = x0 + i;
            const int a = cobertura[j * m_lado + i];
            if (a == 0 || x < 0 || x >= largura)
                continue;
            linha[x] = a == 255 ? (cor | 0xFF000000U) : misturar(linha[x], cor, a);
        }
    }
}
