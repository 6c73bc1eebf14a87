// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VariableTable.h"

#include <algorithm>

namespace quilora::interpreter {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

} // namespace

int VariableTable::find(std::string_view name) const {
    for (std::size_t slot = 0; slot < m_entries.size(); ++slot) {
        if (sameName(m_entries[slot].name, name))
            return static_cast<int>(slot);
    }
    return -1;
}

double VariableTable::value(std::string_view name) const {
    const int slot = find(name);
    return slot < 0 ? 0.0 : valueAt(slot);
}

void VariableTable::assign(std::string_view name, double value) {
    if (assignExisting(name, value))
        return;
    m_entries.push_back({std::string(name), value});
    ++m_shape;
}

bool VariableTable::assignFound(std::string_view name, double value) {
    const int slot = find(name);
    if (slot < 0)
        return false;
    m_lastSlot = static_cast<std::size_t>(slot);
    m_entries[m_lastSlot].value = value;
    return true;
}

void VariableTable::remove(std::string_view name) {
    const int slot = find(name);
    if (slot < 0)
        return;
    m_entries.erase(m_entries.begin() + slot);
    ++m_shape;
}

void VariableTable::clear() {
    m_entries.clear();
    ++m_shape;
}

} // namespace quilora::interpreter
