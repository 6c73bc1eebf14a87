// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson as a teacher gives it, through the real windows and the real dialogs, each step run
// from the event loop as a click would be: f drawn, the ten transformations, a colour chosen,
// the comparison, the axes, the help windows paged, a picture saved, the main window closed
// and opened again, and the program left. CTest runs it at scale 1 and on a screen of twice
// the density; the sanitizer build runs it too.
#include "BotaoOpcao.h"
#include "DialogosReais.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "GrupoTransformacoes.h"
#include "Janelas.h"
#include "PaletaDasCurvas.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QRgb kAzul = qRgb(0, 0, 255);
const QRgb kVermelho = qRgb(255, 0, 0);
const QRgb kCinzento = 0xFFAAAAAA;

double f(double x) {
    return x * x / 2 - 4;
}

// The ten transformations of f with a = 2 and b = 1, by option number.
const std::function<double(double)> kTransformadas[] = {
    [](double x) { return std::abs(f(x)); }, [](double x) { return f(std::abs(x)); },
    [](double x) { return -f(x); },          [](double x) { return f(-x); },
    [](double x) { return 2 + f(x); },       [](double x) { return f(2 * x); },
    [](double x) { return 2 + f(x + 1); },   [](double x) { return f(x + 1); },
    [](double x) { return 2 * f(x); },       [](double x) { return -f(-x); },
};

int contar(const QImage& imagem, QRgb cor) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += imagem.pixel(x, y) == cor;
    return n;
}

// Whether the point (x, y) of the window is drawn in `cor` in the area, give or take a pixel.
bool pontoDaCor(AreaGrafica& area, double x, double y, QRgb cor) {
    const Quadro& quadro = area.persistente();
    const int coluna = static_cast<int>(std::lround(quadro.pixelX(x)));
    const int linha = static_cast<int>(std::lround(quadro.pixelY(y)));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (area.imagem().valid(coluna + dx, linha + dy) &&
                area.imagem().pixel(coluna + dx, linha + dy) == cor)
                return true;
    return false;
}

void accionar(QWidget& janela, const char* nome) {
    auto* accao = janela.findChild<QAction*>(QString::fromUtf8(nome));
    ASSERT_NE(accao, nullptr) << nome;
    accao->trigger();
}

class LicaoGuiada : public ::testing::Test {
protected:
    LicaoGuiada() : m_janelas(m_dialogos) {
        // A box nobody expected is answered, and remembered as a fault.
        QObject::connect(&m_vigia, &QTimer::timeout, [this] {
            auto* caixa = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!caixa)
                return;
            if (m_resposta) {
                const auto resposta = std::exchange(m_resposta, nullptr);
                resposta(caixa);
                return;
            }
            auto* mensagem = qobject_cast<QMessageBox*>(caixa);
            m_inesperadas << (mensagem ? mensagem->text() : caixa->metaObject()->className());
            caixa->reject();
        });
        m_vigia.start(10);
    }

    Form1& principal() { return *m_janelas.principal(); }
    template <typename T = QWidget> T* controlo(const char* nome) {
        T* encontrado = principal().findChild<T*>(QString::fromUtf8(nome));
        EXPECT_NE(encontrado, nullptr) << nome;
        return encontrado;
    }
    void clicar(const char* nome) { controlo<QAbstractButton>(nome)->click(); }
    void escrever(const char* nome, const char* texto) {
        controlo<QLineEdit>(nome)->setText(QString::fromUtf8(texto));
    }
    // The next dialog to show gets this answer.
    void responder(std::function<void(QDialog*)> resposta) { m_resposta = std::move(resposta); }

    // Runs the steps one event after another, so that what a step leaves for the event loop
    // (a window unloaded) is done before the next; returns the program's exit code.
    int correr(std::vector<std::function<void()>> passos) {
        m_passos = std::move(passos);
        QTimer::singleShot(0, [this] { seguinte(0); });
        QTimer::singleShot(60000, [] { QCoreApplication::exit(9); });
        return QApplication::exec();
    }

    QTemporaryDir m_pasta;
    QStringList m_inesperadas;
    DialogosReais m_dialogos;
    Janelas m_janelas;

private:
    void seguinte(std::size_t passo) {
        if (passo == m_passos.size() || HasFatalFailure()) {
            QCoreApplication::exit(HasFatalFailure() ? 1 : 2);
            return;
        }
        m_passos[passo]();
        QTimer::singleShot(0, [this, passo] { seguinte(passo + 1); });
    }

    QTimer m_vigia;
    std::function<void(QDialog*)> m_resposta;
    std::vector<std::function<void()>> m_passos;
};

// Pages a help window to its end and back with its arrows, then closes it.
void folhear(JanelaAjuda& ajuda) {
    ASSERT_TRUE(ajuda.isVisible());
    for (int p = 2; p <= ajuda.numeroPaginas(); ++p) {
        ASSERT_TRUE(ajuda.setaDireita()->isEnabled()) << p;
        ajuda.setaDireita()->click();
        EXPECT_TRUE(ajuda.paginaVisivel(p)) << p;
    }
    EXPECT_FALSE(ajuda.setaDireita()->isEnabled());
    while (ajuda.setaEsquerda()->isEnabled())
        ajuda.setaEsquerda()->click();
    EXPECT_TRUE(ajuda.paginaVisivel(1));
    ajuda.botaoFechar()->click();
    EXPECT_FALSE(ajuda.isVisible());
}

