// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReferenceEquation.h"

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

namespace {

const char* const kOverflow = "Capacidade excedida.";
const char* const kOutOfRange = "Índice fora do intervalo.";
const char* const kDivision = "Divisão por zero.";

// Numbers of failures that stay silent: an invalid call, a type mismatch, an index out of range.
constexpr int kInvalidCall = 5;
constexpr int kTypeMismatch = 13;
constexpr int kSubscript = 9;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::size_t CountCharacters(std::string_view text) {
    // UTF-8 continuation bytes do not start a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigitOrPoint(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

bool IsNumberText(const std::string& text) {
    int digits = 0;
    int commas = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == ',') {
            ++commas;
        } else {
            return false;
        }
    }
    return digits >= 1 && commas <= 1;
}

double DecimalValue(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

// Every intermediate result of the arithmetic is checked like this.
double Checked(double value) {
    if (!std::isfinite(value)) {
        throw 6;
    }
    return value;
}

double Add(double a, double b) {
    return Checked(a + b);
}
double Sub(double a, double b) {
    return Checked(a - b);
}
double Mul(double a, double b) {
    return Checked(a * b);
}
double Div(double a, double b) {
    if (b == 0) {
        throw a == 0 ? 6 : 11; // 0/0 is an invalid operation, anything else a division by zero
    }
    return Checked(a / b);
}
double Ln(double a) {
    if (a <= 0) {
        throw kInvalidCall;
    }
    return std::log(a);
}
double Sqr(double a) {
    if (a < 0) {
        throw kInvalidCall;
    }
    return std::sqrt(a);
}
double Exp(double a) {
    return Checked(std::exp(a));
}
double Atn(double a) {
    return std::atan(a);
}
double Sgn(double a) {
    return a > 0 ? 1.0 : (a < 0 ? -1.0 : 0.0);
}
double Int(double a) {
    return std::floor(a);
}

std::int64_t Round32(double value) {
    double lower = std::floor(value);
    double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5) {
        rounded = lower + 1;
    } else if (fraction == 0.5) {
        rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    }
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        throw 6;
    }
    return static_cast<std::int64_t>(rounded);
}

double Remainder(double left, double right) {
    std::int64_t a = Round32(left);
    std::int64_t b = Round32(right);
    if (b == 0) {
        throw 11;
    }
    return static_cast<double>(a % b);
}

double Quotient(double left, double right) {
    std::int64_t a = Round32(left);
    std::int64_t b = Round32(right);
    if (b == 0) {
        throw 11;
    }
    std::int64_t q = a / b;
    if (q < -2147483648LL || q > 2147483647LL) {
        throw 6;
    }
    return static_cast<double>(q);
}

double Power(double left, double right) {
    if (left == 0 && right < 0) {
        throw 11;
    }
    if (left < 0 && right != std::floor(right)) {
        throw kInvalidCall;
    }
    // Squares and cubes are products, so that x^2 is x*x and x^3 is x*x*x.
    if (right == 2) {
        return Checked(left * left);
    }
    if (right == 3) {
        return Checked(left * left * left);
    }
    return Checked(std::pow(left, right));
}

int Add16(int a, int b) {
    int sum = a + b;
    if (sum < -32768 || sum > 32767) {
        throw 6;
    }
    return sum;
}

} // namespace

ReferenceEquation::ReferenceEquation() {
    m_dirty = false;
    m_parsed = true;
    Graus(false);
    m_generator.seed(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() & 0x7FFFFFFF));
}

void ReferenceEquation::Graus(bool value) {
    if (value != m_graus) {
        m_graus = value;
        m_dirty = true;
    }
}

void ReferenceEquation::VarClear() {
    m_variables.clear();
    m_dirty = true;
}

void ReferenceEquation::Equation(std::string_view text) {
    m_parsed = false;
    m_dirty = true;
    m_text = Lower(text);
}

void ReferenceEquation::VarRemove(std::string_view name) {
    m_variables.erase(Lower(name));
    m_dirty = true;
}

double ReferenceEquation::Solution() {
    if (m_dirty) {
        Solve();
    }
    return m_solution;
}

double ReferenceEquation::Var(std::string_view name) const {
    auto found = m_variables.find(Lower(name));
    return found == m_variables.end() ? 0.0 : found->second;
}

void ReferenceEquation::Var(std::string_view name, double value) {
    m_dirty = true;
    m_variables.erase(Lower(name));
    m_variables[Lower(name)] = value;
}

// ---------------------------------------------------------------------------------- Parse

