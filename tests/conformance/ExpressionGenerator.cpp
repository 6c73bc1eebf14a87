// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExpressionGenerator.h"

#include <array>
#include <cctype>
#include <string_view>

namespace {

// Every function head except the three that draw random numbers.
constexpr std::array<std::string_view, 54> kHeads = {
    "abs",     "arctg",  "atn",      "cos",     "exp",       "fix",      "int",       "log",
    "sgn",     "sin",    "sen",      "sqr",     "tg",        "tan",      "min",       "max",
    "mod",     "logn",   "sec",      "cosec",   "cotan",     "cotg",     "arcsin",    "arcsen",
    "arccos",  "arcsec", "arccosec", "arccotg", "arccotan",  "sinh",     "senh",      "cosh",
    "tgh",     "tanh",   "sech",     "cosech",  "cotgh",     "cotanh",   "arcsinh",   "arcsenh",
    "arccosh", "arctgh", "arctanh",  "arcsech", "arccosech", "arccotgh", "arccotanh", "log10",
    "log2",    "ln",     "graus",    "rad",     "mant",      "SEN"};

// Heads that are no function: a name before "(" that the library does not know.
constexpr std::array<std::string_view, 6> kUnknownHeads = {"foo", "pi", "x", "e", "sqrt", "Max2"};

// Every name but "y" is a constant or a variable the comparison defines.
constexpr std::array<std::string_view, 12> kNames = {"x", "x", "x",  "X",  "pi",  "e",
                                                     "a", "x", "xy", "x2", "b_1", "PI"};

constexpr std::array<std::string_view, 7> kOperators = {"+", "-", "*", "/", "\\", "%", "^"};

constexpr std::string_view kJunkAlphabet = "0123456789..,,(((()))))+-*/\\^%  xxx_~=!";

} // namespace

int ExpressionGenerator::Below(int bound) {
    return static_cast<int>(m_random() % static_cast<unsigned>(bound));
}

bool ExpressionGenerator::Chance(int percent) {
    return Below(100) < percent;
}

std::string ExpressionGenerator::Blank() {
    return Chance(10) ? " " : "";
}

std::string ExpressionGenerator::Number() {
    static constexpr std::array<std::string_view, 16> common = {
        "0",  "1", "2",   "3",     "0.5", ".5",  "5.", "12.25",
        "10", "7", "100", "0.001", "4",   "1.5", "9",  "2147483648"};
    int pick = Below(1000);
    if (pick < 3) {
        return std::string(1, '1') + std::string(320, '0'); // too large for a double
    }
    if (pick < 6) {
        return std::string("0.") + std::string(330, '0') + "7"; // underflows to zero
    }
    if (pick < 10) {
        return "2.5.1";
    }
    if (pick < 12) {
        return ".";
    }
    if (pick < 60) {
        return std::to_string(Below(100000)) + "." + std::to_string(Below(1000));
    }
    return std::string(common[Below(common.size())]);
}

std::string ExpressionGenerator::Primary(int depth) {
    int pick = Below(depth > 4 ? 4 : 10);
    switch (pick) {
    case 0:
    case 1:
        return Number();
    case 2:
    case 3:
        return Chance(2) ? "y" : std::string(kNames[Below(kNames.size())]);
    case 4:
        return Number() + std::string(kNames[Below(3)]); // implicit product "2x"
    case 5:
    case 6: {
        std::string_view head =
            Chance(3) ? kUnknownHeads[Below(kUnknownHeads.size())] : kHeads[Below(kHeads.size())];
        std::string call = std::string(head) + Blank() + "(";
        if (Chance(5)) {
            return call + ")";
        }
        call += Expression(depth + 1);
        int extra = Chance(30) ? 1 + Below(2) : 0;
        for (int k = 0; k < extra; ++k) {
            call += ",";
            call += Blank();
            call += Expression(depth + 1);
        }
        return call + ")";
    }
    case 7:
        return Number() + Group(depth + 1);
    default:
        return Group(depth + 1);
    }
}

std::string ExpressionGenerator::Group(int depth) {
    std::string text(1, '(');
    text += Expression(depth);
    text += ')';
    return text;
}

std::string ExpressionGenerator::Factor(int depth) {
    std::string text(Chance(15) ? 1 : 0, '-');
    if (!text.empty()) {
        text += Blank();
    }
    text += Primary(depth);
    while (Chance(20)) {
        text += "^";
        text += Blank();
        text += Chance(20) ? "-" : "";
        text += Primary(depth + 1);
    }
    return text;
}

std::string ExpressionGenerator::Term(int depth) {
    std::string text = Factor(depth);
    while (Chance(35)) {
        static constexpr std::array<std::string_view, 5> ops = {"*", "/", "\\", "%", "*"};
        text += Blank() + std::string(ops[Below(ops.size())]) + Blank() + Factor(depth + 1);
    }
    return text;
}

std::string ExpressionGenerator::Expression(int depth) {
    std::string text = Term(depth);
    while (Chance(40)) {
        text += Blank() + (Chance(50) ? "+" : "-") + Blank() + Term(depth + 1);
    }
    return text;
}

std::string ExpressionGenerator::WellFormed() {
    std::string text;
    do {
        text = Expression(0);
    } while (DrawsRandomNumbers(text));
    return text;
}

std::string ExpressionGenerator::Junk() {
    std::string text;
    do {
        text.clear();
        int length = 1 + Below(24);
        for (int k = 0; k < length; ++k) {
            int pick = Below(10);
            if (pick < 6) {
                text += kJunkAlphabet[Below(kJunkAlphabet.size())];
            } else if (pick < 8) {
                text += std::string(Chance(5) ? kUnknownHeads[Below(kUnknownHeads.size())]
                                              : kHeads[Below(kHeads.size())]) +
                        "(";
            } else if (pick < 9) {
                text += kOperators[Below(kOperators.size())];
            } else {
                text += kNames[Below(kNames.size())];
                text += kOperators[Below(kOperators.size())];
            }
        }
        if (Chance(75)) {
            Balance(text);
        }
    } while (DrawsRandomNumbers(text));
    return text;
}

void ExpressionGenerator::Balance(std::string& text) {
    // equal counts are all the tokeniser checks; where the extra ones go is left to chance
    int open = 0;
    for (char c : text) {
        open += c == '(' ? 1 : (c == ')' ? -1 : 0);
    }
    for (; open > 0; --open) {
        text.insert(static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1)), 1, ')');
    }
    for (; open < 0; ++open) {
        text.insert(static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1)), 1, '(');
    }
}

std::string ExpressionGenerator::Mangled() {
    std::string text;
    do {
        text = WellFormed();
        int edits = 1 + Below(3);
        for (int k = 0; k < edits && !text.empty(); ++k) {
            std::size_t at = static_cast<std::size_t>(Below(static_cast<int>(text.size())));
            char c = kJunkAlphabet[Below(kJunkAlphabet.size())];
            switch (Below(3)) {
            case 0:
                text.erase(at, 1);
                break;
            case 1:
                text.insert(at, 1, c);
                break;
            default:
                text[at] = c;
                break;
            }
        }
        if (Chance(50)) {
            Balance(text);
        }
    } while (DrawsRandomNumbers(text));
    return text;
}

bool ExpressionGenerator::DrawsRandomNumbers(const std::string& text) {
    // The tokeniser skips characters outside its classes, so 'r n d' reads as "rnd".
    std::string read;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            read += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return read.find("rnd") != std::string::npos || read.find("rand") != std::string::npos;
}
