// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GravacaoBitmap.h"
#include "DialogosGuiados.h"
#include "DiscoPequeno.h"
#include "SemPrivilegios.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A picture whose every pixel differs from its neighbours, so that a row or channel out of
// place shows.
QImage imagemDeTeste(int largura, int altura) {
    QImage imagem(largura, altura, QImage::Format_RGB32);
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            imagem.setPixel(x, y,
                            qRgb((x * 37 + y * 11) % 256, (x * 5 + y * 71) % 256,
                                 (x * 97 + y * 3 + 128) % 256));
    return imagem;
}

QByteArray lerFicheiro(const QString& caminho) {
    QFile ficheiro(caminho);
    if (!ficheiro.open(QIODevice::ReadOnly))
        return {};
    return ficheiro.readAll();
}

// A file that is already there before a save.
bool escreverFicheiro(const QString& caminho, const QByteArray& conteudo) {
    QFile ficheiro(caminho);
    return ficheiro.open(QIODevice::WriteOnly) && ficheiro.write(conteudo) == conteudo.size();
}

quint32 u32(const QByteArray& dados, int posicao) {
    return qFromLittleEndian<quint32>(dados.constData() + posicao);
}
quint16 u16(const QByteArray& dados, int posicao) {
    return qFromLittleEndian<quint16>(dados.constData() + posicao);
}

struct Tamanho {
    int largura, altura;
};

class EscritaBitmapTest : public ::testing::TestWithParam<Tamanho> {};

// Widths 1 to 8 need 3, 2, 1 and 0 bytes of padding at the end of each row.
TEST_P(EscritaBitmapTest, Escreve24BitsSemCompressaoPixelAPixel) {
    const auto [largura, altura] = GetParam();
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("grafico.bmp"));
    const QImage imagem = imagemDeTeste(largura, altura);
    ASSERT_EQ(GravacaoBitmap::escrever(imagem, caminho), std::nullopt);

    const QByteArray dados = lerFicheiro(caminho);
    const int bytesPorLinha = (largura * 3 + 3) / 4 * 4;
    ASSERT_EQ(dados.size(), 54 + bytesPorLinha * altura);
    EXPECT_EQ(dados.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(dados, 2), quint32(dados.size()));
    EXPECT_EQ(u32(dados, 10), 54u); // pixels right after the headers
    EXPECT_EQ(u32(dados, 14), 40u); // BITMAPINFOHEADER
    EXPECT_EQ(qint32(u32(dados, 18)), largura);
    EXPECT_EQ(qint32(u32(dados, 22)), altura); // positive: rows stored bottom-up
    EXPECT_EQ(u16(dados, 26), 1);              // planes
    EXPECT_EQ(u16(dados, 28), 24);             // bits per pixel
    EXPECT_EQ(u32(dados, 30), 0u);             // BI_RGB, no compression
    EXPECT_EQ(u32(dados, 46), 0u);             // no palette

    // The bytes themselves: blue, green, red, the bottom row first.
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x) {
            const int posicao = 54 + (altura - 1 - y) * bytesPorLinha + x * 3;
            const QRgb pixel = imagem.pixel(x, y);
            ASSERT_EQ(quint8(dados[posicao]), qBlue(pixel)) << x << "," << y;
            ASSERT_EQ(quint8(dados[posicao + 1]), qGreen(pixel)) << x << "," << y;
            ASSERT_EQ(quint8(dados[posicao + 2]), qRed(pixel)) << x << "," << y;
        }

    const QImage lida(caminho);
    ASSERT_EQ(lida.size(), imagem.size());
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            ASSERT_EQ(lida.pixel(x, y), imagem.pixel(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Tamanhos, EscritaBitmapTest,
                         ::testing::Values(Tamanho{1, 1}, Tamanho{2, 3}, Tamanho{3, 2},
                                           Tamanho{4, 4}, Tamanho{7, 5}, Tamanho{493, 493}));

TEST(EscritaBitmap, ImagemComPaletaTambemFica24Bits) {
    QImage imagem(5, 2, QImage::Format_Indexed8);
    imagem.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    imagem.fill(1);
    imagem.setPixel(0, 0, 0);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("paleta.bmp"));
    ASSERT_EQ(GravacaoBitmap::escrever(imagem, caminho), std::nullopt);
    const QByteArray dados = lerFicheiro(caminho);
    EXPECT_EQ(u16(dados, 28), 24);
    EXPECT_EQ(QImage(caminho).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(QImage(caminho).pixel(4, 1), qRgb(0, 0, 255));
}

TEST(EscritaBitmap, SubstituiUmFicheiroExistente) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("velho.bmp"));
    ASSERT_TRUE(escreverFicheiro(
        caminho, "conteúdo antigo que é maior do que o novo bitmap de um pixel, muito maior"));
    ASSERT_EQ(GravacaoBitmap::escrever(imagemDeTeste(1, 1), caminho), std::nullopt);
    EXPECT_EQ(lerFicheiro(caminho).size(), 58);
}

