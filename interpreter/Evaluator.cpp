#include "Evaluator.h"

#include "Constants.h"
#include "InterpreterError.h"
#include "RandomGenerator.h"

#include <algorithm>

namespace quilora::interpreter {

namespace {

Status applyArithmetic(TokenType type, double left, double right, double& result) {
    Calc calc;
    double value = 0.0;
    switch (type) {
    case TokenType::Plus:
        value = calc.add(left, right);
        break;
    case TokenType::Minus:
        value = calc.sub(left, right);
        break;
    case TokenType::Times:
        value = calc.mul(left, right);
        break;
    case TokenType::Divide:
        value = calc.div(left, right);
        break;
    case TokenType::IntDivide:
        value = calc.intDiv(left, right);
        break;
    case TokenType::Power:
        value = calc.pow(left, right);
        break;
    default:
        value = calc.mod(left, right);
        break;
    }
    if (calc.ok())
        result = value;
    return calc.status();
}

} // namespace

void Evaluator::prepare(const ParsedExpression& expression) {
    const int count = static_cast<int>(expression.Tokens.size());
    m_startCells.assign(static_cast<std::size_t>(count) + 1, Cell{});
    m_startSet.resize(count);
    m_set.resize(count);
    for (int position = 1; position <= count; ++position) {
        if (expression.Tokens[position - 1].type == TokenType::Empty)
            continue;
        m_startCells[position] = Cell{Cell::Kind::Text, position - 1, 0.0};
        m_startSet.insert(position);
    }
    m_Cells = m_startCells;
    m_slots.assign(static_cast<std::size_t>(count), -1);
    m_bound = false;
}

// Names are bound to variable slots once per change of the table's shape, not per run.
void Evaluator::bindNames(const VariableTable& variables) {
    const auto& tokens = m_expression->Tokens;
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        const Token& token = tokens[index];
        const bool lookedUp = token.type == TokenType::Name || token.type == TokenType::CloseParen;
        m_slots[index] = lookedUp ? variables.find(token.text) : -1;
    }
    m_boundShape = variables.shape();
    m_bound = true;
}

bool Evaluator::run(const ParsedExpression& expression, const VariableTable& variables,
                    double& value) {
    m_expression = &expression;
    m_variables = &variables;
    if (expression.Tokens.empty())
        throw indexError();
    if (!m_bound || m_boundShape != variables.shape())
        bindNames(variables);
    std::copy(m_startCells.begin(), m_startCells.end(), m_Cells.begin());
    m_set.assign(m_startSet);
    m_i = m_p = m_l = m_r = m_f = m_c = 0;
    m_x1 = m_x2 = 0.0;

    m_count = static_cast<int>(expression.TokenOrder.size());
    for (m_i = 1; m_i <= m_count; ++m_i)
        runEntry();

    // The result is the leftmost cell that still holds something.
    double result = 0.0;
    const Status status = cellNumber(NextToken(0), result);
    if (status == Status::Ok) {
        value = result;
        return true;
    }
    if (status == Status::Overflow)
        throw overflowError();
    if (m_p < 1)
        throw indexError();
    markFailure();
    return false;
}

