// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form5.h"

namespace {

// The window's layout at scale 1, in twips: the twenty-three pages one over another, the
// buttons and the page number under them.
// clang-format off
constexpr LugarDesenho kDisposicao[] = {
    // control       left    top  width height  font
    {"Image1(*)",      60,   120,  7035,  9735},
    {"Command1",       60,  9900,  1275,   315},
    {"SetaE",        6060,  9900,   435,   435},
    {"SetaD",        6600,  9900,   435,   435},
    {"Label1",       2880,  9960,     0,     0, kFonteRotuloPagina},
    {"Label2",       3540,  9960,     0,     0, kFonteRotuloPagina},
    {"Label3",       3780,  9960,     0,     0, kFonteRotuloPagina},
};
// clang-format on

DesenhoVisor desenhoFuncoes() {
    DesenhoVisor d;
    d.janela.titulo = QStringLiteral("FUNÇÕES DEFINIDAS");
    d.janela.disposicao = kDisposicao;
    d.janela.juntarPaginas(QStringLiteral("funcoes"), 23, QStringLiteral("Image1(%1)"));
    d.tamanhoExterior = QSize(7245, 10965);
    return d;
}

} // namespace

Form5::Form5(QWidget* parent) : VisorPaginas(desenhoFuncoes(), parent) {
    setObjectName(QStringLiteral("Form5"));
}
