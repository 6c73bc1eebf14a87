// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GravacaoBitmap.h"

#include "Dialogos.h"
#include "Gravacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <unistd.h>

namespace GravacaoBitmap {

namespace {

const QString kExtensao = QStringLiteral("bmp");

Dialogos::PedidoGuardar pedidoGuardar() {
    return {pastaInicial(QCoreApplication::applicationDirPath()),
            QStringLiteral("Mapa de bits (*.bmp)"), kExtensao};
}

// From 32 bits per pixel the bitmap writer stores 24-bit pixels, without palette nor compression;
// an image with a palette would otherwise be written with one.
Gravacao::Escritor escritor(const QImage& imagem) {
    return [imagem](QIODevice& destino) {
        return imagem.convertToFormat(QImage::Format_RGB32).save(&destino, "BMP");
    };
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
    return Gravacao::gravar(caminho, escritor(imagem));
}

void guardar(Dialogos& dialogos, QWidget* pai, const QImage& imagem) {
    Gravacao::guardar(dialogos, pai, pedidoGuardar(), escritor(imagem));
}

} // namespace GravacaoBitmap
