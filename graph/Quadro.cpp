// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Quadro.h"

#include "CarimboRedondo.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Pixel coordinates further out than this are never drawn; clipping keeps them finite.
constexpr double kLimitePixel = 1.0e6;

// Glyphs may reach this many pixels beyond the line of their text.
constexpr int kFolgaTinta = 2;

// Fonts are sized for the 96 dots per inch the windows are laid out for.
int pontosParaPixels(double pontos) {
    return std::max(1, static_cast<int>(std::lround(pontos * 96.0 / 72.0)));
}

// The largest integer not above a value within ±kLimitePixel, without a call to floor.
int piso(double valor) {
    const int inteiro = static_cast<int>(valor);
    return inteiro - (valor < inteiro ? 1 : 0);
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
    const QImage& curvas = imagemDasCurvas();
    if (!m_porCima)
        return curvas;
    m_comPorCima = curvas.copy();
    QPainter pintor(&m_comPorCima);
    m_porCima(pintor);
    return m_comPorCima;
}

void Quadro::definirPorCima(std::function<void(QPainter&)> desenho) {
    m_porCima = std::move(desenho);
    m_comPorCima = QImage();
    update();
}

const QImage& Quadro::imagemDasCurvas() const {
    m_pixels = nullptr;
    if (m_porBaixo.empty())
        return m_imagem;
    // The curve shows through wherever the picture has only its background.
    m_composta = m_imagem.copy();
    const QRgb fundo = m_fundo.rgb();
    for (const QPointF& p : m_porBaixo) {
        const int px = static_cast<int>(p.x()), py = static_cast<int>(p.y());
        if (m_composta.valid(px, py) && m_composta.pixel(px, py) == fundo)
            m_composta.setPixel(px, py, m_corPorBaixo);
    }
    return m_composta;
}

void Quadro::definirPorBaixo(std::vector<QPointF> pontos, QRgb cor) {
    m_porBaixo = std::move(pontos);
    m_corPorBaixo = cor;
    m_ecra.definirPorBaixo(m_porBaixo, cor, m_fundo);
    marcarAlterado();
    emit porBaixoMudou();
}

void Quadro::pintar(QPainter& pintor, double k, double ampliacao) const {
    if (ampliacao == 1 && aPixelInteiro(pintor, k)) {
        pintor.drawImage(QPointF(0, 0), imagem());
        return;
    }
    pintor.fillRect(QRectF(0, 0, m_largura0 * k, m_altura0 * k), m_fundo);
    m_ecra.pintar(pintor, k, m_fundo, ampliacao);
}

bool Quadro::aPixelInteiro(const QPainter& pintor, double k) {
    // A picture of the same pixels, placed on whole pixels: the image itself is that drawing.
    const QTransform& t = pintor.transform();
    return k == 1 && pintor.device() && pintor.device()->devType() == QInternal::Image &&
           t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

void Quadro::limpar() {
    m_pixels = nullptr;
    m_porBaixo.clear();
    m_composta = QImage();
    m_porCima = nullptr;
    m_comPorCima = QImage();
    m_imagem.fill(m_fundo);
    m_ecra.limpar(m_fundo);
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
            if (x >= 0 && x < m_largura0)
                linha[x] = cor;
        }
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
    m_ecra.linha(ax, ay, bx, by, m_largura, cor);
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
        m_ecra.ponto(px, py, 1, cor);
    } else {
        // Only a dot that reaches the image is drawn, and kept for the screen.
        if (!(px > -m_largura && px < m_largura0 && py > -m_largura && py < m_altura0))
            return;
        m_pixels = nullptr;
        pintarPixel(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)), cor);
        m_ecra.ponto(px, py, m_largura, cor);
    }
    marcarAlterado();
}

void Quadro::disco(float x, float y, int diametro, QRgb cor) {
    const double px = pixelX(x), py = pixelY(y);
    const double alcance = diametro / 2.0 + 1;
    if (!(px > -alcance && px < m_largura0 + alcance && py > -alcance && py < m_altura0 + alcance))
        return;
    if (!m_carimbo || diametro != m_diametroCarimbo) {
        m_carimbo = std::make_shared<const CarimboRedondo>(diametro);
        m_diametroCarimbo = diametro;
    }
    m_pixels = nullptr;
    m_carimbo->carimbar(m_imagem, QPointF(px, py), cor);
    // The screen centres a dot of its width half a width less one pixel past its corner.
    const double desvio = (diametro - 1) / 2.0;
    m_ecra.ponto(px - desvio, py - desvio, diametro, cor);
    marcarAlterado();
}

