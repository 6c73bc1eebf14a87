// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrupoBotoesImagem.h"

GrupoBotoesImagem::GrupoBotoesImagem(const char* nome, const char* titulo,
                                     std::span<const Botao> botoes, QWidget* pai)
    : QGroupBox(QString::fromUtf8(titulo), pai) {
    setObjectName(QString::fromUtf8(nome));
    setAccessibleName(title());
    QPalette cores = palette();
    cores.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(cores);

    for (const Botao& dados : botoes)
        new BotaoImagem(QString::fromUtf8(dados.nome), QString::fromUtf8(dados.legenda),
                        QString::fromUtf8(dados.dica),
                        QStringLiteral(":/icones/") + QString::fromLatin1(dados.icone), this);
}

BotaoImagem* GrupoBotoesImagem::botao(const char* nome) const {
    auto* encontrado = findChild<BotaoImagem*>(QString::fromUtf8(nome), Qt::FindDirectChildrenOnly);
    Q_ASSERT(encontrado);
    return encontrado;
}
