// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Arithmetic.h"
#include "CellSet.h"
#include "Constants.h"
#include "ExpressionToken.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace quilora::interpreter {

/// The errors that depend only on the shape of an expression, never on its numbers.
enum class StructuralError : unsigned char {
    Index,           ///< no cell to take the result from
    InvalidArgument, ///< a call with nothing between its parentheses
    UndefinedFunction,
    UndefinedVariable,
};

/// The evaluation order run over the cells of an expression: each entry applies to its nearest
/// non-empty neighbours. What a cell's value is, and what an operation does to values, is the
/// Domain's: numbers for an evaluation, registers of a program being built for a compilation,
/// so that both follow one and the same walk. A Domain provides:
///   using Value;
///   Value constant(double);                    a number of the text, pi, e, the marker, zero
///   Value variable(int tokenIndex, const Token&);   may raise UndefinedVariable
///   Value random();
///   Status negate(Value, Value&);
///   Status arithmetic(TokenType, Value, Value, Value&);
///   Status function(FunctionId, Value, Value, Value&);
///   [[noreturn]] void report(Status);          Overflow or DivisionByZero
///   [[noreturn]] void raise(StructuralError, std::string_view text);
/// Silent failures write the marker 1000 into the current entry's cell and cancel only the
/// step that failed; the walk notes that it met one. Once prepared for an expression, a run
/// allocates nothing.
template <class Domain> class CellWalk {
public:
    using Value = typename Domain::Value;

    explicit CellWalk(Domain domain = Domain{}) : m_domain(std::move(domain)) {}

    Domain& domain() { return m_domain; }

    /// Whether the last run met a silent failure: a marker written, or no value to take.
    bool silentFailure() const { return m_silentFailure; }

    /// Lays out the starting cells of a newly read expression.
    void prepare(const ParsedExpression& expression) {
        const int count = static_cast<int>(expression.Tokens.size());
        m_startCells.assign(static_cast<std::size_t>(count) + 1, Cell{});
        m_startSet.resize(count);
        m_set.resize(count);
        for (int position = 1; position <= count; ++position) {
            if (expression.Tokens[position - 1].type == TokenType::Empty)
                continue;
            m_startCells[position] = Cell{Cell::Kind::Text, position - 1, Value{}};
            m_startSet.insert(position);
        }
        m_cells = m_startCells;
    }

    /// Runs every entry of the order. Returns true with the value of the leftmost remaining
    /// cell, or false when that cell does not convert (the earlier solution then stands).
    bool run(const ParsedExpression& expression, Value& result) {
        m_expression = &expression;
        if (expression.Tokens.empty())
            m_domain.raise(StructuralError::Index, {});
        std::copy(m_startCells.begin(), m_startCells.end(), m_cells.begin());
        m_set.assign(m_startSet);
        m_i = m_p = m_l = m_r = m_f = m_c = 0;
        m_x1 = m_x2 = m_domain.constant(0.0);
        m_silentFailure = false;

        m_count = static_cast<int>(expression.TokenOrder.size());
        for (m_i = 1; m_i <= m_count; ++m_i)
            runEntry();

        // The result is the leftmost cell that still holds something.
        const Status status = cellValue(m_set.next(0), result);
        if (status == Status::Ok)
            return true;
        if (status == Status::Overflow)
            m_domain.report(status);
        if (m_p < 1)
            m_domain.raise(StructuralError::Index, {});
        m_silentFailure = true;
        return false;
    }

private:
    /// A working cell: empty, a token's text (by token index) or a value.
    struct Cell {
        enum class Kind : unsigned char { Empty, Text, Value };
        Kind kind = Kind::Empty;
        std::int32_t token = 0;
        Value value{};
    };

    void runEntry() {
        m_p = m_expression->TokenOrder[m_i - 1];
        const Cell cell = m_cells[m_p];
        if (cell.kind == Cell::Kind::Value)
            return;
        if (cell.kind == Cell::Kind::Empty) {
            // An operator emptied by an earlier failure: the test for a function head fails on
            // the empty text, and the call steps then run with it.
            markFailure();
            return applyCall(nullptr);
        }
        const Token& token = m_expression->Tokens[cell.token];
        switch (token.type) {
        case TokenType::Sign:
            return applySign();
        case TokenType::Plus:
        case TokenType::Minus:
        case TokenType::Times:
        case TokenType::Divide:
        case TokenType::IntDivide:
        case TokenType::Power:
        case TokenType::Modulo:
            return applyOperator(token.type);
        case TokenType::OpenParen:
            return applyGroup();
        case TokenType::FunctionHead:
            return applyCall(&token);
        default:
            return applyName(cell.token);
        }
    }

    void applySign() {
        m_r = m_set.next(m_p);
        Value operand{};
        Status status = cellValue(m_r, operand);
        Value negated{};
        if (status == Status::Ok)
            status = m_domain.negate(operand, negated);
        if (status == Status::Ok)
            setValue(m_p, negated);
        else
            failStep(status);
        emptyOrFail(m_r);
    }

    void applyOperator(TokenType type) {
        m_l = m_set.previous(m_p);
        m_r = m_set.next(m_p);
        // Left before right; the right operand is not read once the left one failed.
        Value left{};
        Value right{};
        Value value{};
        Status status = cellValue(m_l, left);
        if (status == Status::Ok)
            status = cellValue(m_r, right);
        if (status == Status::Ok)
            status = m_domain.arithmetic(type, left, right, value);
        if (status == Status::Ok)
            setValue(m_l, value);
        else
            failStep(status);
        emptyOrFail(m_r);
        setEmpty(m_p);
    }

    void applyGroup() {
        takeClosing();
        m_f = m_set.next(m_p);
        if (m_f < m_c) {
            // The group's first content moves into the "(" cell as it is, text or value.
            if (m_f == 0) {
                markFailure();
                markFailure();
            } else {
                m_cells[m_p] = m_cells[m_f];
                m_set.insert(m_p);
                setEmpty(m_f);
            }
            setEmpty(m_c);
        } else {
            setValue(m_p, m_domain.constant(0.0));
            emptyOrFail(m_c);
        }
    }

    void applyCall(const Token* head) {
        const std::string_view text = head ? std::string_view(head->text) : std::string_view();
        takeClosing();
        m_f = m_set.next(m_p);
        m_l = m_set.previous(m_c);
        if (m_f >= m_c)
            m_domain.raise(StructuralError::InvalidArgument, text);
        readArgument(m_f, m_x1);
        if (m_l <= m_p)
            m_domain.raise(StructuralError::InvalidArgument, text);
        readArgument(m_l, m_x2);
        emptyCallCells();
        if (!head || head->function == FunctionId::None)
            m_domain.raise(StructuralError::UndefinedFunction, text);
        Value value{};
        const Status status = m_domain.function(head->function, m_x1, m_x2, value);
        if (status == Status::Ok)
            setValue(m_p, value);
        else
            failStep(status);
    }

    void applyName(int tokenIndex) {
        const Token& token = m_expression->Tokens[tokenIndex];
        switch (token.constant) {
        case Constant::Pi:
            return setValue(m_p, m_domain.constant(piValue));
        case Constant::E:
            return setValue(m_p, m_domain.constant(eValue));
        case Constant::Rnd:
            return setValue(m_p, m_domain.random());
        case Constant::None:
            break;
        }
        setValue(m_p, m_domain.variable(tokenIndex, token));
    }

    // The entry after a "(" or a function head is its own ")".
    void takeClosing() {
        ++m_i;
        if (m_i <= m_count)
            m_c = m_expression->TokenOrder[m_i - 1];
        else
            markFailure();
    }

    void readArgument(int position, Value& argument) {
        Value value{};
        const Status status = cellValue(position, value);
        if (status == Status::Ok)
            argument = value;
        else
            failStep(status);
    }

    // Empties the last argument, the first, the head and the ")", in that order; one step.
    void emptyCallCells() {
        for (int position : {m_l, m_f, m_p, m_c}) {
            if (position == 0) {
                markFailure();
                return;
            }
            setEmpty(position);
        }
    }

    Status cellValue(int position, Value& value) {
        if (position == 0)
            return Status::Failed;
        const Cell& cell = m_cells[position];
        if (cell.kind == Cell::Kind::Value) {
            value = cell.value;
            return Status::Ok;
        }
        if (cell.kind == Cell::Kind::Empty)
            return Status::Failed;
        const Token& token = m_expression->Tokens[cell.token];
        if (token.type != TokenType::Number)
            return Status::Failed;
        switch (token.number.kind) {
        case NumberText::Converts:
            value = m_domain.constant(token.number.value);
            return Status::Ok;
        case NumberText::TooLarge:
            return Status::Overflow;
        case NumberText::NotNumber:
            break;
        }
        return Status::Failed;
    }

    void failStep(Status status) {
        if (status == Status::Failed)
            markFailure();
        else if (status != Status::Ok)
            m_domain.report(status);
    }

    void markFailure() {
        m_silentFailure = true;
        setValue(m_p, m_domain.constant(failureMarker));
    }

    void setValue(int position, Value value) {
        m_cells[position] = Cell{Cell::Kind::Value, 0, value};
        m_set.insert(position);
    }

    void setEmpty(int position) {
        m_cells[position].kind = Cell::Kind::Empty;
        m_set.erase(position);
    }

    // Writing position 0 (a neighbour search that found nothing) fails the step.
    void emptyOrFail(int position) {
        if (position == 0)
            markFailure();
        else
            setEmpty(position);
    }

    Domain m_domain;
    const ParsedExpression* m_expression = nullptr;
    std::vector<Cell> m_startCells;
    std::vector<Cell> m_cells;
    CellSet m_startSet;
    CellSet m_set;

    // The run variables persist from one entry to the next; a failed step leaves them alone.
    int m_count = 0;
    int m_i = 0;
    int m_p = 0;
    int m_l = 0;
    int m_r = 0;
    int m_f = 0;
    int m_c = 0;
    Value m_x1{};
    Value m_x2{};
    bool m_silentFailure = false;
};

} // namespace quilora::interpreter
