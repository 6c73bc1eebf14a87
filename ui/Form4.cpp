#include "Form4.h"

namespace {

DesenhoVisor desenhoSintaxe() {
    DesenhoVisor d;
    d.janela.titulo = QStringLiteral("SINTAXE");
    d.janela.botaoFechar = QRect(60, 10200, 1275, 315);
    d.janela.setaEsquerda = QPoint(6180, 10140);
    d.janela.setaDireita = QPoint(6660, 10140);
    d.janela.tamanhoPagina = QSize(7035, 9735);
    d.janela.juntarPaginas(QStringLiteral("sintaxe"), 4, QStringLiteral("Image1(%1)"));
    d.tamanhoExterior = QSize(7260, 11310);
    d.rotuloPagina = QPoint(2880, 10200);
    d.rotuloNumero = QPoint(3480, 10200);
    d.rotuloTotal = QPoint(3660, 10200);
    return d;
}

} // namespace

Form4::Form4(QWidget* parent) : VisorPaginas(desenhoSintaxe(), parent) {
    setObjectName(QStringLiteral("Form4"));
}