void Quadro::circulo(float x, float y, double raio, QRgb cor, bool cheio) {
    const double px = pixelX(x), py = pixelY(y);
    const double alcance = raio + 1;
    if (!(px > -alcance && px < m_largura0 + alcance && py > -alcance && py < m_altura0 + alcance))
        return;
    m_pixels = nullptr;
    const QPointF centro(std::floor(px) + 0.5, std::floor(py) + 0.5);
    {
        QPainter pintor(&m_imagem);
        ImagemNoEcra::pintarCirculo(pintor, centro, raio, 1, cor, cheio ? cor : m_fundo.rgb());
    }
    m_ecra.circulo(centro, raio, cor, cheio, m_fundo);
    marcarAlterado();
}

void Quadro::posicao(float x, float y) {
    m_posX = x;
    m_posY = y;
}

const QFont& Quadro::fonteActual() const {
    if (!m_fonte) {
        // No font called "symbol" is assumed: its Greek letters come from a serif font instead.
        QFont fonte(eSimbolo(m_nomeFonte) ? QStringLiteral("MS Serif") : m_nomeFonte);
        fonte.setPixelSize(pontosParaPixels(m_tamanhoFonte));
        fonte.setBold(m_negrito);
        fonte.setStyleStrategy(QFont::PreferAntialias);
        const QFontMetrics medidas(fonte);
        m_ascendente = medidas.ascent();
        m_alturaLinha = medidas.height();
        m_fonte = fonte;
    }
    return *m_fonte;
}

void Quadro::nomeFonte(const QString& nome) {
    m_nomeFonte = nome;
    m_fonte.reset();
}

void Quadro::tamanhoFonte(double pontos) {
    m_tamanhoFonte = pontos;
    m_fonte.reset();
}

void Quadro::negrito(bool sim) {
    m_negrito = sim;
    m_fonte.reset();
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
    m_fonte.reset();
}

std::optional<QPoint> Quadro::cantoDoTexto(float x, float y) const {
    const double px = pixelX(x), py = pixelY(y);
    if (!(px > -kLimitePixel && px < kLimitePixel && py > -kLimitePixel && py < kLimitePixel))
        return std::nullopt;
    const QPoint canto(piso(px), piso(py));
    // A line of text wholly above, below or right of the picture leaves nothing on it.
    if (!m_fonte)
        fonteActual();
    if (canto.y() >= m_altura0 + kFolgaTinta || canto.y() + m_alturaLinha <= -kFolgaTinta ||
        canto.x() >= m_largura0 + kFolgaTinta)
        return std::nullopt;
    return canto;
}

void Quadro::imprimir(const QString& texto) {
    imprimir(std::vector<TextoNoQuadro>{{m_posX, m_posY, texto}});
}

void Quadro::imprimir(const std::vector<TextoNoQuadro>& textos) {
    if (textos.empty())
        return;
    const QFont& fonte = fonteActual();
    std::vector<ImagemNoEcra::TextoColocado> colocados;
    colocados.reserve(textos.size());
    for (const TextoNoQuadro& t : textos)
        if (const auto canto = cantoDoTexto(t.x, t.y))
            colocados.push_back(
                {textoVisivel(t.texto), QPointF(canto->x(), canto->y() + m_ascendente)});
    posicao(textos.back().x, textos.back().y);
    if (colocados.empty())
        return;
    m_pixels = nullptr;
    {
        QPainter pintor(&m_imagem);
        pintor.setFont(fonte);
        pintor.setPen(m_frente);
        for (const ImagemNoEcra::TextoColocado& t : colocados)
            pintor.drawText(t.linhaDeBase, t.texto);
    }
    // On the screen the glyphs are drawn at its resolution, not enlarged from the picture.
    m_ecra.textos(colocados, fonte, m_frente.rgb());
    marcarAlterado();
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
    QPainter pintor(this);
    pintarMoldura(pintor);
    m_pixels = nullptr;
    const QRectF interior = interiorNoEcra();
    const QImage& ecra = imagemNoEcra();
    if (!m_ecra.activa()) {
        pintor.drawImage(interior.topLeft(), ecra);
    } else {
        // The screen image holds the inside's device pixels one for one.
        const double densidade = devicePixelRatioF();
        pintor.drawImage(interior, ecra,
                         QRectF(0, 0, interior.width() * densidade, interior.height() * densidade));
    }
    pintarPorCima(pintor);
}

