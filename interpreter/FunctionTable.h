// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Arithmetic.h"

#include <array>
#include <string_view>

namespace quilora::interpreter {

/// One computation per built-in function; synonyms share an identifier.
enum class FunctionId : unsigned char {
    None,
    Abs,
    Atn,
    Cos,
    Exp,
    Fix,
    Int,
    Ln,
    Rnd,
    Sgn,
    Sin,
    Sqr,
    Tan,
    Min,
    Max,
    Random,
    Mod,
    Logn,
    Rand,
    Sec,
    Cosec,
    Cotan,
    ArcSin,
    ArcCos,
    ArcSec,
    ArcCosec,
    ArcCotan,
    Sinh,
    Cosh,
    Tanh,
    Sech,
    Cosech,
    Cotanh,
    ArcSinh,
    ArcCosh,
    ArcTanh,
    ArcSech,
    ArcCosech,
    ArcCotanh,
    Log10,
    Log2,
    Graus,
    Rad,
    Mant,
};

/// A function head as written in an expression (name and parenthesis) and its computation.
struct FunctionHead {
    std::string_view head;
    FunctionId id;
};

// clang-format off
/// Every head the interpreter knows; a row per spelling.
inline constexpr std::array functionHeads{
    FunctionHead{"abs(", FunctionId::Abs},
    FunctionHead{"arctg(", FunctionId::Atn},       FunctionHead{"atn(", FunctionId::Atn},
    FunctionHead{"cos(", FunctionId::Cos},
    FunctionHead{"exp(", FunctionId::Exp},
    FunctionHead{"fix(", FunctionId::Fix},
    FunctionHead{"int(", FunctionId::Int},
    FunctionHead{"log(", FunctionId::Ln},          FunctionHead{"ln(", FunctionId::Ln},
    FunctionHead{"rnd(", FunctionId::Rnd},
    FunctionHead{"sgn(", FunctionId::Sgn},
    FunctionHead{"sin(", FunctionId::Sin},         FunctionHead{"sen(", FunctionId::Sin},
    FunctionHead{"sqr(", FunctionId::Sqr},
    FunctionHead{"tg(", FunctionId::Tan},          FunctionHead{"tan(", FunctionId::Tan},
    FunctionHead{"min(", FunctionId::Min},
    FunctionHead{"max(", FunctionId::Max},
    FunctionHead{"random(", FunctionId::Random},
    FunctionHead{"mod(", FunctionId::Mod},
    FunctionHead{"logn(", FunctionId::Logn},
    FunctionHead{"rand(", FunctionId::Rand},
    FunctionHead{"sec(", FunctionId::Sec},
    FunctionHead{"cosec(", FunctionId::Cosec},
    FunctionHead{"cotan(", FunctionId::Cotan},     FunctionHead{"cotg(", FunctionId::Cotan},
    FunctionHead{"arcsin(", FunctionId::ArcSin},   FunctionHead{"arcsen(", FunctionId::ArcSin},
    FunctionHead{"arccos(", FunctionId::ArcCos},
    FunctionHead{"arcsec(", FunctionId::ArcSec},
    FunctionHead{"arccosec(", FunctionId::ArcCosec},
    FunctionHead{"arccotg(", FunctionId::ArcCotan}, FunctionHead{"arccotan(", FunctionId::ArcCotan},
    FunctionHead{"sinh(", FunctionId::Sinh},       FunctionHead{"senh(", FunctionId::Sinh},
    FunctionHead{"cosh(", FunctionId::Cosh},
    FunctionHead{"tgh(", FunctionId::Tanh},        FunctionHead{"tanh(", FunctionId::Tanh},
    FunctionHead{"sech(", FunctionId::Sech},
    FunctionHead{"cosech(", FunctionId::Cosech},
    FunctionHead{"cotgh(", FunctionId::Cotanh},    FunctionHead{"cotanh(", FunctionId::Cotanh},
    FunctionHead{"arcsinh(", FunctionId::ArcSinh}, FunctionHead{"arcsenh(", FunctionId::ArcSinh},
    FunctionHead{"arccosh(", FunctionId::ArcCosh},
    FunctionHead{"arctgh(", FunctionId::ArcTanh},  FunctionHead{"arctanh(", FunctionId::ArcTanh},
    FunctionHead{"arcsech(", FunctionId::ArcSech},
    FunctionHead{"arccosech(", FunctionId::ArcCosech},
    FunctionHead{"arccotgh(", FunctionId::ArcCotanh}, FunctionHead{"arccotanh(", FunctionId::ArcCotanh},
    FunctionHead{"log10(", FunctionId::Log10},
    FunctionHead{"log2(", FunctionId::Log2},
    FunctionHead{"graus(", FunctionId::Graus},
    FunctionHead{"rad(", FunctionId::Rad},
    FunctionHead{"mant(", FunctionId::Mant},
};
// clang-format on

/// The computation of a head such as "sen(", or FunctionId::None for an unknown head.
FunctionId findFunction(std::string_view head);

/// Computes a function of its first and last arguments. On failure the status says which:
/// silent (the call's value becomes the marker) or a reported error.
Status evaluateFunction(FunctionId id, double x1, double x2, double& result);

} // namespace quilora::interpreter
