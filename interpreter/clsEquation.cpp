#include "clsEquation.h"

#include "FastCompiler.h"
#include "Tokeniser.h"

using namespace quilora::interpreter;

clsEquation::clsEquation() {
    Graus(false);
}

void clsEquation::Graus(bool value) {
    if (value == m_GrausFlag)
        return;
    m_GrausFlag = value;
    m_Dirty = true;
}

bool clsEquation::Graus() const {
    return m_GrausFlag;
}

void clsEquation::VarClear() {
    m_Variables.clear();
    m_Dirty = true;
}

void clsEquation::Equation(std::string_view text) {
    m_Parsed = false;
    m_Dirty = true;
    m_EquationText.assign(text);
    for (char& c : m_EquationText)
        c = lowerAscii(c);
}

const std::string& clsEquation::Equation() const {
    return m_EquationText;
}

void clsEquation::VarRemove(std::string_view name) {
    m_Variables.remove(name);
    m_Dirty = true;
}

double clsEquation::Solution() {
    if (m_Dirty)
        Solve();
    return m_SolutionValue;
}

void clsEquation::Solve() {
    if (!m_Parsed)
        Parse();
    if (m_fastPathEnabled && solveFast())
        return;
    double value = 0.0;
    if (m_evaluator.run(m_expression, m_Variables, value))
        m_SolutionValue = value;
    m_Dirty = false;
}

double clsEquation::Var(std::string_view name) const {
    return m_Variables.value(name);
}

void clsEquation::Var(std::string_view name, double value) {
    m_Dirty = true;
    try {
        m_Variables.assign(name, value);
    } catch (...) {
        // Storing a variable never reports a failure.
    }
}

// A failed read leaves the object unparsed, so every later Solve reads again and reports again.
void clsEquation::Parse() {
    m_expression = parseExpression(m_EquationText);
    m_evaluator.prepare(m_expression);
    m_fastProgram.reset();
    m_fastCompiled = false;
    m_Parsed = true;
}

// Runs the compiled program, building it first for a new expression or a new set of variable
// names. Returns false when the evaluation must run instead: no program, or a value for which
// the evaluation reports an error (nothing has been changed then).
bool clsEquation::solveFast() {
    if (!m_fastCompiled || m_fastShape != m_Variables.shape()) {
        m_fastProgram = compileFastProgram(m_expression, m_Variables);
        m_fastShape = m_Variables.shape();
        m_fastCompiled = true;
    }
    if (!m_fastProgram)
        return false;
    double value = 0.0;
    switch (m_fastProgram->run(m_Variables, value)) {
    case FastProgram::Outcome::Value:
        m_SolutionValue = value;
        break;
    case FastProgram::Outcome::Kept:
        break;
    case FastProgram::Outcome::Refused:
        return false;
    }
    m_Dirty = false;
    return true;
}
