// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeituraDaExpressao.h"

#include "Edicoes.h"
#include "InterpreterError.h"
#include "MensagensDaLeitura.h"
#include "Nomes.h"

using namespace MensagensDaLeitura;

namespace {

// Each level read is a level of parentheses for the interpreter, which holds no more than
// these; the reading stops there too rather than go deeper than its stack allows.
constexpr int kNiveisDoInterpretador = 4680;

Recusa capacidadeExcedida() {
    return {QString::fromStdString(quilora::interpreter::overflowError().description())};
}

} // namespace

void LeituraDaExpressao::ler() {
    // Too deep a text is refused before it is read, rather than after it.
    int nivel = 0;
    for (const Simbolo& s : m_s) {
        const bool abre = s.tipo == TipoSimbolo::Abre || (s.tipo == TipoSimbolo::Barra && s.abre);
        const bool fecha =
            s.tipo == TipoSimbolo::Fecha || (s.tipo == TipoSimbolo::Barra && !s.abre);
        nivel += abre ? 1 : fecha ? -1 : 0;
        if (nivel > kNiveisDoInterpretador)
            throw capacidadeExcedida();
    }
    lerSequencia(Paragem::Texto);
}

QStringView LeituraDaExpressao::texto(qsizetype inicio, qsizetype fim) const {
    return QStringView(m_escrito).sliced(inicio, fim - inicio);
}

bool LeituraDaExpressao::comecaOperando() const {
    if (fim())
        return false;
    const Simbolo& s = atual();
    return s.tipo == TipoSimbolo::Numero || s.tipo == TipoSimbolo::Nome ||
           s.tipo == TipoSimbolo::Abre || s.tipo == TipoSimbolo::Raiz ||
           (s.tipo == TipoSimbolo::Barra && s.abre);
}

bool LeituraDaExpressao::para(Paragem paragem) const {
    const Simbolo& s = atual();
    switch (paragem) {
    case Paragem::Texto:
        return false;
    case Paragem::Parentese:
        return s.tipo == TipoSimbolo::Fecha;
    case Paragem::Barra:
        return s.tipo == TipoSimbolo::Barra && !s.abre;
    case Paragem::Argumento:
        return s.tipo == TipoSimbolo::Fecha || (s.tipo == TipoSimbolo::Virgula && !s.decimal);
    }
    return true;
}

// Operands and the operators between them, up to the end of the group; false when there is
// nothing in it. A minus where an operand is awaited is its sign.
bool LeituraDaExpressao::lerSequencia(Paragem paragem) {
    bool vazia = true;
    const Simbolo* operador = nullptr; // an operator awaiting its right operand
    const Simbolo* sinal = nullptr;
    Operando anterior;
    while (!fim() && !para(paragem)) {
        const Simbolo& s = atual();
        const bool esperaOperando = vazia || operador || sinal;
        if (s.tipo == TipoSimbolo::Operador && !esperaOperando) {
            operador = &s;
            ++m_i;
            continue;
        }
        if (s.tipo == TipoSimbolo::Operador && s.operador(u'-') && !sinal) {
            sinal = &s;
            ++m_i;
            continue;
        }
        if (s.tipo == TipoSimbolo::Operador && sinal && s.operador(u'-'))
            throw Recusa{doisSinais()};
        if (s.tipo == TipoSimbolo::Operador || s.tipo == TipoSimbolo::Expoente) {
            if (sinal || operador)
                throw Recusa{faltaOperandoDepois(texto(sinal ? *sinal : *operador))};
            throw Recusa{faltaOperandoAntes(texto(s))};
        }
        if (s.tipo == TipoSimbolo::Virgula)
            throw Recusa{virgulaSolta()};
        anterior = esperaOperando ? lerFator() : produtoEscondido(anterior);
        vazia = false;
        operador = sinal = nullptr;
    }
    if (sinal || operador)
        throw Recusa{faltaOperandoDepois(texto(sinal ? *sinal : *operador))};
    return !vazia;
}

// Two operands side by side are multiplied, as a textbook writes them, where that is the only
// reading: a number after an operand, or a product after an exponent or a root written without
// parentheses, reads two ways and is refused.
LeituraDaExpressao::Operando LeituraDaExpressao::produtoEscondido(const Operando& anterior) {
    if (atual().tipo == TipoSimbolo::Numero) {
        const Operando numero = lerNumero();
        throw Recusa{escreva(texto(numero).toString() + texto(anterior).toString(),
                             texto(anterior.inicio, numero.fim))};
    }
    if (anterior.inicioNu && atual().tipo != TipoSimbolo::Abre) {
        const Operando seguinte = lerFator();
        const QString prolongado = texto(anterior.inicio, *anterior.inicioNu).toString() + u'(' +
                                   texto(*anterior.inicioNu, anterior.fim).toString() +
                                   texto(seguinte).toString() + u')';
        throw Recusa{escrevaUmaDasDuas(
            prolongado, texto(anterior).toString() + u'*' + texto(seguinte).toString(),
            texto(anterior.inicio, seguinte.fim))};
    }
    if (!anterior.terminaEmNumero)
        m_edicoes.inserir(anterior.fim, QStringLiteral("*"));
    return lerFator();
}

