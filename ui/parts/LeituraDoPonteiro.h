// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CurvasDaArea.h"

#include <QLocale>
#include <QObject>
#include <QPointF>
#include <QString>

class AreaGrafica;
class CamadaPassageira;
class Quadro;
struct JanelaGrafica;

/// The readout of a graph area: while the pointer rests over the area (once its axes are
/// drawn) it shows the abscissa under the pointer and the value there of the curve nearest the
/// pointer (within 8 pixels up or down; otherwise the one drawn last), with its name and the
/// parameters it was drawn with: "x = 2,01   f(x) = -1,98", "x = 2,00   a.f(x) = 8,00   (a = 2)",
/// or "não definida" where the curve is undefined. It
/// is computed once per move of the pointer, shown over the picture without entering it, and
/// is the area's accessible description while shown. The pointer is read through the picture's
/// display scale, so the same point of a curve reads the same at any size of the window.
class LeituraDoPonteiro : public QObject {
    Q_OBJECT
public:
    LeituraDoPonteiro(AreaGrafica& area, const JanelaGrafica& janela, QObject* pai = nullptr);

    /// After each redraw of the area: whether it has axes now.
    void eixosDesenhados(bool desenhados);
    /// The curve just drawn in the area, over the earlier ones.
    void curvaDesenhada(const CurvaDesenhada& curva);
    /// The preview shown over the area, which counts as a curve while it is there, or none.
    void previsao(const std::optional<CurvaDesenhada>& curva);
    /// The curves the readout names; the function shown under them is set there too.
    CurvasDaArea& curvas() { return m_curvas; }
    /// What the readout shows now; empty when it is hidden.
    const QString& texto() const { return m_texto; }

protected:
    bool eventFilter(QObject* objecto, QEvent* evento) override;

private:
    void actualizar(const QPointF& ponteiro);
    void esconder();
    void esquecer();
    void mostrarDeNovo();

    Quadro& m_quadro;
    CamadaPassageira& m_camada;
    const JanelaGrafica& m_janela;
    CurvasDaArea m_curvas;
    QLocale m_local; ///< the desktop's, for the numbers as the axes print them
    QString m_texto;
    QPointF m_ponteiro; ///< in the picture widget's coordinates
    bool m_comEixos = false;
    bool m_ponteiroPorCima = false;
};
