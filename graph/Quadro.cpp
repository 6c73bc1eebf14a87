#include "Quadro.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {

// Pixel coordinates further out than this are never drawn; clipping keeps them finite.
constexpr double kLimitePixel = 1.0e6;

// Fonts are sized for the 96 dots per inch the windows are laid out for.
int pontosParaPixels(double pontos) {
    return std::max(1, static_cast<int>(std::lround(pontos * 96.0 / 72.0)));
}

bool eSimbolo(const QString& nome) {
    return nome.compare(QStringLiteral("symbol"), Qt::CaseInsensitive) == 0;
}

// Clips the segment to [lo, hi] in both directions (Liang-Barsky); false when nothing is left.
bool recortar(double& x1, double& y1, double& x2, double& y2, double lo, double hiX, double hiY) {
    const double dx = x2 - x1, dy = y2 - y1;
    // Lines along an axis (the axes and marks) are clipped exactly, however far their ends.
    if (dx == 0 || dy == 0) {
        if (std::max(x1, x2) < lo || std::min(x1, x2) > hiX || std::max(y1, y2) < lo ||
            std::min(y1, y2) > hiY)
            return false;
        x1 = std::clamp(x1, lo, hiX);
        x2 = std::clamp(x2, lo, hiX);
        y1 = std::clamp(y1, lo, hiY);
        y2 = std::clamp(y2, lo, hiY);
        return true;
    }
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - lo, hiX - x1, y1 - lo, hiY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    // Far ends lose precision in the interpolation: every end is kept inside the box.
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    x1 = std::clamp(x1, lo, hiX);
    x2 = std::clamp(x2, lo, hiX);
    y1 = std::clamp(y1, lo, hiY);
    y2 = std::clamp(y2, lo, hiY);
    return true;
}

} // namespace

