// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextoNumero.h"

#include "PreparacaoTexto.h"
#include "clsEquation.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

std::optional<QString> textoDoNumero(double valor, int significativos) {
    if (!std::isfinite(valor))
        return std::nullopt;
    if (valor == 0)
        return QStringLiteral("0"); // negative zero too: the interpreter has no "-0"

    // Round to the significant digits first; the scientific form gives them as d.dddde±x.
    char buffer[40];
    const auto [fim, erro] = std::to_chars(buffer, buffer + sizeof buffer, valor,
                                           std::chars_format::scientific, significativos - 1);
    if (erro != std::errc())
        return std::nullopt;
    const std::string cientifico(buffer, fim);
    const auto posE = cientifico.find('e');
    const bool negativo = cientifico[0] == '-';
    std::string algarismos;
    for (std::size_t k = negativo ? 1 : 0; k < posE; ++k)
        if (cientifico[k] != '.')
            algarismos += cientifico[k];
    while (algarismos.size() > 1 && algarismos.back() == '0')
        algarismos.pop_back();
    const int expoente = std::atoi(cientifico.c_str() + posE + 1);

    // The value is 0.algarismos times 10^(expoente + 1); write it out in plain digits.
    std::string texto = negativo ? "-" : "";
    const int inteiros = expoente + 1;
    if (inteiros <= 0) {
        texto += "0." + std::string(static_cast<std::size_t>(-inteiros), '0') + algarismos;
    } else if (static_cast<std::size_t>(inteiros) >= algarismos.size()) {
        texto += algarismos + std::string(inteiros - algarismos.size(), '0');
    } else {
        texto += algarismos.substr(0, static_cast<std::size_t>(inteiros)) + '.' +
                 algarismos.substr(static_cast<std::size_t>(inteiros));
    }
    return QString::fromLatin1(texto);
}

ValorLido lerParametro(clsEquation& equacao, const QString& escrito) {
    const TextoPreparado preparado = PrepararTexto(escrito);
    if (!preparado.aceite())
        return {0, {}, preparado.erro};
    try {
        equacao.Equation(preparado.texto.toStdString());
        equacao.Solve();
        // sqr(-1) has no value: the interpreter gives its marker without a word.
        if (equacao.SilentFailure())
            return {0, {}, QStringLiteral("Valor não definido.")};
        const double valor = equacao.Solution();
        if (const auto numero = textoDoNumero(valor))
            return {valor, *numero, {}};
        return {0, {}, QString::fromStdString(quilora::interpreter::overflowError().description())};
    } catch (const InterpreterError& erro) {
        return {0, {}, QString::fromStdString(erro.description())};
    }
}
