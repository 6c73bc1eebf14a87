// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogoGuardar.h"

#include "CaixasModais.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

DialogoGuardar::DialogoGuardar(CaixasModais& caixas, const QString& pasta, const QString& filtro,
                               const QString& extensao)
    : QFileDialog(nullptr, QString(), pasta, filtro), m_caixas(caixas) {
    setObjectName(QStringLiteral("DialogoGuardar"));
    // The desktop's dialog would neither speak the program's language nor refuse a missing folder.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(extensao);
    setAccessibleName(windowTitle());
}

void DialogoGuardar::accept() {
    const QStringList escolhidos = selectedFiles();
    if (!escolhidos.isEmpty()) {
        const QFileInfo escolhido(escolhidos.constFirst());
        const QDir pasta = escolhido.absoluteDir();
        if (!escolhido.isDir() && !pasta.exists()) {
            QMessageBox caixa(
                QMessageBox::Information, QStringLiteral("Quilora"),
                QStringLiteral("A pasta %1 não existe.\nEscolha uma pasta que exista.")
                    .arg(QDir::toNativeSeparators(pasta.path())),
                QMessageBox::Ok);
            m_caixas.executar(caixa, this);
            return;
        }
    }
    QFileDialog::accept();
}
