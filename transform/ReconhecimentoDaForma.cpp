// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReconhecimentoDaForma.h"

#include "NumeroPortugues.h"
#include "clsEquation.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

namespace {

// Spread, uneven values, sorted: a kink of |x − x0| anywhere in [−1000; 1000] has two of them
// on each side, and no simple expression agrees with a line at all of them by chance.
constexpr double kAmostras[] = {-1000.5, -617.3, -97.3, -31.7, -7.9, -3.1,  -1.3,  -0.37, 0,
                                0.43,    1.7,    2.9,   7.1,   29.3, 103.9, 641.1, 1000.7};
// The abscissas at which the rest of g must give the same for the same value of f.
constexpr double kAbcissasDoExterior[] = {-2.7, 0.3, 1.9, 13.1};
constexpr double kTolerancia = 1e-9;

struct Amostra {
    double s;
    double v;
};

// v = a + b·s
struct Reta {
    double a;
    double b;
};

// v = valor + declive·|s − vertice|
struct EmV {
    double vertice;
    double valor;
    double declive;
};

class Avaliador {
public:
    explicit Avaliador(const QString& texto) { m_equacao.Equation(texto.toStdString()); }

    /// The value at x of a text that uses only x.
    std::optional<double> em(double x) {
        m_equacao.Var("x", x);
        return valor();
    }

    /// The value at x when the call of f gives t.
    std::optional<double> em(double x, double t) {
        m_equacao.Var(Composicao::variavelDaChamada(0).toStdString(), t);
        return em(x);
    }

private:
    std::optional<double> valor() {
        try {
            m_equacao.Solve();
            const double valor = m_equacao.Solution();
            if (m_equacao.SilentFailure() || !std::isfinite(valor))
                return std::nullopt;
            return valor;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    clsEquation m_equacao;
};

double escala(const std::vector<Amostra>& amostras) {
    double maior = 1;
    for (const auto& a : amostras)
        maior = std::max(maior, std::fabs(a.v));
    return maior;
}

bool todasPerto(const std::vector<Amostra>& amostras, auto&& modelo) {
    const double folga = kTolerancia * escala(amostras);
    return std::all_of(amostras.begin(), amostras.end(),
                       [&](const Amostra& a) { return std::fabs(a.v - modelo(a.s)) <= folga; });
}

std::optional<Reta> reta(const std::vector<Amostra>& amostras) {
    const Amostra& primeira = amostras.front();
    const Amostra& ultima = amostras.back();
    const double b = (ultima.v - primeira.v) / (ultima.s - primeira.s);
    const double a = primeira.v - b * primeira.s;
    if (!todasPerto(amostras, [&](double s) { return a + b * s; }))
        return std::nullopt;
    return Reta{arredondadoAFracao(a), arredondadoAFracao(b)};
}

std::optional<EmV> emV(const std::vector<Amostra>& amostras) {
    const std::size_t ultima = amostras.size() - 1;
    const auto declive = [&](std::size_t i, std::size_t j) {
        return (amostras[j].v - amostras[i].v) / (amostras[j].s - amostras[i].s);
    };
    const double esquerda = declive(0, 1);
    const double direita = declive(ultima - 1, ultima);
    if (direita == 0 || std::fabs(esquerda + direita) > kTolerancia * std::fabs(direita))
        return std::nullopt;
    const double origemEsquerda = amostras[0].v - esquerda * amostras[0].s;
    const double origemDireita = amostras[ultima].v - direita * amostras[ultima].s;
    const double vertice = (origemEsquerda - origemDireita) / (direita - esquerda);
    const double valor = origemDireita + direita * vertice;
    if (!todasPerto(amostras, [&](double s) { return valor + direita * std::fabs(s - vertice); }))
        return std::nullopt;
    return EmV{arredondadoAFracao(vertice), arredondadoAFracao(valor), arredondadoAFracao(direita)};
}

// The same value (or the same failure) at every abscissa.
bool iguais(const std::vector<std::optional<double>>& valores) {
    const auto& primeiro = valores.front();
    return std::all_of(valores.begin(), valores.end(), [&](const std::optional<double>& v) {
        if (v.has_value() != primeiro.has_value())
            return false;
        return !v || std::fabs(*v - *primeiro) <= kTolerancia * std::max(1.0, std::fabs(*v));
    });
}

// The argument of f: n + m·x or n + m·|x − x0|.
bool lerArgumento(const QString& texto, FormaDeG& forma) {
    Avaliador argumento(texto);
    std::vector<Amostra> amostras;
    for (const double x : kAmostras) {
        const auto v = argumento.em(x);
        if (!v)
            return false; // an affine argument is defined everywhere
        amostras.push_back({x, *v});
    }
    if (const auto r = reta(amostras)) {
        forma.n = r->a;
        forma.m = r->b;
        return true;
    }
    if (const auto v = emV(amostras)) {
        forma.moduloNoArgumento = true;
        forma.x0 = v->vertice;
        forma.n = v->valor;
        forma.m = v->declive;
        return true;
    }
    return false;
}

// What is done to the value t of f: c + k·t or p + q·|t − t0|, the same at every x.
QString lerExterior(const QString& texto, FormaDeG& forma) {
    Avaliador exterior(texto);
    std::vector<Amostra> amostras;
    bool falhou = false;
    for (const double t : kAmostras) {
        std::vector<std::optional<double>> valores;
        for (const double x : kAbcissasDoExterior)
            valores.push_back(exterior.em(x, t));
        if (!iguais(valores))
            return QStringLiteral("fora de f, g depende também de x");
        if (valores.front())
            amostras.push_back({t, *valores.front()});
        else
            falhou = true;
    }
    const QString naoAfim =
        QStringLiteral("o valor de f não entra em g na forma k·f(…) + c, nem dentro de um módulo");
    if (falhou)
        return naoAfim;
    if (const auto r = reta(amostras)) {
        forma.c = r->a;
        forma.k = r->b;
        return {};
    }
    if (const auto v = emV(amostras)) {
        forma.moduloNoValor = true;
        forma.c = -v->vertice;
        forma.p = v->valor;
        forma.q = v->declive;
        return {};
    }
    return naoAfim;
}

bool usaOutraChamada(const QString& argumento) {
    return argumento.contains(QStringLiteral("f_"), Qt::CaseInsensitive);
}

} // namespace

Reconhecimento reconhecerForma(const Composicao& g) {
    Reconhecimento resultado;
    if (g.argumentos.empty()) {
        resultado.motivo = QStringLiteral("g não usa f");
        return resultado;
    }
    if (g.argumentos.size() > 1) {
        const bool encaixada = std::any_of(g.argumentos.begin(), g.argumentos.end(),
                                           [](const QString& a) { return usaOutraChamada(a); });
        resultado.motivo = encaixada
                               ? QStringLiteral("g aplica f a um valor de f (é uma composição "
                                                "de f com f)")
                               : QStringLiteral("g usa f mais do que uma vez");
        return resultado;
    }
    FormaDeG forma;
    resultado.motivo = lerExterior(g.exterior, forma);
    if (!resultado.motivo.isEmpty())
        return resultado;
    if (!lerArgumento(g.argumentos.front(), forma)) {
        resultado.motivo =
            QStringLiteral("o argumento de f não é da forma mx + n, nem m|x − x0| + n");
        resultado.exterior = forma;
        resultado.argumento = g.argumentos.front();
        return resultado;
    }
    resultado.forma = forma;
    return resultado;
}
