// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GravacaoBitmap.h"

#include "Dialogos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <unistd.h>

namespace GravacaoBitmap {

namespace {

const QString kExtensao = QStringLiteral("bmp");

Dialogos::PedidoGuardar pedidoGuardar() {
    return {pastaInicial(QCoreApplication::applicationDirPath()),
            QStringLiteral("Mapa de bits (*.bmp)"), kExtensao};
}

// The folders of the system and of installed programs: no place for the user's pictures, even
// where the user may write there (as root may in /usr/bin).
const char* const kPastasDoSistema[] = {"/bin",   "/boot",   "/dev", "/etc",  "/lib", "/lib32",
                                        "/lib64", "/libx32", "/opt", "/proc", "/run", "/sbin",
                                        "/srv",   "/sys",    "/usr", "/var"};

bool eDoSistema(const QString& pasta) {
    const QString caminho = QFileInfo(pasta).canonicalFilePath();
    if (caminho == QLatin1String("/"))
        return true;
    for (const char* sistema : kPastasDoSistema) {
        const QString raiz = QString::fromLatin1(sistema);
        if (caminho == raiz || caminho.startsWith(raiz + QLatin1Char('/')))
            return true;
    }
    return false;
}

// A folder of the user's own that can take a new file.
bool serveDePastaInicial(const QString& pasta) {
    const QFileInfo informacao(pasta);
    return !pasta.isEmpty() && informacao.isDir() && informacao.isWritable() &&
           informacao.ownerId() == ::geteuid() && !eDoSistema(pasta);
}

// The dialog itself gives a bare name the default extension; a name that still lacks one
// (another dialog behind the interface) gets it here. A name ending in "." has an empty
// extension: the dot is not doubled ("grafico." is saved as "grafico.bmp").
QString comExtensao(const QString& ficheiro) {
    if (!QFileInfo(ficheiro).suffix().isEmpty())
        return ficheiro;
    QString nome = ficheiro;
    while (nome.endsWith(QLatin1Char('.')))
        nome.chop(1);
    return nome + QLatin1Char('.') + kExtensao;
}

// Whether this process may write there, as the system will judge when the file is opened.
bool podeEscreverEm(const QString& caminho) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(caminho).constData(), W_OK, AT_EACCESS) == 0;
}

// Why the file could not be opened for writing, told from what is on the disk: the library's
// own reasons are in English.
QString razaoDaAbertura(const QString& caminho) {
    const QFileInfo alvo(caminho);
    if (alvo.isDir())
        return QStringLiteral("Já existe uma pasta com esse nome.");
    if (!QFileInfo(alvo.absolutePath()).isDir())
        return QStringLiteral("A pasta não existe.");
    if (alvo.exists() && !podeEscreverEm(caminho))
        return QStringLiteral("O ficheiro já existe e não pode ser substituído.");
    if (!podeEscreverEm(alvo.absolutePath()))
        return QStringLiteral("Não há permissão para escrever nessa pasta.");
    return QStringLiteral("Não foi possível criar o ficheiro nessa pasta.");
}

QString razaoDaEscrita(const QFileDevice& ficheiro) {
    switch (ficheiro.error()) {
    case QFileDevice::ResourceError: // no space left on the device
        return QStringLiteral("Não há espaço livre no disco para guardar o ficheiro.");
    case QFileDevice::RenameError:
        return QStringLiteral("O ficheiro que já existia não pode ser substituído.");
    default:
        return QStringLiteral("Não foi possível escrever o ficheiro.");
    }
}

QString motivo(const QString& caminho, const QString& razao) {
    return QDir::toNativeSeparators(caminho) + QStringLiteral("\r\n") + razao;
}

} // namespace

QString pastaInicial(const QString& pastaDoPrograma) {
    if (serveDePastaInicial(pastaDoPrograma))
        return pastaDoPrograma;
    const QString imagens = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (serveDePastaInicial(imagens))
        return imagens;
    return QDir::homePath();
}

std::optional<QString> escrever(const QImage& imagem, const QString& caminho) {
    if (imagem.isNull())
        return QStringLiteral("A imagem está vazia.");
    QSaveFile ficheiro(caminho);
    if (!ficheiro.open(QIODevice::WriteOnly))
        return motivo(caminho, razaoDaAbertura(caminho));
    if (const auto razao = escreverEm(imagem, ficheiro)) {
        ficheiro.cancelWriting();
        return motivo(caminho, *razao);
    }
    if (!ficheiro.commit())
        return motivo(caminho, razaoDaEscrita(ficheiro));
    return std::nullopt;
}

std::optional<QString> escreverEm(const QImage& imagem, QFileDevice& destino) {
    // From 32 bits per pixel the bitmap writer stores 24-bit pixels, without palette nor
    // compression; an image with a palette would otherwise be written with one.
    if (!imagem.convertToFormat(QImage::Format_RGB32).save(&destino, "BMP") || !destino.flush())
        return razaoDaEscrita(destino);
    return std::nullopt;
}

void guardar(Dialogos& dialogos, QWidget* pai, const QImage& imagem) {
    for (;;) {
        const Dialogos::RespostaGuardar resposta = dialogos.escolherFicheiro(pai, pedidoGuardar());
        if (resposta.extensaoDiferente) {
            dialogos.mensagem(pai, QStringLiteral("Essa extensão não é permitida."),
                              Dialogos::Icone::Nenhum);
            continue;
        }
        if (resposta.ficheiro.isEmpty())
            return;
        if (const auto erro = escrever(imagem, comExtensao(resposta.ficheiro)))
            dialogos.mensagem(
                pai, QStringLiteral("Não foi possível guardar o ficheiro:\r\n\r\n") + *erro,
                Dialogos::Icone::Informacao);
        return;
    }
}

} // namespace GravacaoBitmap