void ReferenceEquation::Emit(const std::string& cell, int priority) {
    m_tokens->push_back(cell);
    m_priorities.push_back(priority);
    m_nextPosition = Add16(m_nextPosition, 1);
}

void ReferenceEquation::Flush() {
    if (m_tokenKind != Kind::None) {
        Emit(m_current, m_tokenKind == Kind::Name ? Add16(m_level, 6) : 0);
        m_current.clear();
    }
}

void ReferenceEquation::Parse() {
    m_tokens.emplace();
    m_tokenOrder.clear();
    m_priorities.clear();
    m_current.clear();
    m_tokenKind = Kind::None;
    m_nextPosition = 1;
    m_level = 0;
    m_maxPriority = 7;
    m_afterOperand = false;

    // the character index is a 16-bit counter
    if (CountCharacters(m_text) > 32767) {
        throw Failure{6, kOverflow};
    }
    try {
        for (char c : m_text) {
            if (IsLetter(c)) {
                if (m_tokenKind == Kind::None) {
                    m_tokenKind = Kind::Name;
                    m_current = std::string(1, c);
                } else if (m_tokenKind == Kind::Name) {
                    m_current += c;
                } else {
                    Emit(m_current, 0);
                    Emit("*", Add16(m_level, 3));
                    m_tokenKind = Kind::Name;
                    m_current = std::string(1, c);
                }
                m_afterOperand = true;
            } else if (IsDigitOrPoint(c)) {
                char d = c == '.' ? ',' : c;
                if (m_tokenKind == Kind::None) {
                    m_tokenKind = Kind::Number;
                    m_current = std::string(1, d);
                } else {
                    m_current += d;
                }
                m_afterOperand = true;
            } else if (c == '(') {
                if (m_tokenKind == Kind::Name) {
                    Emit(m_current + "(", Add16(m_level, 7));
                    m_current.clear();
                } else if (m_tokenKind == Kind::Number) {
                    Emit(m_current, 0);
                    Emit("*", Add16(m_level, 3));
                    Emit("(", Add16(m_level, 7));
                    m_current.clear();
                } else {
                    Emit("(", Add16(m_level, 7));
                }
                m_level = Add16(m_level, 7);
                m_tokenKind = Kind::None;
                if (m_maxPriority < Add16(m_level, 7)) {
                    m_maxPriority = Add16(m_level, 7);
                }
                m_afterOperand = false;
            } else if (c == '*' || c == '/' || c == '\\') {
                Flush();
                Emit(std::string(1, c), Add16(m_level, 3));
                m_tokenKind = Kind::None;
                m_afterOperand = false;
            } else if (c == '+') {
                Flush();
                Emit("+", Add16(m_level, 1));
                m_tokenKind = Kind::None;
                m_afterOperand = false;
            } else if (c == '-') {
                Flush();
                if (m_afterOperand) {
                    Emit("-", Add16(m_level, 1));
                } else {
                    Emit("~", Add16(m_level, 4));
                }
                m_tokenKind = Kind::None;
                m_afterOperand = false;
            } else if (c == '^') {
                Flush();
                Emit("^", Add16(m_level, 5));
                m_tokenKind = Kind::None;
                m_afterOperand = false;
            } else if (c == '%') {
                Flush();
                Emit("%", Add16(m_level, 2));
                m_tokenKind = Kind::None;
                m_afterOperand = false;
            } else if (c == ',') {
                Flush();
                Emit("", 0);
                m_tokenKind = Kind::None;
                m_afterOperand = false;
            } else if (c == ')') {
                Flush();
                Emit(")", m_level);
                m_level = Add16(m_level, -7);
                m_tokenKind = Kind::None;
                m_afterOperand = true;
            }
            // any other character is skipped
        }
        if (!m_current.empty()) {
            Emit(m_current, m_tokenKind == Kind::Name ? Add16(m_level, 6) : 0);
        }
    } catch (int number) {
        throw Failure{number, kOverflow};
    }
    if (m_level != 0) {
        throw Failure{1100, "Número de parênteses incorrecto."};
    }
    // Highest priority first, equal priorities left to right; priorities below 1 never run.
    for (int position = 1; position <= static_cast<int>(m_priorities.size()); ++position) {
        if (m_priorities[position - 1] >= 1) {
            m_tokenOrder.push_back(position);
        }
    }
    std::stable_sort(m_tokenOrder.begin(), m_tokenOrder.end(),
                     [this](int a, int b) { return m_priorities[a - 1] > m_priorities[b - 1]; });
    m_parsed = true;
}

