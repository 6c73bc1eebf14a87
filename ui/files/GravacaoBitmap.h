// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

class Dialogos;
class QImage;
class QWidget;

/// Saving a picture as a Windows bitmap file, as the "Guardar" buttons do.
namespace GravacaoBitmap {

/// Writes `imagem` to `caminho` as an uncompressed 24-bit Windows bitmap, pixel for pixel.
/// Written through the program's save path (Gravacao): a failure leaves neither a partial file
/// nor a damaged older one. Returns the reason of a failure.
std::optional<QString> escrever(const QImage& imagem, const QString& caminho);

/// Where the save dialog opens: the program's folder when it is the user's own, can be written
/// to and is no system folder (after an installation it is none of these, even for root); else
/// the user's pictures folder, on the same terms; else the home folder.
QString pastaInicial(const QString& pastaDoPrograma);

/// The whole save command: asks for a name until the user gives one with the extension "bmp"
/// (or none, which gets it) or cancels, then writes `imagem`, telling the user if it failed.
void guardar(Dialogos& dialogos, QWidget* pai, const QImage& imagem);

} // namespace GravacaoBitmap