TEST_F(LicaoGuiada, DoInicioAoFim) {
    const QString ficheiro = m_pasta.filePath(QStringLiteral("aula.bmp"));
    const int codigo = correr({
        [&] {
            m_janelas.iniciar();
            accionar(m_janelas.inicio(), "Quilora");
            ASSERT_NE(m_janelas.principal(), nullptr);
            EXPECT_TRUE(principal().isVisible());
        },
        [&] {
            clicar("Desenhar");
            for (double x : {-3.0, 0.0, 1.0, 2.5})
                EXPECT_TRUE(pontoDaCor(principal().areaFuncao(), x, f(x), kAzul)) << x;
        },
        [&] {
            escrever("ValorDeA", "2");
            escrever("ValorDeB", "1");
            // Each transform piled up in the next colour of the palette, the first in blue.
            for (int n = 1; n <= 10; ++n) {
                principal().grupoTransformacoes()->opcao(n)->click();
                const QRgb cor = corDaCurva(n - 1, Qt::white).rgb();
                for (double x : {-1.5, 0.5, 1.0})
                    EXPECT_TRUE(pontoDaCor(principal().areaTransformada(), x,
                                           kTransformadas[n - 1](x), cor))
                        << "Option" << n << " at x = " << x;
            }
        },
        [&] {
            responder([](QDialog* dialogo) {
                auto* cor = qobject_cast<QColorDialog*>(dialogo);
                ASSERT_NE(cor, nullptr);
                cor->setCurrentColor(QColor(kVermelho));
                cor->accept();
            });
            clicar("CorGráficoTransformada");
            // f is even: f(-x) drew over it; the erase leaves room for the comparison.
            clicar("ApagarT");
            principal().grupoTransformacoes()->opcao(3)->click();
            EXPECT_TRUE(pontoDaCor(principal().areaTransformada(), 1.5, -f(1.5), kVermelho));
        },
        [&] {
            const QImage so = principal().areaTransformada().imagem();
            accionar(principal(), "MostrarF");

            EXPECT_GT(contar(principal().areaTransformada().imagem(), kCinzento),
                      contar(so, kCinzento) + 200);
            accionar(principal(), "MostrarF");
            EXPECT_EQ(principal().areaTransformada().imagem(), so);
            accionar(principal(), "UsarTransformadaComoF");
            EXPECT_TRUE(pontoDaCor(principal().areaFuncao(), 1.5, -f(1.5), kAzul));
        },
        [&] {
            escrever("Xmin", "-5");
            clicar("DesenharEixos");
            clicar("EixosRadGráfico");
            clicar("EixosRadGráfico");
            clicar("Desenhar");
            EXPECT_TRUE(pontoDaCor(principal().areaFuncao(), -4.5, -f(-4.5), kAzul));
        },
        [&] {
            accionar(principal(), "Instruções");
            accionar(principal(), "Sintaxe");
            accionar(m_janelas.inicio(), "FunçõesDefinidas");
            folhear(*m_janelas.instrucoes());
            folhear(*m_janelas.sintaxe());
            folhear(*m_janelas.funcoesDefinidas());
        },
        [&] {
            responder([ficheiro](QDialog* dialogo) {
                auto* guardar = qobject_cast<QFileDialog*>(dialogo);
                ASSERT_NE(guardar, nullptr);
                guardar->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(ficheiro);
                static_cast<QDialog*>(guardar)->accept();
            });
            clicar("GuardarFunção");
            const QImage guardada(ficheiro);
            EXPECT_EQ(guardada.size(), QSize(493, 493));
            EXPECT_EQ(guardada.convertToFormat(QImage::Format_RGB32),
                      principal().areaFuncao().imagem().convertToFormat(QImage::Format_RGB32));
        },
        [&] { accionar(principal(), "FecharPágina"); },
        [&] {
            EXPECT_EQ(m_janelas.principal(), nullptr);
            EXPECT_TRUE(m_janelas.inicio().isVisible());
            accionar(m_janelas.inicio(), "Quilora");
            ASSERT_NE(m_janelas.principal(), nullptr);
            EXPECT_EQ(principal().funcao1()->text(), QStringLiteral("1/2x^2-4"));
            EXPECT_EQ(contar(principal().areaFuncao().imagem(), kAzul), 0);
            clicar("Desenhar");
            EXPECT_TRUE(pontoDaCor(principal().areaFuncao(), 1, f(1), kAzul));
        },
        [&] { accionar(m_janelas.inicio(), "Sair"); },
    });
    EXPECT_EQ(codigo, 0) << "the program did not end with Sair";
    EXPECT_TRUE(m_inesperadas.isEmpty()) << m_inesperadas.join(QLatin1Char('\n')).toStdString();
}

} // namespace
