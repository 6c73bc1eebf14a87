// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QDialog;
class QWidget;

/// Runs the program's modal dialogs so that closing a window frees nothing still in use. A
/// dialog is never a child of a window: it only stands over it (centred on it, kept above it by
/// the window system). A window asked to close while dialogs over it are open has them
/// cancelled, innermost first, and closes once the code that opened them has returned to the
/// event loop; until then a new dialog over it is not shown and counts as cancelled.
class CaixasModais final : public QObject {
    Q_OBJECT
public:
    /// Shows `dialogo` modal over the window of `sobre` (or over the whole program when null)
    /// and returns what its exec() returns, or QDialog::Rejected when it was not shown. A parent
    /// the dialog was made with is taken from it first.
    int executar(QDialog& dialogo, QWidget* sobre);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Aberta {
        QPointer<QDialog> dialogo;
        QPointer<QWidget> janela;
    };

    bool temAbertas(const QWidget* janela) const;
    bool aFechar(const QWidget* janela) const;
    void cancelarAte(const QWidget* janela);
    void fecharDepois(QWidget* janela);

    std::vector<Aberta> m_abertas;            // running, the innermost last
    std::vector<QPointer<QWidget>> m_aFechar; // closing once their dialogs' openers return
};
