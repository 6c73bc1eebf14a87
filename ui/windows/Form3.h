// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include <memory>
#include <vector>

class Disposicao;
class GravuraDesenhada;
class QAction;
class QLabel;

/// The start window: the program's title page, whose menu bar leads to the main window, to
/// the three help windows and out of the program. It only asks; the window manager acts. Its
/// content scales as one piece with the window.
class Form3 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form3(QWidget* pai = nullptr);
    ~Form3() override;

    /// The menu commands, by their names: "Sair", "Quilora", "Instruções", "Sintaxe",
    /// "FunçõesDefinidas".
    QAction* comando(const QString& nome) const;
    /// The layout step of the client area.
    Disposicao& disposicao() const { return *m_disposicao; }

signals:
    void quiloraPedida();
    void instrucoesPedidas();
    void sintaxePedida();
    void funcoesDefinidasPedidas();
    /// "Sair" or the window's close control.
    void sairPedido();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    struct Gravura {
        QLabel* rotulo;
        std::unique_ptr<GravuraDesenhada> desenho;
    };

    void createMenus();
    void createTitle(QWidget* cliente);
    void createPictures(QWidget* cliente);
    void mostrarGravuras();
    QAction* criarComando(const QString& nome, const QString& texto);

    std::vector<Gravura> m_gravuras;
    Disposicao* m_disposicao = nullptr;
};
