// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

/// A real small disk for a test: a tmpfs of a few kilobytes mounted on a new folder, in a mount
/// namespace of this process, so that nothing of it is seen outside. Mounting needs root, or a
/// user namespace of its own (`unshare -Urm`): see `EspacoProprio`.
class DiscoPequeno {
public:
    explicit DiscoPequeno(int kilobytes, bool soDeLeitura = false) {
        if (const auto falha = EspacoProprio::entrar()) {
            m_falha = *falha;
            return;
        }
        const QByteArray opcoes = "size=" + QByteArray::number(kilobytes) + "k";
        const unsigned long bandeiras = soDeLeitura ? MS_RDONLY : 0;
        if (::mount("tmpfs", QFile::encodeName(m_pasta.path()).constData(), "tmpfs", bandeiras,
                    opcoes.constData()) != 0)
            m_falha =
                QStringLiteral("mount tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        else
            m_montado = true;
    }
    ~DiscoPequeno() {
        if (m_montado)
            ::umount2(QFile::encodeName(m_pasta.path()).constData(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;

    /// Why the disk could not be mounted; empty when it is.
    const QString& falha() const { return m_falha; }
    QString pasta() const { return m_pasta.path(); }

    /// Fills the disk to its last byte with a file of its own.
    void encher() const {
        QFile enchimento(m_pasta.filePath(QStringLiteral("enchimento")));
        if (!enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray bloco(512, 'x');
        while (enchimento.write(bloco) > 0) {
        }
        const QByteArray byte(1, 'x');
        while (enchimento.write(byte) > 0) {
        }
    }

    /// Where mounting needs a namespace this process cannot make, a test runs itself again in
    /// a process of its own under `unshare -Urm`.
    class EspacoProprio {
    public:
        /// Puts this process in a private mount namespace (once); the reason when it cannot.
        static std::optional<QString> entrar() {
            static const std::optional<QString> falha = separar();
            return falha;
        }

        /// Runs the current test alone in a new user and mount namespace; false when that
        /// cannot be done, with the reason in `motivo`.
        static bool correrAParte(QString& motivo) {
            if (qEnvironmentVariableIsSet(kVariavel)) {
                motivo = QStringLiteral("already in a namespace of its own, and still no mount");
                return false;
            }
            const auto* teste = ::testing::UnitTest::GetInstance()->current_test_info();
            QProcess filho;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QString::fromLatin1(kVariavel), QStringLiteral("1"));
            filho.setProcessEnvironment(ambiente);
            filho.setProcessChannelMode(QProcess::MergedChannels);
            filho.start(QStringLiteral("unshare"),
                        {QStringLiteral("-Urm"), QCoreApplication::applicationFilePath(),
                         QStringLiteral("--gtest_filter=%1.%2")
                             .arg(QString::fromUtf8(teste->test_suite_name()),
                                  QString::fromUtf8(teste->name()))});
            const bool acabou = filho.waitForFinished(60000);
            const QString saida = QString::fromLocal8Bit(filho.readAll());
            if (filho.error() == QProcess::FailedToStart) {
                motivo = QStringLiteral("not root, and no unshare to make a user namespace");
                return false;
            }
            if (saida.contains(QLatin1String("unshare failed"))) {
                motivo = QStringLiteral("not root, and user namespaces not allowed: ") + saida;
                return false;
            }
            EXPECT_TRUE(acabou && filho.exitStatus() == QProcess::NormalExit &&
                        filho.exitCode() == 0)
                << saida.toStdString();
            return true;
        }

    private:
        static constexpr char kVariavel[] = "QUILORA_TESTE_NUM_ESPACO_PROPRIO";

        static std::optional<QString> separar() {
            if (::unshare(CLONE_NEWNS) != 0)
                return QStringLiteral("unshare(CLONE_NEWNS): ") +
                       QString::fromLocal8Bit(std::strerror(errno));
            // Mounts made here must not reach the namespace this one was copied from.
            if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                return QStringLiteral("mount --make-rprivate /: ") +
                       QString::fromLocal8Bit(std::strerror(errno));
            return std::nullopt;
        }
    };

private:
    QTemporaryDir m_pasta;
    QString m_falha;
    bool m_montado = false;
};

/// Mounts `disco`, or runs the current test again where it can be mounted and returns from
/// the test; skips, saying why, where neither can be done.
#define MONTAR_OU_CORRER_A_PARTE(disco)                                                            \
    if (!(disco).falha().isEmpty()) {                                                              \
        QString motivo;                                                                            \
        if (!DiscoPequeno::EspacoProprio::correrAParte(motivo))                                    \
            GTEST_SKIP() << "no small disk can be mounted (" << (disco).falha().toStdString()      \
                         << "; " << motivo.toStdString() << ")";                                   \
        return;                                                                                    \
    }
