// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>

/// Takes the locale the environment names (LANG, LC_ALL), as a desktop program does. The tests
/// also run under the users' own locale, pt_PT.UTF-8: when the locale asked for is not
/// installed the run must fail, not pass quietly in the "C" locale.
inline bool usarLocalDoAmbiente() {
    if (std::setlocale(LC_ALL, "") != nullptr)
        return true;
    const char* pedido = std::getenv("LC_ALL");
    std::fprintf(stderr, "O local pedido pelo ambiente (%s) não está instalado.\n",
                 pedido && *pedido ? pedido : std::getenv("LANG"));
    return false;
}
