// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clsEquation.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

/// A curve of a graph area as the readout names it.
struct CurvaDesenhada {
    /// A parameter the curve was drawn with, e.g. a = 2.
    struct Parametro {
        QChar nome;
        double valor;
        QString escrito = {}; ///< the expression typed for it ("-1/3"), or empty for a number
    };

    QString expressao; ///< the text the interpreter plotted
    QString rotulo;    ///< "f(x)", "a.f(x)", ...
    QList<Parametro> parametros;
    /// Where the curve was drawn on a domain: its value at x there, or nothing outside it. When
    /// empty, the value is that of `expressao`.
    std::function<std::optional<double>(double)> valor = {};

    /// The parameters in the locale's number form, "(a = 0,5)" or "(a = -2; b = 1)", or as the
    /// expression typed for them, "(a = -1/3; b = pi/15)"; empty when there are none.
    QString textoDosParametros(const QLocale& local) const;
};

/// The curves of one graph area, so that the readout can name the one under the pointer: the
/// function shown under the transforms, the curves piled up since the area was last cleared,
/// oldest first, and the preview while it is shown.
class CurvasDaArea {
public:
    /// A curve just drawn in the area, over the earlier ones.
    void juntar(const CurvaDesenhada& curva);
    /// The preview shown over the area, or none.
    void definirPrevisao(const std::optional<CurvaDesenhada>& curva);
    /// The function shown under the curves, or none.
    void definirFuncaoPorBaixo(const std::optional<CurvaDesenhada>& curva);
    /// Forgets the piled curves and the preview (the area was cleared).
    void esquecer();
    bool vazia() const;

    /// What the readout shows at one abscissa: a curve and its value there (nothing where it
    /// is undefined).
    struct Leitura {
        const CurvaDesenhada* curva = nullptr;
        std::optional<double> valor;
    };
    /// The curve whose value at x lies nearest y, within `tolerancia`; failing that, the one
    /// drawn last (the preview while shown). No curve when the area has none.
    Leitura maisProxima(double x, double y, double tolerancia);

private:
    struct Registo {
        explicit Registo(const CurvaDesenhada& c);
        std::optional<double> valorEm(double x);

        CurvaDesenhada curva;
        clsEquation equacao;
    };

    std::vector<Registo*> candidatas();

    std::unique_ptr<Registo> m_porBaixo;
    std::vector<std::unique_ptr<Registo>> m_empilhadas;
    std::unique_ptr<Registo> m_previsao;
};
