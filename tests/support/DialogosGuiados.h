// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dialogos.h"

#include <QApplication>
#include <QColor>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <optional>

/// Whether the user sees the busy pointer over `janela` (its own or the whole program's).
inline bool ponteiroOcupado(const QWidget* janela) {
    const bool daJanela = janela && janela->window()->testAttribute(Qt::WA_SetCursor) &&
                          janela->window()->cursor().shape() == Qt::WaitCursor;
    return daJanela || QApplication::overrideCursor() != nullptr;
}

/// Dialogs answered from a script written by the test, recording what the program showed.
class DialogosGuiados final : public Dialogos {
public:
    struct Mensagem {
        QString texto;
        Icone icone;
        bool ponteiroOcupado; ///< the busy pointer was still showing when the box opened
    };

    void mensagem(QWidget* pai, const QString& texto, Icone icone) override {
        mensagens.push_back({texto, icone, ponteiroOcupado(pai)});
    }

    std::optional<QColor> escolherCor(QWidget*, const QColor& inicial) override {
        coresIniciais.push_back(inicial);
        if (cores.empty())
            return std::nullopt;
        const std::optional<QColor> cor = cores.front();
        cores.pop_front();
        return cor;
    }

    RespostaGuardar escolherFicheiro(QWidget*, const PedidoGuardar& pedido) override {
        pedidos.push_back(pedido);
        if (ficheiros.empty())
            return {};
        const RespostaGuardar resposta = ficheiros.front();
        ficheiros.pop_front();
        return resposta;
    }

    QString escolherFicheiroParaAbrir(QWidget*, const QString& pasta, const QString&) override {
        pastasDeAbertura.push_back(pasta);
        if (aberturas.empty())
            return {};
        const QString ficheiro = aberturas.front();
        aberturas.pop_front();
        return ficheiro;
    }

    std::optional<EscolhaExportacao> escolherExportacao(QWidget*,
                                                        const EscolhaExportacao&) override {
        if (exportacoes.empty())
            return std::nullopt;
        const std::optional<EscolhaExportacao> escolha = exportacoes.front();
        exportacoes.pop_front();
        return escolha;
    }

    /// Prints the page to `pdfDaImpressao` when the test names one, as the preview's printing
    /// to a PDF file does; otherwise the preview is closed without printing.
    bool imprimir(QWidget*, const std::function<void(QPrinter&)>& pintarPagina) override {
        ++impressoesPedidas;
        if (pdfDaImpressao.isEmpty())
            return false;
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdfDaImpressao);
        impressora.setPageSize(QPageSize(QPageSize::A4));
        impressora.setPageOrientation(QPageLayout::Portrait);
        pintarPagina(impressora);
        return true;
    }

    /// Answers of the open dialog in order; running out is a cancel.
    std::deque<QString> aberturas;
    QStringList pastasDeAbertura;
    /// Answers of the export choice in order; std::nullopt is a cancel, and so is running out.
    std::deque<std::optional<EscolhaExportacao>> exportacoes;
    QString pdfDaImpressao;
    int impressoesPedidas = 0;

    /// Answers of the colour chooser in order; std::nullopt is a cancel, and so is running out.
    std::deque<std::optional<QColor>> cores;
    /// Answers of the save dialog in order; running out is a cancel.
    std::deque<RespostaGuardar> ficheiros;

    /// The texts of the messages shown, in order.
    QStringList textos() const {
        QStringList lista;
        for (const Mensagem& m : mensagens)
            lista << m.texto;
        return lista;
    }

    QList<Mensagem> mensagens;
    QList<QColor> coresIniciais;
    QList<PedidoGuardar> pedidos;
};
