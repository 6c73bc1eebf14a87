#pragma once

#include <QString>
#include <optional>

class Dialogos;
class QImage;
class QWidget;

/// Saving a picture as a Windows bitmap file, as the "Guardar" buttons do.
namespace GravacaoBitmap {

/// Writes `imagem` to `caminho` as an uncompressed 24-bit Windows bitmap, pixel for pixel.
/// The file is written beside the target and renamed over it only once complete, so a failure
/// leaves neither a partial file nor a damaged older one. Returns the reason of a failure.
std::optional<QString> escrever(const QImage& imagem, const QString& caminho);

/// Where the save dialog opens: the program's folder, unless the user cannot write there (as
/// after an installation), then the user's pictures folder, else the home folder.
QString pastaInicial(const QString& pastaDoPrograma);

/// The whole save command: asks for a name until the user gives one with the extension "bmp"
/// or cancels, then writes `imagem`, telling the user if it failed.
void guardar(Dialogos& dialogos, QWidget* pai, const QImage& imagem);

} // namespace GravacaoBitmap
