// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesenhoEixos.h"

#include "FormaImpressa.h"
#include "MarcasDoEixo.h"
#include "NomesDosEixos.h"
#include "NumeroInicial.h"
#include "PreparacaoTexto.h"
#include "TextosDaGraduacao.h"
#include "Varredura.h"
#include "clsEquation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// The radian graduation uses this rounded π, not the interpreter's.
constexpr double kPi = 3.14159;
constexpr double kMeioPi = 1.570795;
constexpr double kDoisPi = 6.28318;

// The size of the names of the axes, that of the pictures' font when the window opens.
constexpr double kTamanhoNomes = 8.25;

// Texts may start left of their value or run well to its right: values this many pixels
// outside a picture may still show part of their text.
constexpr double kFolgaTexto = 120;

/// A failure of the drawing itself, reported like the interpreter's.
struct FalhaDesenho {
    QString descricao;
};

// Drawing takes single-precision coordinates: a value beyond their range is an overflow.
float simples(double valor) {
    if (!(std::abs(valor) <= std::numeric_limits<float>::max()))
        throw FalhaDesenho{
            QString::fromStdString(quilora::interpreter::overflowError().description())};
    return static_cast<float>(valor);
}

// Only blanks are trimmed; a tab stays part of the text.
QString semBrancosNasPontas(const QString& texto) {
    qsizetype inicio = 0, fim = texto.size();
    while (inicio < fim && texto[inicio] == QLatin1Char(' '))
        ++inicio;
    while (fim > inicio && texto[fim - 1] == QLatin1Char(' '))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

double avaliar(clsEquation& equacao, const QString& texto) {
    equacao.Equation(semBrancosNasPontas(texto).toStdString());
    equacao.Var("x", 0);
    equacao.Solve();
    return equacao.Solution();
}

double passoDasMarcas(const QString& texto) {
    const auto passo = LerNumeroSimples(texto);
    if (!passo)
        throw FalhaDesenho{QStringLiteral("Tipo incompatível.")};
    return *passo;
}

IntervaloVisivel intervalo(double a, double b) {
    return {std::min(a, b), std::max(a, b)};
}

// The pixel column or row of an exact place, as whole as a long long can hold.
long long pixelInteiro(double px) {
    return static_cast<long long>(std::floor(std::clamp(px, -1e15, 1e15)));
}

// A coordinate as drawing takes it, in single precision; beyond that range its failure comes
// when it is drawn.
float emSimples(double valor) {
    const double maximo = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(valor, -maximo, maximo));
}

// The values of the x axis seen by the picture, and as their place the pixel column of the
// value moved by `desvio` (where what stands for it is drawn).
IntervaloVisivel visivelEmX(const Quadro& quadro, double desvio = 0) {
    const double largura = quadro.escalaX2() - quadro.escalaX1();
    const double folga = kFolgaTexto / quadro.larguraInterior();
    IntervaloVisivel visivel =
        intervalo(quadro.escalaX1() - folga * largura, quadro.escalaX2() + folga * largura);
    visivel.lugar = [&quadro, desvio](double v) {
        return pixelInteiro(quadro.pixelX(emSimples(v + desvio)));
    };
    return visivel;
}

// Likewise the y axis, with pixel rows.
IntervaloVisivel visivelEmY(const Quadro& quadro, double desvio = 0) {
    const double altura = quadro.escalaY2() - quadro.escalaY1();
    const double folga = kFolgaTexto / quadro.alturaInterior();
    IntervaloVisivel visivel =
        intervalo(quadro.escalaY1() - folga * altura, quadro.escalaY2() + folga * altura);
    visivel.lugar = [&quadro, desvio](double v) {
        return pixelInteiro(quadro.pixelY(emSimples(v + desvio)));
    };
    return visivel;
}

// Gathers the texts of one graduation with `juntarTodos` and prints them. Their places lie
// within the window's margins, so no failure comes halfway.
template <typename Juntar> void imprimirGraduacao(Quadro& quadro, Juntar juntarTodos) {
    TextosDaGraduacao textos(quadro);
    juntarTodos(textos);
    textos.imprimir();
}

} // namespace

DesenhoEixos::DesenhoEixos(AreaGrafica& areaFuncao, AreaGrafica& areaTransformada,
                           JanelaGrafica& janela)
    : m_areaFuncao(areaFuncao), m_areaTransformada(areaTransformada), m_janela(janela) {
}

