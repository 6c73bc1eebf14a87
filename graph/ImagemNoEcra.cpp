// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImagemNoEcra.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

int arredondar(double valor) {
    return static_cast<int>(std::lround(valor));
}

} // namespace

void ImagemNoEcra::definirTamanho(QSize dispositivo, double kx, double ky, const QColor& fundo) {
    if (kx == 1 && ky == 1) {
        m_imagem = QImage();
        m_kx = m_ky = 1;
        return;
    }
    if (dispositivo == m_imagem.size() && kx == m_kx && ky == m_ky)
        return;
    m_kx = kx;
    m_ky = ky;
    m_carimbos.clear();
    m_imagem = QImage(dispositivo, m_formato);
    redesenhar(fundo);
}

void ImagemNoEcra::limpar(const QColor& fundo) {
    m_registo.clear();
    m_porBaixo.clear();
    m_palavras.clear();
    m_fontes.clear();
    if (activa())
        m_imagem.fill(fundo);
}

void ImagemNoEcra::redesenhar(const QColor& fundo) {
    m_imagem.fill(fundo);
    for (const Traco& traco : m_porBaixo)
        desenharPonto(traco);
    // Lines in a row share one painter, texts in a row one painter at the screen's scale and
    // their font; dots go straight to the pixels.
    std::optional<QPainter> pintor;
    std::optional<Tipo> tipoDoPintor;
    std::optional<quint32> fonte;
    for (const Traco& traco : m_registo) {
        if (traco.tipo == Tipo::Ponto) {
            pintor.reset();
            desenharPonto(traco);
            continue;
        }
        if (traco.tipo != tipoDoPintor || !pintor) {
            pintor.emplace(&m_imagem);
            tipoDoPintor = traco.tipo;
            fonte.reset();
            if (traco.tipo == Tipo::Texto)
                pintor->scale(m_kx, m_ky);
        }
        if (traco.tipo == Tipo::Linha)
            desenharLinha(traco, *pintor);
        else if (traco.tipo == Tipo::Circulo)
            desenharCirculo(traco, *pintor, fundo);
        else
            desenharTexto(traco, *pintor, fonte);
    }
}

void ImagemNoEcra::definirPorBaixo(const std::vector<QPointF>& pontos, QRgb cor,
                                   const QColor& fundo) {
    m_porBaixo.clear();
    m_porBaixo.reserve(pontos.size());
    for (const QPointF& p : pontos)
        m_porBaixo.push_back(
            {Tipo::Ponto, 1, cor, static_cast<float>(p.x()), static_cast<float>(p.y()), 0, 0, 0});
    if (activa())
        redesenhar(fundo);
}

void ImagemNoEcra::ponto(double px, double py, int largura, QRgb cor) {
    const Traco traco{Tipo::Ponto,
                      static_cast<quint8>(std::clamp(largura, 1, 255)),
                      cor,
                      static_cast<float>(px),
                      static_cast<float>(py),
                      0,
                      0,
                      0};
    m_registo.push_back(traco);
    if (activa())
        desenharPonto(traco);
}

void ImagemNoEcra::linha(double ax, double ay, double bx, double by, int largura, QRgb cor) {
    const Traco traco{Tipo::Linha,
                      static_cast<quint8>(std::clamp(largura, 1, 255)),
                      cor,
                      static_cast<float>(ax),
                      static_cast<float>(ay),
                      static_cast<float>(bx),
                      static_cast<float>(by),
                      0};
    m_registo.push_back(traco);
    if (activa()) {
        QPainter pintor(&m_imagem);
        desenharLinha(traco, pintor);
    }
}

void ImagemNoEcra::textos(const std::vector<TextoColocado>& textos, const QFont& fonte, QRgb cor) {
    if (m_fontes.empty() || !(m_fontes.back() == fonte))
        m_fontes.push_back(fonte);
    const auto indiceFonte = static_cast<quint32>(m_fontes.size() - 1);
    const std::size_t primeiro = m_registo.size();
    for (const TextoColocado& t : textos) {
        m_palavras.push_back({t.texto, indiceFonte});
        m_registo.push_back({Tipo::Texto, 1, cor, static_cast<float>(t.linhaDeBase.x()),
                             static_cast<float>(t.linhaDeBase.y()), 0, 0,
                             static_cast<quint32>(m_palavras.size() - 1)});
    }
    if (!activa())
        return;
    QPainter pintor(&m_imagem);
    pintor.scale(m_kx, m_ky);
    std::optional<quint32> fontePintor;
    for (std::size_t i = primeiro; i < m_registo.size(); ++i)
        desenharTexto(m_registo[i], pintor, fontePintor);
}

