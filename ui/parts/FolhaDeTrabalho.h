// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class PaginaDosGraficos;
class QPagedPaintDevice;

/// The printed worksheet, one A4 page: the program's name, f, both graphs with their axes and
/// the list of the transforms, any lines the exercise panel adds (the description, the notable
/// points), and a line for the pupil's name and the date.
namespace FolhaDeTrabalho {

/// The line the pupil fills in.
inline constexpr char kLinhaDoAluno[] = "Nome: ______  Data: ______";

/// Draws the page on `folha` (a printer, a PDF writer) inside its margins.
void desenhar(QPagedPaintDevice& folha, const PaginaDosGraficos& graficos, const QString& f,
              const QStringList& linhasDoPainel);

} // namespace FolhaDeTrabalho