std::optional<FalhaEixos> DesenhoEixos::RedesenharArea(AreaGrafica& area,
                                                       const TabelaEixos& tabela) {
    area.definirEixosAceites(false);
    try {
        ValoresJanela valores;
        if (auto falha = PrepararJanela(area, tabela, valores))
            return falha;
        desenharEixos(area, valores);
        NomesDosEixos nomes = nomesDosEixos(area.persistente(), valores);
        try {
            graduar(area, tabela, valores);
        } catch (...) {
            nomes.imprimir(); // what was drawn stays, the names included
            throw;
        }
        nomes.imprimir();
        area.definirEixosAceites(true);
        return std::nullopt;
    } catch (const InterpreterError& erro) {
        return falhaDadosEixos(area, QString::fromStdString(erro.description()));
    } catch (const FalhaDesenho& falha) {
        return falhaDadosEixos(area, falha.descricao);
    }
}

std::optional<FalhaEixos> DesenhoEixos::PrepararJanela(AreaGrafica& area, const TabelaEixos& tabela,
                                                       ValoresJanela& valores) {
    Quadro& quadro = area.persistente();
    quadro.limpar();
    quadro.escalaPixel();

    // Every number is read as the user wrote it: "-2,5" is -2.5 for the checks too.
    const std::array<TextoPreparado, 6> textos{
        PrepararTexto(tabela.Xmin), PrepararTexto(tabela.Xmax),   PrepararTexto(tabela.Ymin),
        PrepararTexto(tabela.Ymax), PrepararTexto(tabela.PassoX), PrepararTexto(tabela.PassoY)};
    const auto& [xmin, xmax, ymin, ymax, passoX, passoY] = textos;
    const auto legivel = [](const TextoPreparado& preparado, const QString& escrito) {
        return preparado.aceite() ? preparado.texto : escrito;
    };

    // The checks use the leading numbers; the evaluated values replace them afterwards.
    m_janela.JanelaXmin = NumeroInicial(legivel(xmin, tabela.Xmin));
    m_janela.JanelaXmax = NumeroInicial(legivel(xmax, tabela.Xmax));
    m_janela.JanelaYmin = NumeroInicial(legivel(ymin, tabela.Ymin));
    m_janela.JanelaYmax = NumeroInicial(legivel(ymax, tabela.Ymax));
    if (tabela.Xmin.isEmpty() || tabela.Xmax.isEmpty() || tabela.Ymin.isEmpty() ||
        tabela.Ymax.isEmpty())
        return FalhaEixos{
            QStringLiteral("É necessário colocar os valores de Xmín, Xmáx, Ymín e Ymáx."), true};
    for (const TextoPreparado& texto : textos)
        if (!texto.aceite())
            return falhaDadosEixos(area, texto.erro);
    if (m_janela.JanelaXmin >= m_janela.JanelaXmax)
        return FalhaEixos{QStringLiteral("O valor de Xmín deve ser menor que o de Xmáx."), true};
    if (m_janela.JanelaYmin >= m_janela.JanelaYmax)
        return FalhaEixos{QStringLiteral("O valor de Ymín deve ser menor que o de Ymáx."), true};

    clsEquation equacao;
    m_janela.JanelaXmin = avaliar(equacao, xmin.texto);
    m_janela.JanelaXmax = avaliar(equacao, xmax.texto);
    m_janela.JanelaYmin = avaliar(equacao, ymin.texto);
    m_janela.JanelaYmax = avaliar(equacao, ymax.texto);
    valores.PassoNumX = avaliar(equacao, passoX.texto);
    valores.PassoNumY = avaliar(equacao, passoY.texto);
    valores.PassoMarcasX = passoX.texto;
    valores.PassoMarcasY = passoY.texto;

    const JanelaGrafica& j = m_janela;
    valores.MargemX = std::abs(j.JanelaXmax - j.JanelaXmin) / 50;
    valores.MargemY = std::abs(j.JanelaYmax - j.JanelaYmin) / 50;
    const double esquerda = j.JanelaXmin - 2 * valores.MargemX;
    const double direita = j.JanelaXmax + 2 * valores.MargemX;
    const double topo = j.JanelaYmax + 2 * valores.MargemY;
    const double fundo = j.JanelaYmin - 2 * valores.MargemY;
    m_janela.TamPixelX = std::abs(direita - esquerda) / quadro.larguraInterior();
    m_janela.TamPixelY = std::abs(topo - fundo) / quadro.alturaInterior();

    quadro.escala(esquerda, topo, direita, fundo);
    quadro.larguraTraco(1);
    area.sobreposicao().escala(esquerda, topo, direita, fundo);
    area.sobreposicao().larguraTraco(1);
    return std::nullopt;
}

