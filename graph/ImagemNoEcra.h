// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CarimboRedondo.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

#include <map>
#include <optional>
#include <vector>

class QPainter;

/// What a picture shows on a screen where a pixel of its image is not one device pixel: the
/// same drawing done again at the screen's resolution. It keeps a record, in pixels of the
/// image, of everything drawn since the picture was last cleared, so that a new scale or a new
/// density draws it again sharp instead of enlarging the image: every dot a round anti-aliased
/// dot at its exact place, lines and texts at the device's resolution.
class ImagemNoEcra {
public:
    /// A picture's screen image is opaque; a layer over a picture takes a premultiplied format
    /// and a transparent background, so the picture shows through.
    explicit ImagemNoEcra(QImage::Format formato = QImage::Format_RGB32) : m_formato(formato) {}

    /// The size of the screen image in device pixels and the device pixels per pixel of the
    /// picture in each direction. Where both are 1 the screen shows the picture's own image and
    /// no screen image is kept; otherwise the record is drawn again at once.
    void definirTamanho(QSize dispositivo, double kx, double ky, const QColor& fundo);
    /// Whether the screen has its own image.
    bool activa() const { return !m_imagem.isNull(); }
    /// The screen image (null where inactive).
    const QImage& imagem() const { return m_imagem; }

    /// Forgets the record and paints the whole screen image in the colour.
    void limpar(const QColor& fundo);
    /// A dot of `largura` pixels whose top-left corner is the exact point (px, py) of the image,
    /// as the picture's own image sets the pixel that holds it.
    void ponto(double px, double py, int largura, QRgb cor);
    /// A line between exact points of the image, both ends included, `largura` pixels wide.
    void linha(double ax, double ay, double bx, double by, int largura, QRgb cor);
    /// A text and the exact point of the image where its base line starts.
    struct TextoColocado {
        QString texto;
        QPointF linhaDeBase;
    };
    /// Texts in one font and colour, drawn in turn with one painter.
    void textos(const std::vector<TextoColocado>& textos, const QFont& fonte, QRgb cor);
    /// A round mark centred on an exact point of the image, `raio` pixels of the image wide: a
    /// disc of `cor`, or where not `cheio` a ring of `cor` filled with `fundo`.
    void circulo(QPointF centro, double raio, QRgb cor, bool cheio, const QColor& fundo);

    /// Paints such a mark with `pintor`, its ring `traco` device pixels wide, anti-aliased.
    static void pintarCirculo(QPainter& pintor, QPointF centro, double raio, double traco, QRgb cor,
                              QRgb interior);

    /// Dots of one colour at exact points of the image drawn under everything else, in place of
    /// the earlier ones (none when empty); a clear forgets them too.
    void definirPorBaixo(const std::vector<QPointF>& pontos, QRgb cor, const QColor& fundo);

    /// Draws the record onto any painter (a picture file, a vector file, a printer), `k` units
    /// of the painter per pixel of the image: dots that follow one another along a curve become
    /// one smooth path of their width, lone dots round dots; lines, texts and marks as on the
    /// screen (a ring filled with `fundo`). Texts are `ampliacao` times larger about their
    /// centre, for paper, where the graph is smaller than on a screen. The background itself is
    /// left to the caller.
    void pintar(QPainter& pintor, double k, const QColor& fundo, double ampliacao) const;

    /// Number of things drawn since the last clear (dots, lines and texts).
    std::size_t tamanhoDoRegisto() const { return m_registo.size(); }

private:
    enum class Tipo : quint8 { Ponto, Linha, Texto, Circulo };
    struct Traco {
        Tipo tipo;
        quint8 largura;
        QRgb cor;
        float x1, y1, x2, y2; // a text has only its base line, x1 and y1
        // (a circle has its centre in x1 and y1, its radius in x2, and y2 1 for a disc)
        quint32 palavras; // a text's words in m_palavras
    };
    struct Palavras {
        QString texto;
        quint32 fonte; // in m_fontes
    };
    void desenharPonto(const Traco& traco);
    void desenharLinha(const Traco& traco, QPainter& pintor);
    static void pintarLinha(const Traco& traco, QPainter& pintor, double kx, double ky);
    void pintarTexto(const Traco& traco, QPainter& pintor, double kTexto, double k) const;
    static void pintarPontos(const std::vector<Traco>& tracos, std::size_t& i, QPainter& pintor,
                             double k);
    // Draws a text with a painter already at the screen's scale; `fonte` is the painter's font
    // in m_fontes, changed when the text has another.
    void desenharTexto(const Traco& traco, QPainter& pintor, std::optional<quint32>& fonte);
    void desenharCirculo(const Traco& traco, QPainter& pintor, const QColor& fundo) const;
    const CarimboRedondo& carimbo(int largura);
    void redesenhar(const QColor& fundo);

    QImage::Format m_formato;
    QImage m_imagem;
    double m_kx = 1, m_ky = 1;
    std::vector<Traco> m_registo;
    std::vector<Traco> m_porBaixo;
    std::vector<Palavras> m_palavras;
    std::vector<QFont> m_fontes;              // each font once for the texts in a row that share it
    std::map<int, CarimboRedondo> m_carimbos; // by draw width, for the present scale
};
