#include "PontaSeta.h"

#include "Quadro.h"

#include <QPainter>

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
    setFixedSize(kLado, kLado);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

bool PontaSeta::temPixel(Direccao direccao, int coluna, int linha) {
    if (direccao == Direccao::Cima) // a "^" chevron in the top five rows
        return linha >= 0 && linha <= 4 && (coluna == 4 - linha || coluna == 4 + linha);
    // a ">" chevron in the left five columns
    return coluna >= 0 && coluna <= 4 && (linha == coluna || linha == 8 - coluna);
}

void PontaSeta::mover(float esquerda, float topo) {
    move(Quadro::kBorda + paraPixel(m_quadro.pixelX(esquerda)),
         Quadro::kBorda + paraPixel(m_quadro.pixelY(topo)));
}

void PontaSeta::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pintor(this);
    pintor.setPen(Qt::black);
    for (int linha = 0; linha < kLado; ++linha)
        for (int coluna = 0; coluna < kLado; ++coluna)
            if (temPixel(m_direccao, coluna, linha))
                pintor.drawPoint(coluna, linha);
}