// The drawing over the picture, at the screen's scale, so that its texts stay sharp.
void Quadro::pintarPorCima(QPainter& pintor) const {
    if (!m_porCima)
        return;
    const QRectF interior = interiorNoEcra();
    const QSizeF lado = pixelNoEcra();
    pintor.save();
    pintor.setClipRect(interior);
    pintor.translate(interior.topLeft());
    pintor.scale(lado.width(), lado.height());
    m_porCima(pintor);
    pintor.restore();
}

// A sunken border of two rings, each half the border's width: dark grey above and left and white
// below and right outside; black and light grey inside.
void Quadro::pintarMoldura(QPainter& pintor) const {
    const int borda = bordaEcra(), fora = borda / 2;
    const auto anel = [&](const QRect& r, int espessura, const QColor& claro,
                          const QColor& escuro) {
        pintor.fillRect(QRect(r.left(), r.top(), r.width(), espessura), escuro);
        pintor.fillRect(QRect(r.left(), r.top(), espessura, r.height()), escuro);
        pintor.fillRect(QRect(r.left(), r.bottom() + 1 - espessura, r.width(), espessura), claro);
        pintor.fillRect(QRect(r.right() + 1 - espessura, r.top(), espessura, r.height()), claro);
    };
    anel(rect(), fora, Qt::white, QColor(128, 128, 128));
    anel(rect().adjusted(fora, fora, -fora, -fora), borda - fora, QColor(212, 208, 200), Qt::black);
}

int Quadro::bordaEcra() const {
    return std::max(2, static_cast<int>(std::lround(kBorda * m_escalaEcra)));
}

QRectF Quadro::interiorNoEcra() const {
    const int borda = bordaEcra();
    return QRectF(borda, borda, std::max(1, width() - 2 * borda),
                  std::max(1, height() - 2 * borda));
}

QSizeF Quadro::pixelNoEcra() const {
    const QRectF interior = interiorNoEcra();
    return {interior.width() / m_largura0, interior.height() / m_altura0};
}

QPointF Quadro::modeloParaEcra(QPointF pixel) const {
    const QSizeF lado = pixelNoEcra();
    const int borda = bordaEcra();
    return {borda + pixel.x() * lado.width(), borda + pixel.y() * lado.height()};
}

QPointF Quadro::ecraParaModelo(QPointF posicao) const {
    const QSizeF lado = pixelNoEcra();
    const int borda = bordaEcra();
    return {(posicao.x() - borda) / lado.width(), (posicao.y() - borda) / lado.height()};
}

void Quadro::definirEscalaEcra(double escala) {
    if (escala == m_escalaEcra || !(escala > 0))
        return;
    m_escalaEcra = escala;
    update();
    emit ecraMudou();
}

const QImage& Quadro::imagemNoEcra() const {
    actualizarEcra();
    return m_ecra.activa() ? m_ecra.imagem() : imagemDasCurvas();
}

// The screen image follows the widget's inside and the screen's density whenever it is looked
// at; it is drawn again from its record only when one of them has changed.
void Quadro::actualizarEcra() const {
    const double densidade = devicePixelRatioF();
    const QSizeF interior = interiorNoEcra().size();
    const double kx = interior.width() * densidade / m_largura0;
    const double ky = interior.height() * densidade / m_altura0;
    const QSize dispositivo(static_cast<int>(std::ceil(interior.width() * densidade)),
                            static_cast<int>(std::ceil(interior.height() * densidade)));
    m_ecra.definirTamanho(dispositivo, kx, ky, m_fundo);
}

void Quadro::colocar(const QRect& geometria) {
    setGeometry(geometria);
    ajustarImagem(geometria.size());
}

void Quadro::resizeEvent(QResizeEvent* /*evento*/) {
    emit ecraMudou();
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
}

void Quadro::hideEvent(QHideEvent* evento) {
    QWidget::hideEvent(evento);
    if (!m_persistente)
        limpar();
}
