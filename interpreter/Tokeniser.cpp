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
    enum class Accumulating { None, Name, Number };

    void emit(TokenKind kind, std::string text, int priority);
    void emitAccumulated();
    void flush();
    void readLetter(char c);
    void readDigit(char c);
    void readOpen();
    void readClose();
    void readOperator(TokenKind kind, char c, int offset);
    void readMinus();
    void readCharacter(char c);
    void buildOrder();

    ParsedExpression m_result;
    std::string m_current;
    Accumulating m_kind = Accumulating::None;
    int m_level = 0;
    int m_maxPriority = 7;
    bool m_afterOperand = false;
};

void Tokeniser::emit(TokenKind kind, std::string text, int priority) {
    // The next position is a 16-bit counter too: it may not pass 32767.
    if (m_result.tokens.size() + 2 > static_cast<std::size_t>(maxCounter))
        throw overflowError();
    Token token;
    token.kind = kind;
    if (kind == TokenKind::Number)
        token.number = convertNumberText(text);
    else if (kind == TokenKind::Name)
        token.constant = constantNamed(text);
    else if (kind == TokenKind::FunctionHead)
        token.function = findFunction(text);
    token.text = std::move(text);
    m_result.tokens.push_back(std::move(token));
    m_result.priorities.push_back(static_cast<std::int16_t>(priority));
}

void Tokeniser::emitAccumulated() {
    if (m_kind == Accumulating::Name)
        emit(TokenKind::Name, std::move(m_current), checked16(m_level + 6));
    else
        emit(TokenKind::Number, std::move(m_current), 0);
    m_current.clear();
}

void Tokeniser::flush() {
    if (m_kind != Accumulating::None)
        emitAccumulated();
}

void Tokeniser::readLetter(char c) {
    if (m_kind == Accumulating::Number) {
        // A number directly followed by a letter is multiplied.
        emit(TokenKind::Number, std::move(m_current), 0);
        emit(TokenKind::Times, "*", checked16(m_level + 3));
        m_current.clear();
        m_kind = Accumulating::None;
    }
    if (m_kind == Accumulating::None)
        m_kind = Accumulating::Name;
    m_current.push_back(c);
    m_afterOperand = true;
}

void Tokeniser::readDigit(char c) {
    if (m_kind == Accumulating::None)
        m_kind = Accumulating::Number;
    m_current.push_back(c == '.' ? ',' : c);
    m_afterOperand = true;
}

void Tokeniser::readOpen() {
    const int priority = checked16(m_level + 7);
    if (m_kind == Accumulating::Name) {
        emit(TokenKind::FunctionHead, std::move(m_current) + "(", priority);
    } else {
        if (m_kind == Accumulating::Number) {
            emit(TokenKind::Number, std::move(m_current), 0);
            emit(TokenKind::Times, "*", checked16(m_level + 3));
        }
        emit(TokenKind::OpenParen, "(", priority);
    }
    m_current.clear();
    m_level = checked16(m_level + 7);
    m_kind = Accumulating::None;
    m_maxPriority = std::max(m_maxPriority, checked16(m_level + 7));
    m_afterOperand = false;
}

void Tokeniser::readClose() {
    flush();
    emit(TokenKind::CloseParen, ")", m_level);
    m_level = checked16(m_level - 7);
    m_kind = Accumulating::None;
    m_afterOperand = true;
}

void Tokeniser::readOperator(TokenKind kind, char c, int offset) {
    flush();
    emit(kind, std::string(1, c), checked16(m_level + offset));
    m_kind = Accumulating::None;
    m_afterOperand = false;
}

// After an operand a minus subtracts; anywhere else it is the sign, which binds tighter than
// "*" but looser than "^".
void Tokeniser::readMinus() {
    flush();
    if (m_afterOperand)
        emit(TokenKind::Minus, "-", checked16(m_level + 1));
    else
        emit(TokenKind::Sign, "~", checked16(m_level + 4));
    m_kind = Accumulating::None;
    m_afterOperand = false;
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
        return readOperator(TokenKind::Times, c, 3);
    case '/':
        return readOperator(TokenKind::Divide, c, 3);
    case '\\':
        return readOperator(TokenKind::IntDivide, c, 3);
    case '+':
        return readOperator(TokenKind::Plus, c, 1);
    case '-':
        return readMinus();
    case '^':
        return readOperator(TokenKind::Power, c, 5);
    case '%':
        return readOperator(TokenKind::Modulo, c, 2);
    case ',':
        flush();
        emit(TokenKind::Empty, std::string(), 0);
        m_kind = Accumulating::None;
        m_afterOperand = false;
        return;
    default:
        // Spaces and unknown characters neither end nor start a token.
        return;
    }
}

// Highest priority first, equal priorities from left to right; priorities of 0 or less (numbers,
// separators, anything before its "(") take no part.
void Tokeniser::buildOrder() {
    auto& order = m_result.order;
    const auto& priorities = m_result.priorities;
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
    if (m_level != 0)
        throw parenthesesError();
    buildOrder();
    return std::move(m_result);
}

} // namespace

ParsedExpression parseExpression(std::string_view text) {
    return Tokeniser().run(text);
}

} // namespace quilora::interpreter
