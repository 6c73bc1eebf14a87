// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ImagemNoEcra.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CarimboRedondo;
class QPainter;

/// The font of the next texts on a picture.
struct EstiloTexto {
    QString nome;
    double tamanho = 8.25; ///< points
    bool negrito = false;
};

/// A text to print on a picture, its top-left corner at (x, y) in user coordinates.
struct TextoNoQuadro {
    float x = 0, y = 0;
    QString texto;
};

/// A picture surface: a widget that keeps a QImage of its inner size at scale 1 (inside a 2-pixel
/// sunken border), the image that is copied and saved. Where the screen gives a pixel of that
/// image exactly one device pixel the widget shows the image itself; at another display scale or
/// density it shows the same drawing done at the screen's resolution (ImagemNoEcra), so curves,
/// lines and texts stay sharp at any size. Drawing happens in user coordinates set by escala();
/// the same class serves as the persistent picture of a graph area and as its live overlay,
/// which forgets its content whenever it is hidden.
class Quadro : public QWidget {
    Q_OBJECT
public:
    /// Width of the sunken border on each side, in pixels.
    static constexpr int kBorda = 2;

    explicit Quadro(QWidget* pai = nullptr);

    /// Places the picture (border included) in its parent at scale 1; the inner image takes the
    /// new size at once, keeping what fits of its content. Later changes of the widget's size
    /// change only how large the screen shows the image.
    void colocar(const QRect& geometria);

    /// The display scale, set by whoever lays the picture out, who also gives the widget s times
    /// its size at scale 1; the border grows alike and the image stays as it is.
    void definirEscalaEcra(double escala);
    double escalaEcra() const { return m_escalaEcra; }
    /// Width of the border on the screen, kBorda at scale 1.
    int bordaEcra() const;
    /// Where the image shows, in the widget's coordinates.
    QRectF interiorNoEcra() const;
    /// The widget's length of one pixel of the image, across and down.
    QSizeF pixelNoEcra() const;
    /// The widget position of a point given in pixels of the image (pixel (c, r) covers c to
    /// c + 1 and r to r + 1), and back: what a position of the pointer points at in the image.
    QPointF modeloParaEcra(QPointF pixel) const;
    QPointF ecraParaModelo(QPointF posicao) const;

    /// Whether the picture keeps its content while hidden (the live overlay does not).
    void definirPersistente(bool persistente);
    bool persistente() const { return m_persistente; }

    /// Repaints the whole picture in its background colour, forgetting everything drawn.
    void limpar();

    /// One user unit per pixel, origin at the top-left inner corner.
    void escalaPixel();
    /// Inner drawing surface, in pixels.
    int larguraInterior() const { return m_largura0; }
    int alturaInterior() const { return m_altura0; }

    /// Maps the top-left inner corner to (x1, y1) and the bottom-right one to (x2, y2); with
    /// y1 > y2 the y axis points up.
    void escala(double x1, double y1, double x2, double y2);
    double escalaX1() const { return m_x1; }
    double escalaY1() const { return m_y1; }
    double escalaX2() const { return m_x2; }
    double escalaY2() const { return m_y2; }

    /// Pixel column and row (inside the border) of a user point; may lie outside the image.
    double pixelX(double x) const { return (x - m_x1) * m_fx; }
    double pixelY(double y) const { return (y - m_y1) * m_fy; }
    /// The user abscissa/ordinate of a pixel column/row.
    double deColuna(double px) const { return m_x1 + px / m_fx; }
    double deLinha(double py) const { return m_y1 + py / m_fy; }
    /// Whether the user abscissa/ordinate lies within the picture widened by `folga` pixels.
    bool dentroX(double x, double folga = 0) const;
    bool dentroY(double y, double folga = 0) const;

    /// Solid line in the fore colour and the current draw width, both ends included.
    void linha(float x1, float y1, float x2, float y2);
    /// One dot of the current draw width in the given colour.
    void ponto(float x, float y, QRgb cor) {
        // A plot sets tens of thousands of dots: a one-pixel dot inside goes straight to its line.
        const double px = pixelX(x), py = pixelY(y);
        if (m_pixels && m_largura == 1 && px >= 0 && px < m_largura0 && py >= 0 && py < m_altura0) {
            m_pixels[static_cast<qsizetype>(py) * m_pixelsPorLinha + static_cast<int>(px)] = cor;
            m_ecra.ponto(px, py, 1, cor);
            if (!m_pinturaPendente)
                marcarAlterado();
            return;
        }
        pontoGeral(px, py, cor);
    }

    /// A round anti-aliased dot `diametro` pixels wide centred on the exact place of a user
    /// point, as a thick curve sets it; the screen draws it again at its own resolution.
    void disco(float x, float y, int diametro, QRgb cor);

    /// A round mark of `raio` pixels centred on the pixel of a user point, as a plot sets it: a
    /// disc of `cor` where `cheio`, else a ring of `cor` whose inside is the background. Kept
    /// for the screen, which draws it again at its own resolution.
    void circulo(float x, float y, double raio, QRgb cor, bool cheio);

    /// Where the next text is printed (its top-left corner), in user coordinates.
    void posicao(float x, float y);
    float posicaoX() const { return m_posX; }
    float posicaoY() const { return m_posY; }
    /// Draws the text at the current position in the current font and the fore colour, with a
    /// transparent background. In the font "symbol" the letter p shows as π.
    void imprimir(const QString& texto);
    /// Prints each text at its own place as imprimir() would, in one go: one font and one
    /// painter for all of them. The current position is left at the last one.
    void imprimir(const std::vector<TextoNoQuadro>& textos);
    /// The pixel where imprimir() puts the top-left corner of a text whose corner is (x, y) in
    /// the current font; nothing where the text could not reach the picture, and is not printed.
    std::optional<QPoint> cantoDoTexto(float x, float y) const;

