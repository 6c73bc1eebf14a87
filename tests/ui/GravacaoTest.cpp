// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// Every save of the program, a picture with "Guardar" or an exercise, run as the user runs it
// (the save command with scripted answers of the dialog) against real failures of the disk:
// the message says why in Portuguese, and a file already there stays as it was.
#include "DialogosGuiados.h"
#include "DiscoPequeno.h"
#include "FicheiroExercicio.h"
#include "GravacaoBitmap.h"
#include "SemPrivilegios.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Big ones take more than the small disk holds.
QImage imagem(bool grande) {
    QImage i(grande ? 493 : 6, grande ? 493 : 4, QImage::Format_RGB32);
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            i.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return i;
}

Exercicio exercicio(bool grande) {
    Exercicio e;
    e.f = QStringLiteral("sen(x)+|x|");
    for (int i = 0; grande && i < 400; ++i)
        e.graficosDeF.push_back({QStringLiteral("%1*x^2-4+cos(x)/%1 ").arg(i).repeated(4), {}, {}});
    return e;
}

// What is saved, and whether a file holds it whole.
struct Gravado {
    const char* nome;
    const char* extensao;
    void (*guardar)(Dialogos&, bool grande);
    bool (*confere)(const QString& caminho);
};

const Gravado kGravados[] = {
    {"bitmap", "bmp",
     [](Dialogos& d, bool grande) { GravacaoBitmap::guardar(d, nullptr, imagem(grande)); },
     [](const QString& caminho) { return QImage(caminho) == imagem(false); }},
    {"exercicio", "quilora",
     [](Dialogos& d, bool grande) {
         FicheiroExercicio::guardar(d, nullptr, exercicio(grande), QDir::homePath());
     },
     [](const QString& caminho) {
         const auto lido = FicheiroExercicio::abrir(caminho);
         return std::holds_alternative<Exercicio>(lido) &&
                std::get<Exercicio>(lido) == exercicio(false);
     }}};

enum Disco { kPastaComum, kDiscoPequeno, kDiscoCheio, kDiscoSoDeLeitura };

// Every case starts in a folder that holds "protegida", where the user may not write,
// "atalho", a link to it, and a folder named "pasta" with the extension of the file saved.
// The dialog answers `resposta` in it; `razao` is the reason expected, with %1 for the folder
// (empty: saved, in place of a file "grafico" that was there).
struct CasoFalha {
    const char* descricao;
    Disco disco;
    bool grande;
    const char* resposta;
    const char* razao;
};

const char* const kSemEspaco = "Não há espaço livre no disco para guardar o ficheiro.";
const char* const kSemPermissao = "Não há permissão para escrever na pasta %1/";

const CasoFalha kCasos[] = {
    {"disco cheio", kDiscoCheio, false, "grafico", kSemEspaco},
    {"maior do que o disco", kDiscoPequeno, true, "grafico", kSemEspaco},
    {"disco so de leitura", kDiscoSoDeLeitura, false, "grafico",
     "A pasta %1 está num disco onde só se pode ler."},
    {"pasta so de leitura", kPastaComum, false, "protegida/grafico", "…protegida."},
    {"ligacao para uma pasta protegida", kPastaComum, false, "atalho/grafico", "…atalho."},
    {"pasta que nao existe", kPastaComum, false, "sumiu/grafico", "A pasta %1/sumiu não existe."},
    {"nome de uma pasta", kPastaComum, false, "pasta", "Já existe uma pasta com esse nome."},
    {"nome comprido demais", kPastaComum, false, nullptr,
     "O nome do ficheiro é demasiado comprido para este disco."},
    {"ponto no fim", kPastaComum, false, "grafico.", ""},
    {"substitui o antigo", kPastaComum, false, "grafico", ""},
};

