// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DialogosGuiados.h"
#include "Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

/// A main window shown and activated as the start window would, with scripted dialogs.
struct JanelaPrincipal : ::testing::Test {
    JanelaPrincipal() : form(new Form1(dialogos)) {
        form->show();
        activar(form);
    }
    ~JanelaPrincipal() override { delete form.data(); }

    static void activar(QWidget* janela) {
        janela->activateWindow();
        QApplication::setActiveWindow(janela);
        EXPECT_TRUE(QTest::qWaitForWindowActive(janela));
    }
    /// Going to another window of the program and back, as to a help window.
    void voltarDeOutraJanela() {
        QWidget ajuda;
        ajuda.show();
        activar(&ajuda);
        activar(form);
    }

    template <typename T = QWidget> T* controlo(const char* nome) const {
        T* encontrado = form->findChild<T*>(QString::fromUtf8(nome));
        EXPECT_NE(encontrado, nullptr) << nome;
        return encontrado;
    }
    void clicar(const char* nome) const {
        if (auto* botao = controlo<QAbstractButton>(nome))
            botao->click();
    }
    void escrever(const char* nome, const char* texto) const {
        if (auto* caixa = controlo<QLineEdit>(nome))
            caixa->setText(QString::fromUtf8(texto));
    }

    /// The window sized so that its layout is at scale s.
    void escalar(double s) const {
        const int barra = form->height() - form->areaCliente()->height();
        form->resize(qRound(1016 * s), qRound(714 * s) + barra);
    }

    QImage imagem(bool transformada) const {
        return transformada ? form->areaTransformada().imagem() : form->areaFuncao().imagem();
    }
    static int contar(const QImage& imagem, QRgb cor) {
        int n = 0;
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                n += imagem.pixel(x, y) == cor;
        return n;
    }

    DialogosGuiados dialogos;
    QPointer<Form1> form;
};
