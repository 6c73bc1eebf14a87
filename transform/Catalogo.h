// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

/// Which parameter field a piece of text takes its value from.
enum class Parametro { Nenhum, A, B };

/// How an option turns the text of f into the transformed text.
enum class Construcao {
    Envolver,  ///< the whole text of f inside a fixed frame, into `Função2`
    Substituir ///< every lowercase x of f replaced by a text, into `Função3`
};

/// A frame around a text: parameter text + abre + text + fecha. Absent when abre is null.
struct Moldura {
    Parametro parametro = Parametro::Nenhum;
    const char* abre = nullptr;
    const char* fecha = nullptr;

    bool presente() const { return abre != nullptr; }
};

/// What an x is replaced by: antes + parameter text + depois.
struct Substituto {
    const char* antes = nullptr;
    Parametro parametro = Parametro::Nenhum;
    const char* depois = "";
};

/// One transformation: its control, what the user sees, and how its text is built.
struct Transformacao {
    int numero;           ///< 1 to 10
    const char* controlo; ///< object name, "Option1" ...
    const char* legenda;  ///< caption of the option button
    const char* dica;     ///< tool tip
    bool usaA;            ///< a is checked and written back (always before b)
    bool usaB;
    Construcao construcao;
    Moldura envolvimento;  ///< the frame of a wrapping option
    Substituto substituto; ///< the replacement of a substituting option
    Moldura fecho;         ///< frame put around the scan's result, if any
    bool exigeANaoNulo;    ///< plotted only when the leading number of a is not zero
};

/// The ten transformations, `Option1` first.
const std::array<Transformacao, 10>& catalogo();

/// The row of option n (1 to 10).
const Transformacao& transformacao(int numero);
