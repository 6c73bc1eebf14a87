#include "clsEquation.h"

#include "Tokeniser.h"

using namespace quilora::interpreter;

clsEquation::clsEquation() {
    Graus(false);
}

void clsEquation::Graus(bool value) {
    if (value == m_grausFlag)
        return;
    m_grausFlag = value;
    m_dirty = true;
}

bool clsEquation::Graus() const {
    return m_grausFlag;
}

void clsEquation::VarClear() {
    m_variables.clear();
    m_dirty = true;
}

void clsEquation::Equation(std::string_view text) {
    m_parsed = false;
    m_dirty = true;
    m_equationText.assign(text);
    for (char& c : m_equationText)
        c = lowerAscii(c);
}

const std::string& clsEquation::Equation() const {
    return m_equationText;
}

void clsEquation::VarRemove(std::string_view name) {
    m_variables.remove(name);
    m_dirty = true;
}

double clsEquation::Solution() {
    if (m_dirty)
        Solve();
    return m_solutionValue;
}

void clsEquation::Solve() {
    if (!m_parsed)
        Parse();
    double value = 0.0;
    if (m_evaluator.run(m_expression, m_variables, value))
        m_solutionValue = value;
    m_dirty = false;
}

double clsEquation::Var(std::string_view name) const {
    return m_variables.value(name);
}

void clsEquation::Var(std::string_view name, double value) {
    m_dirty = true;
    try {
        m_variables.assign(name, value);
    } catch (...) {
        // Storing a variable never reports a failure.
    }
}

// A failed read leaves the object unparsed, so every later Solve reads again and reports again.
void clsEquation::Parse() {
    m_expression = parseExpression(m_equationText);
    m_evaluator.prepare(m_expression);
    m_parsed = true;
}
