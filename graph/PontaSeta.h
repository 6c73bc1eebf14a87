#pragma once

#include <QWidget>

class Quadro;

/// A 16 x 16 black-on-transparent arrowhead, a child of a persistent picture, placed in that
/// picture's user coordinates.
class PontaSeta : public QWidget {
    Q_OBJECT
public:
    enum class Direccao { Cima, Direita };

    static constexpr int kLado = 16;

    PontaSeta(Direccao direccao, Quadro& quadro);

    /// Puts the top-left corner at the user point (esquerda, topo) of the picture.
    void mover(float esquerda, float topo);
    Direccao direccao() const { return m_direccao; }

    /// Whether the shape has a black pixel at (coluna, linha) of its 16 x 16 square.
    static bool temPixel(Direccao direccao, int coluna, int linha);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Direccao m_direccao;
    Quadro& m_quadro;
};
