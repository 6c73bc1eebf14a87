// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>
#include <QtGlobal>

/// Windows are built and clicked without a monitor (the offscreen platform, also when the
/// environment names none), on one screen of `tamanho` pixels: no window of the program grows
/// beyond its screens. The screen is described in a file in `pasta`, which must last until the
/// application is made. To be called before the application is made.
inline void usarEcraSemMonitor(const QTemporaryDir& pasta, QSize tamanho) {
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (!plataforma.isEmpty() && plataforma != "offscreen")
        return;
    QFile descricao(pasta.filePath(QStringLiteral("ecra.json")));
    if (!descricao.open(QIODevice::WriteOnly))
        qFatal("Sem pasta temporária para descrever o ecrã.");
    descricao.write(QStringLiteral(R"({"screens": [{"name": "ecra", "x": 0, "y": 0, "width": %1,
                                     "height": %2, "logicalDpi": 96, "dpr": 1}]})")
                        .arg(tamanho.width())
                        .arg(tamanho.height())
                        .toUtf8());
    descricao.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + descricao.fileName().toUtf8());
}
