// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>

namespace quilora::interpreter {

/// Outcome of one arithmetic step. Failed is a silent failure (the marker 1000 takes its place);
/// Overflow and DivisionByZero become the reported errors 6 and 11.
enum class Status : unsigned char { Ok, Failed, Overflow, DivisionByZero };

/// Double arithmetic with the interpreter's failure rules. The first failure sticks: the later
/// operations of a formula that already failed do nothing, so a formula stops where it failed.
class Calc {
public:
    Status status() const { return m_status; }
    bool ok() const { return m_status == Status::Ok; }

    double add(double a, double b) { return ok() ? finite(a + b) : 0.0; }
    double sub(double a, double b) { return ok() ? finite(a - b) : 0.0; }
    double mul(double a, double b) { return ok() ? finite(a * b) : 0.0; }

    /// A zero divisor is checked before dividing: 0/0 is an invalid operation, x/0 a division
    /// by zero.
    double div(double a, double b) {
        if (!ok())
            return 0.0;
        if (b == 0.0)
            return fail(a == 0.0 ? Status::Overflow : Status::DivisionByZero);
        return finite(a / b);
    }

    /// Zero to a negative power divides by zero; a negative base needs a whole exponent.
    /// Squares and cubes are the products a·a and a·a·a, so that x^2 is always x*x and x^3 is
    /// x*x*x, on every machine, whatever the library's pow rounds to.
    double pow(double a, double b) {
        if (!ok())
            return 0.0;
        if (a == 0.0 && b < 0.0)
            return fail(Status::DivisionByZero);
        if (a < 0.0 && b != std::trunc(b))
            return fail(Status::Failed);
        return finite(power(a, b));
    }

    /// a to the power b, with no check of its domain or result.
    static double power(double a, double b) {
        if (b == 2.0)
            return a * a;
        if (b == 3.0)
            return a * a * a;
        return std::pow(a, b);
    }

    double sqr(double a) {
        if (!ok())
            return 0.0;
        return a < 0.0 ? fail(Status::Failed) : std::sqrt(a);
    }

    double ln(double a) {
        if (!ok())
            return 0.0;
        return a <= 0.0 ? fail(Status::Failed) : std::log(a);
    }

    double exp(double a) { return ok() ? finite(std::exp(a)) : 0.0; }

    /// Rounds to a 32-bit signed integer, to the nearest and halves to even.
    std::int64_t toInt32(double a) {
        if (!ok())
            return 0;
        const double rounded = std::nearbyint(a);
        if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
            fail(Status::Overflow);
            return 0;
        }
        return static_cast<std::int64_t>(rounded);
    }

    /// Integer quotient truncated toward zero; both operands are rounded first, left then right.
    double intDiv(double a, double b) {
        std::int64_t left = 0;
        std::int64_t right = 0;
        if (!integerOperands(a, b, left, right))
            return 0.0;
        const std::int64_t quotient = left / right;
        if (quotient > 2147483647)
            return fail(Status::Overflow);
        return static_cast<double>(quotient);
    }

    /// Remainder of the truncating integer division; it has the sign of the left operand.
    double mod(double a, double b) {
        std::int64_t left = 0;
        std::int64_t right = 0;
        if (!integerOperands(a, b, left, right))
            return 0.0;
        return static_cast<double>(left % right);
    }

    /// Records a failure (the first one wins) and returns a neutral value.
    double fail(Status status) {
        if (m_status == Status::Ok)
            m_status = status;
        return 0.0;
    }

private:
    // Both operands rounded to 32 bits, left then right, and a divisor that is not zero.
    bool integerOperands(double a, double b, std::int64_t& left, std::int64_t& right) {
        left = toInt32(a);
        right = toInt32(b);
        if (ok() && right == 0)
            fail(Status::DivisionByZero);
        return ok();
    }

    double finite(double value) {
        if (!std::isfinite(value))
            return fail(Status::Overflow);
        return value;
    }

    Status m_status = Status::Ok;
};

} // namespace quilora::interpreter
