// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JanelaAjuda.h"

/// "INSTRUÇÕES": three pages of instructions. It keeps no page counter: the current page is
/// the one whose picture is visible. Closing it unloads it (the window deletes itself), so the
/// next showing starts again on page 1.
class Form2 final : public JanelaAjuda {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

private:
    void seguinte() override;
    void anterior() override;
};
