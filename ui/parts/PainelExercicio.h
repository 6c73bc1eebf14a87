// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Avisos.h"
#include "Composicao.h"
#include "ConstrucaoTexto.h"
#include "CurvasDaArea.h"
#include "LeituraIntervalo.h"
#include "TextoParaCopiar.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class AreaGrafica;
class MarcasNoGrafico;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TabelaPontosNotaveis;
struct CoresDaArea;
struct JanelaGrafica;

/// The exercise panel beside the graphs: g typed in terms of f (`g(x) =`), drawn in the
/// transform area with the transformations; the domain of f (`Domínio de f`); the notable points
/// of f and of the last transform (`Pontos notáveis`) with their domains and ranges, labelled on
/// the graphs; their values at a chosen x (`x =`); and the `Descrição` of the last transform.
/// Ctrl+C, or its button, copies the table and the intervals as text. While it is hidden the
/// domain is every real number and nothing is analysed.
class PainelExercicio : public QWidget {
    Q_OBJECT
public:
    /// The two graph areas, the window in force, the colours of the transform area, the text of
    /// f as typed and the dialogs that say why something is not drawn.
    PainelExercicio(AreaGrafica& funcao, AreaGrafica& transformada, const JanelaGrafica& janela,
                    std::function<QColor()> corSeguinte, std::function<QString()> textoDeF,
                    const Avisos& avisos, QWidget* pai);

    QLineEdit* campoG() const { return m_g; }
    QLineEdit* campoDominio() const { return m_dominio; }
    QLineEdit* campoX() const { return m_x; }
    const TabelaPontosNotaveis& tabela() const { return *m_tabela; }
    /// The domain and range lines shown ("D = [−3, 2]   D' = [−4, 5]" per curve).
    QString intervalos() const;
    /// The values at the chosen x shown.
    QString valoresEmX() const;
    /// The `Descrição` of the last transform drawn.
    QString descricao() const;
    MarcasNoGrafico& marcasDaFuncao() const { return *m_marcasF; }
    MarcasNoGrafico& marcasDaTransformada() const { return *m_marcasT; }
    /// What Ctrl+C puts on the clipboard.
    QString textoParaCopiar() const;

    /// The domain of f as typed; every real number while the panel is hidden.
    IntervaloLido dominioLido() const;
    /// The box of a domain that cannot be read.
    static QString mensagemDoDominio(const QString& erro);

public slots:
    /// After a plot of f with "Desenhar": its text ready for the interpreter and its domain.
    void funcaoDesenhada(const QString& f, const Intervalo& dominio);
    /// After a transformation of the ten was drawn.
    void opcaoDesenhada(int numero, const QString& f, const Parametros& parametros);
    /// Enter in `g(x) =`: reads g and draws it in the transform area.
    void desenharG();
    /// Enter in `x =`: shows and marks the values of f and of the last transform there.
    void mostrarValoresEmX();
    /// The last transform becomes f: its domain becomes the domain of f, where the window shows
    /// it whole as one interval; otherwise the field is emptied and the pupil told to write it.
    void transformadaUsadaComoF();
    /// Puts textoParaCopiar() on the clipboard.
    void copiar();

signals:
    /// g was drawn in the transform area, named as the readout names it.
    void transformadaDesenhada(const CurvaDesenhada& curva);
    /// Enter in `Domínio de f`: f is to be drawn again on its domain.
    void dominioIndicado();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    /// A curve kept for analysis: f itself (no composition) or a function of f.
    struct Curva {
        QString nome;
        QString f;
        Intervalo dominio;
        std::optional<Composicao> composicao;
    };

    void criarCampos();
    QLineEdit* campo(const QString& nome, const QString& legenda, const QString& dica);
    std::optional<QString> fParaG();
    void transformadaNova(Curva curva, const QString& descricao);
    void analisar();
    void mostrarIntervalos();
    std::optional<double> valorEm(const Curva& curva, double x) const;

    AreaGrafica& m_areaF;
    AreaGrafica& m_areaT;
    const JanelaGrafica& m_janela;
    std::function<QColor()> m_corSeguinte;
    std::function<QString()> m_textoDeF;
    Avisos m_avisos;
    QLineEdit* m_g = nullptr;
    QLineEdit* m_dominio = nullptr;
    QLineEdit* m_x = nullptr;
    QLabel* m_valores = nullptr;
    QLabel* m_intervalos = nullptr;
    TabelaPontosNotaveis* m_tabela = nullptr;
    QPlainTextEdit* m_descricao = nullptr;
    MarcasNoGrafico* m_marcasF = nullptr;
    MarcasNoGrafico* m_marcasT = nullptr;
    std::optional<Curva> m_f; ///< f as last drawn, until its area is cleared
    std::optional<Curva> m_t; ///< the last transform drawn, until its area is cleared
    std::vector<CurvaAnalisada> m_analises;
};