void DesenhoEixos::desenharEixos(AreaGrafica& area, const ValoresJanela& valores) {
    const JanelaGrafica& j = m_janela;
    Quadro& quadro = area.persistente();
    // The axes pass through the origin even when it lies outside the window.
    quadro.linha(simples(j.JanelaXmin - valores.MargemX), 0,
                 simples(j.JanelaXmax + valores.MargemX), 0);
    quadro.linha(0, simples(j.JanelaYmin - valores.MargemY), 0,
                 simples(j.JanelaYmax + valores.MargemY));
    area.setaDireita().mover(simples(j.JanelaXmax + valores.MargemX - 3 * j.TamPixelX),
                             simples(4 * j.TamPixelY));
    area.setaCima().mover(simples(-4 * j.TamPixelX), simples(j.JanelaYmax + valores.MargemY));
    area.setaDireita().show();
    area.setaCima().show();
}

NomesDosEixos DesenhoEixos::nomesDosEixos(Quadro& quadro, const ValoresJanela& valores) {
    const JanelaGrafica& j = m_janela;
    // The names look the same at every redraw, whatever the texts printed last on this picture
    // left; the numbers after the names keep their boldness.
    quadro.nomeFonte(QStringLiteral("MS Sans Serif"));
    quadro.tamanhoFonte(kTamanhoNomes);
    quadro.negrito(true);
    const QPointF cantoX(simples(j.JanelaXmax + valores.MargemX + 2 * j.TamPixelX),
                         simples(-5 * j.TamPixelY));
    const QPointF cantoY(simples(-12 * j.TamPixelX),
                         simples(j.JanelaYmax + valores.MargemY + 9 * j.TamPixelY));
    return NomesDosEixos(quadro, cantoX, cantoY);
}

void DesenhoEixos::graduar(AreaGrafica& area, const TabelaEixos& tabela,
                           const ValoresJanela& valores) {
    if (tabela.MarcaX && !m_janela.EixoRadianos)
        marcasX(area.persistente(), passoDasMarcas(valores.PassoMarcasX));
    else if (tabela.MarcaX)
        MarcarRadianos();
    if (tabela.MarcaY)
        marcasY(area.persistente(), passoDasMarcas(valores.PassoMarcasY));
    if (tabela.GradNumX && !m_janela.EixoRadianos)
        numerosX(area.persistente(), valores.PassoNumX);
    else if (tabela.GradNumX)
        GraduarRadianos();
    if (tabela.GradNumY)
        numerosY(area.persistente(), valores.PassoNumY);
}

void DesenhoEixos::marcasX(Quadro& quadro, double passo) {
    const double meia = 2 * m_janela.TamPixelY;
    MarcasDoEixo marcas(quadro, true);
    VarrerGraduacao(m_janela.JanelaXmin, m_janela.JanelaXmax, passo, visivelEmX(quadro),
                    [&](double v) {
                        const float x = simples(v);
                        marcas.marcar(x, x, simples(meia), x, simples(-meia));
                    });
}

void DesenhoEixos::marcasY(Quadro& quadro, double passo) {
    const double meia = 2 * m_janela.TamPixelX;
    MarcasDoEixo marcas(quadro, false);
    VarrerGraduacao(m_janela.JanelaYmin, m_janela.JanelaYmax, passo, visivelEmY(quadro),
                    [&](double v) {
                        const float y = simples(v);
                        marcas.marcar(y, simples(-meia), y, simples(meia), y);
                    });
}

void DesenhoEixos::numerosX(Quadro& quadro, double passo) {
    quadro.nomeFonte(QStringLiteral("MS Serif"));
    quadro.tamanhoFonte(6);
    const JanelaGrafica& j = m_janela;
    const double desvio = -8 * j.TamPixelX;
    imprimirGraduacao(quadro, [&](TextosDaGraduacao& textos) {
        VarrerGraduacao(j.JanelaXmin, j.JanelaXmax, passo, visivelEmX(quadro, desvio),
                        [&](double v) {
                            textos.juntar(simples(v + desvio), simples(-8 * j.TamPixelY),
                                          [v] { return FormaImpressa(v); });
                        });
    });
}

