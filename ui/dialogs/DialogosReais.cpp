// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogosReais.h"

#include "DialogoExportar.h"
#include "DialogoGuardar.h"

#include <QColorDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

namespace {
const QString kTitulo = QStringLiteral("Quilora");
}

void DialogosReais::mensagem(QWidget* pai, const QString& texto, Icone icone) {
    QMessageBox caixa(icone == Icone::Informacao ? QMessageBox::Information : QMessageBox::NoIcon,
                      kTitulo, texto, QMessageBox::Ok);
    caixa.setAccessibleName(kTitulo);
    caixa.setAccessibleDescription(texto);
    m_caixas.executar(caixa, pai);
}

std::optional<QColor> DialogosReais::escolherCor(QWidget* pai, const QColor& inicial) {
    QColorDialog dialogo(inicial);
    // Qt's own chooser, in the program's language, rather than the desktop's.
    dialogo.setOption(QColorDialog::DontUseNativeDialog);
    dialogo.setAccessibleName(dialogo.windowTitle());
    if (m_caixas.executar(dialogo, pai) != QDialog::Accepted)
        return std::nullopt;
    return dialogo.selectedColor();
}

Dialogos::RespostaGuardar DialogosReais::escolherFicheiro(QWidget* pai,
                                                          const PedidoGuardar& pedido) {
    DialogoGuardar dialogo(m_caixas, pedido.pastaInicial, pedido.filtro,
                           pedido.extensaoPredefinida);
    if (m_caixas.executar(dialogo, pai) != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    RespostaGuardar resposta;
    resposta.ficheiro = dialogo.selectedFiles().constFirst();
    resposta.extensaoDiferente = QFileInfo(resposta.ficheiro)
                                     .suffix()
                                     .compare(pedido.extensaoPredefinida, Qt::CaseInsensitive) != 0;
    return resposta;
}

QString DialogosReais::escolherFicheiroParaAbrir(QWidget* pai, const QString& pasta,
                                                 const QString& filtro) {
    QFileDialog dialogo(nullptr, QStringLiteral("Abrir exercício"), pasta, filtro);
    // Qt's own dialog, in the program's language, as the save dialog.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setAccessibleName(dialogo.windowTitle());
    if (m_caixas.executar(dialogo, pai) != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}

std::optional<EscolhaExportacao>
DialogosReais::escolherExportacao(QWidget* pai, const EscolhaExportacao& inicial) {
    DialogoExportar dialogo(inicial);
    if (m_caixas.executar(dialogo, pai) != QDialog::Accepted)
        return std::nullopt;
    return dialogo.escolha();
}

bool DialogosReais::imprimir(QWidget* pai, const std::function<void(QPrinter&)>& pintarPagina) {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Portrait);
    QPrintPreviewDialog previsao(&impressora);
    previsao.setWindowTitle(QStringLiteral("Imprimir"));
    previsao.setAccessibleName(previsao.windowTitle());
    // Large enough to read the page: as large as the window it stands over.
    if (pai)
        previsao.resize(pai->window()->size());
    QObject::connect(&previsao, &QPrintPreviewDialog::paintRequested, &previsao,
                     [&pintarPagina](QPrinter* destino) { pintarPagina(*destino); });
    return m_caixas.executar(previsao, pai) == QDialog::Accepted;
}
