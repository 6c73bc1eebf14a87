// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EscolhaExportacao.h"

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

/// The modal dialogs of the program: message boxes, the colour chooser, the save and open
/// dialogs, the choice of an export and the print preview.
/// Windows receive one of these instead of calling the dialogs themselves, so tests can
/// answer them.
///
/// A new dialog is a method here, answered from a script in the tests' DialogosGuiados and
/// shown in DialogosReais, where it is made on the stack of the method, without a parent, and
/// run by CaixasModais::executar(dialogo, pai), never by its own exec() or open(); a box that
/// the dialog itself opens goes through the same CaixasModais. No window then owns a running
/// dialog, and a window closed meanwhile (from a menu, by a screen reader, by the window system)
/// cancels the dialog and is destroyed only once the method and the code that called it have
/// returned. The answer must therefore allow for a cancel the user did not choose.
class Dialogos {
public:
    enum class Icone { Nenhum, Informacao };

    /// What the save dialog is given before each showing.
    struct PedidoGuardar {
        QString pastaInicial;
        QString filtro;              ///< e.g. "Mapa de bits (*.bmp)"
        QString extensaoPredefinida; ///< without the dot, e.g. "bmp"
    };

    /// What the save dialog answers; an empty name means the user cancelled.
    struct RespostaGuardar {
        QString ficheiro;
        bool extensaoDiferente = false; ///< the typed extension is not the default one
    };

    virtual ~Dialogos() = default;

    /// A modal box titled "Quilora" with one OK button.
    virtual void mensagem(QWidget* pai, const QString& texto, Icone icone) = 0;
    /// The colour chooser; nothing when the user cancels.
    virtual std::optional<QColor> escolherCor(QWidget* pai, const QColor& inicial) = 0;
    /// The save dialog, which itself asks before replacing a file.
    virtual RespostaGuardar escolherFicheiro(QWidget* pai, const PedidoGuardar& pedido) = 0;
    /// The open dialog, showing the files of `filtro` in `pasta`; an empty name when the user
    /// cancelled.
    virtual QString escolherFicheiroParaAbrir(QWidget* pai, const QString& pasta,
                                              const QString& filtro) = 0;
    /// What to export, starting from `inicial`; nothing when the user cancels.
    virtual std::optional<EscolhaExportacao>
    escolherExportacao(QWidget* pai, const EscolhaExportacao& inicial) = 0;
    /// The print preview of one page, A4 portrait, drawn by `pintarPagina` on the printer it is
    /// given (for the preview as for the printing); from it the user prints, to a printer or to
    /// a PDF file. False when the user closed it without printing.
    virtual bool imprimir(QWidget* pai, const std::function<void(QPrinter&)>& pintarPagina) = 0;
};
