// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// A text written as the interpreter has always read it reaches it as typed, byte for byte, and
// no text at all makes the reading fail or read its own result otherwise.
#include "PreparacaoTexto.h"

#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>
#include <string>

namespace {

// Random texts in the interpreter's own writing: explicit operators, "." decimals, a number
// before what it multiplies, functions with their parentheses and the right number of
// arguments, blanks where the interpreter ignores them; names it does not know too.
class GeradorDeTextosSimples {
public:
    explicit GeradorDeTextosSimples(unsigned semente) : m_acaso(semente) {}

    std::string texto() { return expressao(0); }

private:
    int ate(int n) { return static_cast<int>(m_acaso() % static_cast<unsigned>(n)); }
    // Joined by appending: the operator + of a literal and a temporary makes GCC 12 warn.
    static std::string juntar(std::initializer_list<std::string> partes) {
        std::string t;
        for (const std::string& p : partes)
            t += p;
        return t;
    }
    std::string branco() { return ate(6) == 0 ? " " : ""; }

    std::string expressao(int profundidade) {
        std::string t = termo(profundidade);
        while (ate(3) == 0)
            t += juntar({branco(), ate(2) ? "+" : "-", branco(), termo(profundidade + 1)});
        return t;
    }

    std::string termo(int profundidade) {
        static constexpr std::array<const char*, 4> operadores = {"*", "/", "\\", "%"};
        std::string t = fator(profundidade);
        while (ate(3) == 0)
            t += juntar({branco(), operadores[static_cast<std::size_t>(ate(4))], branco(),
                         fator(profundidade + 1)});
        return t;
    }

    std::string fator(int profundidade) {
        std::string t;
        if (ate(6) == 0)
            t.append("-").append(branco());
        t += unidade(profundidade);
        if (ate(5) == 0)
            t += juntar({"^", branco(), expoente(profundidade + 1)});
        return t;
    }

    std::string expoente(int profundidade) {
        switch (ate(3)) {
        case 0:
            return numero();
        case 1:
            return "x";
        default:
            return juntar({"(", expressao(profundidade + 1), ")"});
        }
    }

    std::string numero() {
        static constexpr std::array<const char*, 10> numeros = {"2",     "3",    "0.5", ".25", "10",
                                                                "1 000", "12.5", "7",   "4.",  "1"};
        return numeros[static_cast<std::size_t>(ate(10))];
    }

    std::string unidade(int profundidade) {
        static constexpr std::array<const char*, 6> umArgumento = {"sen", "cos", "exp",
                                                                   "sqr", "abs", "ln"};
        static constexpr std::array<const char*, 3> doisArgumentos = {"max", "min", "logn"};
        static constexpr std::array<const char*, 5> nomes = {"x", "pi", "e", "x", "y"};
        const int escolha = profundidade > 3 ? ate(3) : ate(9);
        switch (escolha) {
        case 0:
            return numero();
        case 1:
            return nomes[static_cast<std::size_t>(ate(5))];
        case 2:
            return juntar({numero(), ate(2) ? "x" : "pi"});
        case 3:
            return juntar({numero(), "(", expressao(profundidade + 1), ")"});
        case 4:
            return juntar({"(", expressao(profundidade + 1), ")"});
        case 5:
            return juntar({umArgumento[static_cast<std::size_t>(ate(6))], branco(), "(",
                           expressao(profundidade + 1), ")"});
        case 6:
            return juntar({doisArgumentos[static_cast<std::size_t>(ate(3))], "(",
                           expressao(profundidade + 1), ",", branco(), expressao(profundidade + 1),
                           ")"});
        case 7:
            return juntar({numero(), "sen(", expressao(profundidade + 1), ")"});
        default:
            return juntar({"foo(", expressao(profundidade + 1), ",1)"});
        }
    }

    std::mt19937 m_acaso;
};

TEST(TextoIntacto, ChegaAoInterpretadorComoFoiEscrito) {
    GeradorDeTextosSimples gerador(2026);
    for (int n = 0; n < 4000; ++n) {
        const QString escrito = QString::fromStdString(gerador.texto());
        const TextoPreparado preparado = PrepararTexto(escrito);
        ASSERT_TRUE(preparado.aceite())
            << escrito.toStdString() << ": " << preparado.erro.toStdString();
        ASSERT_EQ(preparado.texto, escrito);
    }
}

// Texts made of the characters pupils type and copy, in any order: the reading never fails,
// and what it accepts it writes in the interpreter's own characters, in a form that it would
// read again unchanged.
TEST(TextoIntacto, QualquerTextoTemLeituraEstavelOuRecusa) {
    const QString alfabeto =
        QString::fromUtf8("xX2.,5 ()|^+-*/e pi sen max f(x)=y \u2212\u00d7\u00b7\u00f7\u03c0\u221a"
                          "\u00b2\u00b3\u207b\u00a0!");
    std::mt19937 acaso(22);
    int aceites = 0;
    for (int n = 0; n < 20000; ++n) {
        QString escrito;
        const int tamanho = 1 + static_cast<int>(acaso() % 16);
        for (int k = 0; k < tamanho; ++k)
            escrito += alfabeto[static_cast<qsizetype>(acaso() % alfabeto.size())];
        const TextoPreparado preparado = PrepararTexto(escrito);
        if (!preparado.aceite())
            continue;
        ++aceites;
        // Unpaired parentheses are left for the interpreter to report, the text as typed.
        if (escrito.count(u'(') == escrito.count(u')')) {
            for (QChar c : preparado.texto)
                ASSERT_LT(c.unicode(), 128) << escrito.toStdString();
        }
        const TextoPreparado outraVez = PrepararTexto(preparado.texto);
        ASSERT_TRUE(outraVez.aceite())
            << escrito.toStdString() << " -> " << preparado.texto.toStdString() << ": "
            << outraVez.erro.toStdString();
        ASSERT_EQ(outraVez.texto, preparado.texto) << escrito.toStdString();
    }
    EXPECT_GT(aceites, 1000);
}

// As deep as the interpreter goes, and far deeper: read, or refused as the interpreter would
// refuse it, never a crash.
TEST(TextoIntacto, ParentesesEBarrasMuitoEncaixados) {
    const auto encaixado = [](qsizetype n, QChar abre, QChar fecha) {
        return QString(n, abre) + u'x' + QString(n, fecha);
    };
    const QString capacidade = QStringLiteral("Capacidade excedida.");
    EXPECT_TRUE(PrepararTexto(encaixado(4680, u'(', u')')).aceite());
    EXPECT_EQ(PrepararTexto(encaixado(4681, u'(', u')')).erro, capacidade);
    EXPECT_EQ(PrepararTexto(encaixado(4680, u'|', u'|')).texto,
              encaixado(4680, u'a', u')').replace(QStringLiteral("a"), QStringLiteral("abs(")));
    for (const QChar c : {QChar(u'('), QChar(u'|'), QChar(0x221A)})
        EXPECT_EQ(PrepararTexto(encaixado(200000, c, c == u'(' ? u')' : c)).erro, capacidade);
}

} // namespace
