#include "FastCompiler.h"

#include "CellSet.h"
#include "Constants.h"

#include <string_view>

namespace quilora::interpreter {

namespace {

/// Thrown inside the builder when the expression gets no program.
struct NoProgram {};

/// A working cell by kind: empty, a token's text, or a value in a register.
struct SymbolicCell {
    enum class Kind : unsigned char { Empty, Text, Value };
    Kind kind = Kind::Empty;
    int token = 0;
    int reg = 0;
};

FastOp operatorOp(TokenType type) {
    switch (type) {
    case TokenType::Plus:
        return FastOp::Add;
    case TokenType::Minus:
        return FastOp::Subtract;
    case TokenType::Times:
        return FastOp::Multiply;
    case TokenType::Divide:
        return FastOp::Divide;
    case TokenType::IntDivide:
        return FastOp::IntDivide;
    case TokenType::Power:
        return FastOp::Power;
    default:
        return FastOp::Modulo;
    }
}

FastOp functionOp(FunctionId id) {
    switch (id) {
    case FunctionId::Sqr:
        return FastOp::Sqr;
    case FunctionId::Ln:
        return FastOp::Ln;
    case FunctionId::Exp:
        return FastOp::Exp;
    case FunctionId::Sin:
        return FastOp::Sin;
    case FunctionId::Cos:
        return FastOp::Cos;
    case FunctionId::Tan:
        return FastOp::Tan;
    case FunctionId::Atn:
        return FastOp::Atn;
    case FunctionId::Abs:
        return FastOp::Abs;
    case FunctionId::Min:
        return FastOp::Min;
    case FunctionId::Max:
        return FastOp::Max;
    default:
        return FastOp::Function;
    }
}

bool drawsRandomNumbers(FunctionId id) {
    return id == FunctionId::Rnd || id == FunctionId::Rand || id == FunctionId::Random;
}

/// The evaluation's steps, entry by entry, with registers in place of numbers. Every branch
/// below is the evaluation's own branch; where it would raise an error, there is no program.
class Builder {
public:
    Builder(const ParsedExpression& expression, const VariableTable& variables)
        : m_expression(expression), m_variables(variables) {}

    FastProgram build();

private:
    void runEntry();
    void applySign();
    void applyOperator(TokenType type);
    void applyGroup();
    void applyCall(const Token& head);
    void applyName(const Token& token);
    void takeClosing();
    void readArgument(int position, int& argument);
    void emptyCallCells();
    Status cellValue(int position, int& reg);
    void failStep(Status status);
    void markFailure();
    void setValue(int position, int reg);
    void setEmpty(int position);
    void emptyOrFail(int position);
    int emit(FastOp op, FunctionId function, int a, int b);

    const ParsedExpression& m_expression;
    const VariableTable& m_variables;
    FastProgram m_program;
    std::vector<SymbolicCell> m_cells;
    CellSet m_set;

