#pragma once

#include <QColor>
#include <QObject>

class AreaGrafica;
class Form1;

/// The operations on one graph area seen as a picture: erase, curve colour, background colour,
/// copy to the clipboard and save as a bitmap file. One object serves each side of the window.
/// Each takes away the area's note about its last plot.
class OperacoesImagem : public QObject {
    Q_OBJECT
public:
    enum class Lado { Funcao, Transformada };

    OperacoesImagem(Form1& janela, Lado lado, QObject* pai = nullptr);

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
    /// The transform area was erased: the marks of the ten transformations go with it.
    void transformadaApagada();

private:
    AreaGrafica& area() const;
    QColor corGrafico() const;
    QColor corFundo() const;
    void definirCorGrafico(const QColor& cor);
    void definirCorFundo(const QColor& cor);

    Form1& m_janela;
    Lado m_lado;
};
