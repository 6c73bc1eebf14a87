#include <QApplication>
#include <QLabel>

// Temporary entry point until the start window exists.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel aviso(QStringLiteral("Quilora: as janelas do programa ainda estão em construção."));
    aviso.setWindowTitle(QStringLiteral("QUILORA"));
    aviso.show();
    return app.exec();
}
