// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AreaGrafica.h"
#include "JanelaGrafica.h"
#include "NomesDosEixos.h"

#include <QString>
#include <optional>

/// The axis table as the window holds it when an area is redrawn.
struct TabelaEixos {
    QString Xmin = QStringLiteral("-10");
    QString Xmax = QStringLiteral("10");
    QString Ymin = QStringLiteral("-10");
    QString Ymax = QStringLiteral("10");
    QString PassoX = QStringLiteral("1");
    QString PassoY = QStringLiteral("1");
    bool GradNumX = true;
    bool MarcaX = true;
    bool GradNumY = true;
    bool MarcaY = true;
    bool operator==(const TabelaEixos&) const = default;
};

/// Values of one redraw computed by the window set-up.
struct ValoresJanela {
    double MargemX = 0, MargemY = 0;
    double PassoNumX = 0, PassoNumY = 0;
    QString PassoMarcasX, PassoMarcasY; ///< the step texts as prepared for reading
};

/// Why a redraw stopped, as the window tells the user.
struct FalhaEixos {
    QString mensagem;
    bool comIcone = false; ///< the checks of the limits show the information icon, data errors none
};

/// The window set-up and axis drawing of both graph areas. It writes the graph window state
/// and reports bad settings to its caller, which shows them.
class DesenhoEixos {
public:
    DesenhoEixos(AreaGrafica& areaFuncao, AreaGrafica& areaTransformada, JanelaGrafica& janela);

    /// Clears the area, sets up the window from the table and draws axes, arrowheads, names,
    /// marks and numbers (radian marks and labels go to both areas). On a failure, what was
    /// drawn stays; after a failure of the axis data the area's arrowheads are hidden. The area
    /// is told whether its axes were accepted.
    std::optional<FalhaEixos> RedesenharArea(AreaGrafica& area, const TabelaEixos& tabela);

    /// The window set-up of one area: clear, check and evaluate the table, map the window onto
    /// the area, and fill `valores`. The six texts are read as PrepararTexto makes them ready
    /// (decimal commas, bars). Empty or unordered limits, and a text that cannot be made
    /// ready, are returned; an evaluation failure is thrown as an InterpreterError for
    /// RedesenharArea to report.
    std::optional<FalhaEixos> PrepararJanela(AreaGrafica& area, const TabelaEixos& tabela,
                                             ValoresJanela& valores);

    /// Marks at the multiples of 3.14159/2 on the x axis of both areas.
    void MarcarRadianos();
    /// The π labels under the x axis of both areas.
    void GraduarRadianos();

private:
    void desenharEixos(AreaGrafica& area, const ValoresJanela& valores);
    NomesDosEixos nomesDosEixos(Quadro& quadro, const ValoresJanela& valores);
    void graduar(AreaGrafica& area, const TabelaEixos& tabela, const ValoresJanela& valores);
    double fimRadianos(double limite, double sentido) const;
    void marcasX(Quadro& quadro, double passo);
    void marcasY(Quadro& quadro, double passo);
    void numerosX(Quadro& quadro, double passo);
    void numerosY(Quadro& quadro, double passo);
    void rotulosRadianos(Quadro& quadro);
    static FalhaEixos falhaDadosEixos(AreaGrafica& area, const QString& descricao);

    AreaGrafica& m_areaFuncao;
    AreaGrafica& m_areaTransformada;
    JanelaGrafica& m_janela;
};
