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
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage imagem(bool grande) {
    QImage i(grande ? 493 : 6, grande ? 493 : 4, QImage::Format_RGB32);
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            i.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return i;
}

// A big exercise takes more than the small disk holds.
Exercicio exercicio(bool grande) {
    Exercicio e;
    e.f = QStringLiteral("sen(x)+|x|");
    for (int i = 0; grande && i < 400; ++i)
        e.graficosDeF.push_back(
            {QStringLiteral("%1*x^2-4+cos(x)/%1 ").arg(i).repeated(4), QString(), {}});
    return e;
}

// What is saved, and how to tell it was saved whole.
struct Gravado {
    const char* nome;
    const char* extensao;
    void (*guardar)(Dialogos&, bool grande);
    bool (*confere)(const QString& caminho);
};

const Gravado kBitmap{
    "bitmap", "bmp",
    [](Dialogos& d, bool grande) { GravacaoBitmap::guardar(d, nullptr, imagem(grande)); },
    [](const QString& caminho) { return QImage(caminho) == imagem(false); }};

const Gravado kExercicio{"exercicio", "quilora",
                         [](Dialogos& d, bool grande) {
                             FicheiroExercicio::guardar(d, nullptr, exercicio(grande),
                                                        QDir::homePath());
                         },
                         [](const QString& caminho) {
                             const auto lido = FicheiroExercicio::abrir(caminho);
                             return std::holds_alternative<Exercicio>(lido) &&
                                    std::get<Exercicio>(lido) == exercicio(false);
                         }};

// The answer the dialog gives, in the folder prepared for the case, and the reason expected
// (empty: saved).
struct Cena {
    QString resposta;
    QString razao;
    bool extensaoDiferente = false;
};

struct CasoFalha {
    const char* descricao;
    int discoKb = 0; // a small disk of its own, mounted for the case
    bool discoSoDeLeitura = false;
    bool discoCheio = false;
    bool grande = false;         // more than the small disk holds
    bool comoUtilizador = false; // permissions bind
    bool ficheiroAntigo = false; // a file is there before
    Cena (*preparar)(const QString& pasta, const QString& extensao);
};

const QString kLinha = QStringLiteral("\r\n");

QString nativo(const QString& caminho) {
    return QDir::toNativeSeparators(caminho);
}