LeituraDaExpressao::Operando LeituraDaExpressao::lerFator() {
    Operando fator = lerUnidade();
    lerPotencias(fator);
    return fator;
}

LeituraDaExpressao::Operando LeituraDaExpressao::lerUnidade() {
    // Roots written without parentheses nest too: "√√√…x".
    if (m_nivel > kNiveisDoInterpretador)
        throw capacidadeExcedida();
    struct Nivel {
        int& n;
        explicit Nivel(int& nivel) : n(++nivel) {}
        ~Nivel() { --n; }
    } nivel(m_nivel);
    if (!comecaOperando())
        throw Recusa{m_i > 0 ? faltaOperandoDepois(texto(simbolo(m_i - 1)))
                             : faltaOperandoAntes(texto(atual()))};
    switch (atual().tipo) {
    case TipoSimbolo::Numero:
        return lerNumero();
    case TipoSimbolo::Nome:
        return lerNome();
    case TipoSimbolo::Abre:
        return lerGrupo();
    case TipoSimbolo::Raiz:
        return lerRaiz();
    default:
        return lerValorAbsoluto();
    }
}

LeituraDaExpressao::Operando LeituraDaExpressao::lerNumero() {
    Operando numero{atual().inicio, atual().fim, true};
    ++m_i;
    if (!fim() && atual().tipo == TipoSimbolo::Virgula && atual().decimal) {
        numero.fim = simbolo(m_i + 1).fim;
        m_i += 2;
    }
    return numero;
}

LeituraDaExpressao::Operando LeituraDaExpressao::lerNome() {
    const Simbolo& nome = atual();
    const bool chamada =
        m_i + 1 < static_cast<qsizetype>(m_s.size()) && simbolo(m_i + 1).tipo == TipoSimbolo::Abre;
    switch (m_nomes.especie(nome.texto)) {
    case EspecieNome::Funcao:
    case EspecieNome::FuncaoDoExercicio:
        if (!chamada)
            recusarFuncaoSemParenteses();
        return lerChamada(m_nomes.especie(nome.texto) == EspecieNome::FuncaoDoExercicio);
    case EspecieNome::Variavel:
        // The variable is x wherever the text goes, the transformations included.
        if (m_escrito[nome.inicio] == u'X')
            m_edicoes.substituir(nome.inicio, nome.fim, QStringLiteral("x"));
        [[fallthrough]];
    case EspecieNome::Constante:
        ++m_i;
        return {nome.inicio, nome.fim};
    case EspecieNome::Desconhecido:
        break;
    }
    const qsizetype fimDoNome = chamada ? simbolo(simbolo(m_i + 1).par).fim : nome.fim;
    const QStringView argumentos =
        chamada ? texto(simbolo(m_i + 1).inicio, fimDoNome) : QStringView();
    if (const auto extenso = m_nomes.porExtenso(nome.texto, argumentos))
        throw Recusa{escreva(*extenso, texto(nome.inicio, fimDoNome))};
    // The interpreter says that it knows no such name.
    if (chamada)
        return lerChamada(false);
    ++m_i;
    return {nome.inicio, nome.fim};
}

// "sen²(x)", as books write the square of sen(x), or a function with no argument ("sen⁻¹(x)" is
// no power but the inverse function, and gets no suggestion).
void LeituraDaExpressao::recusarFuncaoSemParenteses() const {
    const Simbolo& nome = atual();
    const auto total = static_cast<qsizetype>(m_s.size());
    if (m_i + 2 < total && simbolo(m_i + 1).tipo == TipoSimbolo::Expoente &&
        !simbolo(m_i + 1).texto.startsWith(u'-') && simbolo(m_i + 2).tipo == TipoSimbolo::Abre) {
        const Simbolo& expoente = simbolo(m_i + 1);
        const Simbolo& fecha = simbolo(simbolo(m_i + 2).par);
        throw Recusa{escreva(nome.texto + texto(simbolo(m_i + 2).inicio, fecha.fim).toString() +
                                 u'^' + expoente.texto,
                             texto(nome.inicio, fecha.fim))};
    }
    throw Recusa{funcaoSemParenteses(nome.texto)};
}

LeituraDaExpressao::Operando LeituraDaExpressao::lerChamada(bool doExercicio) {
    const Simbolo& nome = atual();
    const Simbolo& abre = simbolo(m_i + 1);
    // A call of the exercise's function is looked for as written "f(".
    const QString cabeca = nome.texto + u'(';
    if (doExercicio && texto(nome.inicio, abre.fim) != cabeca)
        m_edicoes.substituir(nome.inicio, abre.fim, cabeca);
    m_i += 2;
    int argumentos = 0;
    bool algumVazio = false;
    for (;;) {
        algumVazio = !lerSequencia(Paragem::Argumento) || algumVazio;
        ++argumentos;
        if (atual().tipo != TipoSimbolo::Virgula)
            break;
        ++m_i;
    }
    const Simbolo& fecha = atual();
    ++m_i;
    // "sen()" is left to the interpreter, which says the argument is missing.
    if (algumVazio && (argumentos > 1 || doExercicio))
        throw Recusa{faltaArgumento(texto(nome.inicio, fecha.fim))};
    return {nome.inicio, fecha.fim};
}

