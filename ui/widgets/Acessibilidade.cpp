// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Acessibilidade.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

// An option keeps its mark itself, so Qt would take it for a check box, and its "Toggle" would
// mark it without drawing. It is one of an exclusive group as the user sees it, and its
// action is a click.
class OpcaoAcessivel final : public QAccessibleWidget {
public:
    explicit OpcaoAcessivel(QAbstractButton* botao)
        : QAccessibleWidget(botao, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.checkable = true;
        estado.checked = botao()->isChecked();
        return estado;
    }

    QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name && widget()->accessibleName().isEmpty())
            return botao()->text();
        return QAccessibleWidget::text(tipo);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& accao) override {
        if (accao != pressAction() && accao != toggleAction())
            return QAccessibleWidget::doAction(accao);
        if (widget()->isEnabled())
            botao()->click();
    }

private:
    QAbstractButton* botao() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* fabrica(const QString& classe, QObject* objeto) {
    auto* controlo = qobject_cast<QWidget*>(objeto);
    if (!controlo)
        return nullptr;
    if (classe == QLatin1String("BotaoOpcao"))
        return new OpcaoAcessivel(static_cast<QAbstractButton*>(controlo));
    if (classe == QLatin1String("JanelaAjuda"))
        return new QAccessibleWidget(controlo, QAccessible::Window);
    if (classe == QLatin1String("Quadro"))
        return new QAccessibleWidget(controlo, QAccessible::Graphic);
    if (classe == QLatin1String("CabecalhosTabela"))
        return new QAccessibleWidget(controlo, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void InstalarAcessibilidade() {
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    (void)instalada;
}
