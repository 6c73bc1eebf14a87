// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace quilora::interpreter {

/// What converting a number cell's text gives.
enum class NumberText : unsigned char {
    Converts,  ///< digits with at most one decimal comma
    NotNumber, ///< anything else, a silent failure when it is used
    TooLarge,  ///< beyond the double range, error 6 when it is used
};

struct ConvertedNumber {
    NumberText kind = NumberText::NotNumber;
    double value = 0.0;
};

/// Converts the stored text of a number token ("3,5", ",5", "5,"), correctly rounded and
/// independent of the system's number settings. Tiny values round to zero or a subnormal.
ConvertedNumber convertNumberText(std::string_view text);

} // namespace quilora::interpreter