// ---------------------------------------------------------------------------------- Solve

void ReferenceEquation::FailureProcedure(const Failure& failure) {
    if (m_p >= 1) {
        m_cells[m_p] = 1000.0;
    }
    int n = failure.number;
    if (n == 6 || n == 11 || (n >= 1100 && n <= 1105)) {
        throw ReferenceError(n, failure.description);
    }
    if (m_p == 0) {
        throw ReferenceError(9, kOutOfRange);
    }
    m_failedSilently = true; // only the failed step is cancelled, and evaluation goes on
}

template <class Step> void ReferenceEquation::RunStep(Step&& step) {
    try {
        try {
            step();
        } catch (int number) {
            throw Failure{number, number == 6 ? kOverflow : number == 11 ? kDivision : ""};
        }
    } catch (const Failure& failure) {
        FailureProcedure(failure);
    }
}

void ReferenceEquation::Solve() {
    m_i = m_p = m_l = m_r = m_f = m_c = 0;
    m_x1 = m_x2 = 0;
    m_failedSilently = false;
    RunStep([&] {
        if (!m_parsed) {
            Parse();
        }
    });
    RunStep([&] {
        if (!m_tokens) {
            throw Failure{kSubscript, ""};
        }
        m_cells.assign(1, Cell{});
        for (const std::string& token : *m_tokens) {
            m_cells.push_back(token.empty() ? Cell{} : Cell{token});
        }
    });
    int entries = static_cast<int>(m_tokenOrder.size());
    for (m_i = 1; m_i <= entries; ++m_i) {
        RunEntry();
    }
    RunStep([&] { m_solution = AsNumber(NextToken(0)); });
    m_silentFailure = m_failedSilently;
    m_dirty = false;
}

void ReferenceEquation::RunEntry() {
    m_p = m_tokenOrder[m_i - 1];
    Cell s = m_cells[m_p];
    if (std::holds_alternative<double>(s)) {
        return; // a number that reached an operator's cell: nothing to apply
    }
    if (std::holds_alternative<std::monostate>(s)) {
        // no case can be chosen for an empty cell: the failed test marks it and the
        // function-call steps then run with an empty head
        RunStep([] { throw Failure{kTypeMismatch, ""}; });
        CaseFunction("");
        return;
    }
    const std::string& text = std::get<std::string>(s);
    if (text == "~") {
        CaseSign();
    } else if (text == "+" || text == "-" || text == "*" || text == "/" || text == "\\" ||
               text == "^" || text == "%") {
        CaseOperator(text[0]);
    } else if (text == "(") {
        CaseGroup();
    } else if (text.back() == '(') {
        CaseFunction(text);
    } else {
        CaseName(text);
    }
}

void ReferenceEquation::CaseSign() {
    m_r = NextToken(m_p);                             // A1
    RunStep([&] { CellAt(m_p) = -AsNumber(m_r); });   // A2
    RunStep([&] { CellAt(m_r) = std::monostate{}; }); // A3
}

void ReferenceEquation::CaseOperator(char op) {
    m_l = PrevToken(m_p); // B1
    m_r = NextToken(m_p); // B2
    RunStep([&] {         // B3
        double left = AsNumber(m_l);
        double right = AsNumber(m_r);
        CellAt(m_l) = Arithmetic(op, left, right);
    });
    RunStep([&] { CellAt(m_r) = std::monostate{}; }); // B4
    RunStep([&] { CellAt(m_p) = std::monostate{}; }); // B5
}

void ReferenceEquation::CaseGroup() {
    m_i = m_i + 1;                        // F1
    RunStep([&] { m_c = OrderAt(m_i); }); // F2
    m_f = NextToken(m_p);                 // F3
    if (m_f < m_c) {                      // F4
        RunStep([&] {                     // F5
            Cell content = CellAt(m_f);
            CellAt(m_p) = content;
        });
        RunStep([&] { CellAt(m_f) = std::monostate{}; }); // F6
        RunStep([&] { CellAt(m_c) = std::monostate{}; }); // F7
    } else {
        RunStep([&] { CellAt(m_p) = 0.0; });              // F8
        RunStep([&] { CellAt(m_c) = std::monostate{}; }); // F9
    }
}

