// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogoGuardar.h"

#include "CaixasModais.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <unistd.h>

namespace {

// Qt's dialog refuses in silence a name too long for the folder's file system; the program
// takes it, and the save then says why it cannot be written.
bool nomeDemasiadoComprido(const QFileInfo& escolhido) {
    const long maximo =
        ::pathconf(QFile::encodeName(escolhido.absolutePath()).constData(), _PC_NAME_MAX);
    return maximo > 0 && !escolhido.exists() &&
           QFile::encodeName(escolhido.fileName()).size() > maximo;
}

} // namespace

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
    if (auto* botoes = findChild<QDialogButtonBox*>())
        for (QAbstractButton* botao : botoes->buttons())
            if (botoes->buttonRole(botao) == QDialogButtonBox::AcceptRole)
                m_botaoGuardar = botao;
    if (m_botaoGuardar)
        m_botaoGuardar->installEventFilter(this);
    if (auto* campo = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        connect(campo, &QLineEdit::textChanged, this, &DialogoGuardar::permitirNomeCompridoDepois);
}

// The name typed so far, in the folder shown.
QFileInfo DialogoGuardar::nomeEscrito() const {
    const auto* campo = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString texto = campo ? campo->text() : QString();
    return texto.isEmpty() ? QFileInfo() : QFileInfo(directory(), texto);
}

// Once Qt's own update of the button is over: a change made inside it would be undone.
void DialogoGuardar::permitirNomeCompridoDepois() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_botaoGuardar && nomeDemasiadoComprido(nomeEscrito()))
                m_botaoGuardar->setEnabled(true);
        },
        Qt::QueuedConnection);
}

bool DialogoGuardar::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == m_botaoGuardar && evento->type() == QEvent::EnabledChange)
        permitirNomeCompridoDepois();
    return QFileDialog::eventFilter(objeto, evento);
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
        if (nomeDemasiadoComprido(escolhido)) {
            QDialog::accept();
            return;
        }
    }
    QFileDialog::accept();
}