Quadro::Quadro(QWidget* pai) : QWidget(pai), m_imagem(1, 1, QImage::Format_RGB32) {
    m_imagem.fill(m_fundo);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void Quadro::definirPersistente(bool persistente) {
    m_persistente = persistente;
}

const QImage& Quadro::imagem() const {
    m_pixels = nullptr;
    return m_imagem;
}

void Quadro::limpar() {
    m_pixels = nullptr;
    m_imagem.fill(m_fundo);
    if (!m_ecra.isNull())
        m_ecra.fill(m_fundo);
    marcarAlterado();
    emit limpo();
}

void Quadro::escalaPixel() {
    escala(0, 0, larguraInterior(), alturaInterior());
}

void Quadro::escala(double x1, double y1, double x2, double y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    calcularFactores();
}

void Quadro::calcularFactores() {
    m_fx = m_largura0 / (m_x2 - m_x1);
    m_fy = m_altura0 / (m_y2 - m_y1);
}

bool Quadro::dentroX(double x, double folga) const {
    const double px = pixelX(x);
    return px >= -folga && px < larguraInterior() + folga;
}

bool Quadro::dentroY(double y, double folga) const {
    const double py = pixelY(y);
    return py >= -folga && py < alturaInterior() + folga;
}

void Quadro::pintarPixel(int px, int py, QRgb cor) {
    // A dot of the draw width is a square whose top-left pixel is the point itself.
    for (int dy = 0; dy < m_largura; ++dy) {
        const int y = py + dy;
        if (y < 0 || y >= m_altura0)
            continue;
        auto* linha = reinterpret_cast<QRgb*>(m_imagem.scanLine(y));
        for (int dx = 0; dx < m_largura; ++dx) {
            const int x = px + dx;
            if (x >= 0 && x < m_largura0) {
                linha[x] = cor;
                if (!m_ecra.isNull())
                    pintarNoEcra(x, y, cor);
            }
        }
    }
}

// A pixel of the picture covers the device pixels from its edge times the density to the next
// edge times the density.
void Quadro::pintarNoEcra(int px, int py, QRgb cor) {
    const int x0 = static_cast<int>(px * m_densidade),
              x1 = static_cast<int>((px + 1) * m_densidade);
    const int y0 = static_cast<int>(py * m_densidade),
              y1 = static_cast<int>((py + 1) * m_densidade);
    const int largura = m_ecra.width(), altura = m_ecra.height();
    for (int y = std::max(0, y0); y < std::min(y1, altura); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(m_ecra.scanLine(y));
        for (int x = std::max(0, x0); x < std::min(x1, largura); ++x)
            linha[x] = cor;
    }
}

void Quadro::linha(float x1, float y1, float x2, float y2) {
    double ax = pixelX(x1), ay = pixelY(y1), bx = pixelX(x2), by = pixelY(y2);
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
        return;
    // Only what can reach the image is walked, so a line far outside costs nothing.
    const double margem = m_largura + 1;
    if (!recortar(ax, ay, bx, by, -margem, larguraInterior() + margem, alturaInterior() + margem))
        return;
    m_pixels = nullptr;
    int x0 = static_cast<int>(std::floor(ax)), y0 = static_cast<int>(std::floor(ay));
    const int xf = static_cast<int>(std::floor(bx)), yf = static_cast<int>(std::floor(by));
    const QRgb cor = m_frente.rgb();
    const int dx = std::abs(xf - x0), sx = x0 < xf ? 1 : -1;
    const int dy = -std::abs(yf - y0), sy = y0 < yf ? 1 : -1;
    int erro = dx + dy;
    for (;;) {
        pintarPixel(x0, y0, cor);
        if (x0 == xf && y0 == yf)
            break;
        const int e2 = 2 * erro;
        if (e2 >= dy) {
            erro += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            erro += dx;
            y0 += sy;
        }
    }
    marcarAlterado();
}

void Quadro::pontoGeral(double px, double py, QRgb cor) {
    if (m_largura == 1 && px >= 0 && px < m_largura0 && py >= 0 && py < m_altura0) {
        // Direct access to the pixels is taken here, once, for the dots that follow.
        m_pixels = reinterpret_cast<QRgb*>(m_imagem.bits());
        m_pixelsPorLinha = m_imagem.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        m_pixels[static_cast<qsizetype>(py) * m_pixelsPorLinha + static_cast<int>(px)] = cor;
        if (!m_ecra.isNull())
            pintarNoEcra(static_cast<int>(px), static_cast<int>(py), cor);
    } else {
        if (!(px > -kLimitePixel && px < kLimitePixel && py > -kLimitePixel && py < kLimitePixel))
            return;
        m_pixels = nullptr;
        pintarPixel(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)), cor);
    }
    marcarAlterado();
}

void Quadro::posicao(float x, float y) {
    m_posX = x;
    m_posY = y;
}

QFont Quadro::fonteActual() const {
    // No font called "symbol" is assumed: its Greek letters come from a serif font instead.
    QFont fonte(eSimbolo(m_nomeFonte) ? QStringLiteral("MS Serif") : m_nomeFonte);
    fonte.setPixelSize(pontosParaPixels(m_tamanhoFonte));
    fonte.setBold(m_negrito);
    fonte.setStyleStrategy(QFont::PreferAntialias);
    return fonte;
}

QString Quadro::textoVisivel(const QString& texto) const {
    QString visivel = texto;
    if (eSimbolo(m_nomeFonte))
        visivel.replace(QLatin1Char('p'), QChar(0x03C0));
    return visivel;
}

QSize Quadro::tamanhoTexto(const QString& texto) const {
    const QFontMetrics medidas(fonteActual());
    return {medidas.horizontalAdvance(textoVisivel(texto)), medidas.height()};
}

void Quadro::definirEstilo(const EstiloTexto& estilo) {
    m_nomeFonte = estilo.nome;
    m_tamanhoFonte = estilo.tamanho;
    m_negrito = estilo.negrito;
}

