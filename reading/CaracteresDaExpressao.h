// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QStringView>

/// The characters of an expression as the interpreter reads them, and those a pupil brings from
/// a phone, a PDF or a word processor, for the code that reads a typed text before it does.
namespace CaracteresDaExpressao {

/// A letter or "_": starts a name.
inline bool letra(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

inline bool algarismo(QChar c) {
    return c >= u'0' && c <= u'9';
}

/// A letter, a digit or a point: goes on with the name or the number being read.
inline bool continuaToken(QChar c) {
    return letra(c) || algarismo(c) || c == u'.';
}

inline bool operador(QChar c) {
    return QStringView(u"+-*/\\^%").contains(c);
}

/// Any other character is passed over by the interpreter without ending the token being read.
inline bool ignorado(QChar c) {
    return !continuaToken(c) && !operador(c) && !QStringView(u"(),").contains(c);
}

/// The operator a copied sign stands for ("−" and "–" subtract, "×" and "·" multiply, "÷"
/// divides), or a null character for any other.
inline QChar operadorCopiado(QChar c) {
    switch (c.unicode()) {
    case 0x2212: // minus sign
    case 0x2013: // en dash
        return u'-';
    case 0x00D7: // multiplication sign
    case 0x00B7: // middle dot
    case 0x22C5: // dot operator
        return u'*';
    case 0x00F7: // division sign
        return u'/';
    default:
        return {};
    }
}

inline constexpr char16_t kPi = 0x03C0;
inline constexpr char16_t kRaiz = 0x221A;
inline constexpr char16_t kMenosElevado = 0x207B;

/// The digit a superscript digit stands for ("²" is 2), or a null character.
inline QChar algarismoElevado(QChar c) {
    switch (c.unicode()) {
    case 0x2070:
        return u'0';
    case 0x00B9:
        return u'1';
    case 0x00B2:
        return u'2';
    case 0x00B3:
        return u'3';
    default:
        return c.unicode() >= 0x2074 && c.unicode() <= 0x2079 ? QChar(u'4' + (c.unicode() - 0x2074))
                                                              : QChar();
    }
}

} // namespace CaracteresDaExpressao
