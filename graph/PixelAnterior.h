// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

/// The pixel of the dot set last. Neighbouring samples of a plot often fall on one pixel, and
/// setting it again changes nothing, so such a dot can be passed over.
class PixelAnterior {
public:
    /// Whether the exact point (px, py) of an image, inside it, lies on the pixel of the point
    /// before; it becomes the point before.
    bool repete(double px, double py) {
        const QPoint pixel(static_cast<int>(px), static_cast<int>(py));
        const bool mesmo = m_temPixel && pixel == m_pixel;
        m_pixel = pixel;
        m_temPixel = true;
        return mesmo;
    }
    /// The next point has no point before it.
    void esquecer() { m_temPixel = false; }

private:
    QPoint m_pixel;
    bool m_temPixel = false;
};
