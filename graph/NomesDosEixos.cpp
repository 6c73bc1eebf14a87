// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NomesDosEixos.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kNomeX = QStringLiteral("x");
const QString kNomeY = QStringLiteral("y");

// Above the axis, "x" keeps clear of the arrowhead, whose top row is 4 pixels above it.
constexpr int kFolgaAcima = 5;
// A text ending closer than this to the left of "x" would read as one word with it.
constexpr int kEspacoAntes = 3;

} // namespace

NomesDosEixos::NomesDosEixos(Quadro& quadro, QPointF cantoX, QPointF cantoY)
    : m_quadro(quadro), m_estilo(quadro.estilo()),
      m_linhaDoEixo(static_cast<int>(std::floor(quadro.pixelY(0)))) {
    m_caixaX = dentroDoQuadro(caixaEmPixels(cantoX, kNomeX));
    m_caixaY = dentroDoQuadro(caixaEmPixels(cantoY, kNomeY));
    m_fundoX = m_quadro.imagemDasCurvas().copy(vizinhanca(m_caixaX));
}

QRect NomesDosEixos::caixaEmPixels(QPointF canto, const QString& texto) const {
    const double px = m_quadro.pixelX(canto.x()), py = m_quadro.pixelY(canto.y());
    // Far outside the picture nothing is printed: the box is left where it is.
    if (!(std::abs(px) < 1e6 && std::abs(py) < 1e6))
        return {};
    return {QPoint(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py))),
            m_quadro.tamanhoTexto(texto)};
}

QRect NomesDosEixos::vizinhanca(const QRect& caixa) {
    return caixa.adjusted(-kEspacoAntes, 0, 0, 0);
}

QRect NomesDosEixos::dentroDoQuadro(QRect caixa) const {
    if (caixa.isEmpty())
        return caixa;
    const int largura = m_quadro.larguraInterior(), altura = m_quadro.alturaInterior();
    // Only a box that touches the picture is moved in; one far away stays unseen.
    if (caixa.right() < 0 || caixa.left() >= largura || caixa.bottom() < 0 || caixa.top() >= altura)
        return caixa;
    caixa.moveLeft(std::clamp(caixa.left(), 0, std::max(0, largura - caixa.width())));
    caixa.moveTop(std::clamp(caixa.top(), 0, std::max(0, altura - caixa.height())));
    return caixa;
}

void NomesDosEixos::imprimir() {
    const EstiloTexto depois = m_quadro.estilo();
    m_quadro.definirEstilo(m_estilo);
    QRect caixaX = m_caixaX;
    const bool tapada =
        !caixaX.isEmpty() && m_quadro.imagemDasCurvas().copy(vizinhanca(caixaX)) != m_fundoX;
    const bool cortada = caixaX.top() <= m_linhaDoEixo;
    if (tapada || cortada)
        caixaX.moveBottom(m_linhaDoEixo - kFolgaAcima - 1);
    imprimirEm(caixaX, kNomeX);
    imprimirEm(m_caixaY, kNomeY);
    m_quadro.definirEstilo(depois);
}

void NomesDosEixos::imprimirEm(const QRect& caixa, const QString& texto) {
    if (caixa.isEmpty())
        return;
    // A quarter of a pixel inside, so that the single-precision position falls on that pixel.
    m_quadro.posicao(static_cast<float>(m_quadro.deColuna(caixa.left() + 0.25)),
                     static_cast<float>(m_quadro.deLinha(caixa.top() + 0.25)));
    m_quadro.imprimir(texto);
}
