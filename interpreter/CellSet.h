// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace quilora::interpreter {

/// The set of non-empty cell positions, as a two-level bitset: a bit per position and a summary
/// bit per 64-bit word, so that the nearest non-empty neighbour is found in a few word
/// operations however many cells around it have been emptied.
class CellSet {
public:
    /// Room for positions 0 to last, all absent. Allocates; done once per expression.
    void resize(int last);
    /// Copies another set of the same size without allocating.
    void assign(const CellSet& other);

    void insert(int position);
    void erase(int position);
    bool contains(int position) const;

    /// The smallest member greater than position, or 0 if there is none.
    int next(int position) const;
    /// The largest member smaller than position and at least 1, or 0 if there is none.
    int previous(int position) const;

private:
    int nextWord(int word) const;
    int previousWord(int word) const;

    std::vector<std::uint64_t> m_words;
    std::vector<std::uint64_t> m_summary;
};

} // namespace quilora::interpreter