// Saving into a folder that vanished: the reason names the file, nothing is created.
TEST(EscritaBitmap, PastaInexistenteDaUmMotivoENaoCriaNada) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("sumiu/grafico.bmp"));
    const auto erro = GravacaoBitmap::escrever(imagemDeTeste(3, 3), caminho);
    ASSERT_TRUE(erro.has_value());
    EXPECT_TRUE(erro->contains(QStringLiteral("grafico.bmp"))) << erro->toStdString();
    EXPECT_FALSE(QFile::exists(caminho));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

// While alive, files of this process cannot grow past a few bytes, as on a full disk.
class DiscoCheio {
public:
    DiscoCheio() {
        getrlimit(RLIMIT_FSIZE, &m_antes);
        m_sinalAntes = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = m_antes;
        limite.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DiscoCheio() {
        setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_sinalAntes);
    }

private:
    rlimit m_antes{};
    void (*m_sinalAntes)(int) = nullptr;
};

TEST(EscritaBitmap, DiscoCheioNaoEstragaOFicheiroExistenteNemDeixaRestos) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("grafico.bmp"));
    ASSERT_TRUE(escreverFicheiro(caminho, "antigo"));
    std::optional<QString> erro;
    {
        DiscoCheio cheio;
        erro = GravacaoBitmap::escrever(imagemDeTeste(100, 100), caminho);
    }
    EXPECT_TRUE(erro.has_value());
    EXPECT_EQ(lerFicheiro(caminho), QByteArray("antigo"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("grafico.bmp")});
}

// A disk that is really full, a small file system of its own: the user is told so in
// Portuguese, whichever step of the writing meets the end of the disk.
TEST(EscritaBitmap, DiscoCheioDizQueNaoHaEspaco) {
    DiscoPequeno disco(64);
    MONTAR_OU_CORRER_A_PARTE(disco);
    const QString caminho = disco.pasta() + QStringLiteral("/grafico.bmp");
    const QString semEspaco =
        QDir::toNativeSeparators(caminho) +
        QStringLiteral("\r\nNão há espaço livre no disco para guardar o ficheiro.");
    EXPECT_EQ(GravacaoBitmap::escrever(imagemDeTeste(493, 493), caminho), semEspaco);
    disco.encher();
    EXPECT_EQ(GravacaoBitmap::escrever(imagemDeTeste(2, 2), caminho), semEspaco);
    EXPECT_FALSE(QFile::exists(caminho));
}

// The save command with scripted answers of the dialog.
struct CasoGuardar {
    const char* descricao;
    std::vector<Dialogos::RespostaGuardar> respostas; // names relative to the test folder
    int dialogos;                                     // how many times the dialog is shown
    int recusas;                                      // "Essa extensão não é permitida."
    QStringList ficheirosFinais;
};

class GuardarTest : public ::testing::TestWithParam<CasoGuardar> {};

