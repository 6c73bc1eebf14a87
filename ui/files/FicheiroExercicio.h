// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercicio.h"

#include <QString>
#include <optional>
#include <variant>

class Dialogos;
class QWidget;

/// Exercise files (`.quilora`) on the disk: opening one, and saving one through the program's
/// save path.
namespace FicheiroExercicio {

/// The extension of exercise files, without the dot.
inline constexpr char kExtensao[] = "quilora";
/// The filter of the save and open dialogs.
inline constexpr char kFiltro[] = "Exercício do Quilora (*.quilora)";
/// The largest file read: an exercise takes a few kilobytes.
inline constexpr qint64 kTamanhoMaximo = 1024 * 1024;

/// The exercise in the file `caminho`, or, when it cannot be read as one, the path and the
/// reason on the next line (missing, unreadable, failing while read, too large, not an
/// exercise, damaged, of a newer version).
std::variant<Exercicio, QString> abrir(const QString& caminho);

/// The message box's text for a failure of `abrir`: "Não foi possível abrir o exercício:",
/// two line breaks and the failure.
QString mensagemDeAbertura(const QString& falha);

/// Writes `exercicio` to `caminho`; returns the path and the reason of a failure.
std::optional<QString> gravar(const Exercicio& exercicio, const QString& caminho);

/// The whole save command for an exercise, as `Gravacao::guardar`: returns the file written.
std::optional<QString> guardar(Dialogos& dialogos, QWidget* pai, const Exercicio& exercicio,
                               const QString& pastaInicial);

} // namespace FicheiroExercicio
