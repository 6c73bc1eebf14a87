// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

/// A real small disk for a test: a tmpfs of a few kilobytes on a new folder, mounted in a
/// mount namespace of this process alone, so that nothing of it is seen outside. Mounting needs
/// root; elsewhere `MONTAR_OU_CORRER_A_PARTE` runs the test again under `unshare -Urm`.
class DiscoPequeno {
public:
    explicit DiscoPequeno(int kilobytes, bool soDeLeitura = false) {
        static const QString separacao = separar(); // one namespace for the whole process
        const QByteArray opcoes = "size=" + QByteArray::number(kilobytes) + "k";
        if (!separacao.isEmpty())
            m_falha = separacao;
        else if (::mount("tmpfs", QFile::encodeName(m_pasta.path()).constData(), "tmpfs",
                         soDeLeitura ? MS_RDONLY : 0, opcoes.constData()) != 0)
            m_falha = QStringLiteral("mount: ") + QString::fromLocal8Bit(std::strerror(errno));
    }
    ~DiscoPequeno() {
        if (m_falha.isEmpty())
            ::umount2(QFile::encodeName(m_pasta.path()).constData(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;

    /// Why the disk could not be mounted; empty when it is.
    const QString& falha() const { return m_falha; }
    QString pasta() const { return m_pasta.path(); }

    /// Fills the disk to its last byte.
    void encher() const {
        QFile enchimento(m_pasta.filePath(QStringLiteral("enchimento")));
        if (enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            for (const int bloco : {4096, 1})
                while (enchimento.write(QByteArray(bloco, 'x')) > 0) {
                }
    }

    /// Runs the current test again alone under `unshare -Urm` and expects it to pass; false,
    /// with the reason, when that cannot be done.
    static bool correrAParte(QString& motivo) {
        const char* kDentro = "QUILORA_TESTE_NUM_ESPACO_PROPRIO";
        if (qEnvironmentVariableIsSet(kDentro)) {
            motivo = QStringLiteral("no mount even in a namespace of its own");
            return false;
        }
        const auto* teste = ::testing::UnitTest::GetInstance()->current_test_info();
        QProcess filho;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(kDentro), QStringLiteral("1"));
        filho.setProcessEnvironment(ambiente);
        filho.setProcessChannelMode(QProcess::MergedChannels);
        filho.start(QStringLiteral("unshare"),
                    {QStringLiteral("-Urm"), QCoreApplication::applicationFilePath(),
                     QStringLiteral("--gtest_filter=%1.%2")
                         .arg(QString::fromUtf8(teste->test_suite_name()),
                              QString::fromUtf8(teste->name()))});
        const bool acabou = filho.waitForFinished(60000);
        const QString saida = QString::fromLocal8Bit(filho.readAll());
        if (filho.error() == QProcess::FailedToStart ||
            saida.startsWith(QLatin1String("unshare"))) {
            motivo = QStringLiteral("not root, and no user namespace (unshare -Urm): ") + saida;
            return false;
        }
        EXPECT_TRUE(acabou && filho.exitStatus() == QProcess::NormalExit && filho.exitCode() == 0)
            << saida.toStdString();
        return true;
    }

private:
    // Mounts made here must not reach the namespace this one was copied from.
    static QString separar() {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("private mount namespace: ") +
                   QString::fromLocal8Bit(std::strerror(errno));
        return QString();
    }

    QTemporaryDir m_pasta;
    QString m_falha;
};

/// Mounts `disco` or, where this process cannot, runs the current test again where it can and
/// returns; skips, saying why, where neither can be done.
#define MONTAR_OU_CORRER_A_PARTE(disco)                                                            \
    if (!(disco).falha().isEmpty()) {                                                              \
        QString motivo;                                                                            \
        if (!DiscoPequeno::correrAParte(motivo))                                                   \
            GTEST_SKIP() << "no small disk can be mounted: " << (disco).falha().toStdString()      \
                         << "; " << motivo.toStdString();                                          \
        return;                                                                                    \
    }
