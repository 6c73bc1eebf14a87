// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QObject>

class QAction;
class Quadro;
struct CoresDaArea;

/// The colours of the curves piled up in the transform area: with "Uma cor por curva" each new
/// curve takes the next colour of the palette (the blue of a single curve first), and the
/// palette starts again when the area is cleared. A colour chosen with "Cor" is taken by the
/// curves that follow, as without the palette, erased or not, until the item is turned on
/// again. Without it every curve takes the area's colour choice.
class CoresDasCurvas : public QObject {
    Q_OBJECT
public:
    /// The area's picture, whose clearing restarts the palette, and its colour choices.
    CoresDasCurvas(Quadro& quadro, const CoresDaArea& cores, QObject* pai = nullptr);

    /// "Uma cor por curva", a check item, on at first.
    QAction* umaCorPorCurva() const { return m_umaCorPorCurva; }

    /// The colour the next curve takes (and its preview).
    QColor corSeguinte() const;
    /// After the curve colour was chosen with "Cor": the next curves take it.
    void corEscolhida();
    /// After a curve was drawn in the area: the colour it took; the next takes the following.
    QColor curvaDesenhada();
    /// The colour the last curve drawn took.
    QColor ultimaCor() const { return m_ultima; }

private:
    void recomecar();

    const CoresDaArea& m_cores;
    QAction* m_umaCorPorCurva;
    QColor m_ultima;
    int m_curvas = 0;         ///< drawn since the area was last cleared
    bool m_escolhida = false; ///< a colour was chosen with "Cor" since the palette was turned on
};
