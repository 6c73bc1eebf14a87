// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MensagensDaLeitura.h"

namespace MensagensDaLeitura {

namespace {

constexpr qsizetype kCitacaoMaxima = 40;

QString com(QStringView modelo, QStringView a) {
    return modelo.toString().arg(a);
}

} // namespace

QString citar(QStringView texto) {
    const QStringView aparado = texto.trimmed();
    if (aparado.size() <= kCitacaoMaxima)
        return aparado.toString();
    return aparado.first(kCitacaoMaxima - 1).toString() + QChar(0x2026);
}

QString caracterDesconhecido(QStringView caracter) {
    return com(u"O carácter %1 não pode ser usado numa expressão: apague-o.", caracter);
}

QString igualForaDoInicio() {
    return QStringLiteral("O sinal = só pode vir no início, depois de y, f(x) ou g(x): escreva só "
                          "a expressão, como x^2-4.");
}

QString parenteseSemAbertura() {
    return QStringLiteral("Há um ) sem o ( que o abre.");
}

QString barraSemPar() {
    return QStringLiteral("Barra sem par na expressão: |");
}

QString barrasAmbiguas() {
    return QStringLiteral("As barras desta expressão podem ler-se de mais de uma maneira: escreva "
                          "cada valor absoluto com abs( ), como abs(x).");
}

QString pontoEVirgula(QStringView numero) {
    return com(u"O número %1 tem um ponto e uma vírgula: separe as casas decimais só com um "
               u"deles, como 1.5 ou 1,5.",
               citar(numero));
}

QString duasVirgulas(QStringView numero) {
    return com(u"O número %1 tem duas vírgulas: um número só tem uma vírgula decimal.",
               citar(numero));
}

QString virgulaSolta() {
    return QStringLiteral("Uma vírgula só separa as casas decimais de um número, como 0,5, ou os "
                          "argumentos de uma função, como max(x, 1).");
}

QString umSoArgumento(QStringView funcao, QStringView chamada) {
    return QStringLiteral("A função %1 tem um só argumento: em %2 há vírgulas a mais.")
        .arg(funcao, citar(chamada));
}

QString faltaSegundoArgumento(QStringView funcao) {
    return QStringLiteral(
               "A função %1 tem dois argumentos, separados por uma vírgula, como em %1(x, 1).")
        .arg(funcao);
}

QString argumentosAMais(QStringView funcao, QStringView chamada) {
    return QStringLiteral("A função %1 tem dois argumentos: em %2 há vírgulas a mais.")
        .arg(funcao, citar(chamada));
}

QString virgulaAmbigua(QStringView funcao, QStringView chamada) {
    return QStringLiteral("Não se sabe que vírgula separa os dois argumentos em %2: escreva as "
                          "casas decimais com ponto, como em %1(1.5, 2).")
        .arg(funcao, citar(chamada));
}

QString faltaArgumento(QStringView chamada) {
    return com(u"Falta um argumento em %1.", citar(chamada));
}

QString faltaOperandoAntes(QStringView sinal) {
    return com(u"Falta um operando antes de %1.", sinal);
}

QString faltaOperandoDepois(QStringView sinal) {
    return com(u"Falta um operando depois de %1.", sinal);
}

QString doisSinais() {
    return QStringLiteral("Há dois sinais - seguidos: escreva o segundo entre parênteses com o que "
                          "se lhe segue, como em -(-x).");
}

QString parentesesVazios() {
    return QStringLiteral("Os parênteses () estão vazios: escreva entre eles uma expressão.");
}

QString funcaoSemParenteses(QStringView funcao) {
    return QStringLiteral("O argumento de %1 escreve-se entre parênteses, logo a seguir ao nome, "
                          "como em %1(x).")
        .arg(funcao);
}

QString escreva(QStringView certo, QStringView errado) {
    return QStringLiteral("Escreva %1 em vez de %2.").arg(citar(certo), citar(errado));
}

QString escrevaUmaDasDuas(QStringView uma, QStringView outra, QStringView errado) {
    return QStringLiteral("Escreva %1 ou %2 em vez de %3.")
        .arg(citar(uma), citar(outra), citar(errado));
}

} // namespace MensagensDaLeitura
