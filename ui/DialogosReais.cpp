#include "DialogosReais.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {
const QString kTitulo = QStringLiteral("Quilora");
}

void DialogosReais::mensagem(QWidget* pai, const QString& texto, Icone icone) {
    QMessageBox caixa(icone == Icone::Informacao ? QMessageBox::Information : QMessageBox::NoIcon,
                      kTitulo, texto, QMessageBox::Ok, pai);
    caixa.setAccessibleName(kTitulo);
    caixa.setAccessibleDescription(texto);
    caixa.exec();
}

std::optional<QColor> DialogosReais::escolherCor(QWidget* pai, const QColor& inicial) {
    QColorDialog dialogo(inicial, pai);
    dialogo.setAccessibleName(dialogo.windowTitle());
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogo.selectedColor();
}

Dialogos::RespostaGuardar DialogosReais::escolherFicheiro(QWidget* pai,
                                                         const PedidoGuardar& pedido) {
    QFileDialog dialogo(pai, QString(), pedido.pastaInicial, pedido.filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setDefaultSuffix(pedido.extensaoPredefinida);
    dialogo.setAccessibleName(dialogo.windowTitle());
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    RespostaGuardar resposta;
    resposta.ficheiro = dialogo.selectedFiles().constFirst();
    resposta.extensaoDiferente =
        QFileInfo(resposta.ficheiro)
            .suffix()
            .compare(pedido.extensaoPredefinida, Qt::CaseInsensitive) != 0;
    return resposta;
}
