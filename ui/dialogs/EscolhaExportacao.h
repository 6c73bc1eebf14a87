// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// What "Exportar imagem…" writes: which graphs, in which format and, for a PNG picture, at
/// which size.
struct EscolhaExportacao {
    enum class Graficos { Funcao, Transformada, Ambos };
    enum class Formato { Png, Svg, Pdf };
    enum class Tamanho {
        Ecra,    ///< the areas' pixels at scale 1
        Dobro,   ///< twice that
        A4300dpi ///< as wide as an A4 page inside 1 cm margins, at 300 dots per inch
    };

    Graficos graficos = Graficos::Ambos;
    Formato formato = Formato::Png;
    Tamanho tamanho = Tamanho::A4300dpi;
    bool operator==(const EscolhaExportacao&) const = default;
};
