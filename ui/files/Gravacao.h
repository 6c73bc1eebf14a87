// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dialogos.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

/// The one way the program writes a file (a picture, an exercise, an export): the content is
/// written beside the target and put in its place only once complete, so a failure at any
/// point leaves neither a partial file nor a damaged older one, and says in Portuguese why.
namespace Gravacao {

/// Writes the content of a file into the device it is given; false when it could not.
using Escritor = std::function<bool(QIODevice&)>;

/// Writes `dados` to `caminho`. Returns, on failure, the path and the reason on the next line
/// ("…/grafico.bmp\r\nNão há espaço livre no disco para guardar o ficheiro.").
std::optional<QString> gravar(const QString& caminho, const QByteArray& dados);

/// Writes what `escrever` makes to `caminho`, as above.
std::optional<QString> gravar(const QString& caminho, const Escritor& escrever);

/// `ficheiro` with ".extensao" when its name has no extension; a name ending in "." has an
/// empty one, and the dot is not doubled ("grafico." is "grafico.bmp").
QString comExtensao(const QString& ficheiro, const QString& extensao);

/// The whole save command: asks for a name with `pedido` until the user gives one with its
/// extension (or none) or cancels, then writes with `escrever`, telling the user if it failed.
/// Returns the file written, or nothing when the user cancelled or the save failed.
std::optional<QString> guardar(Dialogos& dialogos, QWidget* pai,
                               const Dialogos::PedidoGuardar& pedido, const Escritor& escrever);

} // namespace Gravacao
