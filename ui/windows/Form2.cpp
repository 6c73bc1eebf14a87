// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form2.h"

#include "Twips.h"

#include <QPushButton>

namespace {

constexpr QSize kCliente{twipsParaPixels(7530), twipsParaPixels(9540)};

// The window's layout at scale 1, in twips: the three pages one over another and the buttons.
// clang-format off
constexpr LugarDesenho kDisposicao[] = {
    // control       left    top  width height
    {"Image?",         60,   120,  7395,  8295},
    {"Command1",      240,  8820,  1275,   315},
    {"SetaE",        6420,  8760,   435,   435},
    {"SetaD",        6900,  8760,   435,   435},
};
// clang-format on

DesenhoJanelaAjuda desenhoInstrucoes() {
    DesenhoJanelaAjuda d;
    d.titulo = QStringLiteral("INSTRUÇÕES");
    d.areaCliente = kCliente;
    d.disposicao = kDisposicao;
    d.juntarPaginas(QStringLiteral("instrucoes"), 3, QStringLiteral("Image%1"));
    return d;
}

} // namespace

Form2::Form2(QWidget* parent) : JanelaAjuda(desenhoInstrucoes(), parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setaEsquerda()->setEnabled(false);
    setaDireita()->setEnabled(true);
}

void Form2::seguinte() {
    if (paginaVisivel(1)) {
        mostrarPagina(1, false);
        mostrarPagina(3, false);
        mostrarPagina(2, true);
        setaDireita()->setEnabled(true);
        setaEsquerda()->setEnabled(true);
    } else if (paginaVisivel(2)) {
        mostrarPagina(1, false);
        mostrarPagina(2, false);
        mostrarPagina(3, true);
        setaDireita()->setEnabled(false);
        setaEsquerda()->setEnabled(true);
    }
}

void Form2::anterior() {
    if (paginaVisivel(2)) {
        mostrarPagina(1, true);
        mostrarPagina(2, false);
        mostrarPagina(3, false);
        setaDireita()->setEnabled(true);
        setaEsquerda()->setEnabled(false);
    }
    // A separate test, not an "else": from page 2 the first test has already left page 3 hidden.
    if (paginaVisivel(3)) {
        mostrarPagina(1, false);
        mostrarPagina(3, false);
        mostrarPagina(2, true);
        setaDireita()->setEnabled(true);
        setaEsquerda()->setEnabled(true);
    }
}
