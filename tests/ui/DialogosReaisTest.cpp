#include "DialogosReais.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Types a name into the save dialog once it is showing and confirms it.
void responderAoDialogo(const QString& nome) {
    QTimer::singleShot(0, [nome] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        dialogo->selectFile(nome);
        static_cast<QDialog*>(dialogo)->accept(); // public in QDialog, overridden by the dialog
    });
}

struct CasoNome {
    const char* escrito;
    const char* devolvido;
    bool extensaoDiferente;
};

class DialogoGuardarTest : public ::testing::TestWithParam<CasoNome> {};

// The real dialog gives a bare name the extension "bmp" and tells when another was typed.
TEST_P(DialogoGuardarTest, ExtensaoPredefinidaEVerificada) {
    QTemporaryDir pasta;
    DialogosReais dialogos;
    responderAoDialogo(pasta.filePath(QString::fromUtf8(GetParam().escrito)));
    const Dialogos::RespostaGuardar resposta = dialogos.escolherFicheiro(
        nullptr, {pasta.path(), QStringLiteral("Mapa de bits (*.bmp)"), QStringLiteral("bmp")});
    EXPECT_EQ(resposta.ficheiro, pasta.filePath(QString::fromUtf8(GetParam().devolvido)));
    EXPECT_EQ(resposta.extensaoDiferente, GetParam().extensaoDiferente);
}

INSTANTIATE_TEST_SUITE_P(Nomes, DialogoGuardarTest,
                         ::testing::Values(CasoNome{"grafico", "grafico.bmp", false},
                                           CasoNome{"grafico.bmp", "grafico.bmp", false},
                                           CasoNome{"GRAFICO.BMP", "GRAFICO.BMP", false},
                                           CasoNome{"grafico.jpg", "grafico.jpg", true}));

} // namespace
