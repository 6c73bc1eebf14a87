#include "Form5.h"

namespace {

DesenhoVisor desenhoFuncoes() {
    DesenhoVisor d;
    d.janela.titulo = QStringLiteral("FUNÇÕES DEFINIDAS");
    d.janela.botaoFechar = QRect(60, 9900, 1275, 315);
    d.janela.setaEsquerda = QPoint(6060, 9900);
    d.janela.setaDireita = QPoint(6600, 9900);
    d.janela.tamanhoPagina = QSize(7035, 9735);
    d.janela.juntarPaginas(QStringLiteral("funcoes"), 23, QStringLiteral("Image1(%1)"));
    d.tamanhoExterior = QSize(7245, 10965);
    d.rotuloPagina = QPoint(2880, 9960);
    d.rotuloNumero = QPoint(3540, 9960);
    d.rotuloTotal = QPoint(3780, 9960);
    return d;
}

} // namespace

Form5::Form5(QWidget* parent) : VisorPaginas(desenhoFuncoes(), parent) {
    setObjectName(QStringLiteral("Form5"));
}
