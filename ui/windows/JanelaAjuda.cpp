// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JanelaAjuda.h"

#include "Acessibilidade.h"
#include "Identificacao.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

constexpr QSize kIconeSeta{24, 24};
// The margin a text document keeps around its text, at scale 1.
constexpr double kMargemDocumento = 4;

QString lerRecurso(const QString& caminho) {
    QFile ficheiro(caminho);
    if (!ficheiro.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(ficheiro.readAll());
}

void nomear(QWidget* w, const QString& nome, const QString& nomeAcessivel) {
    w->setObjectName(nome);
    w->setAccessibleName(nomeAcessivel);
}

// The style sheet with every size in points or pixels times the scale, so the page keeps its
// proportions and its line breaks at any scale.
QString estiloNaEscala(const QString& estilo, double escala) {
    if (escala == 1)
        return estilo;
    static const QRegularExpression medida(QStringLiteral("(\\d+(?:\\.\\d+)?)(pt|px)"));
    QString resultado;
    qsizetype depois = 0;
    for (const QRegularExpressionMatch& m : medida.globalMatch(estilo)) {
        resultado += estilo.mid(depois, m.capturedStart() - depois);
        resultado += QString::number(m.captured(1).toDouble() * escala, 'f', 2) + m.captured(2);
        depois = m.capturedEnd();
    }
    return resultado + estilo.mid(depois);
}

} // namespace

JanelaAjuda::JanelaAjuda(const DesenhoJanelaAjuda& desenho, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    InstalarAcessibilidade();
    setWindowTitle(desenho.titulo);
    setAccessibleName(desenho.titulo);
    resize(desenho.areaCliente);
    criarPaginas(desenho);
    criarBotoes();
    criarRotulos(desenho);
    m_disposicao = new Disposicao(*this, desenho.areaCliente, desenho.disposicao);
    connect(m_disposicao, &Disposicao::aplicada, this, &JanelaAjuda::escalarPaginas);
}

void JanelaAjuda::criarPaginas(const DesenhoJanelaAjuda& desenho) {
    m_estilo = lerRecurso(QStringLiteral(":/ajuda/estilo.css"));
    for (qsizetype i = 0; i < desenho.paginas.size(); ++i) {
        auto* texto = new QTextBrowser(this);
        nomear(texto, desenho.nomesPaginas.at(i), desenho.nomesPaginas.at(i));
        // The pages are read, not edited, and keep out of the focus order of the arrows.
        texto->setReadOnly(true);
        texto->setFocusPolicy(Qt::NoFocus);
        texto->setOpenLinks(false);
        texto->setVisible(i == 0);
        m_paginas.push_back({texto, lerRecurso(desenho.paginas.at(i)), 0});
        escreverPagina(m_paginas.back());
    }
}

void JanelaAjuda::criarBotoes() {
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    nomear(m_fechar, QStringLiteral("Command1"), QStringLiteral("Fechar"));

    m_setaE = new QPushButton(this);
    nomear(m_setaE, QStringLiteral("SetaE"), QStringLiteral("SetaE"));
    m_setaE->setIcon(QIcon(QStringLiteral(":/ajuda/setaE.svg")));
    m_setaE->setAccessibleDescription(QStringLiteral("Página anterior"));

    m_setaD = new QPushButton(this);
    nomear(m_setaD, QStringLiteral("SetaD"), QStringLiteral("SetaD"));
    m_setaD->setIcon(QIcon(QStringLiteral(":/ajuda/setaD.svg")));
    m_setaD->setAccessibleDescription(QStringLiteral("Página seguinte"));

    for (QPushButton* seta : {m_setaE, m_setaD})
        seta->setIconSize(kIconeSeta);

    // The next-page button has the focus when the window opens.
    setTabOrder(m_setaD, m_setaE);
    setTabOrder(m_setaE, m_fechar);
    m_setaD->setFocus();

    connect(m_fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(m_setaE, &QPushButton::clicked, this, [this] { anterior(); });
    connect(m_setaD, &QPushButton::clicked, this, [this] { seguinte(); });
}

void JanelaAjuda::criarRotulos(const DesenhoJanelaAjuda& desenho) {
    for (const auto& [nome, texto] : desenho.rotulos) {
        auto* rotulo = new QLabel(texto, this);
        identificar(rotulo, nome, texto);
        pintarTexto(rotulo, QColor(255, 0, 0));
    }
}

// Only the page on view is laid out again at once; the others when they are shown.
void JanelaAjuda::escalarPaginas(double escala) {
    m_escala = escala;
    for (Pagina& pagina : m_paginas)
        if (!pagina.texto->isHidden())
            escreverPagina(pagina);
}

void JanelaAjuda::escreverPagina(Pagina& pagina) {
    if (pagina.escala == m_escala)
        return;
    pagina.escala = m_escala;
    QTextDocument* documento = pagina.texto->document();
    documento->setDefaultStyleSheet(estiloNaEscala(m_estilo, m_escala));
    documento->setDocumentMargin(kMargemDocumento * m_escala);
    pagina.texto->setHtml(pagina.html);
}

bool JanelaAjuda::paginaVisivel(int numero) const {
    return !pagina(numero)->isHidden();
}

void JanelaAjuda::mostrarPagina(int numero, bool visivel) {
    Pagina& p = m_paginas.at(numero - 1);
    if (visivel)
        escreverPagina(p);
    p.texto->setVisible(visivel);
}
