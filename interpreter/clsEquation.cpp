// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

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
    m_fastReady = false;
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

void clsEquation::solveStepwise() {
    if (!m_Parsed)
        Parse();
    // A program that has just refused these values would only refuse them again.
    const bool refused = m_fastReady && m_fastShape == m_Variables.shape();
    if (m_fastPathEnabled && !refused && solveFast())
        return;
    double value = 0.0;
    if (m_evaluator.run(m_expression, m_Variables, value))
        m_SolutionValue = value;
    m_silentFailure = m_evaluator.silentFailure();
    m_Dirty = false;
}

double clsEquation::Var(std::string_view name) const {
    return m_Variables.value(name);
}

void clsEquation::addVariable(std::string_view name, double value) {
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
    m_fastReady = false;
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
        m_fastReady = m_fastProgram.has_value();
    }
    if (!m_fastProgram)
        return false;
    if (!m_fastProgram->run(m_Variables, m_SolutionValue, m_silentFailure))
        return false;
    m_Dirty = false;
    return true;
}
