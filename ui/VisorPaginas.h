#pragma once

#include "JanelaAjuda.h"

#include <QtGlobal>

class QLabel;

/// What a numbered viewer adds to the common places: its outer size and its page labels.
struct DesenhoVisor {
    DesenhoJanelaAjuda janela;
    QSize tamanhoExterior; ///< outer size of the window, in twips
    QPoint rotuloPagina;   ///< `Label1` "Página", in twips
    QPoint rotuloNumero;   ///< `Label2`, the current page, in twips
    QPoint rotuloTotal;    ///< `Label3` "de  N", in twips
};

/// A help window that counts its pages ("SINTAXE", "FUNÇÕES DEFINIDAS"): it shows the current
/// page number in red under the page. Closing it only hides it, so it comes back as it was
/// left.
class VisorPaginas : public JanelaAjuda {
    Q_OBJECT
public:
    /// The current page, 1 to numeroPaginas().
    int paginaAtual() const { return m_paginaAtual; }
    /// `Label2`, the number of the current page as shown.
    QLabel* rotuloNumero() const { return m_numero; }

protected:
    VisorPaginas(const DesenhoVisor& desenho, QWidget* parent);

private:
    void criarRotulos(const DesenhoVisor& desenho);
    void mostrarNumero();
    void seguinte() override;
    void anterior() override;

    qint16 m_paginaAtual = 1;
    QLabel* m_numero = nullptr;
};
