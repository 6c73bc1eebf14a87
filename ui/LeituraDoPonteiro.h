#pragma once

#include "clsEquation.h"

#include <QLocale>
#include <QObject>
#include <QPointF>
#include <QString>

class AreaGrafica;
class CamadaPassageira;
class Quadro;
struct JanelaGrafica;

/// The readout of a graph area: while the pointer rests over the area (once its axes are
/// drawn) it shows the abscissa under the pointer and the value there of the curve drawn last
/// in the area, "x = 2,01   f(x) = -1,98", or "não definida" where the curve is undefined. It
/// is computed once per move of the pointer, shown over the picture without entering it, and
/// is the area's accessible description while shown. The pointer is read through the picture's
/// display scale, so the same point of a curve reads the same at any size of the window.
class LeituraDoPonteiro : public QObject {
    Q_OBJECT
public:
    LeituraDoPonteiro(AreaGrafica& area, const JanelaGrafica& janela, QObject* pai = nullptr);

    /// After each redraw of the area: whether it has axes now.
    void eixosDesenhados(bool desenhados);
    /// The curve just drawn in the area, and how the readout names it ("f(x)", "- f(x)").
    void curvaDesenhada(const QString& expressao, const QString& rotulo);
    /// What the readout shows now; empty when it is hidden.
    const QString& texto() const { return m_texto; }

protected:
    bool eventFilter(QObject* objecto, QEvent* evento) override;

private:
    void actualizar(const QPointF& ponteiro);
    void esconder();
    void esquecer();
    QString valorEm(double x);

    Quadro& m_quadro;
    CamadaPassageira& m_camada;
    const JanelaGrafica& m_janela;
    clsEquation m_equacao;
    QLocale m_local; ///< the desktop's, for the numbers as the axes print them
    QString m_rotulo;
    QString m_texto;
    QPointF m_ponteiro; ///< in the picture widget's coordinates
    bool m_comEixos = false;
    bool m_temCurva = false;
    bool m_ponteiroPorCima = false;
};