void Quadro::imprimir(const QString& texto) {
    const double px = pixelX(m_posX), py = pixelY(m_posY);
    if (!(px > -kLimitePixel && px < kLimitePixel && py > -kLimitePixel && py < kLimitePixel))
        return;
    const QString visivel = textoVisivel(texto);
    const QFont fonte = fonteActual();
    m_pixels = nullptr;
    const QPointF linhaDeBase(std::floor(px), std::floor(py) + QFontMetrics(fonte).ascent());
    desenharTexto(m_imagem, fonte, linhaDeBase, visivel);
    // On a dense screen the glyphs are drawn at its density, not enlarged from the picture.
    if (!m_ecra.isNull())
        desenharTexto(m_ecra, fonte, linhaDeBase, visivel);
    marcarAlterado();
}

void Quadro::desenharTexto(QImage& destino, const QFont& fonte, QPointF linhaDeBase,
                           const QString& texto) const {
    QPainter pintor(&destino);
    pintor.setFont(fonte);
    pintor.setPen(m_frente);
    pintor.drawText(linhaDeBase, texto);
}

void Quadro::larguraTraco(int pixels) {
    m_largura = std::clamp(pixels, 1, 1000);
}

void Quadro::corFundo(const QColor& cor) {
    m_fundo = cor;
    limpar();
}

void Quadro::marcarAlterado() {
    // One pending repaint is enough however many dots are set before it happens.
    if (!m_pinturaPendente && isVisible()) {
        m_pinturaPendente = true;
        update();
    }
}

void Quadro::paintEvent(QPaintEvent* /*evento*/) {
    m_pinturaPendente = false;
    // Moved to a screen of another density: the picture is shown at the new one from now on.
    if (devicePixelRatioF() != m_densidade)
        prepararEcra();
    QPainter pintor(this);
    const QRect fora = rect();
    // A sunken border: dark grey and black outside, light grey and white inside.
    pintor.setPen(QColor(128, 128, 128));
    pintor.drawLine(fora.topLeft(), fora.topRight());
    pintor.drawLine(fora.topLeft(), fora.bottomLeft());
    pintor.setPen(Qt::white);
    pintor.drawLine(fora.bottomLeft(), fora.bottomRight());
    pintor.drawLine(fora.topRight(), fora.bottomRight());
    const QRect dentro = fora.adjusted(1, 1, -1, -1);
    pintor.setPen(Qt::black);
    pintor.drawLine(dentro.topLeft(), dentro.topRight());
    pintor.drawLine(dentro.topLeft(), dentro.bottomLeft());
    pintor.setPen(QColor(212, 208, 200));
    pintor.drawLine(dentro.bottomLeft(), dentro.bottomRight());
    pintor.drawLine(dentro.topRight(), dentro.bottomRight());
    m_pixels = nullptr;
    pintor.drawImage(kBorda, kBorda, imagemNoEcra());
}

void Quadro::colocar(const QRect& geometria) {
    setGeometry(geometria);
    ajustarImagem(geometria.size());
}

void Quadro::resizeEvent(QResizeEvent* evento) {
    ajustarImagem(evento->size());
}

void Quadro::ajustarImagem(const QSize& tamanho) {
    const QSize interior(std::max(1, tamanho.width() - 2 * kBorda),
                         std::max(1, tamanho.height() - 2 * kBorda));
    if (interior == m_imagem.size())
        return;
    QImage nova(interior, QImage::Format_RGB32);
    nova.fill(m_fundo);
    if (!m_imagem.isNull()) {
        QPainter pintor(&nova);
        pintor.drawImage(0, 0, m_imagem);
    }
    m_pixels = nullptr;
    m_imagem = nova;
    m_largura0 = interior.width();
    m_altura0 = interior.height();
    calcularFactores();
    prepararEcra();
}

// What was drawn so far is carried over enlarged; everything drawn from now on is drawn at the
// screen's density.
void Quadro::prepararEcra() {
    m_densidade = devicePixelRatioF();
    if (m_densidade == 1) {
        m_ecra = QImage();
        return;
    }
    const QSize tamanho(static_cast<int>(std::ceil(m_largura0 * m_densidade)),
                        static_cast<int>(std::ceil(m_altura0 * m_densidade)));
    m_ecra = m_imagem.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_ecra.setDevicePixelRatio(m_densidade);
}

void Quadro::hideEvent(QHideEvent* evento) {
    QWidget::hideEvent(evento);
    if (!m_persistente)
        limpar();
}
