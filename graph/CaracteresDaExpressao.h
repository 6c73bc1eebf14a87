// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QStringView>

/// The characters of an expression as the interpreter reads them, for the code that reads a
/// typed text before it does.
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

/// Any other character is passed over without ending the token being read.
inline bool ignorado(QChar c) {
    return !continuaToken(c) && !operador(c) && !QStringView(u"(),").contains(c);
}

} // namespace CaracteresDaExpressao