void DesenhoEixos::numerosY(Quadro& quadro, double passo) {
    quadro.nomeFonte(QStringLiteral("MS Serif"));
    quadro.tamanhoFonte(6);
    quadro.negrito(true);
    const JanelaGrafica& j = m_janela;
    const double desvio = 5 * j.TamPixelY;
    imprimirGraduacao(quadro, [&](TextosDaGraduacao& textos) {
        VarrerGraduacao(j.JanelaYmin, j.JanelaYmax, passo, visivelEmY(quadro, desvio),
                        [&](double v) {
                            textos.juntar(simples(-18 * j.TamPixelX), simples(v + desvio),
                                          [v] { return FormaImpressa(v); });
                        });
    });
}

// The marks and the labels of the radian graduation run to the bounds of the window themselves,
// within half a pixel, so that no label stands without its mark (with Xmax = 2π the last mark
// is at 2π, not at 3π/2 as a sweep to Int(Xmax) would leave it).
double DesenhoEixos::fimRadianos(double limite, double sentido) const {
    return limite + sentido * m_janela.TamPixelX / 2;
}

void DesenhoEixos::MarcarRadianos() {
    const double meia = 2 * m_janela.TamPixelY;
    for (Quadro* quadro : {&m_areaFuncao.persistente(), &m_areaTransformada.persistente()}) {
        MarcasDoEixo marcas(*quadro, true);
        VarrerDesdeZero(fimRadianos(m_janela.JanelaXmin, -1), fimRadianos(m_janela.JanelaXmax, 1),
                        kMeioPi, visivelEmX(*quadro), [&](double v) {
                            const float x = simples(v);
                            marcas.marcar(x, x, simples(meia), x, simples(-meia));
                        });
    }
}

void DesenhoEixos::GraduarRadianos() {
    for (Quadro* quadro : {&m_areaFuncao.persistente(), &m_areaTransformada.persistente()}) {
        quadro->nomeFonte(QStringLiteral("symbol"));
        quadro->tamanhoFonte(8);
        quadro->negrito(false);
    }
    rotulosRadianos(m_areaFuncao.persistente());
    rotulosRadianos(m_areaTransformada.persistente());
}

void DesenhoEixos::rotulosRadianos(Quadro& quadro) {
    const JanelaGrafica& j = m_janela;
    const double topo = -6 * j.TamPixelY;
    const double desvio = -6 * j.TamPixelX;
    const IntervaloVisivel visivel = visivelEmX(quadro, desvio);
    const double esquerda = fimRadianos(j.JanelaXmin, -1), direita = fimRadianos(j.JanelaXmax, 1);
    imprimirGraduacao(quadro, [&](TextosDaGraduacao& textos) {
        const auto rotulo = [&](double x, const QString& texto) {
            textos.juntar(simples(x), simples(topo), [&] { return texto; });
        };
        // The odd multiples of π/2 from 3 on, and the multiples of π from 2 on, on each side.
        const auto serie = [&](double inicio, double passo, double fim, int primeiro, int salto,
                               int sinal, const QString& sufixo) {
            PercorrerValores(inicio, passo, fim, visivel, [&](double x, long long i) {
                const double k = static_cast<double>(primeiro + salto * i);
                textos.juntar(simples(x + desvio), simples(topo),
                              [&] { return FormaImpressa(sinal * k) + sufixo; });
                return true;
            });
        };
        rotulo(-kMeioPi - 6 * j.TamPixelX, QStringLiteral("-p/2"));
        serie(-3 * kPi / 2, -kPi, esquerda, 3, 2, -1, QStringLiteral("p/2"));
        rotulo(-kPi - 4 * j.TamPixelX, QStringLiteral("-p"));
        serie(-kDoisPi, -kPi, esquerda, 2, 1, -1, QStringLiteral("p"));
        rotulo(kMeioPi - 4 * j.TamPixelX, QStringLiteral("p/2"));
        serie(3 * kPi / 2, kPi, direita, 3, 2, 1, QStringLiteral("p/2"));
        rotulo(kPi - 2 * j.TamPixelX, QStringLiteral("p"));
        serie(kDoisPi, kPi, direita, 2, 1, 1, QStringLiteral("p"));
    });
}

FalhaEixos DesenhoEixos::falhaDadosEixos(AreaGrafica& area, const QString& descricao) {
    area.esconderSetas();
    return {QStringLiteral("Erro nos dados dos eixos:\r\n\r\n") + descricao, false};
}
