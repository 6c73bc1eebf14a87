// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AreaGrafica.h"
#include "Avisos.h"
#include "CoresDaArea.h"
#include "DesenhoEixos.h"
#include "JanelaGrafica.h"

#include <QMainWindow>
#include <memory>

class BotaoImagem;
class ComandosFicheiro;
class Comparacao;
class CoresDasCurvas;
class Disposicao;
class GrupoTransformacoes;
class LegendaDaArea;
class LeituraDoPonteiro;
class PainelExercicio;
class QCheckBox;
class QLineEdit;
class QMenu;
class QShowEvent;
class QuadroDoExercicio;
class TracoGrosso;

/// The main window: the expression of f, the two graph areas, the transformation group, the
/// picture buttons, the axis table and the menu bar. Its controls are placed from one layout
/// table and scale as one piece with the window. It deletes itself when closed, so showing it
/// again means creating a new one. Only its first showing draws the axes, puts the focus in
/// `Função1` and resets the colours: coming back to it from another window keeps the graphs.
///
/// The window owns what its parts share (the graph areas, the window in force, the colour
/// choices) and hands each part only what that part uses.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Dialogos& dialogos, QWidget* pai = nullptr);
    ~Form1() override;

    /// The client area under the menu bar (1016 x 714 pixels at scale 1).
    QWidget* areaCliente() const { return m_cliente; }
    /// The layout step of the client area.
    Disposicao& disposicao() const { return *m_disposicao; }

    AreaGrafica& areaFuncao() { return *m_areaFuncao; }
    AreaGrafica& areaTransformada() { return *m_areaTransformada; }
    JanelaGrafica& janela() { return m_janela; }
    const JanelaGrafica& janela() const { return m_janela; }

    /// The transformation group `Frame2`.
    GrupoTransformacoes* grupoTransformacoes() const { return m_frame2; }
    /// The text box of the expression of f.
    QLineEdit* funcao1() const { return m_funcao1; }
    /// The exercise panel, hidden until "Painel do exercício" is checked.
    PainelExercicio* painel() const { return m_painel; }
    /// "Painel do exercício" in the menu "Comparar".
    QAction* accaoPainel() const { return m_accaoPainel; }

    /// The four colour choices (CommonDialog1 to CommonDialog4), set at the first showing.
    QColor corGraficoFuncao() const { return m_coresFuncao.grafico; }
    QColor corFundoFuncao() const { return m_coresFuncao.fundo; }
    QColor corGraficoTransformada() const { return m_coresTransformada.grafico; }
    QColor corFundoTransformada() const { return m_coresTransformada.fundo; }
    void definirCorGraficoFuncao(const QColor& cor) { m_coresFuncao.grafico = cor; }
    /// As a colour chosen with "Cor": the transforms that follow take it.
    void definirCorGraficoTransformada(const QColor& cor);
    /// The colours of the curves piled up in the transform area, one per curve.
    CoresDasCurvas& coresDasCurvas() const { return *m_coresDasCurvas; }
    /// The legend of the transform area: its entries, and the legend to draw on any painter.
    LegendaDaArea& legenda() const { return *m_legenda; }

    /// The board as an exercise, gathered and rebuilt.
    QuadroDoExercicio& quadroDoExercicio() const { return *m_quadroDoExercicio; }
    /// The commands "Abrir exercício…", "Guardar exercício…", "Exportar imagem…", "Imprimir…".
    ComandosFicheiro& comandosFicheiro() const { return *m_comandosFicheiro; }

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
    void createTransformationGroup();
    void createAxisTable();
    void createButtons();
    void createPictureGroups();
    void createComparison();
    void createFileCommands();
    void keepPanelInExercise();
    void createExercisePanel();
    void mostrarPainel(bool aberto);
    void createCurveStyles();
    void carregar();
    void activar();
    TabelaEixos tabelaEixos() const;
    bool redesenharArea(AreaGrafica& area);
    void redesenharAmbas();
    LeituraDoPonteiro& leitura(AreaGrafica& area);

    Avisos m_avisos;
    QWidget* m_cliente = nullptr;
    Disposicao* m_disposicao = nullptr;
    JanelaGrafica m_janela;
    std::unique_ptr<AreaGrafica> m_areaFuncao;
    std::unique_ptr<AreaGrafica> m_areaTransformada;
    std::unique_ptr<DesenhoEixos> m_desenhoEixos;
    LeituraDoPonteiro* m_leituraFuncao = nullptr;
    LeituraDoPonteiro* m_leituraTransformada = nullptr;
    QMenu* m_comparar = nullptr;
    Comparacao* m_comparacao = nullptr;
    QuadroDoExercicio* m_quadroDoExercicio = nullptr;
    ComandosFicheiro* m_comandosFicheiro = nullptr;
    PainelExercicio* m_painel = nullptr;
    QAction* m_accaoPainel = nullptr;
    CoresDasCurvas* m_coresDasCurvas = nullptr;
    LegendaDaArea* m_legenda = nullptr;
    TracoGrosso* m_tracoGrosso = nullptr;
    CoresDaArea m_coresFuncao;
    CoresDaArea m_coresTransformada;

    // Coming back from another window keeps the board: only the first showing activates.
    bool m_jaMostrada = false;

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
    BotaoImagem* m_eixosRad = nullptr;
};