LeituraDaExpressao::Operando LeituraDaExpressao::lerGrupo() {
    const Simbolo& abre = atual();
    ++m_i;
    if (!lerSequencia(Paragem::Parentese))
        throw Recusa{parentesesVazios()};
    const Simbolo& fecha = atual();
    ++m_i;
    return {abre.inicio, fecha.fim, false, true};
}

LeituraDaExpressao::Operando LeituraDaExpressao::lerValorAbsoluto() {
    const Simbolo& abre = atual();
    m_edicoes.substituir(abre.inicio, abre.fim, QStringLiteral("abs("));
    ++m_i;
    lerSequencia(Paragem::Barra);
    const Simbolo& fecha = atual();
    m_edicoes.substituir(fecha.inicio, fecha.fim, QStringLiteral(")"));
    ++m_i;
    return {abre.inicio, fecha.fim};
}

// "√(x+1)" is the call sqr(x+1); "√x" and "√x²" take the power that follows as their argument.
LeituraDaExpressao::Operando LeituraDaExpressao::lerRaiz() {
    const Simbolo& raiz = atual();
    ++m_i;
    if (!fim() && atual().tipo == TipoSimbolo::Abre) {
        m_edicoes.substituir(raiz.inicio, raiz.fim, QStringLiteral("sqr"));
        return {raiz.inicio, lerGrupo().fim};
    }
    m_edicoes.substituir(raiz.inicio, raiz.fim, QStringLiteral("sqr("));
    const qsizetype inicioDoArgumento = fim() ? raiz.fim : atual().inicio;
    lerSinalAntesDeOperando(raiz);
    const Operando argumento = lerFator();
    m_edicoes.inserir(argumento.fim, QStringLiteral(")"));
    return {raiz.inicio, argumento.fim, false, false, inicioDoArgumento};
}

// The sign an exponent or a root argument may start with.
void LeituraDaExpressao::lerSinalAntesDeOperando(const Simbolo& antes) {
    const Simbolo* ultimo = &antes;
    if (!fim() && atual().operador(u'-')) {
        ultimo = &atual();
        ++m_i;
        if (!fim() && atual().operador(u'-'))
            throw Recusa{doisSinais()};
    }
    if (!comecaOperando())
        throw Recusa{faltaOperandoDepois(texto(*ultimo))};
}

// The powers after an operand, read from the top as textbooks read them: "2^3^2" is 2^(3^2),
// and a signed exponent goes in parentheses ("x^-1" is x^(-1)).
void LeituraDaExpressao::lerPotencias(Operando& base) {
    struct Elevacao {
        qsizetype simbolo;
        bool sinal = false;
        Operando expoente;
    };
    std::vector<Elevacao> cadeia;
    while (!fim() && (atual().tipo == TipoSimbolo::Expoente || atual().operador(u'^'))) {
        Elevacao e{m_i, false, {}};
        const Simbolo& s = atual();
        ++m_i;
        if (s.tipo == TipoSimbolo::Expoente) {
            if (s.texto == u"-")
                throw Recusa{faltaOperandoDepois(texto(s))};
            e.expoente = {s.inicio, s.fim};
        } else {
            e.sinal = !fim() && atual().operador(u'-');
            lerSinalAntesDeOperando(s);
            e.expoente = lerUnidade();
        }
        cadeia.push_back(e);
    }
    if (cadeia.empty())
        return;
    const qsizetype fimDaCadeia = cadeia.back().expoente.fim;
    for (std::size_t j = 0; j < cadeia.size(); ++j) {
        const Simbolo& s = simbolo(cadeia[j].simbolo);
        const bool envolver = j + 1 < cadeia.size() || cadeia[j].sinal;
        if (s.tipo == TipoSimbolo::Expoente) {
            const QString valor = s.texto.startsWith(u'-') ? u'(' + s.texto + u')' : s.texto;
            m_edicoes.substituir(s.inicio, s.fim,
                                 (envolver ? QStringLiteral("^(") : QStringLiteral("^")) + valor);
        } else if (envolver) {
            m_edicoes.inserir(s.fim, QStringLiteral("("));
        }
        if (envolver)
            m_edicoes.inserir(fimDaCadeia, QStringLiteral(")"));
    }
    const Elevacao& ultima = cadeia.back();
    const bool escrita = simbolo(ultima.simbolo).tipo != TipoSimbolo::Expoente;
    base.fim = fimDaCadeia;
    base.entreParenteses = false;
    base.terminaEmNumero =
        escrita && cadeia.size() == 1 && !ultima.sinal && ultima.expoente.terminaEmNumero;
    const bool nu = escrita && (ultima.sinal || !ultima.expoente.entreParenteses);
    base.inicioNu = nu ? std::optional(simbolo(ultima.simbolo).fim) : std::nullopt;
}
