// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EscolhaExportacao.h"

#include <QString>

class PaginaDosGraficos;
class QIODevice;
class QSize;

/// The files of "Exportar imagem…": a PNG picture at the screen's size, at twice it or at 300
/// dots per inch as wide as an A4 page; an SVG drawing (curves as paths, texts as texts); a
/// one-page A4 PDF. Each is drawn by the areas' own drawing at the file's resolution.
namespace ExportacaoImagem {

/// The width of an A4 page inside margins of 1 cm, at 300 dots per inch (19 cm).
inline constexpr int kLarguraA4300dpi = 2244;

/// The extension, without the dot, and the filter of the save dialog for `formato`.
QString extensao(EscolhaExportacao::Formato formato);
QString filtro(EscolhaExportacao::Formato formato);

/// The size in pixels of the PNG picture of `pagina` at `tamanho`.
QSize tamanhoPng(const PaginaDosGraficos& pagina, EscolhaExportacao::Tamanho tamanho);

/// Writes `pagina` into `destino` as `escolha` says; false when it could not.
bool escrever(const PaginaDosGraficos& pagina, const EscolhaExportacao& escolha,
              QIODevice& destino);

} // namespace ExportacaoImagem
