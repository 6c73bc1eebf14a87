#pragma once

#include "AreaGrafica.h"
#include "DesenhoEixos.h"
#include "Dialogos.h"
#include "JanelaGrafica.h"
#include "Twips.h"

#include <QColor>
#include <QMainWindow>
#include <QRect>
#include <memory>

class BotaoImagem;
class LeituraDoPonteiro;
class GrupoTransformacoes;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QShowEvent;

/// The main window: the expression of f, the two graph areas, the axis table, and the menu bar.
/// It deletes itself when closed, so showing it again means creating a new one. Only its first
/// showing draws the axes, puts the focus in `Função1` and resets the colours: coming back to it
/// from another window keeps the graphs.
///
/// Other parts of the window plug in through areaCliente() (controls placed with setGeometry
/// in client coordinates): the transformation group `Frame2` (7680, 180, 7455, 1335), the
/// function buttons group `Frame4`, the transformation buttons group `Frame3` and the table
/// headings `Image1`.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Dialogos& dialogos, QWidget* pai = nullptr);
    ~Form1() override;

    /// The client area under the menu bar (1016 x 714 pixels).
    QWidget* areaCliente() const { return m_cliente; }
    Dialogos& dialogos() const { return m_dialogos; }

    AreaGrafica& areaFuncao() { return *m_areaFuncao; }
    AreaGrafica& areaTransformada() { return *m_areaTransformada; }
    JanelaGrafica& janela() { return m_janela; }
    const JanelaGrafica& janela() const { return m_janela; }

    /// The transformation group `Frame2`.
    GrupoTransformacoes* grupoTransformacoes() const { return m_frame2; }
    /// The text box of the expression of f.
    QLineEdit* funcao1() const { return m_funcao1; }
    /// The axis table as the controls hold it now.
    TabelaEixos tabelaEixos() const;

    /// Redraws the axes of one area from the table (clearing it); false when a message was shown.
    bool redesenharArea(AreaGrafica& area);
    /// Redraws the function area, then the transform area.
    void redesenharAmbas();
    /// A message box over this window, with the normal pointer.
    void avisar(const QString& texto, Dialogos::Icone icone);
    /// The box of an expression of f that cannot be plotted, with the reason.
    void avisarFalhaDaFuncao(const QString& descricao);
    /// Tells the area's readout which curve was drawn last there, and how to name it.
    void curvaDesenhada(AreaGrafica& area, const QString& expressao, const QString& rotulo);

    /// The four colour choices (CommonDialog1 to CommonDialog4), set at the first showing.
    QColor corGraficoFuncao() const { return m_corGraficoFuncao; }
    QColor corFundoFuncao() const { return m_corFundoFuncao; }
    QColor corGraficoTransformada() const { return m_corGraficoTransformada; }
    QColor corFundoTransformada() const { return m_corFundoTransformada; }
    void definirCorGraficoFuncao(const QColor& cor) { m_corGraficoFuncao = cor; }
    void definirCorFundoFuncao(const QColor& cor) { m_corFundoFuncao = cor; }
    void definirCorGraficoTransformada(const QColor& cor) { m_corGraficoTransformada = cor; }
    void definirCorFundoTransformada(const QColor& cor) { m_corFundoTransformada = cor; }

    /// The buttons of this window that other groups may take over (keeping names and wiring).
    BotaoImagem* botaoDesenhar() const { return m_desenhar; }
    BotaoImagem* botaoEixosRad() const { return m_eixosRad; }
    QPushButton* botaoDesenharEixos() const { return m_desenharEixos; }

signals:
    void instrucoesPedidas();
    void sintaxePedida();
    void funcoesDefinidasPedidas();
    void abandonarPedido();
    /// After the activation of the first showing (axes drawn, focus in Função1, colours set).
    void activada();

public slots:
    /// Click of `Desenhar` (or Enter in `Função1`): plots f in the function area.
    void desenhar();
    /// Click of `DesenharEixos`: redraws both areas.
    void desenharEixos();
    /// Click of `EixosRadGráfico`: switches the x graduation between units and radians.
    void alternarRadianos();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void createMenus();
    void createControls();
    void createExpressionGroup();
    void createGraphAreas();
    void createAxisTable();
    void createButtons();
    void createPictureGroups();
    void carregar();
    void activar();
    LeituraDoPonteiro& leitura(AreaGrafica& area);

    Dialogos& m_dialogos;
    QWidget* m_cliente = nullptr;
    JanelaGrafica m_janela;
    std::unique_ptr<AreaGrafica> m_areaFuncao;
    std::unique_ptr<AreaGrafica> m_areaTransformada;
    std::unique_ptr<DesenhoEixos> m_desenhoEixos;
    LeituraDoPonteiro* m_leituraFuncao = nullptr;
    LeituraDoPonteiro* m_leituraTransformada = nullptr;

    QColor m_corGraficoFuncao = QColor(0, 0, 255);
    QColor m_corFundoFuncao = QColor(255, 255, 255);
    QColor m_corGraficoTransformada = QColor(0, 0, 255);
    QColor m_corFundoTransformada = QColor(255, 255, 255);

    // Coming back from another window keeps the board: only the first showing activates.
    bool m_jaMostrada = false;

    QGroupBox* m_frame1 = nullptr;
    GrupoTransformacoes* m_frame2 = nullptr;
    QLineEdit* m_funcao1 = nullptr;
    QLineEdit* m_xmin = nullptr;
    QLineEdit* m_xmax = nullptr;
    QLineEdit* m_ymin = nullptr;
    QLineEdit* m_ymax = nullptr;
    QLineEdit* m_passoX = nullptr;
    QLineEdit* m_passoY = nullptr;
    QCheckBox* m_gradNumX = nullptr;
    QCheckBox* m_marcaX = nullptr;
    QCheckBox* m_gradNumY = nullptr;
    QCheckBox* m_marcaY = nullptr;
    BotaoImagem* m_desenhar = nullptr;
    BotaoImagem* m_eixosRad = nullptr;
    QPushButton* m_desenharEixos = nullptr;
};
