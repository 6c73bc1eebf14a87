// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FunctionTable.h"

#include "RandomGenerator.h"

namespace quilora::interpreter {

FunctionId findFunction(std::string_view head) {
    for (const FunctionHead& row : functionHeads) {
        if (row.head == head)
            return row.id;
    }
    return FunctionId::None;
}

namespace {

double sgn(double x) {
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
}

// Half of pi as the formulas write it, 2·Atn(1).
double halfPi() {
    return 2.0 * std::atan(1.0);
}

double trigonometric(FunctionId id, double x, Calc& calc) {
    switch (id) {
    case FunctionId::Sec:
        return calc.div(1.0, std::cos(x));
    case FunctionId::Cosec:
        return calc.div(1.0, std::sin(x));
    case FunctionId::Cotan:
        return calc.div(1.0, std::tan(x));
    case FunctionId::ArcSin:
        return std::atan(calc.div(x, calc.sqr(calc.add(calc.mul(-x, x), 1.0))));
    case FunctionId::ArcCos: {
        const double atn = std::atan(calc.div(-x, calc.sqr(calc.add(calc.mul(-x, x), 1.0))));
        return calc.add(atn, halfPi());
    }
    case FunctionId::ArcSec: {
        const double atn = std::atan(calc.sqr(calc.sub(calc.mul(x, x), 1.0)));
        return calc.add(calc.mul(calc.sub(atn, halfPi()), sgn(x)), halfPi());
    }
    case FunctionId::ArcCosec:
        return calc.mul(sgn(x), std::atan(calc.div(1.0, calc.sqr(calc.sub(calc.mul(x, x), 1.0)))));
    case FunctionId::ArcCotan:
        return calc.sub(halfPi(), std::atan(x));
    default:
        return calc.fail(Status::Failed);
    }
}

double hyperbolic(FunctionId id, double x, Calc& calc) {
    switch (id) {
    case FunctionId::Sinh:
        return calc.div(calc.sub(calc.exp(x), calc.exp(-x)), 2.0);
    case FunctionId::Cosh:
        return calc.div(calc.add(calc.exp(x), calc.exp(-x)), 2.0);
    case FunctionId::Tanh: {
        const double numerator = calc.sub(calc.exp(x), calc.exp(-x));
        return calc.div(numerator, calc.add(calc.exp(x), calc.exp(-x)));
    }
    case FunctionId::Sech:
        return calc.div(2.0, calc.add(calc.exp(x), calc.exp(-x)));
    case FunctionId::Cosech:
        return calc.div(2.0, calc.sub(calc.exp(x), calc.exp(-x)));
    case FunctionId::Cotanh: {
        const double numerator = calc.add(calc.exp(x), calc.exp(-x));
        return calc.div(numerator, calc.sub(calc.exp(x), calc.exp(-x)));
    }
    case FunctionId::ArcSinh:
        return calc.ln(calc.add(x, calc.sqr(calc.add(calc.mul(x, x), 1.0))));
    case FunctionId::ArcCosh:
        return calc.ln(calc.add(x, calc.sqr(calc.sub(calc.mul(x, x), 1.0))));
    case FunctionId::ArcTanh:
        return calc.div(calc.ln(calc.div(calc.add(1.0, x), calc.sub(1.0, x))), 2.0);
    case FunctionId::ArcSech:
        return calc.ln(calc.div(calc.add(calc.sqr(calc.add(calc.mul(-x, x), 1.0)), 1.0), x));
    case FunctionId::ArcCosech: {
        const double root = calc.mul(sgn(x), calc.sqr(calc.add(calc.mul(x, x), 1.0)));
        return calc.ln(calc.div(calc.add(root, 1.0), x));
    }
    case FunctionId::ArcCotanh:
        return calc.div(calc.ln(calc.div(calc.add(x, 1.0), calc.sub(x, 1.0))), 2.0);
    default:
        return trigonometric(id, x, calc);
    }
}

double compute(FunctionId id, double x1, double x2, Calc& calc) {
    const double x = x1;
    switch (id) {
    case FunctionId::Abs:
        return std::fabs(x);
    case FunctionId::Atn:
        return std::atan(x);
    case FunctionId::Cos:
        return std::cos(x);
    case FunctionId::Exp:
        return calc.exp(x);
    case FunctionId::Fix:
        return std::trunc(x);
    case FunctionId::Int:
        return std::floor(x);
    case FunctionId::Ln:
        return calc.ln(x);
    case FunctionId::Rnd:
        reseedRandomFromClock();
        return randomDraw(x);
    case FunctionId::Sgn:
        return sgn(x);
    case FunctionId::Sin:
        return std::sin(x);
    case FunctionId::Sqr:
        return calc.sqr(x);
    case FunctionId::Tan:
        return std::tan(x);
    case FunctionId::Min:
        return x1 < x2 ? x1 : x2;
    case FunctionId::Max:
        return x1 > x2 ? x1 : x2;
    case FunctionId::Random: {
        reseedRandomFromClock();
        const double draw = randomNext();
        return calc.add(x1, calc.mul(draw, calc.sub(x2, x1)));
    }
    case FunctionId::Mod:
        return calc.mod(x1, x2);
    case FunctionId::Logn: {
        const double numerator = calc.ln(x1);
        return calc.div(numerator, calc.ln(x2));
    }
    case FunctionId::Rand:
        reseedRandomFromClock();
        return std::floor(calc.mul(randomNext(), x));
    case FunctionId::Log10:
        return calc.div(calc.ln(x), std::log(10.0));
    case FunctionId::Log2:
        return calc.div(calc.ln(x), std::log(2.0));
    case FunctionId::Graus:
        return calc.mul(x, 57.2957795131);
    case FunctionId::Rad:
        return calc.mul(x, 0.01745329251995);
    case FunctionId::Mant:
        return calc.sub(x, std::floor(x));
    default:
        return hyperbolic(id, x, calc);
    }
}

} // namespace

Status evaluateFunction(FunctionId id, double x1, double x2, double& result) {
    Calc calc;
    const double value = compute(id, x1, x2, calc);
    if (calc.ok())
        result = value;
    return calc.status();
}

} // namespace quilora::interpreter