// The picture sets the pixel that holds the point, and a wider dot covers the square of its
// width from there: on the screen the dot is centred where that square's centre would be for a
// point exactly in the middle of its pixel, so dots, lines and the picture agree on average.
void ImagemNoEcra::desenharPonto(const Traco& traco) {
    const double desvio = (traco.largura - 1) / 2.0;
    carimbo(traco.largura)
        .carimbar(m_imagem, QPointF((traco.x1 + desvio) * m_kx, (traco.y1 + desvio) * m_ky),
                  traco.cor);
}

const CarimboRedondo& ImagemNoEcra::carimbo(int largura) {
    auto existente = m_carimbos.find(largura);
    if (existente != m_carimbos.end())
        return existente->second;
    // A dot is never thinner than one device pixel, or a small window would lose its curves.
    return m_carimbos.emplace(largura, CarimboRedondo(largura * (m_kx + m_ky) / 2)).first->second;
}

// Lines along an axis (the axes and their marks) fill whole device pixels, so they stay crisp;
// other lines are anti-aliased. Both are centred where the dots on them would be.
void ImagemNoEcra::desenharLinha(const Traco& traco, QPainter& pintor) {
    pintarLinha(traco, pintor, m_kx, m_ky);
}

void ImagemNoEcra::pintarLinha(const Traco& traco, QPainter& pintor, double kx, double ky) {
    const double desvio = (traco.largura - 1) / 2.0;
    const double meia = traco.largura / 2.0;
    const double ax = traco.x1 + desvio, ay = traco.y1 + desvio;
    const double bx = traco.x2 + desvio, by = traco.y2 + desvio;
    const QColor cor = QColor::fromRgb(traco.cor);
    if (ax == bx || ay == by) {
        const bool horizontal = ay == by;
        // Along the line from end to end, ends included; across it, its width.
        const auto faixa = [&](double de, double ate, double k) {
            const int inicio = arredondar((std::min(de, ate) - meia) * k);
            const int fim = std::max(inicio + 1, arredondar((std::max(de, ate) + meia) * k));
            return std::pair{inicio, fim};
        };
        const auto atravessada = [&](double centro, double k) {
            const int espessura = std::max(1, arredondar(traco.largura * k));
            const int inicio = arredondar(centro * k - espessura / 2.0);
            return std::pair{inicio, inicio + espessura};
        };
        const auto [x0, x1] = horizontal ? faixa(ax, bx, kx) : atravessada(ax, kx);
        const auto [y0, y1] = horizontal ? atravessada(ay, ky) : faixa(ay, by, ky);
        pintor.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), cor);
        return;
    }
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(
        QPen(cor, std::max(1.0, traco.largura * (kx + ky) / 2), Qt::SolidLine, Qt::SquareCap));
    pintor.drawLine(QPointF(ax * kx, ay * ky), QPointF(bx * kx, by * ky));
    pintor.setRenderHint(QPainter::Antialiasing, false);
}

void ImagemNoEcra::desenharTexto(const Traco& traco, QPainter& pintor,
                                 std::optional<quint32>& fonte) {
    const Palavras& palavras = m_palavras[traco.palavras];
    // The picture's font at the screen's scale: the glyphs are drawn at the device's size.
    if (fonte != palavras.fonte) {
        pintor.setFont(m_fontes[palavras.fonte]);
        fonte = palavras.fonte;
    }
    pintor.setPen(QColor::fromRgb(traco.cor));
    pintor.drawText(QPointF(traco.x1, traco.y1), palavras.texto);
}

void ImagemNoEcra::circulo(QPointF centro, double raio, QRgb cor, bool cheio, const QColor& fundo) {
    const Traco traco{Tipo::Circulo,
                      1,
                      cor,
                      static_cast<float>(centro.x()),
                      static_cast<float>(centro.y()),
                      static_cast<float>(raio),
                      cheio ? 1.0F : 0.0F,
                      0};
    m_registo.push_back(traco);
    if (activa()) {
        QPainter pintor(&m_imagem);
        desenharCirculo(traco, pintor, fundo);
    }
}

void ImagemNoEcra::desenharCirculo(const Traco& traco, QPainter& pintor,
                                   const QColor& fundo) const {
    const double k = (m_kx + m_ky) / 2;
    pintarCirculo(pintor, QPointF(traco.x1 * m_kx, traco.y1 * m_ky), traco.x2 * k, std::max(1.0, k),
                  traco.cor, traco.y2 != 0 ? traco.cor : fundo.rgb());
}

