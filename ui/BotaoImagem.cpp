#include "BotaoImagem.h"

#include <QFont>
#include <QIcon>

BotaoImagem::BotaoImagem(const QString& nome, const QString& legenda, const QString& dica,
                         const QString& icone, QWidget* pai)
    : QToolButton(pai) {
    setObjectName(nome);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(16, 16));
    setFixedSize(kLado, kLado);
    // A command button takes the focus from the keyboard and from the mouse alike.
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(QStringLiteral("MS Serif"), 6));
    mudarLegenda(legenda, dica, icone);
}

void BotaoImagem::mudarLegenda(const QString& legenda, const QString& dica, const QString& icone) {
    setText(legenda);
    setToolTip(dica);
    setIcon(QIcon(icone));
    setAccessibleName(legenda);
    setAccessibleDescription(dica);
}
