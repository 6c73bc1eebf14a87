#include "Form5.h"

namespace {

DesenhoVisor desenhoFuncoes() {
    DesenhoVisor d;
    d.janela.titulo = QStringLiteral("FUNÇÕES DEFINIDAS");
    d.janela.botaoFechar = QRect(60, 9900, 1275, 315);
    d.janela.setaEsquerda = QPoint(6060, 9900);
    d.janela.setaDireita = QPoint(6600, 9900);
    d.janela.tamanhoPagina = QSize(7035, 9735);
    for (int i = 1; i <= 23; ++i) {
        d.janela.paginas << QStringLiteral(":/ajuda/funcoes%1.html").arg(i, 2, 10, QChar('0'));
        d.janela.nomesPaginas << QStringLiteral("Image1(%1)").arg(i);
    }
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