// A folder where only reading is allowed, to the user the test acts as.
QString pastaProtegida(const QString& pasta) {
    QDir(pasta).mkdir(QStringLiteral("protegida"));
    const QString protegida = pasta + QStringLiteral("/protegida");
    QFile::setPermissions(protegida, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                         QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return protegida;
}

const CasoFalha kCasos[] = {
    {"disco cheio", 64, false, true, false, false, true,
     [](const QString& p, const QString&) {
         return Cena{p + "/grafico", "Não há espaço livre no disco para guardar o ficheiro."};
     }},
    {"maior do que o disco", 64, false, false, true, false, true,
     [](const QString& p, const QString&) {
         return Cena{p + "/grafico", "Não há espaço livre no disco para guardar o ficheiro."};
     }},
    {"disco so de leitura", 64, true, false, false, false, false,
     [](const QString& p, const QString&) {
         return Cena{p + "/grafico",
                     "A pasta " + nativo(p) + " está num disco onde só se pode ler."};
     }},
    {"pasta so de leitura", 0, false, false, false, true, false,
     [](const QString& p, const QString&) {
         const QString protegida = pastaProtegida(p);
         return Cena{protegida + "/grafico",
                     "Não há permissão para escrever na pasta " + nativo(protegida) + "."};
     }},
    {"ligacao para uma pasta protegida", 0, false, false, false, true, false,
     [](const QString& p, const QString&) {
         QFile::link(pastaProtegida(p), p + "/atalho");
         return Cena{p + "/atalho/grafico",
                     "Não há permissão para escrever na pasta " + nativo(p + "/atalho") + "."};
     }},
    {"pasta que nao existe", 0, false, false, false, false, false,
     [](const QString& p, const QString&) {
         return Cena{p + "/sumiu/grafico", "A pasta " + nativo(p + "/sumiu") + " não existe."};
     }},
    {"nome de uma pasta", 0, false, false, false, false, false,
     [](const QString& p, const QString& extensao) {
         QDir(p).mkdir("grafico." + extensao);
         return Cena{p + "/grafico", "Já existe uma pasta com esse nome."};
     }},
    {"nome comprido demais", 0, false, false, false, false, false,
     [](const QString& p, const QString&) {
         return Cena{p + "/" + QString(300, QLatin1Char('a')),
                     "O nome do ficheiro é demasiado comprido para este disco."};
     }},
    {"ponto no fim", 0, false, false, false, false, false,
     [](const QString& p, const QString&) {
         return Cena{p + "/grafico.", QString(), true};
     }},
    {"substitui o antigo", 0, false, false, false, false, true,
     [](const QString& p, const QString&) {
         return Cena{p + "/grafico", QString()};
     }},
};

// The files under a folder, with their contents.
QMap<QString, QByteArray> conteudos(const QString& pasta) {
    QMap<QString, QByteArray> lista;
    QDirIterator i(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (i.hasNext()) {
        QFile f(i.next());
        lista[i.filePath()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?");
    }
    return lista;
}

// Lets the folders of a case be removed whatever their permissions were made.
void devolverPermissoes(const QString& pasta) {
    QDirIterator i(pasta, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (i.hasNext())
        QFile::setPermissions(i.next(), QFile::permissions(i.filePath()) | QFile::WriteOwner);
}

class FalhaDeGravacaoTest : public ::testing::TestWithParam<std::tuple<CasoFalha, Gravado>> {};

TEST_P(FalhaDeGravacaoTest, DizPorqueEMantemOQueLaEstava) {
    const auto& [caso, gravado] = GetParam();
    const QString extensao = QString::fromLatin1(gravado.extensao);
    QTemporaryDir temporaria;
    std::unique_ptr<DiscoPequeno> disco;
    if (caso.discoKb > 0) {
        disco = std::make_unique<DiscoPequeno>(caso.discoKb, caso.discoSoDeLeitura);
        MONTAR_OU_CORRER_A_PARTE(*disco);
    }
    const QString pasta = disco ? disco->pasta() : temporaria.path();
    // Reachable, not writable, by the ordinary user the test may act as.
    QFile::setPermissions(pasta, QFile::permissions(pasta) | QFile::ExeGroup | QFile::ReadGroup |
                                     QFile::ExeOther | QFile::ReadOther);
    const Cena cena = caso.preparar(pasta, extensao);
    const QString alvo =
        QString(cena.resposta).remove(QRegularExpression("\\.$")) + QLatin1Char('.') + extensao;
    if (caso.ficheiroAntigo) {
        QFile antigo(alvo);
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly) && antigo.write("antigo") == 6);
    }
    if (caso.discoCheio)
        disco->encher();
    const auto antes = conteudos(pasta);

    DialogosGuiados dialogos;
    dialogos.ficheiros.push_back({cena.resposta, cena.extensaoDiferente});
    {
        SemPrivilegios comoUtilizador(caso.comoUtilizador);
        gravado.guardar(dialogos, caso.grande);
    }
    devolverPermissoes(pasta);

    if (cena.razao.isEmpty()) {
        EXPECT_EQ(dialogos.textos(), QStringList());
        EXPECT_TRUE(gravado.confere(alvo)) << alvo.toStdString();
        auto depois = conteudos(pasta);
        depois.remove(alvo);
        auto semAlvo = antes;
        semAlvo.remove(alvo);
        EXPECT_EQ(depois, semAlvo);
        return;
    }
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_EQ(dialogos.mensagens[0].texto.toStdString(),
              ("Não foi possível guardar o ficheiro:\r\n\r\n" + nativo(alvo) + kLinha + cena.razao)
                  .toStdString());
    EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
    EXPECT_EQ(conteudos(pasta), antes); // nothing written, nothing left behind
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FalhaDeGravacaoTest,
    ::testing::Combine(::testing::ValuesIn(kCasos), ::testing::Values(kBitmap, kExercicio)),
    [](const auto& info) {
        QString nome = QString::fromUtf8(std::get<0>(info.param).descricao) + QLatin1Char('_') +
                       QString::fromUtf8(std::get<1>(info.param).nome);
        nome.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return nome.toStdString();
    });

} // namespace
