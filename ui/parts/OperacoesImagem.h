// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Avisos.h"

#include <QObject>
#include <functional>

class AreaGrafica;
struct CoresDaArea;

/// The operations on one graph area seen as a picture: erase, curve colour, background colour,
/// copy to the clipboard and save as a bitmap file. One object serves each side of the window.
/// Each takes away the area's note about its last plot.
class OperacoesImagem : public QObject {
    Q_OBJECT
public:
    /// The area, its two colour choices, the dialogs, and the redraw of the area's axes from
    /// the axis table (which tells the user of a bad table).
    OperacoesImagem(AreaGrafica& area, CoresDaArea& cores, const Avisos& avisos,
                    std::function<void()> redesenharEixos, QObject* pai = nullptr);

public slots:
    /// `ApagarF`/`ApagarT`: clears both pictures of the area and redraws its axes.
    void apagar();
    /// `CorGráficoFunção`/`CorGráficoTransformada`: the colour of the next curves.
    void mudarCorGrafico();
    /// `CorFundoGráfico`/`CorFundoTransformada`: a new background, which erases the area;
    /// cancelling erases it all the same, keeping the old colour.
    void mudarCorFundo();
    /// `CopiarFunção`/`CopiarTransformada`: the area's picture to the clipboard.
    void copiar();
    /// `GuardarFunção`/`GuardarTransformada`: the area's picture to a bitmap file.
    void guardar();

signals:
    /// The area was erased (its axes redrawn or not): on the transform side the marks of the
    /// ten transformations go with it.
    void apagada();
    /// A curve colour was chosen (not cancelled).
    void corGraficoEscolhida();

private:
    AreaGrafica& m_area;
    CoresDaArea& m_cores;
    Avisos m_avisos;
    std::function<void()> m_redesenharEixos;
};
