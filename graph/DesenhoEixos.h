#pragma once

#include "AreaGrafica.h"
#include "JanelaGrafica.h"

#include <QString>
#include <optional>

class Dialogos;
class QWidget;

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
};

/// Values of one redraw computed by the window set-up.
struct ValoresJanela {
    double MargemX = 0, MargemY = 0;
    double PassoNumX = 0, PassoNumY = 0;
};

/// The window set-up and axis drawing of both graph areas. It writes the graph window state
/// and reports bad settings through the dialogs, as message boxes over `janelaPai`.
class DesenhoEixos {
public:
    DesenhoEixos(AreaGrafica& areaFuncao, AreaGrafica& areaTransformada, JanelaGrafica& janela,
                 Dialogos& dialogos, QWidget* janelaPai);

    /// Clears the area, sets up the window from the table and draws axes, arrowheads, names,
    /// marks and numbers (radian marks and labels go to both areas). Returns false when a
    /// message was shown.
    bool RedesenharArea(AreaGrafica& area, const TabelaEixos& tabela);

    /// The window set-up of one area: clear, check and evaluate the table, map the window onto
    /// the area. Messages for empty or unordered limits are shown here; an evaluation failure
    /// is thrown as an InterpreterError for RedesenharArea to report.
    std::optional<ValoresJanela> PrepararJanela(AreaGrafica& area, const TabelaEixos& tabela);

    /// Marks at the multiples of 3.14159/2 on the x axis of both areas.
    void MarcarRadianos();
    /// The π labels under the x axis of both areas.
    void GraduarRadianos();

private:
    void desenharEixos(AreaGrafica& area, const ValoresJanela& valores);
    void desenharNomes(Quadro& quadro, const ValoresJanela& valores);
    void marcasX(Quadro& quadro, double passo);
    void marcasY(Quadro& quadro, double passo);
    void numerosX(Quadro& quadro, double passo);
    void numerosY(Quadro& quadro, double passo);
    void rotulosRadianos(Quadro& quadro);
    void falhaDadosEixos(AreaGrafica& area, const QString& descricao);

    AreaGrafica& m_areaFuncao;
    AreaGrafica& m_areaTransformada;
    JanelaGrafica& m_janela;
    Dialogos& m_dialogos;
    QWidget* m_janelaPai;
};
