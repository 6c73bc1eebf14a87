// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <vector>

/// A round anti-aliased dot of one diameter, in pixels of the image it is set on: the coverage
/// of each pixel for each of 8 x 8 places of its centre within a pixel, measured once, so that
/// setting a dot costs no more than blending its few pixels.
class CarimboRedondo {
public:
    /// A dot `diametro` pixels wide (never thinner than one pixel).
    explicit CarimboRedondo(double diametro);

    /// Blends a dot of the opaque colour `cor` into `imagem` (RGB32 or premultiplied ARGB32),
    /// centred on the exact point `centro`, where pixel (c, r) covers c to c + 1 and r to r + 1.
    void carimbar(QImage& imagem, QPointF centro, QRgb cor) const;

private:
    int m_lado = 0, m_raio = 0; // m_raio: pixels from the stamp's corner to the centre's pixel
    std::vector<quint8> m_cobertura;
};