void ReferenceEquation::CaseFunction(const std::string& s) {
    const std::string emptyCall = "Argumento inválido na expressão: " + s + ")";
    m_i = m_i + 1;                        // G1
    RunStep([&] { m_c = OrderAt(m_i); }); // G2
    m_f = NextToken(m_p);                 // G3
    m_l = PrevToken(m_c);                 // G4
    RunStep([&] {                         // G5
        if (m_f >= m_c) {
            throw Failure{1104, emptyCall};
        }
    });
    RunStep([&] { m_x1 = AsNumber(m_f); }); // G6
    RunStep([&] {                           // G7
        if (m_l <= m_p) {
            throw Failure{1104, emptyCall};
        }
    });
    RunStep([&] { m_x2 = AsNumber(m_l); }); // G8
    RunStep([&] {                           // G9
        CellAt(m_l) = std::monostate{};
        CellAt(m_f) = std::monostate{};
        CellAt(m_p) = std::monostate{};
        CellAt(m_c) = std::monostate{};
    });
    RunStep([&] { CellAt(m_p) = Function(s, m_x1, m_x2); }); // G10
}

void ReferenceEquation::CaseName(const std::string& s) {
    RunStep([&] {
        double value;
        if (s == "pi") {
            value = 3.14159265358979;
        } else if (s == "e") {
            value = 2.718281828;
        } else if (s == "rnd") {
            value = Draw(1);
        } else {
            auto found = m_variables.find(Lower(s));
            if (found == m_variables.end()) {
                throw Failure{1102, "Variável não definida: " + s};
            }
            value = found->second;
        }
        CellAt(m_p) = value;
    });
}

int ReferenceEquation::NextToken(int q) const {
    for (int k = q + 1; k < static_cast<int>(m_cells.size()); ++k) {
        if (!std::holds_alternative<std::monostate>(m_cells[k])) {
            return k;
        }
    }
    return 0;
}

int ReferenceEquation::PrevToken(int q) const {
    for (int k = q - 1; k >= 1; --k) {
        if (!std::holds_alternative<std::monostate>(m_cells[k])) {
            return k;
        }
    }
    return 0;
}

ReferenceEquation::Cell& ReferenceEquation::CellAt(int q) {
    if (q < 1 || q >= static_cast<int>(m_cells.size())) {
        throw Failure{kSubscript, ""};
    }
    return m_cells[q];
}

int ReferenceEquation::OrderAt(int index) const {
    if (index < 1 || index > static_cast<int>(m_tokenOrder.size())) {
        throw Failure{kSubscript, ""};
    }
    return m_tokenOrder[index - 1];
}

double ReferenceEquation::AsNumber(int q) {
    const Cell& cell = CellAt(q);
    if (const double* number = std::get_if<double>(&cell)) {
        return *number;
    }
    const std::string* text = std::get_if<std::string>(&cell);
    if (text == nullptr || !IsNumberText(*text)) {
        throw Failure{kTypeMismatch, ""};
    }
    double value = DecimalValue(*text);
    if (std::isinf(value)) {
        throw Failure{6, kOverflow};
    }
    return value;
}

double ReferenceEquation::Arithmetic(char op, double left, double right) const {
    switch (op) {
    case '+':
        return Add(left, right);
    case '-':
        return Sub(left, right);
    case '*':
        return Mul(left, right);
    case '/':
        return Div(left, right);
    case '\\':
        return Quotient(left, right);
    case '%':
        return Remainder(left, right);
    default:
        return Power(left, right);
    }
}

float ReferenceEquation::Draw(double argument) {
    if (argument < 0) {
        std::minstd_rand once(static_cast<unsigned>(std::fabs(argument) * 1000) + 1);
        m_lastDraw = static_cast<float>(once() % 16777216) / 16777216.0f;
    } else if (argument > 0) {
        m_lastDraw = static_cast<float>(m_generator() % 16777216) / 16777216.0f;
    }
    return m_lastDraw;
}

