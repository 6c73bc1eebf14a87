// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EstiloEscalado.h"

#include <cmath>

int EstiloEscalado::pixelMetric(PixelMetric metrica, const QStyleOption* opcao,
                                const QWidget* widget) const {
    const int valor = QProxyStyle::pixelMetric(metrica, opcao, widget);
    switch (metrica) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return static_cast<int>(std::lround(valor * m_escala));
    default:
        return valor;
    }
}