    /// Size in pixels of a text in the current font, as imprimir() draws it.
    QSize tamanhoTexto(const QString& texto) const;

    void nomeFonte(const QString& nome);
    void tamanhoFonte(double pontos);
    void negrito(bool sim);
    const QString& nomeFonte() const { return m_nomeFonte; }
    double tamanhoFonte() const { return m_tamanhoFonte; }
    bool negrito() const { return m_negrito; }
    EstiloTexto estilo() const { return {m_nomeFonte, m_tamanhoFonte, m_negrito}; }
    void definirEstilo(const EstiloTexto& estilo);

    /// Width in pixels of lines and points.
    void larguraTraco(int pixels);
    int larguraTraco() const { return m_largura; }

    /// Changes the background colour, which erases what was drawn.
    void corFundo(const QColor& cor);
    QColor corFundo() const { return m_fundo; }
    QColor corFrente() const { return m_frente; }

    /// The content of the picture (background, everything drawn and the drawing over it), of
    /// the inner size: what is copied and saved.
    const QImage& imagem() const;
    /// The same without the drawing over it: the curves a legend should keep clear of.
    const QImage& imagemDasCurvas() const;

    /// A drawing over everything on the picture (a legend), made by `desenho` on a painter in
    /// pixels of the image at scale 1, in place of the earlier one (none when empty). It is
    /// part of the image copied and saved, is painted on the screen at the screen's resolution
    /// and never enters what later dots are drawn on; a clear forgets it.
    void definirPorCima(std::function<void(QPainter&)> desenho);
    bool temPorCima() const { return static_cast<bool>(m_porCima); }

    /// A curve shown under everything drawn on the picture: dots of `cor` at exact points of
    /// the image (in pixels), in place of the earlier ones, seen only where nothing else is
    /// drawn. It is part of the image the screen shows, copied and saved; it goes when the
    /// picture is cleared, and with an empty list.
    void definirPorBaixo(std::vector<QPointF> pontos, QRgb cor);
    bool temPorBaixo() const { return !m_porBaixo.empty(); }
    /// Draws the picture (background and everything drawn since it was cleared) onto any
    /// painter, its top-left inner corner at the painter's origin and `k` units of the painter
    /// per pixel of the image: the same drawing at the painter's own resolution, never the
    /// image enlarged; texts `ampliacao` times larger about their centre (ImagemNoEcra::pintar).
    void pintar(QPainter& pintor, double k, double ampliacao) const;
    /// Whether `pintor` at `k` draws on whole pixels of a raster image, one per pixel of the
    /// picture, where the picture's own pixels are the drawing.
    static bool aPixelInteiro(const QPainter& pintor, double k);

    /// What the screen shows of it under the drawing over it: imagemDasCurvas() where a pixel
    /// of it is one device pixel, else the same drawing at the screen's resolution, of the
    /// device size of interiorNoEcra().
    const QImage& imagemNoEcra() const;

signals:
    /// Everything drawn was forgotten (cleared, or given a new background).
    void limpo();
    /// The curve under the picture was given or taken away.
    void porBaixoMudou();
    /// The image shows at another place or scale in the widget.
    void ecraMudou();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    void ajustarImagem(const QSize& tamanho);
    void calcularFactores();
    void pontoGeral(double px, double py, QRgb cor);
    void pintarPixel(int px, int py, QRgb cor);
    void pintarMoldura(QPainter& pintor) const;
    void pintarPorCima(QPainter& pintor) const;
    void actualizarEcra() const;
    void marcarAlterado();
    const QFont& fonteActual() const;
    QString textoVisivel(const QString& texto) const;

    QImage m_imagem;
    // What the screen shows, brought up to the widget's size and density when it is looked at.
    mutable ImagemNoEcra m_ecra;
    std::vector<QPointF> m_porBaixo;
    QRgb m_corPorBaixo = 0;
    mutable QImage m_composta; // the image with the curve under it, while there is one
    std::function<void(QPainter&)> m_porCima;
    mutable QImage m_comPorCima; // the image with the drawing over it, while there is one
    // The stamp of the thick dots, made for the diameter last asked.
    std::shared_ptr<const CarimboRedondo> m_carimbo;
    int m_diametroCarimbo = 0;
    double m_escalaEcra = 1;
    // Direct access to the pixels for dots, taken while the image is not shared with anyone;
    // forgotten whenever the image may be handed out or replaced.
    mutable QRgb* m_pixels = nullptr;
    qsizetype m_pixelsPorLinha = 0;
    bool m_persistente = true;
    bool m_pinturaPendente = false;
    QColor m_fundo = Qt::white;
    QColor m_frente = Qt::black;
    int m_largura0 = 1, m_altura0 = 1; // inner size, kept at hand for every dot
    double m_x1 = 0, m_y1 = 0, m_x2 = 1, m_y2 = 1;
    double m_fx = 1, m_fy = 1; // pixels per user unit
    float m_posX = 0, m_posY = 0;
    QString m_nomeFonte = QStringLiteral("MS Sans Serif");
    double m_tamanhoFonte = 8.25;
    bool m_negrito = false;
    // The font of the name, size and boldness above, and its ascent, made when first needed.
    mutable std::optional<QFont> m_fonte;
    mutable int m_ascendente = 0;
    mutable int m_alturaLinha = 0;
    int m_largura = 1;
};
