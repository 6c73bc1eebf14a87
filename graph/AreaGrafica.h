// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CamadaPassageira.h"
#include "PontaSeta.h"
#include "Quadro.h"

#include <QRect>
#include <QString>

/// A graph area: the persistent picture, its live overlay at the same place and scale, and
/// the two arrowheads of the axes (children of the persistent picture).
class AreaGrafica {
public:
    /// Names of the four controls, e.g. "Picture1", "Picture3", "Image2", "Image3".
    struct Nomes {
        QString persistente, sobreposicao, setaCima, setaDireita;
    };

    /// Creates the pictures as children of `pai` at `geometria` (border included).
    AreaGrafica(QWidget* pai, const QRect& geometria, const Nomes& nomes);
    AreaGrafica(const AreaGrafica&) = delete;
    AreaGrafica& operator=(const AreaGrafica&) = delete;

    Quadro& persistente() { return *m_persistente; }
    Quadro& sobreposicao() { return *m_sobreposicao; }
    PontaSeta& setaCima() { return *m_setaCima; }
    PontaSeta& setaDireita() { return *m_setaDireita; }
    /// What shows over the persistent picture without being kept: previews and the readout.
    CamadaPassageira& camadaPassageira() { return *m_camada; }

    /// The persistent picture's content, for copying and saving.
    const QImage& imagem() const { return m_persistente->imagem(); }

    /// Draws what the persistent picture keeps, arrowheads included, onto any painter at `k`
    /// units of the painter per pixel of the image, texts `ampliacao` times larger
    /// (Quadro::pintar).
    void pintar(QPainter& pintor, double k, double ampliacao) const;

    /// Clears the persistent picture, then the overlay.
    void limpar();
    /// Gives both pictures a background colour (both are erased).
    void corFundo(const QColor& cor);
    /// Hides both arrowheads.
    void esconderSetas();

    /// Whether the last redraw of the area accepted the axis table, so that the area has axes
    /// and a window to plot in. False until the first redraw.
    bool eixosAceites() const { return m_eixosAceites; }
    void definirEixosAceites(bool aceites) { m_eixosAceites = aceites; }

    /// The width in pixels at scale 1 of the curves plotted from now on: 1, the pixels the
    /// samples fall on, or more, round anti-aliased dots centred on the samples.
    int larguraDasCurvas() const { return m_larguraDasCurvas; }
    void definirLarguraDasCurvas(int pixels) { m_larguraDasCurvas = pixels < 1 ? 1 : pixels; }

private:
    Quadro* m_persistente;
    Quadro* m_sobreposicao;
    PontaSeta* m_setaCima;
    PontaSeta* m_setaDireita;
    CamadaPassageira* m_camada;
    bool m_eixosAceites = false;
    int m_larguraDasCurvas = 1;
};

/// While alive, the persistent picture is hidden and the live overlay shown over it, so the
/// points of a plot appear as they are set; the destructor shows the persistent picture again.
class SobreposicaoVisivel {
public:
    explicit SobreposicaoVisivel(AreaGrafica& area);
    ~SobreposicaoVisivel();
    SobreposicaoVisivel(const SobreposicaoVisivel&) = delete;
    SobreposicaoVisivel& operator=(const SobreposicaoVisivel&) = delete;

private:
    AreaGrafica& m_area;
};
