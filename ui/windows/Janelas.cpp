// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Janelas.h"

#include "Dialogos.h"
#include "Disposicao.h"
#include "FicheiroExercicio.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "QuadroDoExercicio.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

// Showing a window that is already shown changes nothing in it; it only comes to the front.
void trazerParaAFrente(QWidget* janela) {
    janela->show();
    janela->raise();
    janela->activateWindow();
}

} // namespace

Janelas::Janelas(Dialogos& dialogos) : m_dialogos(dialogos), m_inicio(std::make_unique<Form3>()) {
    connect(m_inicio.get(), &Form3::quiloraPedida, this, &Janelas::mostrarPrincipal);
    connect(m_inicio.get(), &Form3::instrucoesPedidas, this, &Janelas::mostrarInstrucoes);
    connect(m_inicio.get(), &Form3::sintaxePedida, this, &Janelas::mostrarSintaxe);
    connect(m_inicio.get(), &Form3::funcoesDefinidasPedidas, this,
            &Janelas::mostrarFuncoesDefinidas);
    connect(m_inicio.get(), &Form3::sairPedido, this, &Janelas::sair);
}

Janelas::~Janelas() {
    // Windows that unload themselves may still be alive when the program ends.
    delete m_principal.data();
    delete m_instrucoes.data();
}

Form1* Janelas::principal() const {
    return m_principal;
}

Form2* Janelas::instrucoes() const {
    return m_instrucoes;
}

// The free area of the screen that shows the start window, without the desktop's panels.
QRect Janelas::areaDisponivel() const {
    const QScreen* ecra =
        m_inicio->screen() ? m_inicio->screen() : QGuiApplication::primaryScreen();
    return ecra ? ecra->availableGeometry() : QRect(0, 0, 1024, 768);
}

void Janelas::iniciar() {
    m_inicio->disposicao().abrirEm(areaDisponivel());
    trazerParaAFrente(m_inicio.get());
}

void Janelas::mostrarPrincipal() {
    if (!m_principal) {
        m_principal = new Form1(m_dialogos);
        ligarPrincipal(m_principal);
        m_principal->disposicao().abrirEm(areaDisponivel());
    }
    trazerParaAFrente(m_principal);
}

void Janelas::abrirExercicio(const QString& caminho) {
    mostrarPrincipal();
    m_exercicioPorAbrir.reset();
    m_ficheiroDoExercicio.clear();
    auto lido = FicheiroExercicio::abrir(caminho);
    if (const auto* falha = std::get_if<QString>(&lido)) {
        m_dialogos.mensagem(m_principal, FicheiroExercicio::mensagemDeAbertura(*falha),
                            Dialogos::Icone::Informacao);
        return;
    }
    m_exercicioPorAbrir = std::move(std::get<Exercicio>(lido));
    m_ficheiroDoExercicio = caminho;
    m_principal->quadroDoExercicio().repor(*m_exercicioPorAbrir);
}

void Janelas::ligarPrincipal(Form1* janela) {
    connect(janela, &Form1::instrucoesPedidas, this, &Janelas::mostrarInstrucoes);
    connect(janela, &Form1::sintaxePedida, this, &Janelas::mostrarSintaxe);
    connect(janela, &Form1::funcoesDefinidasPedidas, this, &Janelas::mostrarFuncoesDefinidas);
    connect(janela, &Form1::abandonarPedido, this, &Janelas::sair);
}

void Janelas::mostrarInstrucoes() {
    if (!m_instrucoes) {
        m_instrucoes = new Form2();
        m_instrucoes->disposicao().abrirEm(areaDisponivel());
    }
    trazerParaAFrente(m_instrucoes);
}

void Janelas::mostrarSintaxe() {
    if (!m_sintaxe) {
        m_sintaxe = new Form4(m_inicio.get());
        m_sintaxe->disposicao().abrirEm(areaDisponivel());
    }
    trazerParaAFrente(m_sintaxe);
}

void Janelas::mostrarFuncoesDefinidas() {
    if (!m_funcoes) {
        m_funcoes = new Form5(m_inicio.get());
        m_funcoes->disposicao().abrirEm(areaDisponivel());
    }
    trazerParaAFrente(m_funcoes);
}

void Janelas::sair() {
    if (m_aSair)
        return;
    m_aSair = true;
    // A window that waits for a box of its to return only hides: it goes with the rest.
    for (QWidget* janela :
         {static_cast<QWidget*>(m_principal), static_cast<QWidget*>(m_instrucoes)})
        if (janela && !janela->close())
            janela->hide();
    if (m_sintaxe)
        m_sintaxe->hide();
    if (m_funcoes)
        m_funcoes->hide();
    m_inicio->hide();
    // Unlike quit(), which a window still closing could refuse, exit() ends every event loop,
    // the open boxes' too.
    QCoreApplication::exit(0);
}
