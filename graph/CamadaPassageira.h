// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PixelAnterior.h"

#include "ImagemNoEcra.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

class Quadro;

/// What a picture shows over its image without keeping it: the preview of a curve, a small
/// readout near the pointer and a note saying why the last plot shows nothing. It covers the
/// inside of the picture and lets the mouse through; nothing of it ever enters the picture's
/// image, so it is never copied nor saved. The preview and the note go whenever the picture is
/// cleared, and the note also when the picture is clicked. The readout, or else the note, is
/// the picture's accessible description. It covers the picture's inside as the screen shows it:
/// at another display scale its texts, boxes and margins are scaled alike and the preview's dots
/// are drawn round at their exact places, as the picture's own are.
class CamadaPassageira : public QWidget {
    Q_OBJECT
public:
    explicit CamadaPassageira(Quadro& quadro);

    /// One dot of the preview at a user point of the picture.
    void ponto(float x, float y, QRgb cor);
    /// Forgets the preview.
    void limparPontos();
    /// The preview's dots, of the picture's inner size (transparent where there is none).
    const QImage& pontos() const { return m_pontos; }
    bool temPontos() const { return m_temPontos; }

    /// Shows `texto` near `ponteiro` (in the picture's own widget coordinates, as the screen
    /// shows it).
    void mostrarLeitura(const QString& texto, const QPoint& ponteiro);
    void esconderLeitura();
    const QString& leitura() const { return m_leitura; }

    /// Shows a short note at the top of the picture until esconderNota().
    void mostrarNota(const QString& texto);
    void esconderNota();
    const QString& nota() const { return m_nota; }

protected:
    bool eventFilter(QObject* objecto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void acompanharQuadro();
    int escalado(int pixels) const;
    void pintarPontos(QPainter& pintor);
    QRect caixaDaLeitura() const;
    QRect caixaDaNota() const;
    int larguraDe(QChar c) const;
    void descreverQuadro();

    Quadro& m_quadro;
    QFont m_fonte; ///< at scale 1
    double m_escala = 1;
    QFontMetrics m_medidas; ///< of the readout's font, taken once: the pointer moves often
    mutable std::array<int, 128> m_larguras; ///< of the ASCII characters, -1 until measured
    QImage m_pontos;
    ImagemNoEcra m_ecra{QImage::Format_ARGB32_Premultiplied}; // the dots at the screen's scale
    bool m_temPontos = false;
    PixelAnterior m_anterior; ///< of the last dot of the preview
    QString m_leitura;
    QPoint m_ponteiro;
    QRect m_caixa; ///< where the readout stands, empty when hidden
    QString m_nota;
};
