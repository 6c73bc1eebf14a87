// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// Every modal box of the main window, the real one, left open while the windows beneath it are
// closed by every way the program offers: its menus (as a screen reader chooses them, past the
// box), the window system's close, the help windows, the window manager's own "Sair".
#include "CaixasModais.h"
#include "DialogosReais.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Janelas.h"
#include "JanelasVisiveis.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// The event loop's code when the test itself ends it with the program still running.
constexpr int kAindaACorrer = 7;
constexpr int kPendurado = 9;

struct Caixa {
    const char* nome;
    const char* botao;  // pressed in the main window to open the box
    const char* classe; // the class of the box that must be open when the window is closed
    const char* nomeAConfirmar = nullptr; // typed and confirmed in the save dialog first
    const char* xmin = nullptr;           // written in the axis table first
};

// Desenhar with Função1 empty opens a message; a missing folder opens a box over the save
// dialog; with a bad axis table, a cancelled background brings the table's message after it.
const Caixa kCaixas[] = {
    {"Mensagem", "Desenhar", "QMessageBox"},
    {"CorDaFuncao", "CorGráficoFunção", "QColorDialog"},
    {"FundoDaFuncao", "CorFundoGráfico", "QColorDialog"},
    {"CorDaTransformada", "CorGráficoTransformada", "QColorDialog"},
    {"FundoDaTransformada", "CorFundoTransformada", "QColorDialog"},
    {"GuardarFuncao", "GuardarFunção", "QFileDialog"},
    {"GuardarTransformada", "GuardarTransformada", "QFileDialog"},
    {"PastaQueNaoExiste", "GuardarFunção", "QMessageBox", "pasta-que-nao-existe/x.bmp"},
    {"FundoComTabelaErrada", "CorFundoTransformada", "QColorDialog", nullptr, "50"},
};

enum class Desfecho {
    FechaPrincipal, ///< the main window goes, the start window stays, the program runs on
    AcabaPrograma,  ///< every window goes and the program ends
    CaixaFica,      ///< the windows closed were others: the box stays for the user to answer
};

void accionar(QWidget& janela, const char* nome) {
    auto* accao = janela.findChild<QAction*>(QString::fromUtf8(nome));
    ASSERT_NE(accao, nullptr) << nome;
    accao->trigger();
}

// The window system asks a window to close (its close control, or a screen reader's action).
void fecharPeloSistema(QWidget& janela) {
    ASSERT_NE(janela.windowHandle(), nullptr);
    QCloseEvent pedido;
    QCoreApplication::sendEvent(janela.windowHandle(), &pedido);
}

void abrirEFecharAjudas(Janelas& janelas) {
    accionar(*janelas.principal(), "Instruções");
    accionar(janelas.inicio(), "Sintaxe");
    accionar(*janelas.principal(), "FunçõesDefinidas");
    janelas.instrucoes()->botaoFechar()->click();
    janelas.sintaxe()->setaDireita()->click();
    janelas.sintaxe()->botaoFechar()->click();
    fecharPeloSistema(*janelas.funcoesDefinidas());
}

struct Via {
    const char* nome;
    void (*seguir)(Janelas&);
    Desfecho desfecho;
};

const Via kVias[] = {
    {"FecharEstaPagina", [](Janelas& j) { accionar(*j.principal(), "FecharPágina"); },
     Desfecho::FechaPrincipal},
    {"FecharAPrincipal", [](Janelas& j) { j.principal()->close(); }, Desfecho::FechaPrincipal},
    {"SistemaFechaAPrincipal", [](Janelas& j) { fecharPeloSistema(*j.principal()); },
     Desfecho::FechaPrincipal},
    {"AbandonarOPrograma", [](Janelas& j) { accionar(*j.principal(), "AbandonarPrograma"); },
     Desfecho::AcabaPrograma},
    {"Sair", [](Janelas& j) { accionar(j.inicio(), "Sair"); }, Desfecho::AcabaPrograma},
    {"FecharAInicial", [](Janelas& j) { j.inicio().close(); }, Desfecho::AcabaPrograma},
    {"SistemaFechaAInicial", [](Janelas& j) { fecharPeloSistema(j.inicio()); },
     Desfecho::AcabaPrograma},
    {"GestorDasJanelasSai", [](Janelas& j) { j.sair(); }, Desfecho::AcabaPrograma},
    {"JanelasDeAjuda", abrirEFecharAjudas, Desfecho::CaixaFica},
};

