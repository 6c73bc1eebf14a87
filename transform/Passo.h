// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QString>

#include <vector>

/// The kinds of elementary transformation of a graph, as the curriculum names them.
enum class TipoDePasso {
    /// Translation by a vector with both coordinates not zero.
    Translacao,
    /// Translation by a vector (h; 0).
    TranslacaoHorizontal,
    /// Translation by a vector (0; v).
    TranslacaoVertical,
    /// x multiplied by a coefficient above 1.
    DilatacaoHorizontal,
    /// x multiplied by a coefficient between 0 and 1.
    ContracaoHorizontal,
    /// y multiplied by a coefficient above 1.
    DilatacaoVertical,
    /// y multiplied by a coefficient between 0 and 1.
    ContracaoVertical,
    /// y ↦ −y.
    ReflexaoOx,
    /// x ↦ −x.
    ReflexaoOy,
    /// (x; y) ↦ (−x; −y).
    SimetriaOrigem,
    /// y ↦ |y|: what lies below Ox is reflected.
    ModuloDosValores,
    /// Composition with |x|: the right half stays and is mirrored.
    ModuloDaAbscissa,
    /// y ↦ 0 (a coefficient 0 in front of f).
    ProjecaoEmOx,
    /// The one point of abscissa `abscissa` spread into a horizontal line.
    RetaHorizontal
};

/// One elementary transformation of a graph: its kind, its numbers, the words that name it,
/// and what it does to a point.
class Passo {
public:
    /// Translation by the vector (h; v): horizontal, vertical or oblique as the vector is.
    static Passo translacao(double h, double v);
    /// Dilation (coefficient above 1) or contraction (between 0 and 1) along Ox.
    static Passo escalaHorizontal(double coeficiente);
    /// Dilation or contraction along Oy; coefficient 0 gives the projection on Ox.
    static Passo escalaVertical(double coeficiente);
    static Passo reflexaoOx();
    static Passo reflexaoOy();
    static Passo simetriaOrigem();
    static Passo moduloDosValores();
    static Passo moduloDaAbscissa();
    /// The graph replaced by the horizontal line through its point of this abscissa.
    static Passo retaHorizontal(double abscissa);

    TipoDePasso tipo() const { return m_tipo; }
    /// The vector of a translation.
    QPointF vetor() const { return m_vetor; }
    /// The coefficient of a dilation or contraction.
    double coeficiente() const { return m_coeficiente; }
    /// The abscissa of the point a horizontal line goes through.
    double abscissa() const { return m_abscissa; }
    /// The transformation in words, lowercase, to follow "uma": "translação associada ao vetor
    /// (−2; 3)", "contração horizontal de coeficiente 1/2".
    const QString& texto() const { return m_texto; }

    /// Where a point of the graph goes: one point for most steps, none or two for the
    /// composition with |x| (a point left of Oy goes; one right of it stays and is mirrored),
    /// and for the horizontal line, from its one point, the line's points of abscissas −10,
    /// −1, 0, 1 and 10 (none from any other point).
    std::vector<QPointF> imagens(QPointF ponto) const;

private:
    Passo(TipoDePasso tipo, QString texto);
    // A dilation above 1, a contraction below, in the direction named.
    static Passo escala(double coeficiente, TipoDePasso dilatacao, TipoDePasso contracao,
                        const QString& direcao);

    TipoDePasso m_tipo;
    QString m_texto;
    QPointF m_vetor;
    double m_coeficiente = 1;
    double m_abscissa = 0;
};
