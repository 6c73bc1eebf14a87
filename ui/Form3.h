#pragma once

#include <QMainWindow>

class QAction;

/// The start window: the program's title page, whose menu bar leads to the main window, to
/// the three help windows and out of the program. It only asks; the window manager acts.
class Form3 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form3(QWidget* pai = nullptr);

    /// The menu commands, by their names: "Sair", "Quilora", "Instruções", "Sintaxe",
    /// "FunçõesDefinidas".
    QAction* comando(const QString& nome) const;

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
    void createMenus();
    void createTitle(QWidget* cliente);
    void createPictures(QWidget* cliente);
    QAction* criarComando(const QString& nome, const QString& texto);
};