void PrintTo(const Caixa& caixa, std::ostream* saida) {
    *saida << caixa.nome;
}

void PrintTo(const Via& via, std::ostream* saida) {
    *saida << via.nome;
}

// What a pupil has on the board: the expression and both graph areas.
struct Quadro {
    QString funcao;
    QImage areaFuncao;
    QImage areaTransformada;
    bool operator==(const Quadro&) const = default;
};

Quadro quadroDe(Form1& janela) {
    return {janela.funcao1()->text(), janela.areaFuncao().imagem(),
            janela.areaTransformada().imagem()};
}

// Counts the dialogs shown to the user.
class DialogosMostrados : public QObject {
public:
    DialogosMostrados() { QCoreApplication::instance()->installEventFilter(this); }
    int quantos = 0;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Show && qobject_cast<QDialog*>(objeto))
            ++quantos;
        return false;
    }
};

// Answers whatever boxes are open, innermost first, as the user pressing Cancelar or OK.
void responderATodas() {
    while (auto* caixa = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        caixa->reject();
}

class FecharComCaixaAberta : public ::testing::TestWithParam<std::tuple<Caixa, Via>> {
protected:
    const Caixa& caixa() const { return std::get<0>(GetParam()); }
    const Via& via() const { return std::get<1>(GetParam()); }

    // Watches for the box while it runs; once it shows (past the save dialog's own box when
    // there is one) takes the way out under test, and for the help windows answers the box.
    // Boxes opened after the way out was taken are answered only where the user still has the
    // main window; elsewhere none may show.
    void vigiar(Janelas& janelas) {
        QObject::connect(&m_vigia, &QTimer::timeout, [this, &janelas] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (m_viaSeguida) {
                if (via().desfecho == Desfecho::CaixaFica)
                    responderATodas();
                return;
            }
            if (caixa().nomeAConfirmar && !m_nomeConfirmado && qobject_cast<QFileDialog*>(modal)) {
                m_nomeConfirmado = true;
                confirmarNome(static_cast<QFileDialog*>(modal));
                return;
            }
            if (modal->inherits(caixa().classe) && (!caixa().nomeAConfirmar || m_nomeConfirmado)) {
                m_viaSeguida = true;
                m_mostrados.quantos = 0;
                via().seguir(janelas);
                if (via().desfecho == Desfecho::CaixaFica) {
                    m_caixaFicou = QApplication::activeModalWidget() == modal;
                    responderATodas();
                }
            }
        });
        m_vigia.start(10);
    }

    // The name goes in from a timer of its own: confirming it opens a box, whose event loop
    // runs inside this call.
    void confirmarNome(QFileDialog* dialogo) {
        const QString nome = QString::fromUtf8(caixa().nomeAConfirmar);
        QTimer::singleShot(0, dialogo, [dialogo, nome] {
            dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(nome);
            static_cast<QDialog*>(dialogo)->accept();
        });
    }

    QTimer m_vigia;
    bool m_nomeConfirmado = false;
    bool m_viaSeguida = false;
    bool m_caixaFicou = false;
    DialogosMostrados m_mostrados;
};