    int m_count = 0;
    int m_i = 0;
    int m_p = 0;
    int m_l = 0;
    int m_r = 0;
    int m_f = 0;
    int m_c = 0;
    int m_x1 = 0;
    int m_x2 = 0;
};

FastProgram Builder::build() {
    const int count = static_cast<int>(m_expression.Tokens.size());
    if (count == 0)
        throw NoProgram{};
    m_cells.assign(static_cast<std::size_t>(count) + 1, SymbolicCell{});
    m_set.resize(count);
    for (int position = 1; position <= count; ++position) {
        if (m_expression.Tokens[position - 1].type == TokenType::Empty)
            continue;
        m_cells[position] = SymbolicCell{SymbolicCell::Kind::Text, position - 1, 0};
        m_set.insert(position);
    }
    // The function arguments start at 0 and outlive a call whose argument fails to convert.
    m_x1 = m_x2 = m_program.addConstant(0.0);

    m_count = static_cast<int>(m_expression.TokenOrder.size());
    for (m_i = 1; m_i <= m_count; ++m_i)
        runEntry();

    int result = 0;
    const Status status = cellValue(m_set.next(0), result);
    if (status == Status::Ok)
        m_program.setResult(result);
    else if (status == Status::Overflow || m_p < 1)
        throw NoProgram{};
    else
        m_program.setResult(-1);
    m_program.finish();
    return std::move(m_program);
}

void Builder::runEntry() {
    m_p = m_expression.TokenOrder[m_i - 1];
    const SymbolicCell cell = m_cells[m_p];
    if (cell.kind == SymbolicCell::Kind::Value)
        return;
    // An entry emptied by an earlier failure always ends in error 1101 or 1104.
    if (cell.kind == SymbolicCell::Kind::Empty)
        throw NoProgram{};
    const Token& token = m_expression.Tokens[cell.token];
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
        return applyCall(token);
    case TokenType::Number:
        // Numbers have no entry of their own; leave anything unforeseen to the evaluation.
        throw NoProgram{};
    default:
        return applyName(token);
    }
}

void Builder::applySign() {
    m_r = m_set.next(m_p);
    int operand = 0;
    const Status status = cellValue(m_r, operand);
    if (status == Status::Ok)
        setValue(m_p, emit(FastOp::Negate, FunctionId::None, operand, operand));
    else
        failStep(status);
    emptyOrFail(m_r);
}

// A silent failure of "^" keeps the left operand's value, which is what its operation gives
// then, so the left cell holds the operation's register either way.
void Builder::applyOperator(TokenType type) {
    m_l = m_set.previous(m_p);
    m_r = m_set.next(m_p);
    int left = 0;
    int right = 0;
    Status status = cellValue(m_l, left);
    if (status == Status::Ok)
        status = cellValue(m_r, right);
    if (status == Status::Ok)
        setValue(m_l, emit(operatorOp(type), FunctionId::None, left, right));
    else
        failStep(status);
    emptyOrFail(m_r);
    setEmpty(m_p);
}

void Builder::applyGroup() {
    takeClosing();
    m_f = m_set.next(m_p);
    if (m_f < m_c) {
        if (m_f == 0) {
            markFailure();
        } else {
            m_cells[m_p] = m_cells[m_f];
            m_set.insert(m_p);
            setEmpty(m_f);
        }
        setEmpty(m_c);
    } else {
        setValue(m_p, m_program.addConstant(0.0));
        emptyOrFail(m_c);
    }
}

void Builder::applyCall(const Token& head) {
    takeClosing();
    m_f = m_set.next(m_p);
    m_l = m_set.previous(m_c);
    if (m_f >= m_c)
        throw NoProgram{};
    readArgument(m_f, m_x1);
    if (m_l <= m_p)
        throw NoProgram{};
    readArgument(m_l, m_x2);
    emptyCallCells();
    if (head.function == FunctionId::None || drawsRandomNumbers(head.function))
        throw NoProgram{};
    // A silent failure of the function leaves the marker in the head's cell, which is what the
    // operation gives then.
    setValue(m_p, emit(functionOp(head.function), head.function, m_x1, m_x2));
}

void Builder::applyName(const Token& token) {
    switch (token.constant) {
    case Constant::Pi:
        return setValue(m_p, m_program.addConstant(piValue));
    case Constant::E:
        return setValue(m_p, m_program.addConstant(eValue));
    case Constant::Rnd:
        throw NoProgram{};
    case Constant::None:
        break;
    }
    const int slot = m_variables.find(token.text);
    if (slot < 0)
        throw NoProgram{};
    setValue(m_p, m_program.addInput(slot));
}

void Builder::takeClosing() {
    ++m_i;
    if (m_i <= m_count)
        m_c = m_expression.TokenOrder[m_i - 1];
    else
        markFailure();
}

void Builder::readArgument(int position, int& argument) {
    int reg = 0;
    const Status status = cellValue(position, reg);
    if (status == Status::Ok)
        argument = reg;
    else
        failStep(status);
}

void Builder::emptyCallCells() {
    for (int position : {m_l, m_f, m_p, m_c}) {
        if (position == 0) {
            markFailure();
            return;
        }
        setEmpty(position);
    }
}

Status Builder::cellValue(int position, int& reg) {
    if (position == 0)
        return Status::Failed;
    const SymbolicCell& cell = m_cells[position];
    if (cell.kind == SymbolicCell::Kind::Value) {
        reg = cell.reg;
        return Status::Ok;
    }
    if (cell.kind == SymbolicCell::Kind::Empty)
        return Status::Failed;
    const Token& token = m_expression.Tokens[cell.token];
    if (token.type != TokenType::Number)
        return Status::Failed;
    switch (token.number.kind) {
    case NumberText::Converts:
        reg = m_program.addConstant(token.number.value);
        return Status::Ok;
    case NumberText::TooLarge:
        return Status::Overflow;
    case NumberText::NotNumber:
        break;
    }
    return Status::Failed;
}

void Builder::failStep(Status status) {
    if (status == Status::Overflow || status == Status::DivisionByZero)
        throw NoProgram{};
    if (status == Status::Failed)
        markFailure();
}

void Builder::markFailure() {
    setValue(m_p, m_program.addConstant(failureMarker));
}

void Builder::setValue(int position, int reg) {
    m_cells[position] = SymbolicCell{SymbolicCell::Kind::Value, 0, reg};
    m_set.insert(position);
}

void Builder::setEmpty(int position) {
    m_cells[position].kind = SymbolicCell::Kind::Empty;
    m_set.erase(position);
}

void Builder::emptyOrFail(int position) {
    if (position == 0)
        markFailure();
    else
        setEmpty(position);
}

// Operations on constants are done here, when they cannot end in a reported error; one that
// would report an error everywhere leaves the expression to the evaluation.
int Builder::emit(FastOp op, FunctionId function, int a, int b) {
    if (m_program.isConstant(a) && m_program.isConstant(b)) {
        double value = 0.0;
        if (!execute(op, function, m_program.constantValue(a), m_program.constantValue(b), 1,
                     value))
            throw NoProgram{};
        return m_program.addConstant(value);
    }
    if (op == FastOp::Power && m_program.isConstant(b) && m_program.constantValue(b) == 2.0)
        return m_program.add(FastOp::Square, function, a, b);
    if (op == FastOp::Power && m_program.isConstant(b) && m_program.constantValue(b) == 3.0)
        return m_program.add(FastOp::Cube, function, a, b);
    return m_program.add(op, function, a, b);
}

} // namespace

std::optional<FastProgram> compileFastProgram(const ParsedExpression& expression,
                                              const VariableTable& variables) {
    try {
        return Builder(expression, variables).build();
    } catch (const NoProgram&) {
        return std::nullopt;
    }
}

} // namespace quilora::interpreter
