// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VisorPaginas.h"

/// "FUNÇÕES DEFINIDAS": twenty-three pages on the functions and constants of expressions.
class Form5 final : public VisorPaginas {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);
};
