// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

class Dialogos;
class QFileDevice;
class QImage;
class QWidget;

/// Saving a picture as a Windows bitmap file, as the "Guardar" buttons do.
namespace GravacaoBitmap {

/// Writes `imagem` to `caminho` as an uncompressed 24-bit Windows bitmap, pixel for pixel.
/// The file is written beside the target and renamed over it only once complete, so a failure
/// leaves neither a partial file nor a damaged older one. Returns the reason of a failure.
std::optional<QString> escrever(const QImage& imagem, const QString& caminho);

/// Writes `imagem` as that bitmap to an open file, flushed. Returns the reason of a failure,
/// in Portuguese (a full disk is told as such).
std::optional<QString> escreverEm(const QImage& imagem, QFileDevice& destino);

/// Where the save dialog opens: the program's folder when it is the user's own, can be written
/// to and is no system folder (after an installation it is none of these, even for root); else
/// the user's pictures folder, on the same terms; else the home folder.
QString pastaInicial(const QString& pastaDoPrograma);

/// The whole save command: asks for a name until the user gives one with the extension "bmp"
/// or cancels, then writes `imagem`, telling the user if it failed.
void guardar(Dialogos& dialogos, QWidget* pai, const QImage& imagem);

} // namespace GravacaoBitmap
