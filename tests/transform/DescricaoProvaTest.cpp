// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// Every description is proved on points: sample points of f, moved by the described steps in
// their order, must land on the graph of g evaluated on its own by the interpreter.

#include "ConstrucaoTexto.h"
#include "Descricao.h"
#include "TextoNumero.h"
#include "clsEquation.h"

#include <cmath>
#include <exception>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

const char* const kFuncoes[] = {"1/2x^2-4", "x^3-2*x+1", "sen(x)+x/3", "sqr(x+3)", "abs(x-1)-2"};
const double kAbcissasDeF[] = {-3.5, -2, -1.25, -0.5, 0, 0.75, 1, 2, 2.2, 3};

class Funcao {
public:
    explicit Funcao(const QString& texto) { m_equacao.Equation(texto.toStdString()); }

    std::optional<double> em(double x, double f1 = 0) {
        try {
            m_equacao.Var("x", x);
            m_equacao.Var("f_1", f1);
            m_equacao.Solve();
            const double v = m_equacao.Solution();
            if (m_equacao.SilentFailure() || !std::isfinite(v))
                return std::nullopt;
            return v;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

private:
    clsEquation m_equacao;
};

// Moves each defined sample point of f through the steps and checks where it lands; returns
// how many points were checked, so that a proof of nothing is seen.
int provar(const Descricao& d, const char* f, const std::function<std::optional<double>(double)>& g,
           const std::string& caso) {
    Funcao funcao(QString::fromLatin1(f));
    int verificados = 0;
    for (const double u : kAbcissasDeF) {
        const auto y = funcao.em(u);
        if (!y)
            continue;
        std::vector<QPointF> pontos{{u, *y}};
        for (const Passo& passo : d.passos) {
            std::vector<QPointF> seguintes;
            for (const QPointF& ponto : pontos)
                for (const QPointF& imagem : passo.imagens(ponto))
                    seguintes.push_back(imagem);
            pontos = seguintes;
        }
        for (const QPointF& ponto : pontos) {
            const auto esperado = g(ponto.x());
            if (!esperado) {
                ADD_FAILURE() << caso << " f=" << f << ": g undefined at x=" << ponto.x();
                continue;
            }
            EXPECT_NEAR(*esperado, ponto.y(), 1e-9 * (1 + std::fabs(ponto.y())))
                << caso << " f=" << f << " from x=" << u << " to x=" << ponto.x();
            ++verificados;
        }
    }
    return verificados;
}

TEST(ProvaDasOpcoes, OsPassosLevamOsPontosDeFAoGraficoConstruido) {
    const double valores[] = {-2, -1, -0.5, 0, 1.0 / 3, 1, 2.5};
    for (const char* f : kFuncoes)
        for (int opcao = 1; opcao <= 10; ++opcao)
            for (const double a : valores)
                for (const double b : {-1.5, 0.0, 1.0 / 3, 2.0}) {
                    const std::string caso = "Option" + std::to_string(opcao) +
                                             " a=" + std::to_string(a) + " b=" + std::to_string(b);
                    TextosDeTrabalho textos;
                    const Transformacao& t = transformacao(opcao);
                    construirTexto(t, QString::fromLatin1(f),
                                   {*textoDoNumero(a), *textoDoNumero(b)}, textos);
                    Funcao g(textoConstruido(t, textos));
                    const int verificados = provar(
                        descreverOpcao(opcao, a, b), f, [&](double x) { return g.em(x); }, caso);
                    EXPECT_GT(verificados, 0) << caso << " f=" << f;
                }
}

struct Escrita {
    const char* comoSeEscreve; // what the pupil types, for the messages
    const char* argumento;
    const char* exterior;
};

const Escrita kEscritas[] = {
    {"-2f(x-1)+3", "x-1", "-2*f_1+3"},
    {"3+f((x+2)/2)", "(x+2)/2", "3+f_1"},
    {"f(2x+2)", "2x+2", "f_1"},
    {"-f(-x)+2", "-x", "-f_1+2"},
    {"1+f(x/2)", "x/2", "1+f_1"},
    {"0,5f(x)", "x", "0.5f_1"},
    {"f(x)+3", "x", "f_1+3"},
    {"f(x-2)", "x-2", "f_1"},
    {"2f(x)", "x", "2f_1"},
    {"-f(x)", "x", "-f_1"},
    {"f(-x)", "-x", "f_1"},
    {"3f(2x)", "2x", "3f_1"},
    {"f(3x)/2", "3x", "f_1/2"},
    {"(f(x)-1)/3", "x", "(f_1-1)/3"},
    {"-f(x/3-1)+0,25", "x/3-1", "-f_1+0.25"},
    {"2-f(1-x)", "1-x", "2-f_1"},
    {"f(0,5x+1)-1", "0.5x+1", "f_1-1"},
    {"-1/2f(-2x+4)-3", "-2x+4", "-1/2*f_1-3"},
    {"f(x+1/3)", "x+1/3", "f_1"},
    {"4f((x-1)/3)+2/3", "(x-1)/3", "4f_1+2/3"},
    {"1,5f(-x/4)", "-x/4", "1.5f_1"},
    {"f(x)*(-3)", "x", "f_1*(-3)"},
    {"2(f(x)+1)", "x", "2*(f_1+1)"},
    {"f(x+pi)-pi", "x+pi", "f_1-pi"},
    {"f(|x|)-1", "abs(x)", "f_1-1"},
    {"|f(x)+1|", "x", "abs(f_1+1)"},
    {"|f(x)|", "x", "abs(f_1)"},
    {"-|f(x-1)|+2", "x-1", "-abs(f_1)+2"},
    {"f(|x|+1)", "abs(x)+1", "f_1"},
    {"f(2|x-1|)", "2*abs(x-1)", "f_1"},
    {"|2f(x)-1|", "x", "abs(2*f_1-1)"},
    {"f(|x-2|)/2", "abs(x-2)", "f_1/2"},
    {"f(-|x|)", "-abs(x)", "f_1"},
    {"3|f(|x|)|", "abs(x)", "3*abs(f_1)"},
    {"f(0x+2)", "0*x+2", "f_1"},
    {"0f(x)+2", "x", "0*f_1+2"},
    {"f(x)", "x", "f_1"},
};

std::ostream& operator<<(std::ostream& os, const Escrita& e) {
    return os << e.comoSeEscreve;
}

class ProvaDasEscritas : public ::testing::TestWithParam<Escrita> {};

TEST_P(ProvaDasEscritas, OsPassosLevamOsPontosDeFAoGraficoDeG) {
    const Escrita& e = GetParam();
    const Composicao composicao{
        {QString::fromLatin1(e.argumento)}, QString::fromLatin1(e.exterior), {}};
    const Descricao d = descreverComposicao(composicao);
    ASSERT_TRUE(d.sequencia) << e.comoSeEscreve << ": " << d.texto.toStdString();
    Funcao argumento(composicao.argumentos.front());
    Funcao exterior(composicao.exterior);
    for (const char* f : kFuncoes) {
        Funcao funcao(QString::fromLatin1(f));
        const auto g = [&](double x) -> std::optional<double> {
            const auto u = argumento.em(x);
            const auto y = u ? funcao.em(*u) : std::nullopt;
            return y ? exterior.em(x, *y) : std::nullopt;
        };
        EXPECT_GT(provar(d, f, g, e.comoSeEscreve), 0) << e.comoSeEscreve << " f=" << f;
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, ProvaDasEscritas, ::testing::ValuesIn(kEscritas));

} // namespace
