// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

/// The two colour choices of one graph area: the colour of its next curves and its background
/// (CommonDialog1 and CommonDialog2 for the function area, CommonDialog3 and CommonDialog4 for
/// the transform area), as the main window's activation sets them.
struct CoresDaArea {
    QColor grafico{0, 0, 255};
    QColor fundo{255, 255, 255};
};