TEST_P(GuardarTest, CicloDoDialogo) {
    const CasoGuardar& caso = GetParam();
    QTemporaryDir pasta;
    DialogosGuiados dialogos;
    for (Dialogos::RespostaGuardar resposta : caso.respostas) {
        if (!resposta.ficheiro.isEmpty())
            resposta.ficheiro = pasta.filePath(resposta.ficheiro);
        dialogos.ficheiros.push_back(resposta);
    }
    const QImage imagem = imagemDeTeste(6, 4);
    GravacaoBitmap::guardar(dialogos, nullptr, imagem);

    EXPECT_EQ(dialogos.pedidos.size(), caso.dialogos);
    for (const Dialogos::PedidoGuardar& pedido : dialogos.pedidos) {
        EXPECT_EQ(pedido.pastaInicial,
                  GravacaoBitmap::pastaInicial(QCoreApplication::applicationDirPath()));
        EXPECT_EQ(pedido.filtro, QStringLiteral("Mapa de bits (*.bmp)"));
        EXPECT_EQ(pedido.extensaoPredefinida, QStringLiteral("bmp"));
    }
    ASSERT_EQ(dialogos.mensagens.size(), caso.recusas);
    for (const DialogosGuiados::Mensagem& mensagem : dialogos.mensagens) {
        EXPECT_EQ(mensagem.texto, QStringLiteral("Essa extensão não é permitida."));
        EXPECT_EQ(mensagem.icone, Dialogos::Icone::Nenhum);
    }
    const QStringList ficheiros = QDir(pasta.path()).entryList(QDir::Files);
    EXPECT_EQ(ficheiros, caso.ficheirosFinais);
    for (const QString& nome : ficheiros)
        EXPECT_EQ(QImage(pasta.filePath(nome)), imagem) << nome.toStdString();
}

Dialogos::RespostaGuardar nome(const char* ficheiro, bool diferente = false) {
    return {QString::fromUtf8(ficheiro), diferente};
}

INSTANTIATE_TEST_SUITE_P(
    Respostas, GuardarTest,
    ::testing::Values(CasoGuardar{"cancelar logo", {}, 1, 0, {}},
                      CasoGuardar{"bmp", {nome("f.bmp")}, 1, 0, {"f.bmp"}},
                      CasoGuardar{"BMP em maiusculas", {nome("F.BMP")}, 1, 0, {"F.BMP"}},
                      CasoGuardar{"sem extensao", {nome("grafico")}, 1, 0, {"grafico.bmp"}},
                      CasoGuardar{"ponto no fim", {nome("grafico.", true)}, 1, 0, {"grafico.bmp"}},
                      CasoGuardar{"jpg e cancelar", {nome("f.jpg", true)}, 2, 1, {}},
                      CasoGuardar{"jpg, png e depois bmp",
                                  {nome("f.jpg", true), nome("f.png", true), nome("f.bmp")},
                                  3,
                                  2,
                                  {"f.bmp"}}),
    [](const auto& info) {
        QString nome = QString::fromUtf8(info.param.descricao);
        nome.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return nome.toStdString();
    });

TEST(Guardar, FalhaDeEscritaAvisaComOMotivoENaoDeixaFicheiro) {
    QTemporaryDir pasta;
    DialogosGuiados dialogos;
    const QString caminho = pasta.filePath(QStringLiteral("sumiu/f.bmp"));
    dialogos.ficheiros.push_back({caminho, false});
    GravacaoBitmap::guardar(dialogos, nullptr, imagemDeTeste(3, 3));
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_TRUE(dialogos.mensagens[0].texto.startsWith(
        QStringLiteral("Não foi possível guardar o ficheiro:\r\n\r\n")));
    EXPECT_GT(dialogos.mensagens[0].texto.size(), 40);
    EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
    EXPECT_EQ(dialogos.pedidos.size(), 1);
    EXPECT_FALSE(QFile::exists(caminho));
}

// A folder without write permission: a message, and the file already there stays as it was.
// Why a save could not be done, as the box says it: the file already there stays as it was,
// and nothing is left behind.
struct CasoRecusa {
    const char* descricao;
    const char* nome;   // relative to the test folder
    const char* antigo; // the content of the file there before, if any
    bool ficheiroSoDeLeitura;
    bool pastaSoDeLeitura; // and the save done as an ordinary user
    bool eUmaPasta;        // the name is a folder's
    const char* razao;
};

