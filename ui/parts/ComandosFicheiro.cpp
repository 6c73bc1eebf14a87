// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ComandosFicheiro.h"

#include "Catalogo.h"
#include "ExportacaoImagem.h"
#include "FicheiroExercicio.h"
#include "FolhaDeTrabalho.h"
#include "Gravacao.h"
#include "PaginaDosGraficos.h"
#include "QuadroDoExercicio.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

namespace {

// A number as the program shows it: decimal comma, true minus sign.
QString numeroMostrado(QString numero) {
    return numero.replace(QLatin1Char('.'), QLatin1Char(','))
        .replace(QLatin1Char('-'), QChar(0x2212));
}

// The user's documents folder where there is one; a dialog given a folder that does not exist
// would take its name for the file's.
QString pastaDosDocumentos() {
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documentos.isEmpty() && QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
}

} // namespace

ComandosFicheiro::ComandosFicheiro(const Avisos& avisos, QuadroDoExercicio& quadro,
                                   const AreaGrafica& funcao, const AreaGrafica& transformada,
                                   QObject* pai)
    : QObject(pai), m_avisos(avisos), m_quadro(quadro), m_funcao(funcao),
      m_transformada(transformada), m_pasta(pastaDosDocumentos()) {
    criar(QStringLiteral("AbrirExercício"), QStringLiteral("Abrir exercício…"),
          QStringLiteral("Abrir um exercício guardado e refazer o quadro como estava."),
          QKeySequence::Open, &ComandosFicheiro::abrirExercicio);
    criar(QStringLiteral("GuardarExercício"), QStringLiteral("Guardar exercício…"),
          QStringLiteral("Guardar a função, os eixos e os gráficos num ficheiro de exercício."),
          QKeySequence::Save, &ComandosFicheiro::guardarExercicio);
    criar(QStringLiteral("ExportarImagem"), QStringLiteral("Exportar imagem…"),
          QStringLiteral("Guardar os gráficos como imagem PNG, desenho SVG ou documento PDF."),
          QKeySequence::UnknownKey, &ComandosFicheiro::exportarImagem);
    m_accoes.back()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    criar(QStringLiteral("Imprimir"), QStringLiteral("Imprimir…"),
          QStringLiteral("Ver e imprimir uma folha de trabalho com os dois gráficos."),
          QKeySequence::Print, &ComandosFicheiro::imprimir);
    QCoreApplication::instance()->installEventFilter(this);
}

// A text box takes Ctrl+E as "end of line" before any shortcut sees it: in this window the
// keys export, wherever the focus is.
bool ComandosFicheiro::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::ShortcutOverride) {
        const auto* widget = qobject_cast<QWidget*>(objeto);
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        for (const QAction* accao : std::as_const(m_accoes))
            if (widget && widget->window() == &m_avisos.janela() &&
                QKeySequence(tecla->keyCombination()) == accao->shortcut()) {
                evento->ignore();
                return true;
            }
    }
    return QObject::eventFilter(objeto, evento);
}

QAction* ComandosFicheiro::criar(const QString& nome, const QString& texto, const QString& dica,
                                 QKeySequence::StandardKey atalho,
                                 void (ComandosFicheiro::*comando)()) {
    auto* accao = new QAction(texto, this);
    accao->setObjectName(nome);
    accao->setToolTip(dica);
    accao->setStatusTip(dica);
    accao->setShortcut(QKeySequence(atalho));
    connect(accao, &QAction::triggered, this, comando);
    m_accoes.push_back(accao);
    return accao;
}

std::vector<EntradaDaLegenda> ComandosFicheiro::transformadas(const Exercicio& exercicio) {
    std::vector<EntradaDaLegenda> entradas;
    for (const Exercicio::Transformada& t : exercicio.transformadas) {
        if (t.opcao < 1 || t.opcao > 10) {
            entradas.push_back({t.traco.cor, QStringLiteral("g(x) = ") + t.g});
            continue;
        }
        const Transformacao& tipo = transformacao(t.opcao);
        QStringList parametros;
        if (tipo.usaA)
            parametros << QStringLiteral("a = ") + numeroMostrado(t.a);
        if (tipo.usaB)
            parametros << QStringLiteral("b = ") + numeroMostrado(t.b);
        QString nome = QString::fromUtf8(tipo.legenda).replace(QLatin1Char('-'), QChar(0x2212));
        if (!parametros.isEmpty())
            nome += QStringLiteral(" (") + parametros.join(QStringLiteral("; ")) + u')';
        entradas.push_back({t.traco.cor, nome});
    }
    return entradas;
}

PaginaDosGraficos ComandosFicheiro::pagina(EscolhaExportacao::Graficos graficos) const {
    const Exercicio exercicio = m_quadro.exercicio();
    return {m_funcao, m_transformada, exercicio.f, legenda ? legenda() : transformadas(exercicio),
            graficos};
}

void ComandosFicheiro::lembrarPasta(const QString& ficheiro) {
    m_pasta = QFileInfo(ficheiro).absolutePath();
}

void ComandosFicheiro::abrirExercicio() {
    QWidget* janela = &m_avisos.janela();
    const QString ficheiro = m_avisos.dialogos().escolherFicheiroParaAbrir(
        janela, m_pasta, QString::fromUtf8(FicheiroExercicio::kFiltro));
    if (ficheiro.isEmpty())
        return;
    lembrarPasta(ficheiro);
    const auto lido = FicheiroExercicio::abrir(ficheiro);
    if (const auto* falha = std::get_if<QString>(&lido))
        return m_avisos.avisar(FicheiroExercicio::mensagemDeAbertura(*falha),
                               Dialogos::Icone::Informacao);
    m_quadro.repor(std::get<Exercicio>(lido));
}

void ComandosFicheiro::guardarExercicio() {
    if (const auto ficheiro = FicheiroExercicio::guardar(m_avisos.dialogos(), &m_avisos.janela(),
                                                         m_quadro.exercicio(), m_pasta))
        lembrarPasta(*ficheiro);
}

void ComandosFicheiro::exportarImagem() {
    QWidget* janela = &m_avisos.janela();
    const auto escolha = m_avisos.dialogos().escolherExportacao(janela, m_escolha);
    if (!escolha)
        return;
    m_escolha = *escolha;
    const PaginaDosGraficos desenho = pagina(escolha->graficos);
    const Dialogos::PedidoGuardar pedido{m_pasta, ExportacaoImagem::filtro(escolha->formato),
                                         ExportacaoImagem::extensao(escolha->formato)};
    const auto ficheiro =
        Gravacao::guardar(m_avisos.dialogos(), janela, pedido, [&](QIODevice& destino) {
            return ExportacaoImagem::escrever(desenho, *escolha, destino);
        });
    if (ficheiro)
        lembrarPasta(*ficheiro);
}

void ComandosFicheiro::imprimir() {
    const PaginaDosGraficos graficos = pagina(EscolhaExportacao::Graficos::Ambos);
    const QString f = m_quadro.exercicio().f;
    const QStringList linhas = linhasDoPainel ? linhasDoPainel() : QStringList();
    m_avisos.dialogos().imprimir(&m_avisos.janela(), [&](QPrinter& impressora) {
        FolhaDeTrabalho::desenhar(impressora, graficos, f, linhas);
    });
}
