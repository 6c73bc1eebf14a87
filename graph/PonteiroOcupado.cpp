#include "PonteiroOcupado.h"

#include <QApplication>
#include <QCursor>

PonteiroOcupado::PonteiroOcupado() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

PonteiroOcupado::~PonteiroOcupado() {
    // normal() may already have emptied the stack.
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void PonteiroOcupado::normal() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
