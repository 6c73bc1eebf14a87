// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FicheiroExercicio.h"

#include "Dialogos.h"
#include "FormatoExercicio.h"
#include "Gravacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace FicheiroExercicio {

namespace {

QString razaoDaLeitura(int erro) {
    switch (erro) {
    case ENOENT:
        return QStringLiteral("O ficheiro não existe.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Não há permissão para ler o ficheiro.");
    case EIO:
        return QStringLiteral("O disco falhou a meio da leitura do ficheiro.");
    default:
        return QStringLiteral("Não foi possível ler o ficheiro.");
    }
}

// The file's bytes, read in pieces up to one byte past the largest exercise, or the reason.
std::variant<QByteArray, QString> lerBytes(const QString& caminho) {
    const QFileInfo informacao(caminho);
    if (informacao.isDir())
        return QStringLiteral("É uma pasta, não um ficheiro.");
    // A pipe or a device could keep the program waiting for ever.
    if (informacao.exists() && !informacao.isFile())
        return QStringLiteral("Não é um ficheiro comum.");
    QFile ficheiro(caminho);
    errno = 0;
    if (!ficheiro.open(QIODevice::ReadOnly))
        return razaoDaLeitura(errno);
    QByteArray dados(kTamanhoMaximo + 1, Qt::Uninitialized);
    qint64 lidos = 0;
    while (lidos < dados.size()) {
        errno = 0;
        const qint64 parte = ficheiro.read(dados.data() + lidos, dados.size() - lidos);
        if (parte < 0)
            return razaoDaLeitura(errno);
        if (parte == 0)
            break;
        lidos += parte;
    }
    if (lidos > kTamanhoMaximo)
        return QStringLiteral("O ficheiro é demasiado grande para ser um exercício do Quilora.");
    dados.truncate(lidos);
    return dados;
}

} // namespace

std::variant<Exercicio, QString> abrir(const QString& caminho) {
    const QString nome = QDir::toNativeSeparators(caminho) + QStringLiteral("\r\n");
    const auto bytes = lerBytes(caminho);
    if (const auto* razao = std::get_if<QString>(&bytes))
        return nome + *razao;
    auto lido = FormatoExercicio::ler(std::get<QByteArray>(bytes));
    if (const auto* razao = std::get_if<QString>(&lido))
        return nome + *razao;
    return lido;
}

QString mensagemDeAbertura(const QString& falha) {
    return QStringLiteral("Não foi possível abrir o exercício:\r\n\r\n") + falha;
}

std::optional<QString> gravar(const Exercicio& exercicio, const QString& caminho) {
    return Gravacao::gravar(caminho, FormatoExercicio::escrever(exercicio));
}

std::optional<QString> guardar(Dialogos& dialogos, QWidget* pai, const Exercicio& exercicio,
                               const QString& pastaInicial) {
    const QByteArray texto = FormatoExercicio::escrever(exercicio);
    return Gravacao::guardar(
        dialogos, pai, {pastaInicial, QString::fromUtf8(kFiltro), QString::fromLatin1(kExtensao)},
        [&texto](QIODevice& destino) { return destino.write(texto) == texto.size(); });
}

} // namespace FicheiroExercicio