void ImagemNoEcra::pintarCirculo(QPainter& pintor, QPointF centro, double raio, double traco,
                                 QRgb cor, QRgb interior) {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(QColor::fromRgb(cor), traco));
    pintor.setBrush(QColor::fromRgb(interior));
    // The pen straddles the outline: the ring's outer edge lies at the radius.
    const double r = std::max(0.5, raio - traco / 2);
    pintor.drawEllipse(centro, r, r);
    pintor.restore();
}

void ImagemNoEcra::pintar(QPainter& pintor, double k, const QColor& fundo, double ampliacao) const {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < m_porBaixo.size();)
        pintarPontos(m_porBaixo, i, pintor, k);
    for (std::size_t i = 0; i < m_registo.size();) {
        const Traco& traco = m_registo[i];
        if (traco.tipo == Tipo::Ponto) {
            pintarPontos(m_registo, i, pintor, k);
            continue;
        }
        if (traco.tipo == Tipo::Linha) {
            pintarLinha(traco, pintor, k, k);
            pintor.setRenderHint(QPainter::Antialiasing);
        } else if (traco.tipo == Tipo::Circulo) {
            const QRgb interior = traco.y2 != 0 ? traco.cor : fundo.rgb();
            pintarCirculo(pintor, QPointF(traco.x1 * k, traco.y1 * k), traco.x2 * k,
                          std::max(1.0, k), traco.cor, interior);
        } else {
            pintarTexto(traco, pintor, k * ampliacao, k);
        }
        ++i;
    }
    pintor.restore();
}

// A text `kTexto` units per pixel large, about the same centre as at `k`.
void ImagemNoEcra::pintarTexto(const Traco& traco, QPainter& pintor, double kTexto,
                               double k) const {
    const Palavras& palavras = m_palavras[traco.palavras];
    const QFont& fonte = m_fontes[palavras.fonte];
    const QFontMetricsF medidas(fonte);
    const QPointF meio(medidas.horizontalAdvance(palavras.texto) / 2,
                       (medidas.descent() - medidas.ascent()) / 2);
    pintor.save();
    pintor.translate((QPointF(traco.x1, traco.y1) + meio) * k);
    pintor.scale(kTexto, kTexto);
    pintor.setFont(fonte);
    pintor.setPen(QColor::fromRgb(traco.cor));
    pintor.drawText(-meio, palavras.texto);
    pintor.restore();
}

// The dots of one colour and width from `i` on: those closer than two pixels of the image to
// the one before are one stroke, as the eye joins them on the screen; a dot alone stays a dot.
void ImagemNoEcra::pintarPontos(const std::vector<Traco>& tracos, std::size_t& i, QPainter& pintor,
                                double k) {
    constexpr double kJunto = 2.0;
    const Traco& primeiro = tracos[i];
    const double largura = std::max(1.0, primeiro.largura * k);
    const double desvio = (primeiro.largura - 1) / 2.0;
    QPainterPath tracado;
    std::vector<QPointF> soltos;
    QPointF anterior, desenhado, inicio;
    int noTroco = 0;
    const auto fecharTroco = [&] {
        if (noTroco == 1)
            soltos.push_back(inicio);
        else if (desenhado != anterior)
            tracado.lineTo(anterior);
        noTroco = 0;
    };
    for (; i < tracos.size() && tracos[i].tipo == Tipo::Ponto && tracos[i].cor == primeiro.cor &&
           tracos[i].largura == primeiro.largura;
         ++i) {
        const QPointF p((tracos[i].x1 + desvio) * k, (tracos[i].y1 + desvio) * k);
        if (!(std::abs(p.x()) < 1e7 && std::abs(p.y()) < 1e7))
            continue;
        const QPointF passo = p - anterior;
        if (noTroco > 0 && std::hypot(passo.x(), passo.y()) <= kJunto * k) {
            anterior = p;
            ++noTroco;
            // Points closer than half a unit of the painter add nothing to the stroke.
            const QPointF avanco = p - desenhado;
            if (std::hypot(avanco.x(), avanco.y()) >= 0.5) {
                tracado.lineTo(p);
                desenhado = p;
            }
            continue;
        }
        fecharTroco();
        tracado.moveTo(p);
        inicio = anterior = desenhado = p;
        noTroco = 1;
    }
    fecharTroco();
    const QColor cor = QColor::fromRgb(primeiro.cor);
    pintor.setPen(QPen(cor, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawPath(tracado);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(cor);
    for (const QPointF& p : soltos)
        pintor.drawEllipse(p, largura / 2, largura / 2);
    pintor.setBrush(Qt::NoBrush);
}
