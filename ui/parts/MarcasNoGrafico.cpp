// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MarcasNoGrafico.h"

#include "NumeroPortugues.h"
#include "Quadro.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTamanhoFonte = 7.5; // points at scale 1
const QColor kCorRotulo(0, 0, 0);
const QColor kCorMarcado(200, 0, 0);

// The decimals that tell two neighbouring pixels apart, 0 to 6.
int decimaisDoPixel(double tamanhoPixel) {
    if (!(tamanhoPixel > 0) || !std::isfinite(tamanhoPixel))
        return 2;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(tamanhoPixel))), 0, 6);
}

double arredondar(double valor, int decimais) {
    const double f = std::pow(10.0, decimais);
    const double r = std::round(valor * f) / f;
    return r == 0 ? 0 : r; // no "−0"
}

} // namespace

MarcasNoGrafico::MarcasNoGrafico(Quadro& quadro) : QWidget(&quadro), m_quadro(quadro) {
    setObjectName(quadro.objectName() + QStringLiteral("Marcas"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(quadro.rect());
    quadro.installEventFilter(this);
    connect(&quadro, &Quadro::limpo, this, &MarcasNoGrafico::limpar);
    connect(&quadro, &Quadro::ecraMudou, this, qOverload<>(&QWidget::update));
}

QString MarcasNoGrafico::rotulo(double x, double y, const JanelaGrafica& janela) {
    return parPortugues(arredondar(x, decimaisDoPixel(janela.TamPixelX)),
                        arredondar(y, decimaisDoPixel(janela.TamPixelY)), FormaDoNumero::Decimal);
}

void MarcasNoGrafico::mostrarPontos(const std::vector<PontoNotavel>& pontos,
                                    const JanelaGrafica& janela) {
    m_rotulos.clear();
    for (const PontoNotavel& p : pontos)
        if (p.y)
            m_rotulos.push_back({QPointF(p.x, *p.y), rotulo(p.x, *p.y, janela)});
    raise();
    update();
}

void MarcasNoGrafico::marcar(const std::optional<QPointF>& ponto, const JanelaGrafica& janela) {
    m_marcado.reset();
    if (ponto)
        m_marcado = Rotulo{*ponto, rotulo(ponto->x(), ponto->y(), janela)};
    raise();
    update();
}

QStringList MarcasNoGrafico::rotulos() const {
    QStringList textos;
    for (const Rotulo& r : m_rotulos)
        textos << r.texto;
    return textos;
}

void MarcasNoGrafico::limpar() {
    m_rotulos.clear();
    m_marcado.reset();
    update();
}

bool MarcasNoGrafico::eventFilter(QObject* objecto, QEvent* evento) {
    if (objecto == &m_quadro && evento->type() == QEvent::Resize)
        setGeometry(m_quadro.rect());
    return QWidget::eventFilter(objecto, evento);
}

void MarcasNoGrafico::paintEvent(QPaintEvent*) {
    if (m_rotulos.empty() && !m_marcado)
        return;
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setClipRect(m_quadro.interiorNoEcra());
    QFont fonte = font();
    fonte.setPointSizeF(kTamanhoFonte * m_quadro.escalaEcra());
    pintor.setFont(fonte);
    for (const Rotulo& r : m_rotulos)
        desenharRotulo(pintor, r, kCorRotulo);
    if (m_marcado) {
        const QPointF c =
            m_quadro.modeloParaEcra(QPointF(m_quadro.pixelX(m_marcado->ponto.x()) + 0.5,
                                            m_quadro.pixelY(m_marcado->ponto.y()) + 0.5));
        const double raio = 4 * m_quadro.escalaEcra();
        pintor.setPen(QPen(kCorMarcado, std::max(1.0, m_quadro.escalaEcra())));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawEllipse(c, raio, raio);
        desenharRotulo(pintor, *m_marcado, kCorMarcado);
    }
}

// The label stands above and to the right of its point, on a pale box so that it reads over
// the axes and the curves.
void MarcasNoGrafico::desenharRotulo(QPainter& pintor, const Rotulo& r, const QColor& cor) const {
    const QPointF c = m_quadro.modeloParaEcra(
        QPointF(m_quadro.pixelX(r.ponto.x()) + 0.5, m_quadro.pixelY(r.ponto.y()) + 0.5));
    const QFontMetricsF medidas(pintor.font());
    const double folga = 2 * m_quadro.escalaEcra();
    QRectF caixa(QPointF(), medidas.size(Qt::TextSingleLine, r.texto) + QSizeF(2 * folga, 0));
    caixa.moveBottomLeft(c + QPointF(folga, -folga));
    // Kept inside the picture where the point is near its right or top edge.
    const QRectF interior = m_quadro.interiorNoEcra();
    if (caixa.right() > interior.right())
        caixa.moveRight(c.x() - folga);
    if (caixa.top() < interior.top())
        caixa.moveTop(c.y() + folga);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(QColor(255, 255, 255, 200));
    pintor.drawRect(caixa);
    pintor.setPen(cor);
    pintor.drawText(caixa, Qt::AlignCenter, r.texto);
}
