// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Avisos.h"
#include "EscolhaExportacao.h"
#include "Exercicio.h"
#include "Legenda.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

class AreaGrafica;
class PaginaDosGraficos;
class QAction;
class QuadroDoExercicio;

/// The commands of the menu "Ficheiro" on the board: "Abrir exercício…" (Ctrl+O), "Guardar
/// exercício…" (Ctrl+S), "Exportar imagem…" (Ctrl+E) and "Imprimir…" (Ctrl+P). Files are
/// written through the program's one save path and read whole before the board is touched, so
/// a file that is not an exercise leaves the board as it was.
class ComandosFicheiro : public QObject {
    Q_OBJECT
public:
    ComandosFicheiro(const Avisos& avisos, QuadroDoExercicio& quadro, const AreaGrafica& funcao,
                     const AreaGrafica& transformada, QObject* pai = nullptr);

    /// The four commands, in the menu's order.
    QList<QAction*> accoes() const { return m_accoes; }

    /// The curves listed under the transform graph; by default each transform drawn, named by
    /// its option and parameters, in its colour. A legend of the window may take its place.
    std::function<std::vector<EntradaDaLegenda>()> legenda;
    /// Lines the printed page adds under the graphs (the panel's description and points).
    std::function<QStringList()> linhasDoPainel;

    /// The transforms of `exercicio` as a list names them ("a+f(x+b) (a = 3; b = −2)").
    static std::vector<EntradaDaLegenda> transformadas(const Exercicio& exercicio);

    bool eventFilter(QObject* objeto, QEvent* evento) override;

public slots:
    void abrirExercicio();
    void guardarExercicio();
    void exportarImagem();
    void imprimir();

private:
    QAction* criar(const QString& nome, const QString& texto, const QString& dica,
                   QKeySequence::StandardKey atalho, void (ComandosFicheiro::*comando)());
    PaginaDosGraficos pagina(EscolhaExportacao::Graficos graficos) const;
    void lembrarPasta(const QString& ficheiro);

    Avisos m_avisos;
    QuadroDoExercicio& m_quadro;
    const AreaGrafica& m_funcao;
    const AreaGrafica& m_transformada;
    QList<QAction*> m_accoes;
    QString m_pasta;
    EscolhaExportacao m_escolha;
};
