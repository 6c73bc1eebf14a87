// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberConversion.h"

#include <charconv>
#include <string>
#include <system_error>

namespace quilora::interpreter {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// One or more digits and at most one comma, nothing else.
bool isNumberText(std::string_view text) {
    int digits = 0;
    int commas = 0;
    for (char c : text) {
        if (isDigit(c))
            ++digits;
        else if (c == ',')
            ++commas;
        else
            return false;
    }
    return digits > 0 && commas <= 1;
}

// A value out of range is too large when a non-zero digit stands before the comma; otherwise it
// is too small and rounds to zero.
bool hasNonZeroWholePart(std::string_view text) {
    for (char c : text) {
        if (c == ',')
            return false;
        if (c != '0')
            return true;
    }
    return false;
}

} // namespace

ConvertedNumber convertNumberText(std::string_view text) {
    if (!isNumberText(text))
        return {};
    std::string decimal(text);
    for (char& c : decimal) {
        if (c == ',')
            c = '.';
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(decimal.data(), decimal.data() + decimal.size(),
                                              value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        if (hasNonZeroWholePart(text))
            return {NumberText::TooLarge, 0.0};
        return {NumberText::Converts, 0.0};
    }
    if (error != std::errc() || end != decimal.data() + decimal.size())
        return {};
    return {NumberText::Converts, value};
}

} // namespace quilora::interpreter
