// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VisorPaginas.h"

/// "SINTAXE": four pages on how to write expressions.
class Form4 final : public VisorPaginas {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);
};
