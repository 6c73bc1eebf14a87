// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeituraIntervalo.h"

#include "PreparacaoTexto.h"
#include "TextoNumero.h"
#include "clsEquation.h"

#include <optional>
#include <vector>

namespace {

const QString kForma =
    QStringLiteral("Escreva um intervalo, por exemplo [-5, 3], ]-2, 4] ou [0, +∞[.");
const QString kSeparador =
    QStringLiteral("Separe os extremos do intervalo com uma vírgula ou com ponto e vírgula.");
const QString kDoisExtremos = QStringLiteral("Um intervalo tem só dois extremos.");
const QString kAmbiguo = QStringLiteral("O intervalo pode ler-se de mais de uma maneira: separe "
                                        "os extremos com ponto e vírgula, por exemplo [-2,5; 3[.");

struct Extremo {
    double valor = 0;
    QString erro;
};

struct Leitura {
    Extremo inferior, superior;
    bool valida() const { return inferior.erro.isEmpty() && superior.erro.isEmpty(); }
};

// The places of a character outside every parenthesis.
std::vector<qsizetype> foraDeParenteses(const QString& texto, QChar procurado) {
    std::vector<qsizetype> lugares;
    int profundidade = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'(')
            ++profundidade;
        else if (texto[i] == u')')
            --profundidade;
        else if (texto[i] == procurado && profundidade == 0)
            lugares.push_back(i);
    }
    return lugares;
}

std::optional<double> infinito(const QString& texto) {
    QString compacto = texto;
    compacto.remove(u' ');
    compacto = compacto.toLower();
    if (compacto.startsWith(u'+'))
        compacto.remove(0, 1);
    const bool negativo = compacto.startsWith(u'-');
    if (negativo)
        compacto.remove(0, 1);
    if (compacto != QStringLiteral("∞") && compacto != QStringLiteral("inf"))
        return std::nullopt;
    return negativo ? -Intervalo::kInfinito : Intervalo::kInfinito;
}

Extremo lerExtremo(const QString& escrito) {
    const QString texto = escrito.trimmed();
    if (texto.isEmpty())
        return {0, QStringLiteral("Falta um extremo do intervalo.")};
    if (const auto valor = infinito(texto))
        return {*valor, {}};
    // A comma left between two numbers would be read by the interpreter as the first alone.
    const TextoPreparado preparado = PrepararTexto(texto);
    if (preparado.aceite() && !foraDeParenteses(preparado.texto, u',').empty())
        return {0, kDoisExtremos};
    clsEquation equacao;
    const ValorLido lido = lerParametro(equacao, texto);
    return {lido.valor, lido.erro};
}

Leitura lerCorte(const QString& interior, qsizetype corte) {
    return {lerExtremo(interior.left(corte)), lerExtremo(interior.mid(corte + 1))};
}

bool entreAlgarismos(const QString& texto, qsizetype i) {
    return i > 0 && i + 1 < texto.size() && texto[i - 1].isDigit() && texto[i + 1].isDigit();
}

// Several commas: the one cut that leaves two ends that can be read. When none does, the ends
// of the one comma that cannot be a decimal comma say what is wrong.
Leitura lerEntreVirgulas(const QString& interior, const std::vector<qsizetype>& virgulas,
                         QString& erro) {
    std::optional<Leitura> encontrada;
    for (qsizetype corte : virgulas) {
        const Leitura leitura = lerCorte(interior, corte);
        if (!leitura.valida())
            continue;
        if (encontrada) {
            erro = kAmbiguo;
            return {};
        }
        encontrada = leitura;
    }
    if (encontrada)
        return *encontrada;
    std::vector<qsizetype> separadores;
    for (qsizetype corte : virgulas)
        if (!entreAlgarismos(interior, corte))
            separadores.push_back(corte);
    if (separadores.size() == 1)
        return lerCorte(interior, separadores.front());
    erro = kDoisExtremos;
    return {};
}

// The two ends, cut apart at the one ";" or at a comma; `erro` says why they cannot be.
Leitura lerExtremos(const QString& interior, QString& erro) {
    const std::vector<qsizetype> pontosEVirgulas = foraDeParenteses(interior, u';');
    const std::vector<qsizetype> virgulas = foraDeParenteses(interior, u',');
    if (pontosEVirgulas.size() > 1)
        erro = kDoisExtremos;
    else if (pontosEVirgulas.size() == 1)
        return lerCorte(interior, pontosEVirgulas.front());
    else if (virgulas.empty())
        erro = kSeparador;
    else if (virgulas.size() == 1)
        return lerCorte(interior, virgulas.front());
    else
        return lerEntreVirgulas(interior, virgulas, erro);
    return {};
}

QString verificar(const Intervalo& i) {
    if (i.inferior == Intervalo::kInfinito)
        return QStringLiteral("O extremo esquerdo não pode ser +∞.");
    if (i.superior == -Intervalo::kInfinito)
        return QStringLiteral("O extremo direito não pode ser −∞.");
    if ((i.inferiorFechado && i.inferior == -Intervalo::kInfinito) ||
        (i.superiorFechado && i.superior == Intervalo::kInfinito))
        return QStringLiteral("Do lado do infinito o intervalo é aberto: ]−∞, 2] ou [0, +∞[.");
    if (i.vazio())
        return QStringLiteral("O extremo esquerdo deve ser menor do que o direito.");
    return {};
}

} // namespace

IntervaloLido lerIntervalo(const QString& escrito) {
    QString texto = escrito.trimmed();
    texto.replace(QChar(0x2212), u'-');
    if (texto.isEmpty() || texto == QStringLiteral("R") || texto == QStringLiteral("ℝ") ||
        texto == QStringLiteral("IR"))
        return {Intervalo::reta(), {}};
    const QChar abre = texto.front(), fecha = texto.back();
    const auto parenteseRecto = [](QChar c) { return c == u'[' || c == u']'; };
    if (texto.size() < 2 || !parenteseRecto(abre) || !parenteseRecto(fecha))
        return {{}, kForma};
    QString erro;
    const Leitura leitura = lerExtremos(texto.mid(1, texto.size() - 2), erro);
    if (!erro.isEmpty())
        return {{}, erro};
    if (!leitura.inferior.erro.isEmpty())
        return {{}, QStringLiteral("Erro no extremo esquerdo: ") + leitura.inferior.erro};
    if (!leitura.superior.erro.isEmpty())
        return {{}, QStringLiteral("Erro no extremo direito: ") + leitura.superior.erro};
    const Intervalo intervalo{leitura.inferior.valor, leitura.superior.valor, abre == u'[',
                              fecha == u']'};
    if (const QString invalido = verificar(intervalo); !invalido.isEmpty())
        return {{}, invalido};
    return {intervalo, {}};
}
