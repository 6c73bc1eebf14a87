// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Gravacao.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Gravacao {

namespace {

// The folder as the user named it: through a link, the link's name, never where it leads.
QString pastaDe(const QString& caminho) {
    return QDir::toNativeSeparators(QFileInfo(caminho).absolutePath());
}

// Whether this process may write there, as the system will judge when the file is opened.
bool podeEscreverEm(const QString& caminho) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(caminho).constData(), W_OK, AT_EACCESS) == 0;
}

QString semEspaco() {
    return QStringLiteral("Não há espaço livre no disco para guardar o ficheiro.");
}

QString soDeLeitura(const QString& caminho) {
    return QStringLiteral("A pasta %1 está num disco onde só se pode ler.").arg(pastaDe(caminho));
}

QString semPermissao(const QString& caminho) {
    if (QFileInfo::exists(caminho) && !podeEscreverEm(caminho))
        return QStringLiteral("O ficheiro já existe e não pode ser substituído.");
    return QStringLiteral("Não há permissão para escrever na pasta %1.").arg(pastaDe(caminho));
}

// What is wrong where the file should go, seen on the disk itself whatever the call that failed.
std::optional<QString> razaoNoDisco(const QString& caminho) {
    const QFileInfo alvo(caminho);
    if (alvo.isDir())
        return QStringLiteral("Já existe uma pasta com esse nome.");
    if (!QFileInfo(alvo.absolutePath()).isDir())
        return QStringLiteral("A pasta %1 não existe.").arg(pastaDe(caminho));
    return std::nullopt;
}

// The reason told by the system's error number (the library's own words are in English).
std::optional<QString> razaoDoErro(const QString& caminho, int erro) {
    switch (erro) {
    case ENOSPC:
    case EDQUOT:
        return semEspaco();
    case EROFS:
        return soDeLeitura(caminho);
    case ENAMETOOLONG:
        return QStringLiteral("O nome do ficheiro é demasiado comprido para este disco.");
    case EACCES:
    case EPERM:
        return semPermissao(caminho);
    case EFBIG:
        return QStringLiteral("O ficheiro é demasiado grande para este disco.");
    case EIO:
        return QStringLiteral("O disco falhou ao escrever o ficheiro.");
    default:
        return std::nullopt;
    }
}

// Without an error number to go by: the state of the disk that holds the folder.
QString razaoDoEstado(const QString& caminho, qint64 tamanho) {
    const QStorageInfo disco(QFileInfo(caminho).absolutePath());
    if (disco.isReadOnly())
        return soDeLeitura(caminho);
    if (disco.isValid() && disco.bytesAvailable() <= tamanho)
        return semEspaco();
    return QStringLiteral("Não foi possível escrever o ficheiro.");
}

QString motivo(const QString& caminho, qint64 tamanho, int erro) {
    QString razao;
    if (const auto noDisco = razaoNoDisco(caminho))
        razao = *noDisco;
    else if (const auto doErro = razaoDoErro(caminho, erro))
        razao = *doErro;
    else
        razao = razaoDoEstado(caminho, tamanho);
    return QDir::toNativeSeparators(caminho) + QStringLiteral("\r\n") + razao;
}

// Runs one step of the writing; on failure, the system's error number of that step.
template <typename Passo> std::optional<int> falhaDe(Passo passo) {
    errno = 0;
    if (passo())
        return std::nullopt;
    return errno;
}

} // namespace

std::optional<QString> gravar(const QString& caminho, const QByteArray& dados) {
    QSaveFile ficheiro(caminho);
    std::optional<int> erro = falhaDe([&] { return ficheiro.open(QIODevice::WriteOnly); });
    if (!erro)
        erro = falhaDe([&] { return ficheiro.write(dados) == dados.size(); });
    // A full disk may show only when the last bytes reach it.
    if (!erro)
        erro = falhaDe([&] { return ficheiro.flush(); });
    if (!erro)
        erro = falhaDe([&] { return ficheiro.commit(); });
    if (!erro)
        return std::nullopt;
    ficheiro.cancelWriting();
    return motivo(caminho, dados.size(), *erro);
}

std::optional<QString> gravar(const QString& caminho, const Escritor& escrever) {
    // Made whole in memory first: a short write then shows as such, whatever the writer checks.
    QBuffer conteudo;
    conteudo.open(QIODevice::WriteOnly);
    if (!escrever(conteudo))
        return QDir::toNativeSeparators(caminho) +
               QStringLiteral("\r\nNão foi possível compor o conteúdo do ficheiro.");
    return gravar(caminho, conteudo.data());
}

QString comExtensao(const QString& ficheiro, const QString& extensao) {
    if (!QFileInfo(ficheiro).suffix().isEmpty())
        return ficheiro;
    QString nome = ficheiro;
    while (nome.endsWith(QLatin1Char('.')))
        nome.chop(1);
    return nome + QLatin1Char('.') + extensao;
}

std::optional<QString> guardar(Dialogos& dialogos, QWidget* pai,
                               const Dialogos::PedidoGuardar& pedido, const Escritor& escrever) {
    for (;;) {
        const Dialogos::RespostaGuardar resposta = dialogos.escolherFicheiro(pai, pedido);
        // "grafico." has no extension, not another one: it is saved as "grafico.bmp".
        if (resposta.extensaoDiferente && !QFileInfo(resposta.ficheiro).suffix().isEmpty()) {
            dialogos.mensagem(pai, QStringLiteral("Essa extensão não é permitida."),
                              Dialogos::Icone::Nenhum);
            continue;
        }
        if (resposta.ficheiro.isEmpty())
            return std::nullopt;
        const QString caminho = comExtensao(resposta.ficheiro, pedido.extensaoPredefinida);
        if (const auto erro = gravar(caminho, escrever)) {
            dialogos.mensagem(
                pai, QStringLiteral("Não foi possível guardar o ficheiro:\r\n\r\n") + *erro,
                Dialogos::Icone::Informacao);
            return std::nullopt;
        }
        return caminho;
    }
}

} // namespace Gravacao
