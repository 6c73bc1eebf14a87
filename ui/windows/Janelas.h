// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercicio.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>
#include <optional>

class Dialogos;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;

/// Owns the windows of the program and keeps at most one of each: the start window for the
/// whole run, the main window and the instructions while they are loaded (they unload
/// themselves when closed), the syntax and defined-functions windows from their first showing
/// to the end. Both the start window's and the main window's menus come here. Each window is
/// opened where it fits: at scale 1 where its design size fits the screen's free area, else at
/// the largest scale that does.
class Janelas : public QObject {
    Q_OBJECT
public:
    explicit Janelas(Dialogos& dialogos);
    ~Janelas() override;

    /// The program's only start-up action: shows the start window.
    void iniciar();

    Form3& inicio() const { return *m_inicio; }
    /// The loaded windows, or null while not loaded.
    Form1* principal() const;
    Form2* instrucoes() const;
    Form4* sintaxe() const { return m_sintaxe; }
    Form5* funcoesDefinidas() const { return m_funcoes; }

    /// Shows the main window with the board of the exercise in the file `caminho` (named on the
    /// command line, or opened from the file manager). A file that cannot be read as an exercise is
    /// told in a message box over the main window, and nothing of it is kept.
    void abrirExercicio(const QString& caminho);
    /// The exercise last opened from outside and the file it came from, for the main window's
    /// board to take; nothing when none was or the file was refused.
    const std::optional<Exercicio>& exercicioPorAbrir() const { return m_exercicioPorAbrir; }
    const QString& ficheiroDoExercicio() const { return m_ficheiroDoExercicio; }

public slots:
    void mostrarPrincipal();
    void mostrarInstrucoes();
    void mostrarSintaxe();
    void mostrarFuncoesDefinidas();
    /// Ends the program at once: every window closes, nothing is asked; an open box is
    /// cancelled.
    void sair();

private:
    void ligarPrincipal(Form1* janela);
    QRect areaDisponivel() const;

    Dialogos& m_dialogos;
    std::unique_ptr<Form3> m_inicio;
    QPointer<Form1> m_principal;
    QPointer<Form2> m_instrucoes;
    Form4* m_sintaxe = nullptr; // children of the start window
    Form5* m_funcoes = nullptr;
    bool m_aSair = false;
    std::optional<Exercicio> m_exercicioPorAbrir;
    QString m_ficheiroDoExercicio;
};
