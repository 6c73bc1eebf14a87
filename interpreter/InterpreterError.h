// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>
#include <string>
#include <string_view>

/// The error raised by the expression interpreter: a number, the source "Interpretador" and a
/// description in Portuguese (UTF-8). Only reported failures become one of these; the silent
/// failures of an evaluation leave their marker in the cells instead.
class InterpreterError : public std::exception {
public:
    /// Builds an error with its number and description; the source is always the interpreter.
    InterpreterError(int number, std::string description);

    /// The error number: 6, 9, 11 or one of the interpreter's own numbers 1100 to 1105.
    int number() const noexcept { return m_number; }
    /// Always "Interpretador".
    const std::string& source() const noexcept { return m_source; }
    /// The text the user sees under the caller's heading.
    const std::string& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    int m_number;
    std::string m_source;
    std::string m_description;
};

namespace quilora::interpreter {

/// Error numbers raised by the interpreter.
enum ErrorNumber : int {
    OverflowError = 6,
    IndexError = 9,
    DivisionByZeroError = 11,
    ParenthesesError = 1100,
    UndefinedFunctionError = 1101,
    UndefinedVariableError = 1102,
    InvalidArgumentError = 1104,
};

/// Error 6, "Capacidade excedida.".
InterpreterError overflowError();
/// Error 9, "Índice fora do intervalo.".
InterpreterError indexError();
/// Error 11, "Divisão por zero.".
InterpreterError divisionByZeroError();
/// Error 1100, unequal numbers of "(" and ")".
InterpreterError parenthesesError();
/// Error 1101 for a function head such as "foo(" (the description closes the parenthesis).
InterpreterError undefinedFunctionError(std::string_view head);
/// Error 1102 for a name that is neither a constant nor a variable.
InterpreterError undefinedVariableError(std::string_view name);
/// Error 1104 for a call with nothing between its parentheses.
InterpreterError invalidArgumentError(std::string_view head);

} // namespace quilora::interpreter
