#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPushButton;
class QTextBrowser;

/// Places and texts that tell one help window from another.
struct DesenhoJanelaAjuda {
    QString titulo;           ///< the caption, e.g. "INSTRUÇÕES"
    QSize areaCliente;        ///< size of the client area in pixels
    QRect botaoFechar;        ///< `Command1`, in twips
    QPoint setaEsquerda;      ///< `SetaE`, in twips (435 x 435)
    QPoint setaDireita;       ///< `SetaD`, in twips (435 x 435)
    QSize tamanhoPagina;      ///< every page, in twips, placed at 60, 120
    QStringList paginas;      ///< resource paths of the pages, in order
    QStringList nomesPaginas; ///< object names of the pages, e.g. "Image1(3)"

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
/// Subclasses decide how the arrows turn the pages.
class JanelaAjuda : public QWidget {
    Q_OBJECT
public:
    /// Number of pages of the window.
    int numeroPaginas() const { return static_cast<int>(m_paginas.size()); }
    /// Whether page `pagina` (1-based) is the one shown.
    bool paginaVisivel(int pagina) const;
    /// The page widgets, first page first.
    QTextBrowser* pagina(int pagina) const { return m_paginas.at(pagina - 1); }

    QPushButton* botaoFechar() const { return m_fechar; }
    QPushButton* setaEsquerda() const { return m_setaE; }
    QPushButton* setaDireita() const { return m_setaD; }

protected:
    JanelaAjuda(const DesenhoJanelaAjuda& desenho, QWidget* parent, Qt::WindowFlags flags);

    /// Shows or hides one page (1-based).
    void mostrarPagina(int pagina, bool visivel);

    /// `SetaD` pressed.
    virtual void seguinte() = 0;
    /// `SetaE` pressed.
    virtual void anterior() = 0;

private:
    void criarPaginas(const DesenhoJanelaAjuda& desenho);
    void criarBotoes(const DesenhoJanelaAjuda& desenho);

    std::vector<QTextBrowser*> m_paginas;
    QPushButton* m_fechar = nullptr;
    QPushButton* m_setaE = nullptr;
    QPushButton* m_setaD = nullptr;
};
