// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PontaSeta.h"

#include "Quadro.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <cmath>

namespace {

// A position that cannot be shown is put well outside the picture.
int paraPixel(double valor) {
    constexpr double kLonge = 100000;
    if (!(valor > -kLonge && valor < kLonge))
        return -static_cast<int>(kLonge);
    return static_cast<int>(std::floor(valor));
}

} // namespace

PontaSeta::PontaSeta(Direccao direccao, Quadro& quadro)
    : QWidget(&quadro), m_direccao(direccao), m_quadro(quadro) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&m_quadro, &Quadro::ecraMudou, this, &PontaSeta::acompanharQuadro);
    acompanharQuadro();
    hide();
}

bool PontaSeta::temPixel(Direccao direccao, int coluna, int linha) {
    if (direccao == Direccao::Cima) // a "^" chevron in the top five rows
        return linha >= 0 && linha <= 4 && (coluna == 4 - linha || coluna == 4 + linha);
    // a ">" chevron in the left five columns
    return coluna >= 0 && coluna <= 4 && (linha == coluna || linha == 8 - coluna);
}

void PontaSeta::mover(float esquerda, float topo) {
    m_canto = QPoint(paraPixel(m_quadro.pixelX(esquerda)), paraPixel(m_quadro.pixelY(topo)));
    acompanharQuadro();
}

// The widget starts at the whole pixel of the screen before the corner and draws the shape
// from the exact corner, so the tip sits on the end of the axis at any scale.
void PontaSeta::acompanharQuadro() {
    m_pixel = m_quadro.pixelNoEcra();
    const QPointF canto = m_quadro.modeloParaEcra(m_canto);
    const QPoint inteiro(static_cast<int>(std::floor(canto.x())),
                         static_cast<int>(std::floor(canto.y())));
    m_desvio = canto - inteiro;
    const QSize tamanho(static_cast<int>(std::ceil(kLado * m_pixel.width() + m_desvio.x())),
                        static_cast<int>(std::ceil(kLado * m_pixel.height() + m_desvio.y())));
    setGeometry(QRect(inteiro, tamanho));
    update();
}

void PontaSeta::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pintor(this);
    if (m_pixel == QSizeF(1, 1) && devicePixelRatioF() == 1)
        return pintarPixels(pintor, m_direccao); // one pixel of the picture is a device pixel
    // Elsewhere the chevron through the centres of those pixels, one pixel of the picture wide.
    pintor.translate(m_desvio);
    pintor.scale(m_pixel.width(), m_pixel.height());
    pintarForma(pintor, m_direccao);
}

void PontaSeta::pintarPixels(QPainter& pintor, Direccao direccao) {
    pintor.save();
    pintor.setPen(Qt::black);
    for (int linha = 0; linha < kLado; ++linha)
        for (int coluna = 0; coluna < kLado; ++coluna)
            if (temPixel(direccao, coluna, linha))
                pintor.drawPoint(coluna, linha);
    pintor.restore();
}

void PontaSeta::pintarForma(QPainter& pintor, Direccao direccao) {
    const QPolygonF cima{{0.5, 4.5}, {4.5, 0.5}, {8.5, 4.5}};
    const QPolygonF direita{{0.5, 0.5}, {4.5, 4.5}, {0.5, 8.5}};
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    pintor.drawPolyline(direccao == Direccao::Cima ? cima : direita);
    pintor.restore();
}