void preparar(const QString& pasta, const QString& extensao) {
    QDir(pasta).mkdir(QStringLiteral("protegida"));
    QDir(pasta).mkdir(QStringLiteral("pasta.") + extensao);
    QFile::link(pasta + QStringLiteral("/protegida"), pasta + QStringLiteral("/atalho"));
    QFile antigo(pasta + QStringLiteral("/grafico.") + extensao);
    ASSERT_TRUE(antigo.open(QIODevice::WriteOnly) && antigo.write("antigo") == 6);
    QFile::setPermissions(pasta + QStringLiteral("/protegida"),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    // All of it the ordinary user's, whom the superuser acts as.
    if (geteuid() == 0)
        for (QDirIterator i(pasta, QDir::AllEntries | QDir::System | QDir::NoDotDot,
                            QDirIterator::Subdirectories);
             i.hasNext();) {
            const QByteArray nome = QFile::encodeName(i.next());
            ASSERT_EQ(
                ::lchown(nome.constData(), SemPrivilegios::kNinguem, SemPrivilegios::kNinguem), 0)
                << nome.constData();
        }
}

// The files under a folder, with their contents.
QMap<QString, QByteArray> conteudos(const QString& pasta) {
    QMap<QString, QByteArray> lista;
    for (QDirIterator i(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         i.hasNext();) {
        QFile f(i.next());
        lista[i.filePath()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?");
    }
    return lista;
}

class FalhaDeGravacaoTest : public ::testing::TestWithParam<std::tuple<CasoFalha, Gravado>> {};

TEST_P(FalhaDeGravacaoTest, DizPorqueEMantemOQueLaEstava) {
    const auto& [caso, gravado] = GetParam();
    const QString extensao = QString::fromLatin1(gravado.extensao);
    QTemporaryDir temporaria;
    std::unique_ptr<DiscoPequeno> disco;
    if (caso.disco != kPastaComum) {
        disco = std::make_unique<DiscoPequeno>(64, caso.disco == kDiscoSoDeLeitura);
        MONTAR_OU_CORRER_A_PARTE(*disco);
    }
    const QString pasta = disco ? disco->pasta() : temporaria.path();
    if (caso.disco != kDiscoSoDeLeitura) {
        ASSERT_NO_FATAL_FAILURE(preparar(pasta, extensao));
    }
    if (caso.disco == kDiscoCheio)
        disco->encher();
    const auto antes = conteudos(pasta);

    const QString resposta = pasta + QLatin1Char('/') +
                             (caso.resposta ? QString::fromUtf8(caso.resposta) : QString(300, 'a'));
    DialogosGuiados dialogos;
    dialogos.ficheiros.push_back({resposta, resposta.endsWith(QLatin1Char('.'))});
    {
        SemPrivilegios comoUtilizador;
        gravado.guardar(dialogos, caso.grande);
    }

    const QString alvo = QString(resposta).remove(QRegularExpression(QStringLiteral("\\.$"))) +
                         QLatin1Char('.') + extensao;
    QString razao = QString::fromUtf8(caso.razao).arg(QDir::toNativeSeparators(pasta));
    if (razao.startsWith(QChar(0x2026)))
        razao =
            QString::fromUtf8(kSemPermissao).arg(QDir::toNativeSeparators(pasta)) + razao.mid(1);
    if (razao.isEmpty()) {
        EXPECT_EQ(dialogos.textos(), QStringList());
        EXPECT_TRUE(gravado.confere(alvo)) << alvo.toStdString();
        EXPECT_EQ(conteudos(pasta).keys(), antes.keys()); // in place of the old one
        return;
    }
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_EQ(dialogos.mensagens[0].texto.toStdString(),
              ("Não foi possível guardar o ficheiro:\r\n\r\n" + QDir::toNativeSeparators(alvo) +
               "\r\n" + razao)
                  .toStdString());
    EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
    EXPECT_EQ(conteudos(pasta), antes); // nothing written, nothing left behind
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FalhaDeGravacaoTest,
    ::testing::Combine(::testing::ValuesIn(kCasos), ::testing::ValuesIn(kGravados)),
    [](const auto& info) {
        QString nome = QString::fromUtf8(std::get<0>(info.param).descricao) + QLatin1Char('_') +
                       QString::fromUtf8(std::get<1>(info.param).nome);
        nome.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return nome.toStdString();
    });

} // namespace
