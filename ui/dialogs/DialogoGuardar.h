// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDialog>
#include <QPointer>

class QAbstractButton;
class QFileInfo;

class CaixasModais;

/// The save dialog of the program: Qt's own dialog (never the desktop's), in European
/// Portuguese, that refuses a name in a folder that does not exist and then stays open, and
/// takes a name too long for the disk so that the save can say why it is not written.
class DialogoGuardar final : public QFileDialog {
    Q_OBJECT
public:
    /// `caixas` runs the box that refuses a missing folder, as it runs this dialog.
    DialogoGuardar(CaixasModais& caixas, const QString& pasta, const QString& filtro,
                   const QString& extensao);

    bool eventFilter(QObject* objeto, QEvent* evento) override;

public slots:
    void accept() override;

private:
    CaixasModais& m_caixas;
    QFileInfo nomeEscrito() const;
    void permitirNomeCompridoDepois();

    QPointer<QAbstractButton> m_botaoGuardar;
};
