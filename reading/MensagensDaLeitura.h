// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

/// Why a typed text is not drawn: the description the user is shown, naming the fault and,
/// where there is one, what to write instead.
struct Recusa {
    QString mensagem;
};

/// The descriptions of the texts the reading refuses.
namespace MensagensDaLeitura {

/// A piece of the typed text as a message quotes it: without its outer blanks and, when long,
/// cut short with "…".
QString citar(QStringView texto);

QString caracterDesconhecido(QStringView caracter);
QString igualForaDoInicio();
QString parenteseSemAbertura();
QString barraSemPar();
QString barrasAmbiguas();
QString pontoEVirgula(QStringView numero);
QString duasVirgulas(QStringView numero);
QString virgulaSolta();
QString umSoArgumento(QStringView funcao, QStringView chamada);
QString faltaSegundoArgumento(QStringView funcao);
QString argumentosAMais(QStringView funcao, QStringView chamada);
QString virgulaAmbigua(QStringView funcao, QStringView chamada);
QString faltaArgumento(QStringView chamada);
QString faltaOperandoAntes(QStringView sinal);
QString faltaOperandoDepois(QStringView sinal);
QString doisSinais();
QString parentesesVazios();
QString funcaoSemParenteses(QStringView funcao);
/// "Escreva certo em vez de errado."
QString escreva(QStringView certo, QStringView errado);
/// "Escreva uma ou outra em vez de errado.", for a text with two readings.
QString escrevaUmaDasDuas(QStringView uma, QStringView outra, QStringView errado);

} // namespace MensagensDaLeitura
