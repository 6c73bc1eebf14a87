// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CamadaPassageira.h"

#include "Quadro.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The readout sits below and right of the pointer, clear of its arrow.
const QPoint kAfastamento(12, 16);
constexpr int kMargemTexto = 3;
// The note stands in the top-left corner of the picture, so narrow that with the usual window
// it keeps clear of the y axis, its name and its numbers (which reach 18 pixels left of it).
constexpr int kMargemNota = 8;
constexpr int kLargoDosNumerosY = 24;

// A box with a border of `borda` pixels and the text `margem` pixels inside it.
void desenharCaixa(QPainter& pintor, const QRect& caixa, const QString& texto, int alinhamento,
                   int borda, int margem) {
    pintor.fillRect(caixa, QColor(90, 90, 90));
    pintor.fillRect(caixa.adjusted(borda, borda, -borda, -borda), QColor(255, 255, 225));
    pintor.setPen(Qt::black);
    pintor.drawText(caixa.adjusted(margem, margem, -margem, -margem), alinhamento, texto);
}

} // namespace

CamadaPassageira::CamadaPassageira(Quadro& quadro)
    : QWidget(&quadro), m_quadro(quadro), m_fonte(font()), m_medidas(font()) {
    m_larguras.fill(-1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    m_quadro.installEventFilter(this);
    connect(&m_quadro, &Quadro::limpo, this, &CamadaPassageira::limparPontos);
    connect(&m_quadro, &Quadro::limpo, this, &CamadaPassageira::esconderNota);
    connect(&m_quadro, &Quadro::ecraMudou, this, &CamadaPassageira::acompanharQuadro);
    acompanharQuadro();
}

// The layer covers the inside of the picture as the screen shows it; the preview keeps the size
// of the picture's image.
void CamadaPassageira::acompanharQuadro() {
    setGeometry(m_quadro.interiorNoEcra().toRect());
    const QSize interior(m_quadro.larguraInterior(), m_quadro.alturaInterior());
    if (m_pontos.size() != interior) {
        m_pontos = QImage(interior, QImage::Format_ARGB32_Premultiplied);
        m_pontos.fill(Qt::transparent);
        m_ecra.limpar(Qt::transparent);
        m_temPontos = false;
        m_anterior.esquecer();
    }
    if (m_quadro.escalaEcra() != m_escala) {
        m_escala = m_quadro.escalaEcra();
        QFont fonte = m_fonte;
        if (fonte.pointSizeF() > 0)
            fonte.setPointSizeF(fonte.pointSizeF() * m_escala);
        else
            fonte.setPixelSize(std::max(1, escalado(fonte.pixelSize())));
        setFont(fonte);
    }
    raise();
    update();
}

int CamadaPassageira::escalado(int pixels) const {
    return std::max(1, static_cast<int>(std::lround(pixels * m_escala)));
}

bool CamadaPassageira::eventFilter(QObject* objecto, QEvent* evento) {
    if (objecto == &m_quadro && evento->type() == QEvent::MouseButtonPress)
        esconderNota();
    return QWidget::eventFilter(objecto, evento);
}

// The readout is measured character by character with the font in force.
void CamadaPassageira::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::FontChange) {
        m_medidas = QFontMetrics(font());
        m_larguras.fill(-1);
        if (!m_leitura.isEmpty())
            m_caixa = caixaDaLeitura();
    }
    QWidget::changeEvent(evento);
}

void CamadaPassageira::ponto(float x, float y, QRgb cor) {
    const double px = m_quadro.pixelX(x), py = m_quadro.pixelY(y);
    if (!(px >= 0 && px < m_pontos.width() && py >= 0 && py < m_pontos.height()))
        return;
    // As the plot loop does, a sample on the pixel of the one before sets nothing: on the screen
    // the preview's dots then pile up no more than a drawn curve's.
    if (m_anterior.repete(px, py))
        return;
    m_pontos.setPixel(static_cast<int>(px), static_cast<int>(py), cor | 0xFF000000U);
    m_ecra.ponto(px, py, 1, cor);
    if (!m_temPontos)
        update();
    m_temPontos = true;
}

void CamadaPassageira::limparPontos() {
    if (!m_temPontos)
        return;
    m_pontos.fill(Qt::transparent);
    m_ecra.limpar(Qt::transparent);
    m_temPontos = false;
    m_anterior.esquecer();
    update();
}