void Evaluator::runEntry() {
    m_p = m_expression->TokenOrder[m_i - 1];
    const Cell cell = m_Cells[m_p];
    if (cell.kind == Cell::Kind::Number)
        return;
    if (cell.kind == Cell::Kind::Empty) {
        // An operator emptied by an earlier failure: the test for a function head fails on the
        // empty text, and the call steps then run with it.
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

void Evaluator::applySign() {
    m_r = NextToken(m_p);
    double operand = 0.0;
    const Status status = cellNumber(m_r, operand);
    if (status == Status::Ok)
        setNumber(m_p, -operand);
    else
        failStep(status);
    emptyOrFail(m_r);
}

void Evaluator::applyOperator(TokenType type) {
    m_l = PrevToken(m_p);
    m_r = NextToken(m_p);
    // Left before right; the right operand is not read once the left one failed.
    double left = 0.0;
    double right = 0.0;
    double result = 0.0;
    Status status = cellNumber(m_l, left);
    if (status == Status::Ok)
        status = cellNumber(m_r, right);
    if (status == Status::Ok)
        status = applyArithmetic(type, left, right, result);
    if (status == Status::Ok)
        setNumber(m_l, result);
    else
        failStep(status);
    emptyOrFail(m_r);
    setEmpty(m_p);
}

void Evaluator::applyGroup() {
    takeClosing();
    m_f = NextToken(m_p);
    if (m_f < m_c) {
        // The group's first content moves into the "(" cell as it is, text or number.
        if (m_f == 0) {
            markFailure();
            markFailure();
        } else {
            m_Cells[m_p] = m_Cells[m_f];
            m_set.insert(m_p);
            setEmpty(m_f);
        }
        setEmpty(m_c);
    } else {
        setNumber(m_p, 0.0);
        emptyOrFail(m_c);
    }
}

void Evaluator::applyCall(const Token* head) {
    const std::string_view text = head ? std::string_view(head->text) : std::string_view();
    takeClosing();
    m_f = NextToken(m_p);
    m_l = PrevToken(m_c);
    if (m_f >= m_c)
        throw invalidArgumentError(text);
    readArgument(m_f, m_x1);
    if (m_l <= m_p)
        throw invalidArgumentError(text);
    readArgument(m_l, m_x2);
    emptyCallCells();
    if (!head || head->function == FunctionId::None)
        throw undefinedFunctionError(text);
    double value = 0.0;
    const Status status = evaluateFunction(head->function, m_x1, m_x2, value);
    if (status == Status::Ok)
        setNumber(m_p, value);
    else
        failStep(status);
}

void Evaluator::applyName(int tokenIndex) {
    const Token& token = m_expression->Tokens[tokenIndex];
    switch (token.constant) {
    case Constant::Pi:
        return setNumber(m_p, piValue);
    case Constant::E:
        return setNumber(m_p, eValue);
    case Constant::Rnd:
        return setNumber(m_p, randomNext());
    case Constant::None:
        break;
    }
    const int slot = m_slots[tokenIndex] >= 0 ? m_slots[tokenIndex] : m_variables->find(token.text);
    if (slot < 0)
        throw undefinedVariableError(token.text);
    setNumber(m_p, m_variables->valueAt(slot));
}

// The entry after a "(" or a function head is its own ")".
void Evaluator::takeClosing() {
    ++m_i;
    if (m_i <= m_count)
        m_c = m_expression->TokenOrder[m_i - 1];
    else
        markFailure();
}

void Evaluator::readArgument(int position, double& argument) {
    double value = 0.0;
    const Status status = cellNumber(position, value);
    if (status == Status::Ok)
        argument = value;
    else
        failStep(status);
}

// Empties the last argument, the first, the head and the ")", in that order; one step.
void Evaluator::emptyCallCells() {
    for (int position : {m_l, m_f, m_p, m_c}) {
        if (position == 0) {
            markFailure();
            return;
        }
        setEmpty(position);
    }
}

Status Evaluator::cellNumber(int position, double& value) const {
    if (position == 0)
        return Status::Failed;
    const Cell& cell = m_Cells[position];
    if (cell.kind == Cell::Kind::Number) {
        value = cell.number;
        return Status::Ok;
    }
    if (cell.kind == Cell::Kind::Empty)
        return Status::Failed;
    const Token& token = m_expression->Tokens[cell.token];
    if (token.type != TokenType::Number)
        return Status::Failed;
    switch (token.number.kind) {
    case NumberText::Converts:
        value = token.number.value;
        return Status::Ok;
    case NumberText::TooLarge:
        return Status::Overflow;
    case NumberText::NotNumber:
        break;
    }
    return Status::Failed;
}

void Evaluator::failStep(Status status) {
    switch (status) {
    case Status::Overflow:
        throw overflowError();
    case Status::DivisionByZero:
        throw divisionByZeroError();
    case Status::Failed:
        markFailure();
        break;
    case Status::Ok:
        break;
    }
}

int Evaluator::NextToken(int position) const {
    return m_set.next(position);
}

int Evaluator::PrevToken(int position) const {
    return m_set.previous(position);
}

void Evaluator::markFailure() {
    setNumber(m_p, failureMarker);
}

void Evaluator::setNumber(int position, double value) {
    m_Cells[position] = Cell{Cell::Kind::Number, 0, value};
    m_set.insert(position);
}

void Evaluator::setEmpty(int position) {
    m_Cells[position].kind = Cell::Kind::Empty;
    m_set.erase(position);
}

// Writing position 0 (a neighbour search that found nothing) fails the step.
void Evaluator::emptyOrFail(int position) {
    if (position == 0)
        markFailure();
    else
        setEmpty(position);
}

} // namespace quilora::interpreter
