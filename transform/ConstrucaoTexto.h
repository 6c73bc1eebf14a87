// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogo.h"
#include "Composicao.h"

#include <QString>
#include <optional>

/// The working texts of a build. They keep the last built texts until the next build
/// overwrites them; a wrapping option writes only `Função2`.
struct TextosDeTrabalho {
    QString Função2; ///< wrapped text, or what is left to scan after the last replaced x
    QString Função3; ///< the result of a scan
};

/// The texts of the fields `ValorDeA` and `ValorDeB` as the build reads them.
struct Parametros {
    QString a;
    QString b;
};

/// The text of one parameter field (empty for Parametro::Nenhum).
QString textoDoParametro(Parametro parametro, const Parametros& parametros);

/// The substitution scan: pads f with a blank on each side into `Função2`, empties `Função3`,
/// then moves everything up to each lowercase x, and the replacement for it, from `Função2`
/// to `Função3`; the rest of `Função2` goes last. The character right after a replaced x is
/// never examined.
void SubstituirX(const QString& f, const Substituto& substituto, const Parametros& parametros,
                 TextosDeTrabalho& textos);

/// Builds the text of a transformation of f into the working texts (steps of wrap or scan and
/// closing wrap), from the parameter texts as they are now.
void construirTexto(const Transformacao& t, const QString& f, const Parametros& parametros,
                    TextosDeTrabalho& textos);

/// The built text the option plots: `Função2` for wrapping options, `Função3` for scans.
const QString& textoConstruido(const Transformacao& t, const TextosDeTrabalho& textos);

/// Builds the text as construirTexto does and returns it when it is to be plotted: f is not
/// empty and, for the options that ask for it, the leading number of a is not zero.
std::optional<QString> textoADesenhar(const Transformacao& t, const QString& f,
                                      const Parametros& parametros, TextosDeTrabalho& textos);

/// The transformation as a function of f: one call of f, whose argument is x for a wrapping
/// option and the replacement of x for a substituting one ("(abs(x))", "(-x)", "(2*x)",
/// "(x+(2))"); the exterior is the frame around the call's variable ("2+ (f_1)", "-(f_1)",
/// "f_1"); expandida is the text construirTexto builds.
Composicao composicaoDe(const Transformacao& t, const QString& f, const Parametros& parametros);
