// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Composicao.h"
#include "Intervalo.h"
#include "clsEquation.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

/// A function written in terms of f (f itself, one of the ten transformations or a g typed by
/// the pupil), with the domain of f. Its value at x exists only where every argument given to
/// f lies in that domain and the interpreter gives the text of the whole function a value
/// without a silent failure: f(2x) of an f on [−5, 3] lives on [−2,5; 1,5], f(|x|) on [−3, 3].
/// Without a domain it is its text alone, evaluated as every plot evaluates it.
class FuncaoComposta {
public:
    /// f itself, `f` being its text ready for the interpreter.
    FuncaoComposta(const QString& f, const Intervalo& dominio);
    /// A function of f taken apart.
    FuncaoComposta(const Composicao& composicao, const QString& f, const Intervalo& dominio);

    /// Where the arguments given to f stand at some x.
    enum class Argumentos {
        NoDominio,       ///< every one lies in the domain
        AbaixoDoDominio, ///< one lies below it (beyond its left end)
        AcimaDoDominio,  ///< one lies above it
        SemValor         ///< one has no value (or a call it depends on has none)
    };

    /// The value at x, or nothing. An error of the interpreter while evaluating the text is
    /// thrown, as the plot loop expects; one while evaluating an argument means no value.
    std::optional<double> operator()(double x);
    /// The same, with an error of the values (a division by zero, an overflow) taken as no
    /// value; only an error of the text itself (FalhaDoTexto) is still thrown.
    std::optional<double> valorEm(double x);

    /// Where the arguments stand at x (always NoDominio without a domain).
    Argumentos argumentos(double x);
    /// Whether the last call of operator() found every argument in the domain.
    bool ultimaNoDominio() const { return m_ultimaNoDominio; }

    /// How many calls of f it makes.
    int chamadas() const { return static_cast<int>(m_argumentos.size()); }
    /// The argument of its one call at x (of the first call, where there are several).
    std::optional<double> argumento(double x);
    /// The value of f at u: nothing outside the domain or where f fails in silence.
    std::optional<double> f(double u);

    const Intervalo& dominio() const { return m_dominio; }
    bool comDominio() const { return m_comDominio; }
    /// The expression object that holds the whole text, as the plot without a domain uses it.
    clsEquation& expressao() { return m_expressao; }

private:
    struct Argumento {
        /// x itself, or the value of an inner call alone, is known without evaluating a text.
        enum class Forma { Texto, X, Chamada };
        clsEquation equacao;
        Forma forma = Forma::Texto;
        bool valorUsado = false;         // a later argument uses the value of f here
        std::vector<int> chamadasUsadas; // the calls whose values it uses
    };

    void prepararArgumentos(const Composicao& composicao);
    std::optional<double> valorDoArgumento(Argumento& argumento, double x);
    bool guardarValor(std::size_t k, double u);
    bool argumentoUnicoNoDominio(double x);
    static std::optional<double> avaliar(clsEquation& equacao);

    Intervalo m_dominio;
    bool m_comDominio;
    clsEquation m_expressao;
    clsEquation m_f;
    std::vector<Argumento> m_argumentos;
    std::vector<double> m_valores;    // the value of each call at the x being evaluated
    std::vector<std::string> m_nomes; // the variable of each call
    bool m_ultimaNoDominio = true;
    // How the arguments are tested at each x: one call at x itself needs x alone tested, one
    // call of a text of x that text alone.
    enum class Teste { Nenhum, X, UmArgumento, Argumentos } m_teste = Teste::Argumentos;
};

/// The value of a function of f at x as a readout asks it, the function kept with it: nothing
/// where it has no value on the domain of f, nor where its text fails.
std::function<std::optional<double>(double)> leituraDe(std::shared_ptr<FuncaoComposta> funcao);
