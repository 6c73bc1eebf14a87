// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogo.h"

#include <cassert>

namespace {

constexpr Moldura kSemMoldura{};
constexpr Substituto kSemSubstituto{};

// The tool tips keep two blanks after "transformação" before the captions that start with a
// sign, a bar or a, and three before those that start with f.
// clang-format off
constexpr std::array<Transformacao, 10> kCatalogo{{
    // number, control, caption, tool tip,
    //   uses a, uses b, build,
    //   wrap, replacement of x, closing wrap, a must not be zero
    {1, "Option1", "| f(x) |", "Clique aqui para desenhar a transformação  | f(x) |.",
        false, false, Construcao::Envolver,
        {Parametro::Nenhum, "Abs(", ")"}, kSemSubstituto, kSemMoldura, false},
    {2, "Option2", "f(|x|)", "Clique aqui para desenhar a transformação   f(|x|).",
        false, false, Construcao::Substituir,
        kSemMoldura, {"(abs(x))", Parametro::Nenhum, ""}, kSemMoldura, false},
    {3, "Option3", "- f(x)", "Clique aqui para desenhar a transformação  - f(x).",
        false, false, Construcao::Envolver,
        {Parametro::Nenhum, "-(", ")"}, kSemSubstituto, kSemMoldura, false},
    {4, "Option4", "f(-x)", "Clique aqui para desenhar a transformação   f(-x).",
        false, false, Construcao::Substituir,
        kSemMoldura, {"(-x)", Parametro::Nenhum, ""}, kSemMoldura, false},
    {5, "Option5", "a + f(x)", "Clique aqui para desenhar a transformação  a + f(x).",
        true, false, Construcao::Envolver,
        {Parametro::A, "+ (", ")"}, kSemSubstituto, kSemMoldura, true},
    {6, "Option6", "f(ax)", "Clique aqui para desenhar a transformação   f(ax).",
        true, false, Construcao::Substituir,
        kSemMoldura, {"(", Parametro::A, "*x)"}, kSemMoldura, false},
    {7, "Option7", "a+f(x+b)", "Clique aqui para desenhar a transformação  a + f(x+b).",
        true, true, Construcao::Substituir,
        kSemMoldura, {"(x+(", Parametro::B, "))"}, {Parametro::A, "+(", ")"}, false},
    {8, "Option8", "f(x+b)", "Clique aqui para desenhar a transformação   f(x+b).",
        false, true, Construcao::Substituir,
        kSemMoldura, {"(x+(", Parametro::B, "))"}, kSemMoldura, false},
    {9, "Option9", "a.f(x)", "Clique aqui para desenhar a transformação  a.f(x).",
        true, false, Construcao::Envolver,
        {Parametro::A, "* (", ")"}, kSemSubstituto, kSemMoldura, true},
    {10, "Option10", "- f(-x)", "Clique aqui para desenhar a transformação  - f(-x).",
        false, false, Construcao::Substituir,
        kSemMoldura, {"(-x)", Parametro::Nenhum, ""}, {Parametro::Nenhum, "-(", ")"}, false},
}};
// clang-format on

} // namespace

const std::array<Transformacao, 10>& catalogo() {
    return kCatalogo;
}

const Transformacao& transformacao(int numero) {
    assert(numero >= 1 && numero <= static_cast<int>(kCatalogo.size()));
    return kCatalogo[static_cast<std::size_t>(numero - 1)];
}
