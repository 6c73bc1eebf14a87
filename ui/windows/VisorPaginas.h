// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JanelaAjuda.h"

#include <QtGlobal>

class QLabel;

/// The font of the page labels of a numbered viewer, the windows' default font.
inline constexpr FonteDesenho kFonteRotuloPagina{"MS Sans Serif", 8};

/// What a numbered viewer adds to the common parts: its outer size. Its layout table places
/// the labels `Label1` "Página", `Label2` (the current page) and `Label3` "de  N".
struct DesenhoVisor {
    DesenhoJanelaAjuda janela;
    QSize tamanhoExterior; ///< outer size of the window at scale 1, in twips
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
    void mostrarNumero();
    void seguinte() override;
    void anterior() override;

    qint16 m_paginaAtual = 1;
    QLabel* m_numero = nullptr;
};
