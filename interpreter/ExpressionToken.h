// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FunctionTable.h"
#include "NumberConversion.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quilora::interpreter {

/// What a cell of the token list is, resolved once when the text is read.
enum class TokenType : unsigned char {
    Empty, ///< the mark an argument separator leaves
    Number,
    Name,
    FunctionHead, ///< a name with its "(", such as "sen("
    OpenParen,
    CloseParen,
    Sign, ///< "~", the unary minus
    Plus,
    Minus,
    Times,
    Divide,
    IntDivide, ///< "\"
    Power,
    Modulo, ///< "%"
};

/// The named constants; a name that is none of them is looked up among the variables.
enum class Constant : unsigned char { None, Pi, E, Rnd };

/// One token. The text is kept only for the descriptions of errors (and name look-ups).
struct Token {
    TokenType type = TokenType::Empty;
    FunctionId function = FunctionId::None;
    Constant constant = Constant::None;
    ConvertedNumber number;
    std::string text;
};

/// The result of reading an expression: its tokens (position q is tokens[q - 1]), their
/// priorities and the evaluation order of 1-based positions.
struct ParsedExpression {
    std::vector<Token> Tokens;
    std::vector<std::int16_t> Priorities;
    std::vector<std::int32_t> TokenOrder;
};

} // namespace quilora::interpreter
