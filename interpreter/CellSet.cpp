// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CellSet.h"

#include <algorithm>
#include <bit>

namespace quilora::interpreter {

namespace {

constexpr int wordBits = 64;

std::uint64_t bitAt(int index) {
    return std::uint64_t{1} << (index % wordBits);
}

} // namespace

void CellSet::resize(int last) {
    const int words = last / wordBits + 1;
    m_words.assign(static_cast<std::size_t>(words), 0);
    m_summary.assign(static_cast<std::size_t>((words - 1) / wordBits + 1), 0);
}

void CellSet::assign(const CellSet& other) {
    std::copy(other.m_words.begin(), other.m_words.end(), m_words.begin());
    std::copy(other.m_summary.begin(), other.m_summary.end(), m_summary.begin());
}

void CellSet::insert(int position) {
    const int word = position / wordBits;
    m_words[word] |= bitAt(position);
    m_summary[word / wordBits] |= bitAt(word);
}

void CellSet::erase(int position) {
    const int word = position / wordBits;
    m_words[word] &= ~bitAt(position);
    if (m_words[word] == 0)
        m_summary[word / wordBits] &= ~bitAt(word);
}

bool CellSet::contains(int position) const {
    return (m_words[position / wordBits] & bitAt(position)) != 0;
}

// The first non-empty word at or after word, or -1.
int CellSet::nextWord(int word) const {
    const int words = static_cast<int>(m_words.size());
    if (word >= words)
        return -1;
    int group = word / wordBits;
    std::uint64_t bits = m_summary[group] & (~std::uint64_t{0} << (word % wordBits));
    while (bits == 0) {
        if (++group >= static_cast<int>(m_summary.size()))
            return -1;
        bits = m_summary[group];
    }
    return group * wordBits + std::countr_zero(bits);
}

// The last non-empty word at or before word, or -1.
int CellSet::previousWord(int word) const {
    if (word < 0)
        return -1;
    int group = word / wordBits;
    std::uint64_t bits = m_summary[group] & (~std::uint64_t{0} >> (wordBits - 1 - word % wordBits));
    while (bits == 0) {
        if (--group < 0)
            return -1;
        bits = m_summary[group];
    }
    return group * wordBits + wordBits - 1 - std::countl_zero(bits);
}

int CellSet::next(int position) const {
    const int start = std::max(position + 1, 1);
    int word = start / wordBits;
    if (word >= static_cast<int>(m_words.size()))
        return 0;
    std::uint64_t bits = m_words[word] & (~std::uint64_t{0} << (start % wordBits));
    if (bits == 0) {
        word = nextWord(word + 1);
        if (word < 0)
            return 0;
        bits = m_words[word];
    }
    return word * wordBits + std::countr_zero(bits);
}

int CellSet::previous(int position) const {
    const int words = static_cast<int>(m_words.size());
    const int end = std::min(position - 1, words * wordBits - 1);
    if (end < 1)
        return 0;
    int word = end / wordBits;
    std::uint64_t bits = m_words[word] & (~std::uint64_t{0} >> (wordBits - 1 - end % wordBits));
    if (bits == 0) {
        word = previousWord(word - 1);
        if (word < 0)
            return 0;
        bits = m_words[word];
    }
    return word * wordBits + wordBits - 1 - std::countl_zero(bits);
}

} // namespace quilora::interpreter
