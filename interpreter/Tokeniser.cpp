// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tokeniser.h"

#include "InterpreterError.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace quilora::interpreter {

namespace {

constexpr int maxCounter = 32767;
constexpr int minCounter = -32768;

// Counters and priorities are 16-bit: leaving the range is an overflow.
int checked16(int value) {
    if (value < minCounter || value > maxCounter)
        throw overflowError();
    return value;
}

std::size_t countCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isDigitOrPoint(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

Constant constantNamed(std::string_view name) {
    if (name == "pi")
        return Constant::Pi;
    if (name == "e")
        return Constant::E;
    if (name == "rnd")
        return Constant::Rnd;
    return Constant::None;
}

class Tokeniser {
public:
    ParsedExpression run(std::string_view text);

private:
    enum class TokenKind { None, Name, Number };

    void emit(TokenType type, std::string text, int priority);
    void emitAccumulated();
    void flush();
    void readLetter(char c);
    void readDigit(char c);
    void readOpen();
    void readClose();
    void readOperator(TokenType type, char c, int offset);
    void readMinus();
    void readCharacter(char c);
    void buildOrder();

    ParsedExpression m_result;
    std::string m_current;
    TokenKind m_TokenKind = TokenKind::None;
    int m_Level = 0;
    int m_MaxPriority = 7;
    bool m_AfterOperand = false;
};

void Tokeniser::emit(TokenType type, std::string text, int priority) {
    // The next position is a 16-bit counter too: it may not pass 32767.
    if (m_result.Tokens.size() + 2 > static_cast<std::size_t>(maxCounter))
        throw overflowError();
    Token token;
    token.type = type;
    if (type == TokenType::Number)
        token.number = convertNumberText(text);
    else if (type == TokenType::Name)
        token.constant = constantNamed(text);
    else if (type == TokenType::FunctionHead)
        token.function = findFunction(text);
    token.text = std::move(text);
    m_result.Tokens.push_back(std::move(token));
    m_result.Priorities.push_back(static_cast<std::int16_t>(priority));
}

void Tokeniser::emitAccumulated() {
    if (m_TokenKind == TokenKind::Name)
        emit(TokenType::Name, std::move(m_current), checked16(m_Level + 6));
    else
        emit(TokenType::Number, std::move(m_current), 0);
    m_current.clear();
}

void Tokeniser::flush() {
    if (m_TokenKind != TokenKind::None)
        emitAccumulated();
}

void Tokeniser::readLetter(char c) {
    if (m_TokenKind == TokenKind::Number) {
        // A number directly followed by a letter is multiplied.
        emit(TokenType::Number, std::move(m_current), 0);
        emit(TokenType::Times, "*", checked16(m_Level + 3));
        m_current.clear();
        m_TokenKind = TokenKind::None;
    }
    if (m_TokenKind == TokenKind::None)
        m_TokenKind = TokenKind::Name;
    m_current.push_back(c);
    m_AfterOperand = true;
}

void Tokeniser::readDigit(char c) {
    if (m_TokenKind == TokenKind::None)
        m_TokenKind = TokenKind::Number;
    m_current.push_back(c == '.' ? ',' : c);
    m_AfterOperand = true;
}

void Tokeniser::readOpen() {
    const int priority = checked16(m_Level + 7);
    if (m_TokenKind == TokenKind::Name) {
        emit(TokenType::FunctionHead, std::move(m_current) + "(", priority);
    } else {
        if (m_TokenKind == TokenKind::Number) {
            emit(TokenType::Number, std::move(m_current), 0);
            emit(TokenType::Times, "*", checked16(m_Level + 3));
        }
        emit(TokenType::OpenParen, "(", priority);
    }
    m_current.clear();
    m_Level = checked16(m_Level + 7);
    m_TokenKind = TokenKind::None;
    m_MaxPriority = std::max(m_MaxPriority, checked16(m_Level + 7));
    m_AfterOperand = false;
}

void Tokeniser::readClose() {
    flush();
    emit(TokenType::CloseParen, ")", m_Level);
    m_Level = checked16(m_Level - 7);
    m_TokenKind = TokenKind::None;
    m_AfterOperand = true;
}

void Tokeniser::readOperator(TokenType type, char c, int offset) {
    flush();
    emit(type, std::string(1, c), checked16(m_Level + offset));
    m_TokenKind = TokenKind::None;
    m_AfterOperand = false;
}

// After an operand a minus subtracts; anywhere else it is the sign, which binds tighter than
// "*" but looser than "^".
void Tokeniser::readMinus() {
    flush();
    if (m_AfterOperand)
        emit(TokenType::Minus, "-", checked16(m_Level + 1));
    else
        emit(TokenType::Sign, "~", checked16(m_Level + 4));
    m_TokenKind = TokenKind::None;
    m_AfterOperand = false;
}

void Tokeniser::readCharacter(char c) {
    if (isLetter(c))
        return readLetter(c);
    if (isDigitOrPoint(c))
        return readDigit(c);
    switch (c) {
    case '(':
        return readOpen();
    case ')':
        return readClose();
    case '*':
        return readOperator(TokenType::Times, c, 3);
    case '/':
        return readOperator(TokenType::Divide, c, 3);
    case '\\':
        return readOperator(TokenType::IntDivide, c, 3);
    case '+':
        return readOperator(TokenType::Plus, c, 1);
    case '-':
        return readMinus();
    case '^':
        return readOperator(TokenType::Power, c, 5);
    case '%':
        return readOperator(TokenType::Modulo, c, 2);
    case ',':
        flush();
        emit(TokenType::Empty, std::string(), 0);
        m_TokenKind = TokenKind::None;
        m_AfterOperand = false;
        return;
    default:
        // Spaces and unknown characters neither end nor start a token.
        return;
    }
}

// Highest priority first, equal priorities from left to right; priorities of 0 or less (numbers,
// separators, anything before its "(") take no part.
void Tokeniser::buildOrder() {
    auto& order = m_result.TokenOrder;
    const auto& priorities = m_result.Priorities;
    for (std::size_t index = 0; index < priorities.size(); ++index) {
        if (priorities[index] >= 1)
            order.push_back(static_cast<std::int32_t>(index + 1));
    }
    std::stable_sort(order.begin(), order.end(), [&priorities](std::int32_t a, std::int32_t b) {
        return priorities[a - 1] > priorities[b - 1];
    });
}

ParsedExpression Tokeniser::run(std::string_view text) {
    if (countCharacters(text) > static_cast<std::size_t>(maxCounter))
        throw overflowError();
    for (char c : text)
        readCharacter(c);
    if (!m_current.empty())
        emitAccumulated();
    if (m_Level != 0)
        throw parenthesesError();
    buildOrder();
    return std::move(m_result);
}

} // namespace

ParsedExpression parseExpression(std::string_view text) {
    return Tokeniser().run(text);
}

} // namespace quilora::interpreter
