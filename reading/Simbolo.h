// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

/// What a symbol of a typed text is.
enum class TipoSimbolo {
    Numero,   ///< digits and points, blanks inside it included ("1 000", "2.5")
    Nome,     ///< a letter or "_" followed by letters, digits, points and "_"; "π" is the name pi
    Abre,     ///< "("
    Fecha,    ///< ")"
    Virgula,  ///< ","
    Barra,    ///< "|", which opens or closes an absolute value
    Operador, ///< + - * / \ ^ %, also as copied ("−", "×", "÷"...)
    Expoente, ///< a run of superscript digits, maybe after "⁻" ("²", "⁻¹")
    Raiz,     ///< "√"
    Igual,    ///< "="
};

/// One symbol of a typed text, with its place in the text as typed.
struct Simbolo {
    TipoSimbolo tipo;
    qsizetype inicio = 0; ///< position of its first character
    qsizetype fim = 0;    ///< position just after its last character
    /// Nome: the name in lower case ("pi" for "π"); Expoente: its value ("2", "-1");
    /// Operador: the operator as the interpreter writes it.
    QString texto;
    bool brancoAntes = false; ///< a blank stands between it and the symbol before
    bool comPonto = false;    ///< Numero: holds a decimal point
    bool abre = false;        ///< Barra: opens an absolute value (decided by ResolverBarras)
    bool decimal = false;     ///< Virgula: a decimal comma (decided by ResolverVirgulas)
    qsizetype par = -1;       ///< Abre, Fecha and Barra: the index of the symbol it pairs with

    bool operador(QChar c) const { return tipo == TipoSimbolo::Operador && texto == c; }
};
