#pragma once

#include "Arithmetic.h"
#include "CellSet.h"
#include "ExpressionToken.h"
#include "VariableTable.h"

#include <cstdint>
#include <vector>

namespace quilora::interpreter {

/// A working cell: empty, a token's text (by token index) or a number.
struct Cell {
    enum class Kind : unsigned char { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::int32_t token = 0;
    double number = 0.0;
};

/// Runs the evaluation order over a fresh copy of the cells, applying each entry to its nearest
/// non-empty neighbours. Reported failures are thrown as InterpreterError; silent ones write the
/// marker 1000 into the current entry's cell and cancel only the step that failed.
/// Once prepared for an expression, a run allocates nothing.
class Evaluator {
public:
    /// Sizes the working arrays for a newly read expression.
    void prepare(const ParsedExpression& expression);

    /// Evaluates the expression. Returns true with the value of the leftmost remaining cell, or
    /// false when that cell does not convert (the earlier solution then stands).
    bool run(const ParsedExpression& expression, const VariableTable& variables, double& value);

private:
    void bindNames(const VariableTable& variables);
    void runEntry();

    // The cases of an entry, by the text of its cell.
    void applySign();
    void applyOperator(TokenType type);
    void applyGroup();
    void applyCall(const Token* head);
    void applyName(int tokenIndex);

    // The nearest non-empty cell after or before a position, 0 if there is none.
    int NextToken(int position) const;
    int PrevToken(int position) const;

    // Steps shared by the cases.
    void takeClosing();
    void readArgument(int position, double& argument);
    void emptyCallCells();
    Status cellNumber(int position, double& value) const;
    void failStep(Status status);
    void markFailure();
    void setNumber(int position, double value);
    void setEmpty(int position);
    void emptyOrFail(int position);

    const ParsedExpression* m_expression = nullptr;
    const VariableTable* m_variables = nullptr;
    std::vector<Cell> m_startCells;
    std::vector<Cell> m_Cells;
    CellSet m_startSet;
    CellSet m_set;
    std::vector<int> m_slots;
    std::uint64_t m_boundShape = 0;
    bool m_bound = false;

    // The run variables persist from one entry to the next; a failed step leaves them alone.
    int m_count = 0;
    int m_i = 0;
    int m_p = 0;
    int m_l = 0;
    int m_r = 0;
    int m_f = 0;
    int m_c = 0;
    double m_x1 = 0.0;
    double m_x2 = 0.0;
};

} // namespace quilora::interpreter
