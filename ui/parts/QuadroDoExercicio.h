// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CurvasDaArea.h"
#include "Exercicio.h"

#include <QObject>
#include <functional>

class AreaGrafica;
class GrupoTransformacoes;
class QAction;
class QCheckBox;
class QLineEdit;
struct CoresDaArea;

/// The board of the main window seen as an exercise: gathered from the controls and from the
/// curves drawn since each area was last cleared, and rebuilt from an exercise by drawing it
/// again through the window's own commands, in the order it was drawn, so that both areas come
/// out the same, pixel for pixel.
class QuadroDoExercicio : public QObject {
    Q_OBJECT
public:
    /// The controls and state the board is made of; all must outlive this object.
    struct Controlos {
        QLineEdit* funcao = nullptr; ///< `Função1`
        GrupoTransformacoes* transformacoes = nullptr;
        QLineEdit *xmin = nullptr, *xmax = nullptr, *ymin = nullptr, *ymax = nullptr;
        QLineEdit *passoX = nullptr, *passoY = nullptr;
        QCheckBox *numerosX = nullptr, *marcasX = nullptr, *numerosY = nullptr, *marcasY = nullptr;
        QAction* mostrarF = nullptr; ///< "Mostrar f no gráfico da transformada"
        AreaGrafica* areaFuncao = nullptr;
        AreaGrafica* areaTransformada = nullptr;
        CoresDaArea* coresFuncao = nullptr;
        CoresDaArea* coresTransformada = nullptr;
    };

    /// The window's commands the board is drawn again with.
    struct Comandos {
        std::function<void()> desenhar;      ///< "Desenhar", with the colour and f as set
        std::function<void()> desenharEixos; ///< "Eixos": both areas cleared and redrawn
        std::function<bool()> radianos;      ///< whether the x axis is in radians
        std::function<void()> alternarRadianos;
        std::function<TabelaEixos()> tabelaEixos; ///< the axis table as the controls hold it
    };

    /// What other parts of the window keep (the domain of f, the typed g, the curve colours
    /// per curve, the legend, the stroke, the panel): each hook, when set, adds its fields to
    /// a gathered exercise or puts them back, so that the exercise file holds them.
    struct Extensoes {
        /// Fills in the fields its part keeps, after the board's own.
        std::function<void(Exercicio&)> completar;
        /// The domain of f and the stroke width in force now, kept with each curve drawn.
        std::function<QString()> dominioActual;
        std::function<int()> espessuraActual;
        /// The colour the transform just drawn took, where it is not the area's choice.
        std::function<QColor()> corDaTransformada;
        /// Sets its part's choices before the curves are drawn again (domain, one colour per
        /// curve, thick stroke...).
        std::function<void(const Exercicio&)> prepararReposicao;
        /// Sets the domain and stroke of one curve before it is drawn again.
        std::function<void(const QString& dominio, int espessura)> prepararCurva;
        /// Draws a typed g again (opcao 0); false when it could not.
        std::function<bool(const Exercicio::Transformada&)> reporG;
        /// Sets what is left once every curve is drawn (legend, panel).
        std::function<void(const Exercicio&)> concluirReposicao;
    };

    QuadroDoExercicio(const Controlos& controlos, Comandos comandos, QObject* pai = nullptr);

    /// The board as it is now.
    Exercicio exercicio() const;
    /// Rebuilds the board from `exercicio`: the axis table, the angle mode and the backgrounds,
    /// then every curve drawn again in its order, colour and parameters, then the texts, the
    /// colours of the next curves, the option marked and the "Comparar" choices.
    void repor(const Exercicio& exercicio);

    Extensoes& extensoes() { return m_extensoes; }

public slots:
    /// After each plot of f that reached its end: f as typed now, in the curve colour of now.
    void fDesenhada();
    /// After each typed g drawn in the transform area: g as typed, with f as typed now.
    void gDesenhada(const QString& g);

private:
    void transformadaDesenhada(const CurvaDesenhada& curva);
    Exercicio::Eixos eixos() const;
    void escreverEixos(const Exercicio::Eixos& eixos);
    void reporCurvas(const Exercicio& exercicio);
    Exercicio::Traco tracoActual(const QColor& cor) const;
    QColor corDaTransformada() const;
    void prepararCurva(const QString& dominio, const Exercicio::Traco& traco);

    Controlos m_controlos;
    Comandos m_comandos;
    Extensoes m_extensoes;
    std::vector<Exercicio::GraficoDeF> m_graficosDeF;
    std::vector<Exercicio::Transformada> m_transformadas;
};
