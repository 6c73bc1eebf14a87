// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Traducoes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

void instalar(QCoreApplication& aplicacao, const QString& nome, const QString& pasta) {
    auto* tradutor = new QTranslator(&aplicacao);
    if (tradutor->load(nome, pasta))
        QCoreApplication::installTranslator(tradutor);
    else
        delete tradutor;
}

} // namespace

void InstalarTraducoes(QCoreApplication& aplicacao) {
    // The translator installed last is asked first.
    instalar(aplicacao, QStringLiteral("qt_pt_PT"),
             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    instalar(aplicacao, QStringLiteral("qt_pt_PT"), QStringLiteral(":/traducoes"));
}
