// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogosReais.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The texts of the buttons and labels of a dialog, without their access-key marks.
QStringList textosDe(const QWidget* dialogo) {
    QStringList textos{dialogo->windowTitle()};
    for (const QAbstractButton* botao : dialogo->findChildren<QAbstractButton*>())
        textos << botao->text().remove(QLatin1Char('&'));
    for (const QLabel* rotulo : dialogo->findChildren<QLabel*>())
        textos << rotulo->text().remove(QLatin1Char('&'));
    return textos;
}

// Types a name into the save dialog once it is showing and confirms it, as the user would.
void escreverNoDialogo(const QString& nome, QStringList* textos = nullptr) {
    QTimer::singleShot(0, [nome, textos] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        if (textos)
            *textos = textosDe(dialogo);
        auto* campo = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(campo, nullptr);
        campo->setText(nome);
        static_cast<QDialog*>(dialogo)->accept(); // public in QDialog, overridden by the dialog
        if (dialogo->isVisible())
            dialogo->reject();
    });
}

struct CasoNome {
    const char* escrito;
    const char* devolvido; // empty: the dialog refused the name and was then cancelled
    bool extensaoDiferente;
};

class DialogoGuardarTest : public ::testing::TestWithParam<CasoNome> {};

// The real dialog gives a bare name the extension "bmp", tells when another was typed, and
// refuses a folder that does not exist.
TEST_P(DialogoGuardarTest, ExtensaoPredefinidaEPastaVerificadas) {
    QTemporaryDir pasta;
    DialogosReais dialogos;
    QString aviso;
    const bool recusa = !*GetParam().devolvido;
    if (recusa)
        QTimer::singleShot(50, [&aviso] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(caixa, nullptr);
            aviso = caixa->text();
            caixa->accept();
        });
    escreverNoDialogo(QString::fromUtf8(GetParam().escrito));
    const Dialogos::RespostaGuardar resposta = dialogos.escolherFicheiro(
        nullptr, {pasta.path(), QStringLiteral("Mapa de bits (*.bmp)"), QStringLiteral("bmp")});
    EXPECT_EQ(resposta.ficheiro,
              recusa ? QString() : pasta.filePath(QString::fromUtf8(GetParam().devolvido)));
    EXPECT_EQ(resposta.extensaoDiferente, GetParam().extensaoDiferente);
    EXPECT_EQ(aviso.startsWith(QStringLiteral("A pasta ")), recusa) << aviso.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Nomes, DialogoGuardarTest,
                         ::testing::Values(CasoNome{"grafico", "grafico.bmp", false},
                                           CasoNome{"grafico.bmp", "grafico.bmp", false},
                                           CasoNome{"GRAFICO.BMP", "GRAFICO.BMP", false},
                                           CasoNome{"grafico.jpg", "grafico.jpg", true},
                                           // no extension after the point: the save adds it
                                           CasoNome{"grafico.", "grafico.", true},
                                           CasoNome{"nope/x.bmp", "", false}));

// Qt's dialog greys out its button for a name longer than the disk takes; the program's takes
// the name, so that the save can say why it is not written.
TEST(DialogoGuardar, AceitaUmNomeCompridoDemaisParaOGuardarDizerPorque) {
    QTemporaryDir pasta;
    DialogosReais dialogos;
    const QString comprido(300, QLatin1Char('a'));
    QList<bool> activo; // the button after each name typed, and after Qt greys it out again
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        auto* campo = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QAbstractButton* botao = nullptr;
        const auto* botoes = dialogo->findChild<QDialogButtonBox*>();
        for (QAbstractButton* b : botoes->buttons())
            if (botoes->buttonRole(b) == QDialogButtonBox::AcceptRole)
                botao = b;
        for (const QString& nome : {comprido, QString(), comprido}) {
            campo->setText(nome);
            QCoreApplication::processEvents();
            activo << botao->isEnabled();
        }
        botao->setEnabled(false);
        QCoreApplication::processEvents();
        activo << botao->isEnabled();
        static_cast<QDialog*>(dialogo)->accept();
        if (dialogo->isVisible())
            dialogo->reject();
    });
    const Dialogos::RespostaGuardar resposta = dialogos.escolherFicheiro(
        nullptr, {pasta.path(), QStringLiteral("Mapa de bits (*.bmp)"), QStringLiteral("bmp")});
    EXPECT_EQ(activo, (QList<bool>{true, false, true, true}));
    EXPECT_EQ(resposta.ficheiro, pasta.filePath(comprido + QStringLiteral(".bmp")));
    EXPECT_FALSE(resposta.extensaoDiferente);
}

// The standard dialogs speak European Portuguese, whatever the desktop's language.
TEST(DialogosEmPortugues, GuardarCorEMensagem) {
    QTemporaryDir pasta;
    DialogosReais dialogos;
    QStringList guardar;
    escreverNoDialogo(QString(), &guardar);
    dialogos.escolherFicheiro(
        nullptr, {pasta.path(), QStringLiteral("Mapa de bits (*.bmp)"), QStringLiteral("bmp")});
    for (const char* palavra : {"Guardar como", "Guardar", "Cancelar",
                                "Nome do ficheiro:", "Ficheiros do tipo:", "Procurar em:"})
        EXPECT_TRUE(guardar.contains(QString::fromUtf8(palavra))) << palavra;
    // The kind of a folder in the dialog's list.
    EXPECT_EQ(QAbstractFileIconProvider().type(QFileInfo(pasta.path())), QStringLiteral("Pasta"));

    QStringList cor;
    QTimer::singleShot(0, [&cor] {
        QWidget* dialogo = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<QColorDialog*>(dialogo), nullptr);
        cor = textosDe(dialogo);
        static_cast<QDialog*>(dialogo)->reject();
    });
    EXPECT_EQ(dialogos.escolherCor(nullptr, Qt::blue), std::nullopt);
    for (const char* palavra : {"Escolher a cor", "Cores básicas", "Cores personalizadas",
                                "Vermelho:", "Verde:", "Azul:", "Cancelar"})
        EXPECT_TRUE(cor.contains(QString::fromUtf8(palavra))) << palavra;
    for (const QString& texto : guardar + cor)
        for (const char* brasileiro : {"Salvar", "arquivo", "Arquivo"})
            EXPECT_FALSE(texto.contains(QString::fromUtf8(brasileiro))) << texto.toStdString();
}

} // namespace
