// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VisorPaginas.h"

#include "Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The window frame around the client area of a fixed dialog: two borders of 3 pixels and a
// caption of 19, which the outer size includes.
constexpr int kMolduraLargura = 6;
constexpr int kMolduraAltura = 25;

QSize clienteDeExterior(QSize exteriorTwips) {
    return {twipsParaPixels(exteriorTwips.width()) - kMolduraLargura,
            twipsParaPixels(exteriorTwips.height()) - kMolduraAltura};
}

DesenhoJanelaAjuda comClienteERotulos(const DesenhoVisor& desenho) {
    DesenhoJanelaAjuda janela = desenho.janela;
    janela.areaCliente = clienteDeExterior(desenho.tamanhoExterior);
    janela.rotulos = {
        {QStringLiteral("Label1"), QStringLiteral("Página")},
        {QStringLiteral("Label2"), QStringLiteral("1")},
        {QStringLiteral("Label3"), QStringLiteral("de  %1").arg(janela.paginas.size())}};
    return janela;
}

} // namespace

VisorPaginas::VisorPaginas(const DesenhoVisor& desenho, QWidget* parent)
    : JanelaAjuda(comClienteERotulos(desenho), parent,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    // A fixed dialog border; as a dialog of the start window it stays out of the task bar.
    setFixedSize(clienteDeExterior(desenho.tamanhoExterior));
    m_numero = findChild<QLabel*>(QStringLiteral("Label2"));
    setaEsquerda()->setEnabled(false);
    m_paginaAtual = 1;
    mostrarNumero();
}

void VisorPaginas::mostrarNumero() {
    m_numero->setText(QString::number(m_paginaAtual));
    m_numero->setAccessibleName(m_numero->text());
    // The label is sized to its new text.
    disposicao().aplicar();
}

void VisorPaginas::seguinte() {
    if (m_paginaAtual < numeroPaginas()) {
        mostrarPagina(m_paginaAtual, false);
        mostrarPagina(m_paginaAtual + 1, true);
        ++m_paginaAtual;
        setaEsquerda()->setEnabled(true);
    }
    if (m_paginaAtual == numeroPaginas())
        setaDireita()->setEnabled(false);
    mostrarNumero();
}

void VisorPaginas::anterior() {
    if (m_paginaAtual > 1) {
        mostrarPagina(m_paginaAtual, false);
        mostrarPagina(m_paginaAtual - 1, true);
        --m_paginaAtual;
        setaDireita()->setEnabled(true);
    }
    if (m_paginaAtual == 1) {
        setaEsquerda()->setEnabled(false);
        setaDireita()->setEnabled(true);
    }
    mostrarNumero();
}