double ReferenceEquation::Function(const std::string& h, double x1, double x2) {
    const double x = x1;
    const auto reseed = [this] {
        m_generator.seed(static_cast<unsigned>(
            std::chrono::steady_clock::now().time_since_epoch().count() & 0x7FFFFFFF));
    };
    if (h == "abs(")
        return std::fabs(x);
    if (h == "arctg(" || h == "atn(")
        return Atn(x);
    if (h == "cos(")
        return std::cos(x);
    if (h == "exp(")
        return Exp(x);
    if (h == "fix(")
        return std::trunc(x);
    if (h == "int(")
        return Int(x);
    if (h == "log(")
        return Ln(x);
    if (h == "rnd(") {
        reseed();
        return Draw(x);
    }
    if (h == "sgn(")
        return Sgn(x);
    if (h == "sin(" || h == "sen(")
        return std::sin(x);
    if (h == "sqr(")
        return Sqr(x);
    if (h == "tg(" || h == "tan(")
        return std::tan(x);
    if (h == "min(")
        return x1 < x2 ? x1 : x2;
    if (h == "max(")
        return x1 > x2 ? x1 : x2;
    if (h == "random(") {
        reseed();
        double r = Draw(1);
        return Add(x1, Mul(r, Sub(x2, x1)));
    }
    if (h == "mod(")
        return Remainder(x1, x2);
    if (h == "logn(") {
        double a = Ln(x1);
        double b = Ln(x2);
        return Div(a, b);
    }
    if (h == "rand(") {
        reseed();
        double r = Draw(1);
        return Int(Mul(r, x));
    }
    if (h == "sec(")
        return Div(1, std::cos(x));
    if (h == "cosec(")
        return Div(1, std::sin(x));
    if (h == "cotan(" || h == "cotg(")
        return Div(1, std::tan(x));
    if (h == "arcsin(" || h == "arcsen(") {
        double root = Sqr(Add(Mul(-x, x), 1));
        return Atn(Div(x, root));
    }
    if (h == "arccos(") {
        double root = Sqr(Add(Mul(-x, x), 1));
        double angle = Atn(Div(-x, root));
        return Add(angle, Mul(2, Atn(1)));
    }
    if (h == "arcsec(") {
        double inner = Sub(Atn(Sqr(Sub(Mul(x, x), 1))), Mul(2, Atn(1)));
        return Add(Mul(inner, Sgn(x)), Mul(2, Atn(1)));
    }
    if (h == "arccosec(") {
        double sign = Sgn(x);
        return Mul(sign, Atn(Div(1, Sqr(Sub(Mul(x, x), 1)))));
    }
    if (h == "arccotg(" || h == "arccotan(")
        return Sub(Mul(2, Atn(1)), Atn(x));
    if (h == "sinh(" || h == "senh(") {
        double a = Exp(x);
        double b = Exp(-x);
        return Div(Sub(a, b), 2);
    }
    if (h == "cosh(") {
        double a = Exp(x);
        double b = Exp(-x);
        return Div(Add(a, b), 2);
    }
    if (h == "tgh(" || h == "tanh(") {
        double a = Exp(x);
        double b = Exp(-x);
        double numerator = Sub(a, b);
        double c = Exp(x);
        double d = Exp(-x);
        return Div(numerator, Add(c, d));
    }
    if (h == "sech(") {
        double a = Exp(x);
        double b = Exp(-x);
        return Div(2, Add(a, b));
    }
    if (h == "cosech(") {
        double a = Exp(x);
        double b = Exp(-x);
        return Div(2, Sub(a, b));
    }
    if (h == "cotgh(" || h == "cotanh(") {
        double a = Exp(x);
        double b = Exp(-x);
        double numerator = Add(a, b);
        double c = Exp(x);
        double d = Exp(-x);
        return Div(numerator, Sub(c, d));
    }
    if (h == "arcsinh(" || h == "arcsenh(")
        return Ln(Add(x, Sqr(Add(Mul(x, x), 1))));
    if (h == "arccosh(")
        return Ln(Add(x, Sqr(Sub(Mul(x, x), 1))));
    if (h == "arctgh(" || h == "arctanh(") {
        double numerator = Add(1, x);
        double denominator = Sub(1, x);
        return Div(Ln(Div(numerator, denominator)), 2);
    }
    if (h == "arcsech(") {
        double root = Sqr(Add(Mul(-x, x), 1));
        return Ln(Div(Add(root, 1), x));
    }
    if (h == "arccosech(") {
        double sign = Sgn(x);
        double root = Sqr(Add(Mul(x, x), 1));
        return Ln(Div(Add(Mul(sign, root), 1), x));
    }
    if (h == "arccotgh(" || h == "arccotanh(") {
        double numerator = Add(x, 1);
        double denominator = Sub(x, 1);
        return Div(Ln(Div(numerator, denominator)), 2);
    }
    if (h == "log10(") {
        double a = Ln(x);
        return Div(a, Ln(10));
    }
    if (h == "log2(") {
        double a = Ln(x);
        return Div(a, Ln(2));
    }
    if (h == "ln(")
        return Ln(x);
    if (h == "graus(")
        return Mul(x, 57.2957795131);
    if (h == "rad(")
        return Mul(x, 0.01745329251995);
    if (h == "mant(")
        return Sub(x, Int(x));
    throw Failure{1101, "Função não definida: " + h + ")"};
}
