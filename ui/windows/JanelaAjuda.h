// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Disposicao.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <span>
#include <utility>
#include <vector>

class QPushButton;
class QTextBrowser;

/// What tells one help window from another: its caption, its layout and its pages.
struct DesenhoJanelaAjuda {
    QString titulo;                             ///< the caption, e.g. "INSTRUÇÕES"
    QSize areaCliente;                          ///< size of the client area at scale 1, in pixels
    std::span<const LugarDesenho> disposicao;   ///< the window's layout table, kept by the window
    QStringList paginas;                        ///< resource paths of the pages, in order
    QStringList nomesPaginas;                   ///< object names of the pages, e.g. "Image1(3)"
    QList<std::pair<QString, QString>> rotulos; ///< red labels: object name and text

    /// Lists the pages ":/ajuda/<recurso>01.html" ... in order, naming page i by the pattern
    /// `nome` with %1 replaced by i.
    void juntarPaginas(const QString& recurso, int quantas, const QString& nome) {
        for (int i = 1; i <= quantas; ++i) {
            paginas << QStringLiteral(":/ajuda/%1%2.html").arg(recurso).arg(i, 2, 10, QChar('0'));
            nomesPaginas << nome.arg(i);
        }
    }
};

/// A help window: pages of rich text stacked at one place, of which one is seen at a time,
/// and the buttons `SetaE` (previous page), `SetaD` (next page) and `Command1` ("Fechar").
/// Everything, the pages' text included, scales as one piece with the window. Subclasses
/// decide how the arrows turn the pages.
class JanelaAjuda : public QWidget {
    Q_OBJECT
public:
    /// Number of pages of the window.
    int numeroPaginas() const { return static_cast<int>(m_paginas.size()); }
    /// Whether page `pagina` (1-based) is the one shown.
    bool paginaVisivel(int pagina) const;
    /// The page widgets, first page first.
    QTextBrowser* pagina(int pagina) const { return m_paginas.at(pagina - 1).texto; }

    QPushButton* botaoFechar() const { return m_fechar; }
    QPushButton* setaEsquerda() const { return m_setaE; }
    QPushButton* setaDireita() const { return m_setaD; }
    /// The layout step of the window.
    Disposicao& disposicao() const { return *m_disposicao; }

protected:
    JanelaAjuda(const DesenhoJanelaAjuda& desenho, QWidget* parent, Qt::WindowFlags flags);

    /// Shows or hides one page (1-based).
    void mostrarPagina(int pagina, bool visivel);

    /// `SetaD` pressed.
    virtual void seguinte() = 0;
    /// `SetaE` pressed.
    virtual void anterior() = 0;

private:
    struct Pagina {
        QTextBrowser* texto;
        QString html;
        double escala; // at which its text was last laid out
    };

    void criarPaginas(const DesenhoJanelaAjuda& desenho);
    void criarBotoes();
    void criarRotulos(const DesenhoJanelaAjuda& desenho);
    void escalarPaginas(double escala);
    void escreverPagina(Pagina& pagina);

    std::vector<Pagina> m_paginas;
    QString m_estilo; // the pages' style sheet at scale 1
    double m_escala = 1;
    QPushButton* m_fechar = nullptr;
    QPushButton* m_setaE = nullptr;
    QPushButton* m_setaD = nullptr;
    Disposicao* m_disposicao = nullptr;
};
