#include "DialogosReais.h"
#include "Fontes.h"
#include "Janelas.h"
#include "Traducoes.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    QApplication::setApplicationVersion(QStringLiteral("1.3"));
    QApplication::setDesktopFileName(QStringLiteral("quilora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/quilora.svg")));
    RegistarSubstitutosDeFontes();
    InstalarTraducoes(aplicacao);

    DialogosReais dialogos;
    Janelas janelas(dialogos);
    janelas.iniciar();
    return QApplication::exec();
}
