// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form4.h"

namespace {

// The window's layout at scale 1, in twips: the four pages one over another, the buttons and
// the page number under them.
// clang-format off
constexpr LugarDesenho kDisposicao[] = {
    // control       left    top  width height  font
    {"Image1(*)",      60,   120,  7035,  9735},
    {"Command1",       60, 10200,  1275,   315},
    {"SetaE",        6180, 10140,   435,   435},
    {"SetaD",        6660, 10140,   435,   435},
    {"Label1",       2880, 10200,     0,     0, kFonteRotuloPagina},
    {"Label2",       3480, 10200,     0,     0, kFonteRotuloPagina},
    {"Label3",       3660, 10200,     0,     0, kFonteRotuloPagina},
};
// clang-format on

DesenhoVisor desenhoSintaxe() {
    DesenhoVisor d;
    d.janela.titulo = QStringLiteral("SINTAXE");
    d.janela.disposicao = kDisposicao;
    d.janela.juntarPaginas(QStringLiteral("sintaxe"), 4, QStringLiteral("Image1(%1)"));
    d.tamanhoExterior = QSize(7260, 11310);
    return d;
}

} // namespace

Form4::Form4(QWidget* parent) : VisorPaginas(desenhoSintaxe(), parent) {
    setObjectName(QStringLiteral("Form4"));
}
