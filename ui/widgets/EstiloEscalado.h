// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

/// The program's style with the drawn parts that do not follow a control's font scaled by one
/// factor: the indicators of check boxes and option buttons and the space beside them. A
/// window's layout gives it to those controls, so that at scale s they are s times as large.
class EstiloEscalado : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void definirEscala(double escala) { m_escala = escala; }
    double escala() const { return m_escala; }

    int pixelMetric(PixelMetric metrica, const QStyleOption* opcao = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double m_escala = 1;
};
