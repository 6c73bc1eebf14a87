#include "clsEquation.h"

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
    m_Parsed = true;
}
