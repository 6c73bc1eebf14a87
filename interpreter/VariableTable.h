// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace quilora::interpreter {

/// Named variable values; names compare without regard to case (ASCII letters only).
/// The shape counter changes whenever a name is added or removed, so that names bound to slots
/// know when to bind again; writing the value of an existing name keeps the shape.
class VariableTable {
public:
    /// The slot of a name, or -1.
    int find(std::string_view name) const;
    double valueAt(int slot) const { return m_entries[static_cast<std::size_t>(slot)].value; }
    /// The value stored under a name, 0 when there is none.
    double value(std::string_view name) const;

    /// Stores a value under a name, replacing any earlier one; no allocation for a known name.
    void assign(std::string_view name, double value);
    /// Stores a value under a name already in the table; false, changing nothing, when the name
    /// is new. The slot written last is tried first with the name exactly as given, so that a
    /// plot writing "x" again and again compares one short name.
    bool assignExisting(std::string_view name, double value) {
        if (m_lastSlot < m_entries.size()) {
            Entry& entry = m_entries[m_lastSlot];
            if (entry.name.size() == name.size() &&
                std::memcmp(entry.name.data(), name.data(), name.size()) == 0) {
                entry.value = value;
                return true;
            }
        }
        return assignFound(name, value);
    }
    void remove(std::string_view name);
    void clear();

    std::uint64_t shape() const { return m_shape; }

private:
    bool assignFound(std::string_view name, double value);

    struct Entry {
        std::string name;
        double value;
    };

    std::vector<Entry> m_entries;
    std::uint64_t m_shape = 0;
    std::size_t m_lastSlot = 0;
};

/// ASCII letters to lower case; every other byte unchanged.
char lowerAscii(char c);

} // namespace quilora::interpreter
