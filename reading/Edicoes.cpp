// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Edicoes.h"

#include <algorithm>

void Edicoes::substituir(qsizetype inicio, qsizetype fim, const QString& texto) {
    m_edicoes.push_back({inicio, fim, texto});
}

void Edicoes::inserir(qsizetype posicao, const QString& texto) {
    m_edicoes.push_back({posicao, posicao, texto});
}

void Edicoes::apagar(qsizetype inicio, qsizetype fim) {
    std::erase_if(m_edicoes, [&](const Edicao& e) { return e.inicio >= inicio && e.fim <= fim; });
    substituir(inicio, fim, QString());
}

QString Edicoes::aplicar(const QString& escrito) const {
    if (m_edicoes.empty())
        return escrito;
    std::vector<Edicao> ordem = m_edicoes;
    // At one place the insertions go first, in the order they were recorded.
    std::stable_sort(ordem.begin(), ordem.end(), [](const Edicao& a, const Edicao& b) {
        if (a.inicio != b.inicio)
            return a.inicio < b.inicio;
        return a.fim == a.inicio && b.fim != b.inicio;
    });
    QString saida;
    saida.reserve(escrito.size() + 4 * static_cast<qsizetype>(ordem.size()));
    qsizetype copiado = 0;
    for (const Edicao& e : ordem) {
        saida += QStringView(escrito).sliced(copiado, e.inicio - copiado);
        saida += e.texto;
        copiado = e.fim;
    }
    saida += QStringView(escrito).sliced(copiado);
    return saida;
}
