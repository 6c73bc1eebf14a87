// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// The error a ReferenceEquation reports: same number, source and description as the library's.
class ReferenceError : public std::exception {
public:
    ReferenceError(int number, std::string description)
        : m_number(number), m_description(std::move(description)) {}
    int number() const { return m_number; }
    const std::string& source() const { return m_source; }
    const std::string& description() const { return m_description; }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    int m_number;
    std::string m_source = "Interpretador";
    std::string m_description;
};

/// A deliberately plain, step-by-step transcription of the expression algorithm, kept only as
/// an independent yardstick for the library: slow, literal, every numbered step on its own.
class ReferenceEquation {
public:
    ReferenceEquation();

    void Graus(bool value);
    bool Graus() const { return m_graus; }
    void VarClear();
    void Equation(std::string_view text);
    const std::string& Equation() const { return m_text; }
    void VarRemove(std::string_view name);
    double Solution();
    void Solve();
    double Var(std::string_view name) const;
    void Var(std::string_view name, double value);
    /// Whether the last Solve that ran to its end went through a failure that stayed silent.
    bool SilentFailure() const { return m_silentFailure; }

private:
    using Cell = std::variant<std::monostate, std::string, double>;

    // A failure inside a step; numbers other than 6, 11 and 1100..1105 stay silent.
    struct Failure {
        int number;
        std::string description;
    };

    // Parse
    void Parse();
    void Emit(const std::string& cell, int priority);
    void Flush();

    // Solve
    void RunEntry();
    void CaseSign();
    void CaseOperator(char op);
    void CaseGroup();
    void CaseFunction(const std::string& s);
    void CaseName(const std::string& s);
    template <class Step> void RunStep(Step&& step);
    void FailureProcedure(const Failure& failure);

    int NextToken(int q) const;
    int PrevToken(int q) const;
    Cell& CellAt(int q);
    double AsNumber(int q);
    int OrderAt(int index) const;
    double Arithmetic(char op, double left, double right) const;
    double Function(const std::string& head, double x1, double x2);
    float Draw(double argument);

    // object state
    bool m_dirty = false;
    bool m_parsed = true;
    std::map<std::string, double> m_variables;
    std::string m_text;
    bool m_graus = false;
    double m_solution = 0;
    bool m_silentFailure = false;
    std::optional<std::vector<std::string>> m_tokens;
    std::vector<int> m_tokenOrder;

    // working state of Parse
    std::string m_current;
    enum class Kind { None, Name, Number } m_tokenKind = Kind::None;
    int m_nextPosition = 1;
    int m_level = 0;
    int m_maxPriority = 7;
    bool m_afterOperand = false;
    std::vector<int> m_priorities;

    // working state of Solve; the run variables persist from one entry to the next
    std::vector<Cell> m_cells; // index 0 unused: position 0 never holds a cell
    int m_i = 0, m_p = 0, m_l = 0, m_r = 0, m_f = 0, m_c = 0;
    double m_x1 = 0, m_x2 = 0;
    bool m_failedSilently = false;

    std::minstd_rand m_generator;
    float m_lastDraw = 0;
};
