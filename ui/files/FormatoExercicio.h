// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercicio.h"

#include <QByteArray>
#include <QString>
#include <variant>

/// The text of a `.quilora` file: a JSON object in UTF-8 with the format's name and version,
/// written and read the same whatever the locale (the README describes it key by key).
namespace FormatoExercicio {

/// The version written, and the newest one read.
inline constexpr int kVersao = 1;
/// More curves than this in one area is no board a lesson makes: the file is refused.
inline constexpr int kCurvasMaximas = 500;

/// The file's text for `exercicio`.
QByteArray escrever(const Exercicio& exercicio);

/// The exercise in `dados`, or, when they hold none, the reason in Portuguese: not an exercise,
/// damaged (a key missing or of the wrong kind, named), or of a newer version.
std::variant<Exercicio, QString> ler(const QByteArray& dados);

} // namespace FormatoExercicio