void CamadaPassageira::mostrarLeitura(const QString& texto, const QPoint& ponteiro) {
    const QRect antes = m_caixa;
    m_leitura = texto;
    m_ponteiro = ponteiro - pos();
    m_caixa = caixaDaLeitura();
    update(antes.united(m_caixa));
    descreverQuadro();
}

void CamadaPassageira::esconderLeitura() {
    if (m_leitura.isEmpty())
        return;
    update(m_caixa);
    m_leitura.clear();
    m_caixa = QRect();
    descreverQuadro();
}

void CamadaPassageira::mostrarNota(const QString& texto) {
    update(caixaDaNota());
    m_nota = texto;
    update(caixaDaNota());
    descreverQuadro();
}

void CamadaPassageira::esconderNota() {
    if (m_nota.isEmpty())
        return;
    update(caixaDaNota());
    m_nota.clear();
    descreverQuadro();
}

void CamadaPassageira::descreverQuadro() {
    m_quadro.setAccessibleDescription(m_leitura.isEmpty() ? m_nota : m_leitura);
}

QRect CamadaPassageira::caixaDaNota() const {
    if (m_nota.isEmpty())
        return {};
    const int margem = escalado(kMargemNota), dentro = escalado(kMargemTexto);
    const int largura =
        std::max(1, width() / 2 - escalado(kLargoDosNumerosY) - margem - 2 * dentro - escalado(2));
    const QRect texto = fontMetrics().boundingRect(QRect(0, 0, largura, height()),
                                                   Qt::TextWordWrap | Qt::AlignLeft, m_nota);
    return {margem, margem, texto.width() + 2 * dentro + escalado(2), texto.height() + 2 * dentro};
}

QRect CamadaPassageira::caixaDaLeitura() const {
    if (m_leitura.isEmpty())
        return {};
    // The text is not laid out again at every move of the pointer: its characters' widths add.
    int largura = 0;
    for (const QChar c : m_leitura)
        largura += larguraDe(c);
    const int dentro = escalado(kMargemTexto);
    const QPoint afastamento(escalado(kAfastamento.x()), escalado(kAfastamento.y()));
    const QSize texto(largura + escalado(2), m_medidas.height());
    QRect caixa(m_ponteiro + afastamento, texto + QSize(2 * dentro, 2 * dentro));
    // Near the right or bottom edge it goes to the other side of the pointer.
    if (caixa.right() >= width())
        caixa.moveRight(m_ponteiro.x() - afastamento.x());
    if (caixa.bottom() >= height())
        caixa.moveBottom(m_ponteiro.y() - dentro);
    caixa.moveLeft(std::max(0, caixa.left()));
    caixa.moveTop(std::max(0, caixa.top()));
    return caixa;
}

int CamadaPassageira::larguraDe(QChar c) const {
    if (c.unicode() >= m_larguras.size())
        return m_medidas.horizontalAdvance(c);
    int& largura = m_larguras[c.unicode()];
    if (largura < 0)
        largura = m_medidas.horizontalAdvance(c);
    return largura;
}

void CamadaPassageira::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pintor(this);
    if (m_temPontos)
        pintarPontos(pintor);
    const int borda = escalado(1), dentro = escalado(kMargemTexto);
    if (!m_nota.isEmpty())
        desenharCaixa(pintor, caixaDaNota(), m_nota, Qt::AlignLeft | Qt::TextWordWrap, borda,
                      dentro);
    if (!m_leitura.isEmpty())
        desenharCaixa(pintor, m_caixa, m_leitura, Qt::AlignCenter, borda, dentro);
}

// Where a pixel of the picture is one device pixel the preview's own pixels show; elsewhere
// its dots drawn again at the screen's resolution.
void CamadaPassageira::pintarPontos(QPainter& pintor) {
    const double densidade = devicePixelRatioF();
    const QSizeF dispositivo(width() * densidade, height() * densidade);
    m_ecra.definirTamanho(QSize(static_cast<int>(std::ceil(dispositivo.width())),
                                static_cast<int>(std::ceil(dispositivo.height()))),
                          dispositivo.width() / m_pontos.width(),
                          dispositivo.height() / m_pontos.height(), Qt::transparent);
    if (!m_ecra.activa())
        pintor.drawImage(0, 0, m_pontos);
    else
        pintor.drawImage(QRectF(rect()), m_ecra.imagem(), QRectF(QPointF(), dispositivo));
}
