// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaixasModais.h"

#include <QDialog>
#include <QEvent>
#include <QWindow>

#include <algorithm>

namespace {

// The window system keeps the dialog above the window and centres it there, as it would a
// child dialog, while the dialog's memory stays its maker's: no parent, no deleting itself.
void porSobre(QDialog& dialogo, QWidget* janela) {
    if (dialogo.parentWidget())
        dialogo.setParent(nullptr, dialogo.windowFlags());
    dialogo.setAttribute(Qt::WA_DeleteOnClose, false);
    if (!janela)
        return;
    dialogo.createWinId();
    dialogo.windowHandle()->setTransientParent(janela->windowHandle());
}

} // namespace

int CaixasModais::executar(QDialog& dialogo, QWidget* sobre) {
    const QPointer<QWidget> janela = sobre ? sobre->window() : nullptr;
    if (janela && aFechar(janela))
        return QDialog::Rejected;
    porSobre(dialogo, janela);
    if (janela)
        janela->installEventFilter(this);
    m_abertas.push_back({&dialogo, janela});
    const int resultado = dialogo.exec();
    // Dialogs return in the reverse order of their opening: each one's loop runs inside the last.
    m_abertas.pop_back();
    if (janela && !temAbertas(janela)) {
        janela->removeEventFilter(this);
        if (aFechar(janela))
            fecharDepois(janela);
    }
    return resultado;
}

bool CaixasModais::eventFilter(QObject* objeto, QEvent* evento) {
    auto* janela = qobject_cast<QWidget*>(objeto);
    if (evento->type() != QEvent::Close || !janela || !temAbertas(janela))
        return QObject::eventFilter(objeto, evento);
    evento->ignore();
    if (!aFechar(janela))
        m_aFechar.emplace_back(janela);
    cancelarAte(janela);
    return true;
}

bool CaixasModais::temAbertas(const QWidget* janela) const {
    return std::any_of(m_abertas.begin(), m_abertas.end(),
                       [janela](const Aberta& a) { return a.janela == janela; });
}

bool CaixasModais::aFechar(const QWidget* janela) const {
    return std::find(m_aFechar.begin(), m_aFechar.end(), janela) != m_aFechar.end();
}

// The window's first dialog returns only after every dialog opened over it since.
void CaixasModais::cancelarAte(const QWidget* janela) {
    const auto primeira = std::find_if(m_abertas.begin(), m_abertas.end(),
                                       [janela](const Aberta& a) { return a.janela == janela; });
    for (auto a = m_abertas.end(); a != primeira;) {
        --a;
        if (a->dialogo)
            a->dialogo->reject();
    }
}

// Queued, the close comes after the code that opened the dialogs has run to its end.
void CaixasModais::fecharDepois(QWidget* janela) {
    QMetaObject::invokeMethod(
        this,
        [this, janela = QPointer<QWidget>(janela)] {
            std::erase_if(m_aFechar, [&](const QPointer<QWidget>& j) { return !j || j == janela; });
            if (janela)
                janela->close();
        },
        Qt::QueuedConnection);
}
