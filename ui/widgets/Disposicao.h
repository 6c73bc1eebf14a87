// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <span>
#include <vector>

class EstiloEscalado;

/// The font of a row of a layout table at scale 1. A row without a family keeps the font its
/// control had when the layout was made, scaled alike.
struct FonteDesenho {
    const char* familia = nullptr;
    double pontos = 0;
    bool negrito = false;
};

/// One row of a window's layout table: a control by its object name ('*' stands for any
/// characters, so one row can place a set of controls at one place) and its place at scale 1 in
/// twips, relative to the client area or to the control that holds it. A width and a height of
/// 0 size the control to its text.
struct LugarDesenho {
    const char* nome;
    int esquerda, topo, largura, altura;
    FonteDesenho fonte = {};
};

/// The layout step of one window. It reads the window's layout table once and, at every resize
/// of the client area (a maximise included) and every move to a screen of another density,
/// computes the scale s = min(client width / design width, client height / design height), no
/// larger than escalaMaxima(), centres the content with even margins (plain background beyond
/// a window larger than any screen) and applies s to every place and size of the table,
/// to the fonts (point sizes times s), to the icons of buttons, to the indicators of check
/// boxes and option buttons and to the display scale of the pictures (Quadro). No other code
/// sets the geometry of a control in the table.
class Disposicao : public QObject {
    Q_OBJECT
public:
    /// `desenho` is the client area's size at scale 1, in pixels. The controls must exist: their
    /// fonts and icon sizes at scale 1 are taken now. The table is kept, not copied (a constant
    /// array of the window's). The layout is applied at once.
    Disposicao(QWidget& cliente, QSize desenho, std::span<const LugarDesenho> tabela);

    /// The largest scale at which `desenho` fits in `espaco`.
    static double escalaPara(QSizeF desenho, QSizeF espaco);
    /// The largest scale of a layout: that at which `desenho` fills the free area of the largest
    /// screen, or 1 where every screen is smaller.
    static double escalaMaxima(QSize desenho);
    /// The scale at which a window opens: 1 where its design size with `extra` around it (a
    /// menu bar, the window's frame) fits in `disponivel`, otherwise the largest that fits.
    static double escalaDeAbertura(QSize desenho, QSize extra, QSize disponivel);
    /// A rectangle in twips, in pixels at scale s: its edges are scaled and rounded, so
    /// neighbouring controls stay neighbours.
    static QRect emPixels(int esquerda, int topo, int largura, int altura, double escala);
    /// The place at scale 1, in pixels, of the row of a table that names `nome` exactly (an
    /// empty rectangle when none does).
    static QRect lugarDesenhado(std::span<const LugarDesenho> tabela, const char* nome);

    /// The scale in force and the margin of the content within the client area.
    double escala() const { return m_escala; }
    QPoint margem() const { return m_margem; }
    QWidget& cliente() const { return m_cliente; }

    /// The client area's size at scale 1 from now on (a part shown beside the others widens
    /// it). A window neither maximised nor full screen takes the new size at the scale in force,
    /// or at the largest that fits the free width of its screen, and is kept on that screen;
    /// the layout is applied again at once.
    void definirDesenho(QSize desenho);
    QSize desenho() const { return m_desenho; }

    /// Lays the controls out again for the client's present size (after a control sized to its
    /// text has a new text, for instance).
    void aplicar();

    /// Sizes the window for the scale at which it opens on a screen whose free area is
    /// `disponivel`, and centres it there, its frame included.
    void abrirEm(const QRect& disponivel);

signals:
    /// After every layout, with the scale in force.
    void aplicada(double escala);

protected:
    bool eventFilter(QObject* objecto, QEvent* evento) override;

private:
    struct Controlo {
        QPointer<QWidget> widget;
        const LugarDesenho* lugar;
        QFont fonte; // at scale 1
        QSize icone; // at scale 1, empty when the control shows none
        bool naRaiz; // a child of the client area, which the margin moves
    };

    void encontrarControlos(std::span<const LugarDesenho> tabela);
    void seguirEcras();
    void limitarJanela();
    void disporControlo(const Controlo& controlo, bool novaEscala);
    void escalarIndicador(QWidget& widget);
    QMargins molduraDaJanela() const;

    QWidget& m_cliente;
    QSize m_desenho;
    std::vector<Controlo> m_controlos;
    double m_escala = 0; // 0 until the first layout
    QPoint m_margem;
    EstiloEscalado* m_estilo = nullptr; // made for the first check box or option, kept to the end
};
