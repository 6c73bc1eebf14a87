#include "JanelaAjuda.h"

#include "Acessibilidade.h"
#include "Twips.h"

#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QTextBrowser>

namespace {

constexpr int kLadoSeta = 435; // twips
constexpr QSize kIconeSeta{24, 24};
constexpr QPoint kCantoPagina{60, 120}; // twips

QRect emPixeis(const QRect& twips) {
    return rectanguloTwips(twips.left(), twips.top(), twips.width(), twips.height());
}

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

} // namespace

JanelaAjuda::JanelaAjuda(const DesenhoJanelaAjuda& desenho, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    InstalarAcessibilidade();
    setWindowTitle(desenho.titulo);
    setAccessibleName(desenho.titulo);
    resize(desenho.areaCliente);
    criarPaginas(desenho);
    criarBotoes(desenho);
}

void JanelaAjuda::criarPaginas(const DesenhoJanelaAjuda& desenho) {
    const QRect lugar = emPixeis(QRect(kCantoPagina, desenho.tamanhoPagina));
    const QString estilo = lerRecurso(QStringLiteral(":/ajuda/estilo.css"));
    for (qsizetype i = 0; i < desenho.paginas.size(); ++i) {
        auto* pagina = new QTextBrowser(this);
        nomear(pagina, desenho.nomesPaginas.at(i), desenho.nomesPaginas.at(i));
        pagina->setGeometry(lugar);
        // The pages are read, not edited, and keep out of the focus order of the arrows.
        pagina->setReadOnly(true);
        pagina->setFocusPolicy(Qt::NoFocus);
        pagina->setOpenLinks(false);
        pagina->document()->setDefaultStyleSheet(estilo);
        pagina->setHtml(lerRecurso(desenho.paginas.at(i)));
        pagina->setVisible(i == 0);
        m_paginas.push_back(pagina);
    }
}

void JanelaAjuda::criarBotoes(const DesenhoJanelaAjuda& desenho) {
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    nomear(m_fechar, QStringLiteral("Command1"), QStringLiteral("Fechar"));
    m_fechar->setGeometry(emPixeis(desenho.botaoFechar));

    m_setaE = new QPushButton(this);
    nomear(m_setaE, QStringLiteral("SetaE"), QStringLiteral("SetaE"));
    m_setaE->setGeometry(emPixeis(QRect(desenho.setaEsquerda, QSize(kLadoSeta, kLadoSeta))));
    m_setaE->setIcon(QIcon(QStringLiteral(":/ajuda/setaE.svg")));
    m_setaE->setAccessibleDescription(QStringLiteral("Página anterior"));

    m_setaD = new QPushButton(this);
    nomear(m_setaD, QStringLiteral("SetaD"), QStringLiteral("SetaD"));
    m_setaD->setGeometry(emPixeis(QRect(desenho.setaDireita, QSize(kLadoSeta, kLadoSeta))));
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

bool JanelaAjuda::paginaVisivel(int numero) const {
    return !pagina(numero)->isHidden();
}

void JanelaAjuda::mostrarPagina(int numero, bool visivel) {
    pagina(numero)->setVisible(visivel);
}
