// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InterpreterError.h"

#include <utility>

InterpreterError::InterpreterError(int number, std::string description)
    : m_number(number), m_source("Interpretador"), m_description(std::move(description)) {
}

namespace quilora::interpreter {

InterpreterError overflowError() {
    return {OverflowError, "Capacidade excedida."};
}

InterpreterError indexError() {
    return {IndexError, "Índice fora do intervalo."};
}

InterpreterError divisionByZeroError() {
    return {DivisionByZeroError, "Divisão por zero."};
}

InterpreterError parenthesesError() {
    return {ParenthesesError, "Número de parênteses incorrecto."};
}

InterpreterError undefinedFunctionError(std::string_view head) {
    return {UndefinedFunctionError, "Função não definida: " + std::string(head) + ")"};
}

InterpreterError undefinedVariableError(std::string_view name) {
    return {UndefinedVariableError, "Variável não definida: " + std::string(name)};
}

InterpreterError invalidArgumentError(std::string_view head) {
    return {InvalidArgumentError, "Argumento inválido na expressão: " + std::string(head) + ")"};
}

} // namespace quilora::interpreter