class RecusaTest : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(RecusaTest, AvisaComARazaoENaoPerdeNada) {
    const CasoRecusa& caso = GetParam();
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QString::fromUtf8(caso.nome));
    if (caso.antigo) {
        ASSERT_TRUE(escreverFicheiro(caminho, caso.antigo));
    }
    if (caso.eUmaPasta) {
        ASSERT_TRUE(QDir(pasta.path()).mkdir(QString::fromUtf8(caso.nome)));
    }
    // For everyone: the save may be done as an ordinary user who keeps the group of root.
    const auto escrita =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (caso.antigo)
        QFile::setPermissions(
            caminho, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther |
                         (caso.ficheiroSoDeLeitura ? QFileDevice::Permissions() : escrita));
    const QStringList antes = QDir(pasta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    const auto leitura = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                         QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    if (caso.pastaSoDeLeitura)
        QFile::setPermissions(pasta.path(), leitura);
    DialogosGuiados dialogos;
    dialogos.ficheiros.push_back({caminho, false});
    if (caso.pastaSoDeLeitura) {
        SemPrivilegios comoUtilizador;
        GravacaoBitmap::guardar(dialogos, nullptr, imagemDeTeste(3, 3));
    } else {
        GravacaoBitmap::guardar(dialogos, nullptr, imagemDeTeste(3, 3));
    }
    QFile::setPermissions(pasta.path(), leitura | QFileDevice::WriteOwner);
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_EQ(dialogos.mensagens[0].texto,
              QStringLiteral("Não foi possível guardar o ficheiro:\r\n\r\n") +
                  QDir::toNativeSeparators(caminho) + QStringLiteral("\r\n") +
                  QString::fromUtf8(caso.razao)
                      .arg(QDir::toNativeSeparators(QFileInfo(caminho).absolutePath())));
    EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
    if (caso.antigo) {
        EXPECT_EQ(lerFicheiro(caminho), QByteArray(caso.antigo));
    }
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Motivos, RecusaTest,
    ::testing::Values(CasoRecusa{"ficheiro e pasta so de leitura", "f.bmp", "antigo", true, true,
                                 false, "O ficheiro já existe e não pode ser substituído."},
                      CasoRecusa{"ficheiro novo numa pasta so de leitura", "f.bmp", nullptr, false,
                                 true, false, "Não há permissão para escrever na pasta %1."},
                      CasoRecusa{"ficheiro que se pode escrever numa pasta so de leitura", "f.bmp",
                                 "antigo", false, true, false,
                                 "Não há permissão para escrever na pasta %1."},
                      CasoRecusa{"uma pasta com esse nome", "f.bmp", nullptr, false, false, true,
                                 "Já existe uma pasta com esse nome."},
                      CasoRecusa{"pasta que nao existe", "sumiu/f.bmp", nullptr, false, false,
                                 false, "A pasta %1 não existe."}),
    [](const auto& info) {
        QString nome = QString::fromUtf8(info.param.descricao);
        nome.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return nome.toStdString();
    });

// While alive, the home folder (and so the pictures folder) is another one.
class OutraPastaPessoal {
public:
    explicit OutraPastaPessoal(const QString& casa)
        : m_casa(qgetenv("HOME")), m_configuracao(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", casa.toUtf8());
        qputenv("XDG_CONFIG_HOME", (casa + QStringLiteral("/.config")).toUtf8());
    }
    ~OutraPastaPessoal() {
        qputenv("HOME", m_casa);
        qputenv("XDG_CONFIG_HOME", m_configuracao);
    }

private:
    QByteArray m_casa, m_configuracao;
};

// After an installation the program's folder is one the user cannot write to; root can, but it
// is a system folder, and so is no place to start, nor is a folder of another user.
TEST(Guardar, ODialogoComecaNumaPastaOndeSePodeEscrever) {
    QTemporaryDir programa, casa;
    OutraPastaPessoal pessoal(casa.path());
    EXPECT_EQ(GravacaoBitmap::pastaInicial(programa.path()), programa.path());
    const QString semEscrita = programa.filePath(QStringLiteral("nao-existe"));
    EXPECT_EQ(GravacaoBitmap::pastaInicial(semEscrita), casa.path());
    ASSERT_TRUE(QDir(casa.path()).mkdir(QStringLiteral("Pictures")));
    const QString imagens = casa.filePath(QStringLiteral("Pictures"));
    EXPECT_EQ(GravacaoBitmap::pastaInicial(semEscrita), imagens);
    EXPECT_EQ(GravacaoBitmap::pastaInicial(QStringLiteral("/usr/bin")), imagens);
    if (geteuid() == 0 &&
        chown(QFile::encodeName(programa.path()).constData(), 65534, 65534) == 0) {
        EXPECT_EQ(GravacaoBitmap::pastaInicial(programa.path()), imagens);
    }
}

} // namespace
