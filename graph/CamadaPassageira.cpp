#include "CamadaPassageira.h"

#include "Quadro.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// The readout sits below and right of the pointer, clear of its arrow.
const QPoint kAfastamento(12, 16);
constexpr int kMargemTexto = 3;
// The note stands in the top-left corner of the picture, so narrow that with the usual window
// it keeps clear of the y axis, its name and its numbers (which reach 18 pixels left of it).
constexpr int kMargemNota = 8;
constexpr int kLargoDosNumerosY = 24;

void desenharCaixa(QPainter& pintor, const QRect& caixa, const QString& texto, int alinhamento) {
    pintor.setPen(QColor(90, 90, 90));
    pintor.setBrush(QColor(255, 255, 225));
    pintor.drawRect(caixa.adjusted(0, 0, -1, -1));
    pintor.setPen(Qt::black);
    pintor.drawText(caixa.adjusted(kMargemTexto, kMargemTexto, -kMargemTexto, -kMargemTexto),
                    alinhamento, texto);
}

} // namespace

CamadaPassageira::CamadaPassageira(Quadro& quadro)
    : QWidget(&quadro), m_quadro(quadro), m_medidas(font()) {
    m_larguras.fill(-1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    m_quadro.installEventFilter(this);
    connect(&m_quadro, &Quadro::limpo, this, &CamadaPassageira::limparPontos);
    connect(&m_quadro, &Quadro::limpo, this, &CamadaPassageira::esconderNota);
    acompanharQuadro();
}

void CamadaPassageira::acompanharQuadro() {
    const QSize interior(m_quadro.larguraInterior(), m_quadro.alturaInterior());
    setGeometry(QRect(QPoint(Quadro::kBorda, Quadro::kBorda), interior));
    if (m_pontos.size() != interior) {
        m_pontos = QImage(interior, QImage::Format_ARGB32_Premultiplied);
        m_pontos.fill(Qt::transparent);
        m_temPontos = false;
    }
    raise();
}

bool CamadaPassageira::eventFilter(QObject* objecto, QEvent* evento) {
    if (objecto == &m_quadro && evento->type() == QEvent::Resize)
        acompanharQuadro();
    if (objecto == &m_quadro && evento->type() == QEvent::MouseButtonPress)
        esconderNota();
    return QWidget::eventFilter(objecto, evento);
}

void CamadaPassageira::ponto(float x, float y, QRgb cor) {
    const double px = m_quadro.pixelX(x), py = m_quadro.pixelY(y);
    if (!(px >= 0 && px < m_pontos.width() && py >= 0 && py < m_pontos.height()))
        return;
    m_pontos.setPixel(static_cast<int>(px), static_cast<int>(py), cor | 0xFF000000U);
    if (!m_temPontos)
        update();
    m_temPontos = true;
}

void CamadaPassageira::limparPontos() {
    if (!m_temPontos)
        return;
    m_pontos.fill(Qt::transparent);
    m_temPontos = false;
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
    const int largura =
        std::max(1, width() / 2 - kLargoDosNumerosY - kMargemNota - 2 * kMargemTexto - 2);
    const QRect texto = fontMetrics().boundingRect(QRect(0, 0, largura, height()),
                                                   Qt::TextWordWrap | Qt::AlignLeft, m_nota);
    return {kMargemNota, kMargemNota, texto.width() + 2 * kMargemTexto + 2,
            texto.height() + 2 * kMargemTexto};
}

QRect CamadaPassageira::caixaDaLeitura() const {
    if (m_leitura.isEmpty())
        return {};
    // The text is not laid out again at every move of the pointer: its characters' widths add.
    int largura = 0;
    for (const QChar c : m_leitura)
        largura += larguraDe(c);
    const QSize texto(largura + 2, m_medidas.height());
    QRect caixa(m_ponteiro + kAfastamento, texto + QSize(2 * kMargemTexto, 2 * kMargemTexto));
    // Near the right or bottom edge it goes to the other side of the pointer.
    if (caixa.right() >= width())
        caixa.moveRight(m_ponteiro.x() - kAfastamento.x());
    if (caixa.bottom() >= height())
        caixa.moveBottom(m_ponteiro.y() - kMargemTexto);
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
        pintor.drawImage(0, 0, m_pontos);
    if (!m_nota.isEmpty())
        desenharCaixa(pintor, caixaDaNota(), m_nota, Qt::AlignLeft | Qt::TextWordWrap);
    if (!m_leitura.isEmpty())
        desenharCaixa(pintor, m_caixa, m_leitura, Qt::AlignCenter);
}