TEST_P(FecharComCaixaAberta, NadaSeEstragaEOProgramaFazOQuePediu) {
    DialogosReais dialogos;
    Janelas janelas(dialogos);
    janelas.iniciar();
    accionar(janelas.inicio(), "Quilora");
    QPointer<Form1> principal = janelas.principal();
    ASSERT_NE(principal, nullptr);
    if (caixa().botao == std::string_view("Desenhar"))
        principal->funcao1()->clear();
    if (caixa().xmin)
        principal->findChild<QLineEdit*>(QStringLiteral("Xmin"))
            ->setText(QString::fromUtf8(caixa().xmin));
    const Quadro antes = quadroDe(*principal);
    auto* botao = principal->findChild<QAbstractButton*>(QString::fromUtf8(caixa().botao));
    ASSERT_NE(botao, nullptr);

    vigiar(janelas);
    QTimer::singleShot(0, [botao] {
        // Returns once the box is answered and the code behind the button has run to its end.
        botao->click();
        QTimer::singleShot(0, [] { QCoreApplication::exit(kAindaACorrer); });
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(kPendurado); });
    const int codigo = QApplication::exec();
    m_vigia.stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_TRUE(m_viaSeguida) << "the box never showed";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a box is still open";
    // The user's own cancel of a background redraws the axes, and a bad table says so.
    const bool mensagemDaTabela = caixa().xmin && via().desfecho == Desfecho::CaixaFica;
    EXPECT_EQ(m_mostrados.quantos, mensagemDaTabela ? 1 : 0) << "boxes shown after the close";
    switch (via().desfecho) {
    case Desfecho::FechaPrincipal:
        EXPECT_EQ(codigo, kAindaACorrer);
        EXPECT_EQ(principal, nullptr);
        EXPECT_EQ(janelas.principal(), nullptr);
        EXPECT_EQ(janelasVisiveis(), QList<QWidget*>{&janelas.inicio()});
        break;
    case Desfecho::AcabaPrograma:
        EXPECT_EQ(codigo, 0);
        EXPECT_TRUE(janelasVisiveis().isEmpty());
        break;
    case Desfecho::CaixaFica:
        EXPECT_EQ(codigo, kAindaACorrer);
        EXPECT_TRUE(m_caixaFicou);
        ASSERT_NE(principal, nullptr);
        EXPECT_EQ(janelasVisiveis().size(), 2);
        EXPECT_TRUE(principal->isVisible());
        EXPECT_TRUE(janelas.inicio().isVisible());
        if (!mensagemDaTabela) {
            EXPECT_TRUE(quadroDe(*principal) == antes) << "the board changed";
        }
        break;
    }
}

std::string nomeDoCaso(const ::testing::TestParamInfo<std::tuple<Caixa, Via>>& caso) {
    return std::string(std::get<0>(caso.param).nome) + "_" + std::get<1>(caso.param).nome;
}

INSTANTIATE_TEST_SUITE_P(CaixasEVias, FecharComCaixaAberta,
                         ::testing::Combine(::testing::ValuesIn(kCaixas),
                                            ::testing::ValuesIn(kVias)),
                         nomeDoCaso);

// Any dialog run by CaixasModais, even one made as the window's child as Qt allows, outlives
// a close of its window, which waits until the code that ran the dialog has returned.
TEST(CaixasModaisTest, UmDialogoFeitoComoFilhoDaJanelaNaoEDela) {
    for (const bool comoFilho : {true, false}) {
        SCOPED_TRACE(comoFilho ? "made with the window as parent" : "made without a parent");
        CaixasModais caixas;
        QPointer<QWidget> janela = new QWidget;
        janela->setAttribute(Qt::WA_DeleteOnClose);
        janela->show();
        QDialog dialogo(comoFilho ? janela.data() : nullptr);
        dialogo.setAttribute(Qt::WA_DeleteOnClose);
        bool janelaViva = false;
        QTimer::singleShot(0, [&] {
            janela->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            janelaViva = janela && janela->isVisible();
        });
        EXPECT_EQ(caixas.executar(dialogo, janela), QDialog::Rejected);
        EXPECT_TRUE(janelaViva) << "the window went while its dialog ran";
        ASSERT_NE(janela, nullptr) << "the window went before the dialog's code returned";
        EXPECT_EQ(dialogo.parentWidget(), nullptr);
        EXPECT_EQ(dialogo.windowHandle()->transientParent(), janela->windowHandle());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(janela, nullptr) << "the window never closed";
    }
}

} // namespace
