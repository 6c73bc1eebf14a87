#include "GravacaoBitmap.h"

#include "Dialogos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QStandardPaths>

namespace GravacaoBitmap {

namespace {

const QString kExtensao = QStringLiteral("bmp");

Dialogos::PedidoGuardar pedidoGuardar() {
    return {pastaInicial(QCoreApplication::applicationDirPath()),
            QStringLiteral("Mapa de bits (*.bmp)"), kExtensao};
}

bool podeEscrever(const QString& pasta) {
    const QFileInfo informacao(pasta);
    return !pasta.isEmpty() && informacao.isDir() && informacao.isWritable();
}

// The dialog itself gives a bare name the default extension; a name that still lacks one
// (another dialog behind the interface) gets it here.
QString comExtensao(const QString& ficheiro) {
    if (QFileInfo(ficheiro).suffix().isEmpty() && !ficheiro.endsWith(QLatin1Char('.')))
        return ficheiro + QLatin1Char('.') + kExtensao;
    return ficheiro;
}

QString motivo(const QSaveFile& ficheiro) {
    return QDir::toNativeSeparators(ficheiro.fileName()) + QStringLiteral("\r\n") +
           ficheiro.errorString();
}

} // namespace

QString pastaInicial(const QString& pastaDoPrograma) {
    if (podeEscrever(pastaDoPrograma))
        return pastaDoPrograma;
    const QString imagens = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (podeEscrever(imagens))
        return imagens;
    return QDir::homePath();
}

std::optional<QString> escrever(const QImage& imagem, const QString& caminho) {
    if (imagem.isNull())
        return QStringLiteral("A imagem está vazia.");
    QSaveFile ficheiro(caminho);
    if (!ficheiro.open(QIODevice::WriteOnly))
        return motivo(ficheiro);
    // From 32 bits per pixel the bitmap writer stores 24-bit pixels, without palette nor
    // compression; an image with a palette would otherwise be written with one.
    if (!imagem.convertToFormat(QImage::Format_RGB32).save(&ficheiro, "BMP")) {
        const QString razao = motivo(ficheiro);
        ficheiro.cancelWriting();
        return razao;
    }
    if (!ficheiro.commit())
        return motivo(ficheiro);
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
