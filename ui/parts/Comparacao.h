// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CurvasDaArea.h"
#include "Intervalo.h"

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

class AreaGrafica;
class QAction;
class Quadro;
struct JanelaGrafica;

/// The comparison of f with its transforms, as a teacher makes it: the f last drawn with
/// "Desenhar" shown in light grey under the transforms, and the last transform drawn taken as
/// the new f, so that transformations can follow one another.
class Comparacao : public QObject {
    Q_OBJECT
public:
    /// The grey of f under the transforms.
    static constexpr QRgb kCinzento = 0xFFAAAAAA;

    /// `curvas` are those the readout of the transform area names.
    Comparacao(AreaGrafica& transformada, const JanelaGrafica& janela, CurvasDaArea& curvas,
               QObject* pai = nullptr);

    /// "Mostrar f no gráfico da transformada", a check item, off at first.
    QAction* mostrarF() const { return m_mostrarF; }
    /// "Usar a transformada como f", enabled while a transform drawn since the last erase of
    /// the transform area is there.
    QAction* usarComoF() const { return m_usarComoF; }

    /// After each plot of f with "Desenhar": the text the interpreter was given and the domain
    /// it was drawn on.
    void funcaoDesenhada(const QString& expressao, const Intervalo& dominio = {});
    /// After each transform drawn in the transform area: its built text.
    void transformadaDesenhada(const QString& construido);
    /// After each redraw of the transform area's axes (which cleared it).
    void areaRedesenhada();

signals:
    /// "Usar a transformada como f": the text of the last transform drawn, for Função1.
    void usarComoFPedido(const QString& texto);

private:
    void mostrarOuEsconder();
    void aoLimpar();
    std::vector<QPointF> pontosDaFuncao() const;

    AreaGrafica& m_area;
    const JanelaGrafica& m_janela;
    CurvasDaArea& m_curvas;
    QAction* m_mostrarF;
    QAction* m_usarComoF;
    std::optional<QString> m_funcao;       ///< the f last drawn
    Intervalo m_dominio;                   ///< and its domain
    std::optional<QString> m_transformada; ///< the transform last drawn, until an erase
};
