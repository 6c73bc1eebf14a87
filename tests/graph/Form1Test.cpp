// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"
#include "BotaoOpcao.h"
#include "CamadaPassageira.h"
#include "CicloDeTracado.h"
#include "DialogosGuiados.h"
#include "Disposicao.h"
#include "FormaImpressa.h"
#include "GrupoTransformacoes.h"
#include "PreparacaoTexto.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QRgb kBranco = qRgb(255, 255, 255);
const QRgb kPreto = qRgb(0, 0, 0);
const QRgb kAzul = qRgb(0, 0, 255);

// On the initial window the inner picture is 493 pixels wide and the origin falls on pixel
// 246 in both directions; x = 1 falls on column 269 and y = 1 on row 223.
constexpr int kOrigem = 246;
constexpr int kColunaUm = 269;
constexpr int kColunaMeioPi = 282;

const QString kEixos = QStringLiteral("Erro nos dados dos eixos:\r\n\r\n");
const QString kFuncao = QStringLiteral("Erro na expressão analítica da função:\r\n\r\n");

// The inside of the box of the readout or of the note, as a picture's layer shows it.
QRect caixaSobre(CamadaPassageira& camada) {
    const QImage imagem = camada.grab().toImage();
    QRect caixa;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (imagem.pixel(x, y) == qRgb(255, 255, 225))
                caixa |= QRect(x, y, 1, 1);
    return caixa;
}

// The scripted dialogs, and a look at the window each time a box opens.
class DialogosQueOlham final : public Dialogos {
public:
    explicit DialogosQueOlham(DialogosGuiados& guiados) : m_guiados(guiados) {}
    void mensagem(QWidget* pai, const QString& texto, Icone icone) override {
        if (aoAbrir)
            aoAbrir();
        m_guiados.mensagem(pai, texto, icone);
    }
    std::optional<QColor> escolherCor(QWidget* pai, const QColor& inicial) override {
        return m_guiados.escolherCor(pai, inicial);
    }
    RespostaGuardar escolherFicheiro(QWidget* pai, const PedidoGuardar& pedido) override {
        return m_guiados.escolherFicheiro(pai, pedido);
    }
    QString escolherFicheiroParaAbrir(QWidget* pai, const QString& pasta,
                                      const QString& filtro) override {
        return m_guiados.escolherFicheiroParaAbrir(pai, pasta, filtro);
    }
    std::optional<EscolhaExportacao> escolherExportacao(QWidget* pai,
                                                        const EscolhaExportacao& inicial) override {
        return m_guiados.escolherExportacao(pai, inicial);
    }
    bool imprimir(QWidget* pai, const std::function<void(QPrinter&)>& pintarPagina) override {
        return m_guiados.imprimir(pai, pintarPagina);
    }
    std::function<void()> aoAbrir;

private:
    DialogosGuiados& m_guiados;
};

struct Form1Test : ::testing::Test {
    Form1Test() : form(new Form1(olhar)) {
        form->show();
        activar(form);
    }
    ~Form1Test() override { delete form; }

    static void activar(QWidget* janela) {
        janela->activateWindow();
        QApplication::setActiveWindow(janela);
        EXPECT_TRUE(QTest::qWaitForWindowActive(janela));
    }
    template <typename T> T* controlo(const char* nome) const {
        return form->findChild<T*>(QString::fromUtf8(nome));
    }
    void escrever(const char* nome, const char* texto) const {
        controlo<QLineEdit>(nome)->setText(QString::fromUtf8(texto));
    }
    void clicar(const char* nome) const { controlo<QAbstractButton>(nome)->click(); }
    const QImage& imagem1() const { return form->areaFuncao().imagem(); }
    int contar(const QImage& imagem, QRgb cor, QRect zona = QRect(0, 0, 493, 493)) const {
        int n = 0;
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            for (int x = zona.left(); x <= zona.right(); ++x)
                n += imagem.pixel(x, y) == cor ? 1 : 0;
        return n;
    }
    // Texts are smoothed: any clearly dark pixel counts as ink.
    int tinta(const QImage& imagem, QRect zona) const {
        int n = 0;
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            for (int x = zona.left(); x <= zona.right(); ++x)
                n += qGray(imagem.pixel(x, y)) < 160 ? 1 : 0;
        return n;
    }
    bool tudoBranco(const QImage& imagem) const {
        return contar(imagem, kBranco) == imagem.width() * imagem.height();
    }

    DialogosGuiados dialogos;
    DialogosQueOlham olhar{dialogos};
    Form1* form;
};

TEST_F(Form1Test, JanelaEControlosIniciais) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("QUILORA"));
    EXPECT_EQ(form->areaCliente()->size(), QSize(1016, 714));
    EXPECT_EQ(controlo<QLineEdit>("Função1")->text(), QStringLiteral("1/2x^2-4"));
    EXPECT_FALSE(controlo<QLineEdit>("Função1")->font().bold()); // not the frame's caption font
    EXPECT_EQ(controlo<QWidget>("Picture1")->geometry(), QRect(4, 140, 497, 497));
    EXPECT_EQ(controlo<QWidget>("Picture2")->geometry(), QRect(512, 140, 497, 497));
    EXPECT_EQ(controlo<QLineEdit>("Xmin")->geometry(), QRect(456, 668, 21, 16));
    EXPECT_TRUE(controlo<QCheckBox>("MarcaY")->isChecked());
    auto* radianos = controlo<QAbstractButton>("EixosRadGráfico");
    EXPECT_EQ(radianos->text(), QStringLiteral("Radianos"));
    EXPECT_EQ(radianos->toolTip(), QStringLiteral("Graduar o eixo das abcissas em radianos."));
    EXPECT_EQ(radianos->accessibleDescription(), radianos->toolTip());
    EXPECT_EQ(controlo<QWidget>("Função1")->accessibleName(), QStringLiteral("Função1"));
    EXPECT_EQ(controlo<QWidget>("Picture1")->accessibleName(), QStringLiteral("Picture1"));
    EXPECT_EQ(controlo<QWidget>("DesenharEixos")->accessibleName(), QStringLiteral("Eixos"));
    EXPECT_TRUE(dialogos.mensagens.empty());
}

// The indicator a check box or an option draws: the first run of painted columns from the left,
// and the painted rows within it.
QSize indicador(QWidget* w) {
    const QImage imagem = w->grab().toImage();
    const QRgb fundo = imagem.pixel(0, 0);
    int largura = 0, cima = imagem.height(), baixo = -1;
    for (int x = 0; x < imagem.width(); ++x) {
        bool pintada = false;
        for (int y = 0; y < imagem.height(); ++y)
            if (imagem.pixel(x, y) != fundo) {
                pintada = true;
                cima = std::min(cima, y);
                baixo = std::max(baixo, y);
            }
        if (pintada)
            ++largura;
        else if (largura > 0)
            break;
    }
    return {largura, baixo - cima + 1};
}

// A sizable border, and the layout follows it: at two sizes of the client area each control
// stands at s times its place at scale 1 (in pixels; those inside a frame relative to it)
// within even margins, with its font s times as large; the pictures keep their image.
TEST_F(Form1Test, DisposicaoPoeCadaControloAEscala) {
    struct Controlo {
        const char* nome;
        QRect lugar; // at scale 1
        bool naRaiz; // a child of the client area, not of a frame
        double pontos;
    };
    // clang-format off
    const Controlo controlos[] = {{"Picture2",      {512, 140, 497, 497}, true,  0},
                                  {"Xmin",          {456, 668,  21,  16}, true,  6.75},
                                  {"Frame3",        {656, 644, 357,  65}, true,  8.25},
                                  {"Option5",       {188,  56,  69,  17}, false, 8.25},
                                  {"GuardarFunção", {328,  16,  41,  41}, false, 6},
                                  {"Label1",        {  8, 112, 497,  17}, true,  12}};
    // clang-format on
    const int barra = form->height() - form->areaCliente()->height();
    const struct {
        QSize cliente;
        double escala;
    } casos[] = {{{2032, 1428}, 2}, {{600, 400}, 400 / 714.0}};
    const QSize marca = indicador(controlo<QWidget>("MarcaY"));
    const QSize opcao = indicador(controlo<QWidget>("Option5"));
    for (const auto& caso : casos) {
        form->resize(caso.cliente + QSize(0, barra));
        ASSERT_EQ(form->areaCliente()->size(), caso.cliente);
        EXPECT_DOUBLE_EQ(form->disposicao().escala(), caso.escala);
        const QPointF margem((caso.cliente.width() - 1016 * caso.escala) / 2, 0);
        for (const auto& c : controlos) {
            SCOPED_TRACE(c.nome);
            auto* w = controlo<QWidget>(c.nome);
            ASSERT_NE(w, nullptr);
            const QPointF canto =
                (c.naRaiz ? margem : QPointF()) + QPointF(c.lugar.topLeft()) * caso.escala;
            EXPECT_NEAR(w->x(), canto.x(), 1);
            EXPECT_NEAR(w->y(), canto.y(), 1);
            EXPECT_NEAR(w->width(), c.lugar.width() * caso.escala, 1);
            EXPECT_NEAR(w->height(), c.lugar.height() * caso.escala, 1);
            if (c.pontos > 0) {
                EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.pontos * caso.escala);
            }
        }
        // The boxes of the check boxes and options too.
        for (const auto& [nome, antes] :
             {std::pair{"MarcaY", marca}, std::pair{"Option5", opcao}}) {
            const QSize agora = indicador(controlo<QWidget>(nome));
            EXPECT_NEAR(agora.width(), antes.width() * caso.escala, 2) << nome;
            EXPECT_NEAR(agora.height(), antes.height() * caso.escala, 2) << nome;
        }
        EXPECT_EQ(imagem1().size(), QSize(493, 493));
        EXPECT_DOUBLE_EQ(form->areaFuncao().persistente().escalaEcra(), caso.escala);
    }
}

// Whoever makes the main window larger than the screens (the user, the window system without a
// window manager, a layout of the client area), the window stays within the screens and the
// content stops growing at the scale that fills the largest screen: centred on plain
// background, its pictures drawn for the screen no larger than there.
TEST_F(Form1Test, NadaCresceAlemDoMaiorEcra) {
    const QRect ecra = QGuiApplication::primaryScreen()->geometry(); // the tests' only screen
    const double maxima = std::min(ecra.width() / 1016.0, ecra.height() / 714.0);
    const struct {
        const char* quem;
        std::function<void()> alargar;
    } casos[] = {{"a janela", [&] { form->resize(10000, 10000); }},
                 {"o sistema de janelas",
                  [&] {
                      form->windowHandle()->resize(10000, 10000);
                      QCoreApplication::processEvents();
                  }},
                 {"a área cliente", [&] { form->areaCliente()->resize(10000, 10000); }}};
    const QSize normal = form->size();
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.quem);
        caso.alargar();
        EXPECT_LE(form->width(), ecra.width());
        EXPECT_LE(form->height(), ecra.height());
        const double escala = form->disposicao().escala();
        EXPECT_DOUBLE_EQ(escala, maxima);
        const QWidget* cliente = form->areaCliente();
        const QWidget* picture2 = controlo<QWidget>("Picture2");
        EXPECT_NEAR(picture2->x(), (cliente->width() - 1016 * escala) / 2 + 512 * escala, 1);
        EXPECT_NEAR(picture2->width(), 7450 / 15.0 * escala, 1);
        const QImage& noEcra = form->areaTransformada().persistente().imagemNoEcra();
        EXPECT_LE(noEcra.width(), std::ceil(493 * maxima));
        form->resize(normal);
        form->areaCliente()->resize(1016, 714);
        ASSERT_DOUBLE_EQ(form->disposicao().escala(), 1);
    }
}

TEST_F(Form1Test, ActivacaoDesenhaEixosMarcasENumeros) {
    const QImage& im = imagem1();
    EXPECT_EQ(im.pixel(9, kOrigem), kPreto);   // x axis from -10.4 ...
    EXPECT_EQ(im.pixel(483, kOrigem), kPreto); // ... to 10.4
    EXPECT_EQ(im.pixel(5, kOrigem), kBranco);
    EXPECT_EQ(im.pixel(kOrigem, 9), kPreto); // y axis
    EXPECT_EQ(im.pixel(kOrigem, 483), kPreto);
    for (int linha = kOrigem - 2; linha <= kOrigem + 2; ++linha)
        EXPECT_EQ(im.pixel(kColunaUm, linha), kPreto) << linha; // mark at x = 1
    EXPECT_EQ(im.pixel(kColunaUm - 11, kOrigem - 2), kBranco);  // none at x = 0.5
    EXPECT_EQ(im.pixel(kOrigem - 2, 223), kPreto);              // mark at y = 1
    // Numbers under the marks at ±1, none at the origin.
    EXPECT_GT(tinta(im, QRect(kColunaUm - 8, 254, 16, 12)), 0);
    EXPECT_EQ(tinta(im, QRect(232, 250, 12, 12)), 0);
    EXPECT_EQ(tinta(im, QRect(249, 250, 10, 12)), 0);
    EXPECT_EQ(form->areaTransformada().imagem(), im);
    // The tips of the arrowheads sit on the ends of the axes.
    auto* direita = controlo<QWidget>("Image3");
    auto* cima = controlo<QWidget>("Image2");
    EXPECT_TRUE(direita->isVisible());
    EXPECT_EQ(direita->pos() + QPoint(4, 4) - QPoint(2, 2), QPoint(484, kOrigem));
    EXPECT_EQ(cima->pos() + QPoint(4, 0) - QPoint(2, 2), QPoint(kOrigem, 9));
    // As the screen shows them: chevrons with sides of five pixels.
    const QImage ecra = controlo<QWidget>("Picture1")->grab().toImage();
    for (int i = 0; i <= 4; ++i)
        for (const QPoint p : {cima->pos() + QPoint(4 - i, i), cima->pos() + QPoint(4 + i, i),
                               direita->pos() + QPoint(i, i), direita->pos() + QPoint(i, 8 - i)})
            EXPECT_EQ(ecra.pixel(p), kPreto) << p.x() << "," << p.y();
    EXPECT_EQ(form->janela().JanelaXmin, -10);
    EXPECT_DOUBLE_EQ(form->janela().TamPixelX, 21.6 / 493);
    EXPECT_EQ(QApplication::focusWidget(), controlo<QWidget>("Função1"));
}

TEST_F(Form1Test, DesenharTracaAParabolaAzul) {
    clicar("Desenhar");
    const QImage& im = imagem1();
    EXPECT_EQ(im.pixel(kOrigem, 337), kAzul);               // (0, -4)
    EXPECT_EQ(im.pixel(292, 292), kAzul);                   // (2, -2)
    EXPECT_EQ(contar(im, kAzul, QRect(406, 0, 1, 493)), 0); // x = 7 gives 20.5
    EXPECT_EQ(contar(im, kAzul, QRect(0, 0, 493, 9)), 0);   // nothing above y = 10
    EXPECT_GT(contar(im, kAzul), 200);
    EXPECT_TRUE(controlo<QWidget>("Picture1")->isVisible());
    EXPECT_FALSE(controlo<QWidget>("Picture3")->isVisible());
    EXPECT_FALSE(ponteiroOcupado(form));
    EXPECT_EQ(contar(form->areaTransformada().imagem(), kAzul), 0);
    EXPECT_TRUE(dialogos.mensagens.empty());
}

TEST_F(Form1Test, EixosApagaOsGraficos) {
    clicar("Desenhar");
    clicar("DesenharEixos");
    EXPECT_EQ(contar(imagem1(), kAzul), 0);
    EXPECT_EQ(imagem1().pixel(kColunaUm, kOrigem - 2), kPreto);
}

TEST_F(Form1Test, RadianosMarcasERotulosNasDuasAreas) {
    clicar("EixosRadGráfico");
    auto* botao = controlo<QAbstractButton>("EixosRadGráfico");
    EXPECT_EQ(botao->text(), QStringLiteral("Unidades"));
    EXPECT_EQ(botao->toolTip(), QStringLiteral("Graduar o eixo das abcissas em unidades."));
    EXPECT_TRUE(form->janela().EixoRadianos);
    for (const QImage* im : {&imagem1(), &form->areaTransformada().imagem()}) {
        EXPECT_EQ(im->pixel(kColunaMeioPi, kOrigem - 2), kPreto);
        EXPECT_EQ(im->pixel(kColunaUm, kOrigem - 2), kBranco);
        // The label "p/2" stands 6 pixels under the axis near π/2.
        EXPECT_GT(tinta(*im, QRect(kColunaMeioPi - 4, 252, 18, 12)), 0);
        EXPECT_EQ(im->pixel(kOrigem - 2, 223), kPreto); // y marks stay
    }
    // The label at 5π/2 reads " 5 π/2": it covers the pixels of that text printed alone at its
    // place (each redraw prints the labels of both areas, so their shades may differ).
    const Quadro& quadro = form->areaFuncao().persistente();
    const JanelaGrafica& j = form->janela();
    Quadro rotulo;
    rotulo.colocar(QRect(0, 0, 497, 497));
    rotulo.limpar();
    rotulo.escala(quadro.escalaX1(), quadro.escalaY1(), quadro.escalaX2(), quadro.escalaY2());
    rotulo.definirEstilo({QStringLiteral("symbol"), 8, false});
    const double x = 5 * 3.14159 / 2;
    rotulo.posicao(static_cast<float>(x - 6 * j.TamPixelX), static_cast<float>(-6 * j.TamPixelY));
    rotulo.imprimir(FormaImpressa(5) + QStringLiteral("p/2"));
    const QRect lugar(static_cast<int>(quadro.pixelX(x)) - 8, kOrigem + 5, 30, 14);
    const auto forma = [&](const QImage& imagem) {
        QImage pintados = imagem.copy(lugar);
        for (int y = 0; y < pintados.height(); ++y)
            for (int x = 0; x < pintados.width(); ++x)
                pintados.setPixel(x, y, pintados.pixel(x, y) == kBranco ? kBranco : kPreto);
        return pintados;
    };
    ASSERT_GT(tinta(rotulo.imagem(), lugar), 0);
    EXPECT_EQ(forma(imagem1()), forma(rotulo.imagem()));
    clicar("EixosRadGráfico");
    EXPECT_EQ(botao->text(), QStringLiteral("Radianos"));
    EXPECT_EQ(imagem1().pixel(kColunaUm, kOrigem - 2), kPreto);
    EXPECT_TRUE(dialogos.mensagens.empty());
}

TEST_F(Form1Test, LimitesDesordenadosSaoAvisadosDuasVezes) {
    escrever("Xmin", "-pi");
    escrever("Xmax", "pi");
    clicar("DesenharEixos");
    const QString aviso = QStringLiteral("O valor de Xmín deve ser menor que o de Xmáx.");
    EXPECT_EQ(dialogos.textos(), QStringList({aviso, aviso}));
    EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
    EXPECT_TRUE(tudoBranco(imagem1()));
    EXPECT_TRUE(controlo<QWidget>("Image3")->isVisible()); // arrowheads stay
    EXPECT_EQ(form->janela().JanelaXmin, 0);
}

struct CasoTabela {
    const char* controlo;
    const char* texto;
    const char* mensagem;
    bool comIcone;
    bool semEixos; ///< the failure comes before any axis is drawn
};

class TabelaMaTest : public Form1Test, public ::testing::WithParamInterface<CasoTabela> {};

TEST_P(TabelaMaTest, MensagemEEstado) {
    const auto& caso = GetParam();
    escrever(caso.controlo, caso.texto);
    clicar("DesenharEixos");
    ASSERT_EQ(dialogos.mensagens.size(), 2);
    EXPECT_EQ(dialogos.mensagens[0].texto, QString::fromUtf8(caso.mensagem));
    EXPECT_EQ(dialogos.mensagens[1].texto, QString::fromUtf8(caso.mensagem));
    EXPECT_EQ(dialogos.mensagens[0].icone,
              caso.comIcone ? Dialogos::Icone::Informacao : Dialogos::Icone::Nenhum);
    EXPECT_EQ(tudoBranco(imagem1()), caso.semEixos);
    EXPECT_FALSE(ponteiroOcupado(form));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, TabelaMaTest,
    ::testing::Values(
        CasoTabela{"Ymax", "", "É necessário colocar os valores de Xmín, Xmáx, Ymín e Ymáx.", true,
                   true},
        CasoTabela{"Ymin", "10", "O valor de Ymín deve ser menor que o de Ymáx.", true, true},
        CasoTabela{"Xmin", "abc", "Erro nos dados dos eixos:\r\n\r\nVariável não definida: abc",
                   false, true},
        CasoTabela{"Xmin", " ", "Erro nos dados dos eixos:\r\n\r\nÍndice fora do intervalo.", false,
                   true},
        CasoTabela{"PassoX", "", "Erro nos dados dos eixos:\r\n\r\nÍndice fora do intervalo.",
                   false, true},
        CasoTabela{"PassoX", "pi/2", "Erro nos dados dos eixos:\r\n\r\nTipo incompatível.", false,
                   false},
        CasoTabela{"Xmax", "1000000000000000000000000000000000000000",
                   "Erro nos dados dos eixos:\r\n\r\nCapacidade excedida.", false, true}));

TEST_F(Form1Test, PassoNaoNumericoParaDepoisDosEixos) {
    escrever("PassoX", "pi/2");
    clicar("DesenharEixos");
    EXPECT_EQ(imagem1().pixel(9, kOrigem), kPreto);
    EXPECT_FALSE(controlo<QWidget>("Image3")->isVisible());
    EXPECT_FALSE(controlo<QWidget>("Image2")->isVisible());
    EXPECT_EQ(imagem1().pixel(kOrigem - 2, 223), kBranco); // stopped before the y marks

    dialogos.mensagens.clear();
    controlo<QCheckBox>("MarcaX")->setChecked(false);
    clicar("DesenharEixos");
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_TRUE(controlo<QWidget>("Image3")->isVisible());
}

TEST_F(Form1Test, CadaEixoComOSeuPasso) {
    escrever("PassoY", "2");
    clicar("DesenharEixos");
    const Quadro& quadro = form->areaFuncao().persistente();
    const int linhaDois = static_cast<int>(quadro.pixelY(2));
    EXPECT_EQ(imagem1().pixel(kColunaUm, kOrigem - 2), kPreto); // x mark at 1
    EXPECT_EQ(imagem1().pixel(kOrigem - 2, 223), kBranco);      // no y mark at 1
    EXPECT_EQ(imagem1().pixel(kOrigem - 2, linhaDois), kPreto); // y mark at 2
    // The y numbers stand left of the axis, their tops 5 pixels above their values.
    const auto numeroY = [&](double v) {
        return QRect(kOrigem - 18, static_cast<int>(quadro.pixelY(v)) - 5, 16, 10);
    };
    EXPECT_EQ(tinta(imagem1(), numeroY(1)), 0);
    EXPECT_GT(tinta(imagem1(), numeroY(2)), 0);
    EXPECT_GT(tinta(imagem1(), QRect(kColunaUm - 8, 254, 16, 12)), 0); // x number at 1
}

// At the right end of the x axis, the last label has its mark and the name "x" keeps clear of
// it: below the axis when there is room, above it otherwise.
struct CasoFimDoEixo {
    const char* xmax;
    bool radianos;
    double ultimaMarca;
    bool nomeEmCima;
};

class FimDoEixoTest : public Form1Test, public ::testing::WithParamInterface<CasoFimDoEixo> {};

TEST_P(FimDoEixoTest, MarcaENomeSemColisao) {
    const auto& caso = GetParam();
    escrever("Xmin", "-2*pi");
    escrever("Xmax", caso.xmax);
    if (caso.radianos)
        clicar("EixosRadGráfico");
    else
        clicar("DesenharEixos");
    ASSERT_TRUE(dialogos.mensagens.empty());
    const Quadro& quadro = form->areaFuncao().persistente();
    const int coluna = static_cast<int>(quadro.pixelX(caso.ultimaMarca));
    EXPECT_EQ(imagem1().pixel(coluna, kOrigem - 2), kPreto);
    const int fimDoEixo =
        static_cast<int>(quadro.pixelX(form->janela().JanelaXmax)) + 5; // past the arrowhead
    const QRect acima(fimDoEixo, kOrigem - 18, 493 - fimDoEixo, 12);
    const QRect abaixo(fimDoEixo + 4, kOrigem + 5, 493 - fimDoEixo - 4, 12);
    EXPECT_EQ(tinta(imagem1(), acima) > 0, caso.nomeEmCima);
    EXPECT_GT(tinta(imagem1(), abaixo) + tinta(imagem1(), acima), 0);
}

INSTANTIATE_TEST_SUITE_P(Tabela, FimDoEixoTest,
                         ::testing::Values(CasoFimDoEixo{"2*pi", true, 6.28318, true},
                                           CasoFimDoEixo{"2*pi", false, 6, false}));

TEST_F(Form1Test, PassoZeroSaltaAGraduacao) {
    escrever("PassoX", "0");
    clicar("DesenharEixos");
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_EQ(imagem1().pixel(kColunaUm, kOrigem - 2), kBranco);
    EXPECT_EQ(imagem1().pixel(kOrigem - 2, 223), kPreto);
}

// Far from the origin a plot takes the samples of its window and ends: about 10 / 0.001 of
// them, each addition of 0.001 being rounded to the double nearest 1e12.
TEST_F(Form1Test, JanelaLongeDaOrigemAcabaDepressa) {
    escrever("Xmin", "1000000000000");
    escrever("Xmax", "1000000000010");
    escrever("PassoX", "0.1");
    clicar("DesenharEixos");
    EXPECT_TRUE(dialogos.mensagens.empty());
    clsEquation equacao;
    equacao.Equation("0");
    const ResultadoTracado resultado = PercorrerAmostras(
        equacao, form->janela(), PoliticaFalha::Parar, [](float, float) {}, [](long long) {});
    EXPECT_GE(resultado.amostras, 10000);
    EXPECT_LE(resultado.amostras, 10500);
}

struct CasoJanela {
    const char* xmin;
    const char* xmax;
    double JanelaXmin, JanelaXmax;
};

class JanelaAceiteTest : public Form1Test, public ::testing::WithParamInterface<CasoJanela> {};

// Decimals take a point whatever the desktop's settings (the suite also runs under pt_PT).
TEST_P(JanelaAceiteTest, DesenhaAJanelaPedida) {
    const auto& caso = GetParam();
    escrever("Xmin", caso.xmin);
    escrever("Xmax", caso.xmax);
    clicar("DesenharEixos");
    clicar("Desenhar");
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_NEAR(form->janela().JanelaXmin, caso.JanelaXmin, 1e-12);
    EXPECT_NEAR(form->janela().JanelaXmax, caso.JanelaXmax, 1e-12);
    EXPECT_GT(contar(imagem1(), kAzul), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, JanelaAceiteTest,
    ::testing::Values(CasoJanela{"-2*pi", "2*pi", -6.283185307179586, 6.283185307179586},
                      CasoJanela{"-0.5", "0.5", -0.5, 0.5}, CasoJanela{"-1.5", ".5", -1.5, 0.5}));

TEST_F(Form1Test, JanelaInvertidaPelasExpressoes) {
    // The leading numbers 5 < 6 pass the check; the evaluated window runs from 10 to 6.
    escrever("Xmin", "5*2");
    escrever("Xmax", "6");
    clicar("DesenharEixos");
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_EQ(form->janela().JanelaXmin, 10);
    EXPECT_EQ(form->janela().JanelaXmax, 6);
    const Quadro& quadro = form->areaFuncao().persistente();
    EXPECT_NEAR(quadro.escalaX1(), 9.84, 1e-12);
    EXPECT_NEAR(quadro.escalaX2(), 6.16, 1e-12);
    clicar("Desenhar");
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_EQ(contar(imagem1(), kAzul), 0);
}

// Blanks, or only "y =", are no expression either.
TEST_F(Form1Test, ExpressaoVaziaAvisaSemIcone) {
    for (const char* vazia : {"", "   ", "y ="}) {
        escrever("Função1", vazia);
        clicar("Desenhar");
        EXPECT_EQ(dialogos.textos(),
                  QStringList({QStringLiteral("Deve escrever a expressão analítica da função que "
                                              "pretende representar graficamente.")}));
        EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Nenhum);
        EXPECT_FALSE(dialogos.mensagens[0].ponteiroOcupado);
        EXPECT_FALSE(ponteiroOcupado(form));
        EXPECT_TRUE(controlo<QWidget>("Picture1")->isVisible());
        dialogos.mensagens.clear();
    }
}

struct CasoExpressao {
    const char* expressao;
    const char* xmin;
    const char* descricao;
};

class ExpressaoMaTest : public Form1Test, public ::testing::WithParamInterface<CasoExpressao> {};

TEST_P(ExpressaoMaTest, MensagemComADescricao) {
    const auto& caso = GetParam();
    escrever("Xmin", caso.xmin);
    clicar("DesenharEixos");
    escrever("Função1", caso.expressao);
    bool vistoOGrafico = false;
    olhar.aoAbrir = [&] {
        vistoOGrafico = controlo<QWidget>("Picture1")->isVisible() &&
                        !controlo<QWidget>("Picture3")->isVisible();
    };
    clicar("Desenhar");
    EXPECT_TRUE(vistoOGrafico); // the box stands over the graph, not over the empty overlay
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_EQ(dialogos.mensagens[0].texto, kFuncao + QString::fromUtf8(caso.descricao));
    EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
    EXPECT_FALSE(dialogos.mensagens[0].ponteiroOcupado);
    EXPECT_EQ(contar(imagem1(), kAzul), 0);
    EXPECT_TRUE(controlo<QWidget>("Picture1")->isVisible());
    EXPECT_FALSE(controlo<QWidget>("Picture3")->isVisible());
    EXPECT_FALSE(ponteiroOcupado(form));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, ExpressaoMaTest,
    ::testing::Values(CasoExpressao{"y", "-10", "Variável não definida: y"},
                      CasoExpressao{"foo(x)", "-10", "Função não definida: foo()"},
                      CasoExpressao{"(x", "-10", "Número de parênteses incorrecto."},
                      CasoExpressao{"1/x", "0", "Divisão por zero."},
                      CasoExpressao{"x2+1", "-10", "Escreva x^2 em vez de x2."},
                      CasoExpressao{"e^2x", "-10", "Escreva e^(2x) ou e^2*x em vez de e^2x."}));

TEST_F(Form1Test, FalhaAMeioDeixaOsPontosAnteriores) {
    escrever("Função1", "1/(x-abs(x))");
    clicar("Desenhar");
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_EQ(dialogos.mensagens[0].texto, kFuncao + QStringLiteral("Divisão por zero."));
    EXPECT_GT(contar(imagem1(), kAzul, QRect(0, 0, 246, 493)), 20);
    EXPECT_EQ(contar(imagem1(), kAzul, QRect(247, 0, 246, 493)), 0);
}

struct CasoIndefinida {
    const char* expressao;
    const char* ymax;
};

class IndefinidaTest : public Form1Test, public ::testing::WithParamInterface<CasoIndefinida> {};

// Where f is undefined nothing is drawn, whatever the marker 1000 turned into: no row at
// sin(1000), no line y = x from the kept base of (-8)^(1/3), no row at 1000 itself.
TEST_P(IndefinidaTest, NadaParaXNegativoACurvaParaXPositivo) {
    escrever("Função1", GetParam().expressao);
    escrever("Ymax", GetParam().ymax);
    clicar("DesenharEixos");
    clicar("Desenhar");
    EXPECT_TRUE(dialogos.mensagens.empty());
    const int origem = static_cast<int>(form->areaFuncao().persistente().pixelX(0));
    EXPECT_EQ(contar(imagem1(), kAzul, QRect(0, 0, origem - 1, 493)), 0);
    EXPECT_GT(contar(imagem1(), kAzul, QRect(origem + 1, 0, 492 - origem, 493)), 20);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, IndefinidaTest,
    ::testing::Values(CasoIndefinida{"sqr(x)", "10"}, CasoIndefinida{"sqr(x)", "1200"},
                      CasoIndefinida{"sen(sqr(x))", "10"}, CasoIndefinida{"x^(1/3)", "10"},
                      CasoIndefinida{"1/sqr(x)", "10"}, CasoIndefinida{"ln(x)+5", "10"}));

// Only the first showing sets the board up: coming back from a help window keeps both graphs,
// the colours and the marks, as coming back from one of the window's own dialogs does.
TEST_F(Form1Test, VoltarDeOutraJanelaGuardaOQuadro) {
    QSignalSpy activacoes(form, &Form1::activada);
    clicar("Desenhar");
    form->grupoTransformacoes()->opcao(3)->click();
    form->definirCorGraficoFuncao(QColor(255, 0, 0));
    const QImage funcao = imagem1();
    const QImage transformada = form->areaTransformada().imagem();
    ASSERT_GT(contar(transformada, kAzul), 100);

    QDialog dialogo(form);
    dialogo.show();
    activar(&dialogo);
    dialogo.close();
    activar(form);
    QWidget ajuda;
    ajuda.show();
    activar(&ajuda);
    activar(form);

    EXPECT_EQ(activacoes.count(), 0);
    EXPECT_EQ(imagem1(), funcao);
    EXPECT_EQ(form->areaTransformada().imagem(), transformada);
    EXPECT_EQ(form->corGraficoFuncao(), QColor(255, 0, 0));
    EXPECT_TRUE(form->grupoTransformacoes()->opcao(3)->isChecked());
}

TEST_F(Form1Test, EnterEmFuncao1Desenha) {
    escrever("Função1", "x");
    QTest::keyClick(controlo<QLineEdit>("Função1"), Qt::Key_Return);
    EXPECT_EQ(imagem1().pixel(kColunaUm, 223), kAzul); // (1, 1)
    EXPECT_TRUE(dialogos.mensagens.empty());
}

} // namespace

namespace {

// CTest runs this once more at QT_SCALE_FACTOR 1.25, 1.5 and 2: the layout stays in pixels of
// the window, the copied and saved picture keeps its size, and the screen shows the picture
// drawn at the device's density, texts included, rather than the picture enlarged.
TEST_F(Form1Test, EcraDensoDesenhaNaDensidadeDoEcra) {
    const double escala =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1;
    clicar("Desenhar");
    const Quadro& quadro = form->areaFuncao().persistente();
    ASSERT_DOUBLE_EQ(quadro.devicePixelRatioF(), escala);
    EXPECT_EQ(form->areaCliente()->size(), QSize(1016, 714));
    EXPECT_EQ(quadro.geometry(), QRect(4, 140, 497, 497));
    EXPECT_EQ(imagem1().size(), QSize(493, 493));
    EXPECT_EQ(imagem1().pixel(kOrigem, 337), kAzul);

    const QImage& ecra = quadro.imagemNoEcra();
    const int lado = static_cast<int>(std::ceil(493 * escala));
    EXPECT_EQ(ecra.size(), QSize(lado, lado));
    // The point at (2, -2) is a round dot at its exact place on the device.
    const QPointF exacto = (quadro.modeloParaEcra({quadro.pixelX(2), quadro.pixelY(-2)}) -
                            quadro.interiorNoEcra().topLeft()) *
                           escala;
    const QRgb centro = ecra.pixel(static_cast<int>(exacto.x()), static_cast<int>(exacto.y()));
    EXPECT_EQ(qBlue(centro), 255);
    EXPECT_LT(qRed(centro), 128);
    const QImage ampliada =
        imagem1().scaled(ecra.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRect numero(static_cast<int>((kColunaUm - 8) * escala), static_cast<int>(254 * escala),
                       static_cast<int>(16 * escala), static_cast<int>(12 * escala));
    EXPECT_GT(tinta(ecra, numero), 0);
    EXPECT_EQ(ecra.copy(numero) == ampliada.copy(numero), escala == 1);
}

} // namespace

namespace {

// The pointer resting over a graph: the abscissa, and the value of the curve drawn last there.
struct CasoLeitura {
    const char* funcao;
    bool transformada; ///< over the transform area, after "- f(x)"
    double x;
    const char* esperado; ///< with "," for the locale's decimal point
    const char* ymin = "-10";
    const char* ymax = "10";
    bool eixosDepois = false; ///< the axes drawn again after the curve
    double escala = 1;        ///< of the window's layout
};

class LeituraTest : public Form1Test, public ::testing::WithParamInterface<CasoLeitura> {};

TEST_P(LeituraTest, MostraOValorSemEntrarNaImagem) {
    const auto& caso = GetParam();
    escrever("Função1", caso.funcao);
    escrever("Ymin", caso.ymin);
    escrever("Ymax", caso.ymax);
    clicar("DesenharEixos");
    clicar("Desenhar");
    if (caso.transformada)
        form->grupoTransformacoes()->executar(3);
    if (caso.eixosDepois)
        clicar("DesenharEixos");
    const int barra = form->height() - form->areaCliente()->height();
    form->resize(QSize(1016, 714 + barra) * caso.escala);
    AreaGrafica& area = caso.transformada ? form->areaTransformada() : form->areaFuncao();
    Quadro& quadro = area.persistente();
    ASSERT_DOUBLE_EQ(quadro.escalaEcra(), caso.escala);
    const QImage antes = area.imagem();
    // The pointer over the point of the curve in the column that holds x (over row 198 where
    // the column has none), wherever the screen shows that point.
    const int coluna = static_cast<int>(quadro.pixelX(caso.x));
    int linha = 198;
    for (int y = antes.height() - 1; y >= 0; --y)
        if (antes.pixel(coluna, y) == kAzul)
            linha = y;
    const QPointF ponto = quadro.modeloParaEcra({quadro.pixelX(caso.x), linha + 0.5});
    QMouseEvent movimento(QEvent::MouseMove, ponto, quadro.mapToGlobal(ponto), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&quadro, &movimento);

    QString esperado = QString::fromUtf8(caso.esperado);
    esperado.replace(QLatin1Char(','), QLocale::system().decimalPoint());
    EXPECT_EQ(area.camadaPassageira().leitura(), esperado);
    EXPECT_EQ(quadro.accessibleDescription(), esperado);
    // It stands over the inside of the picture as the screen shows it, its text as much larger.
    EXPECT_EQ(area.camadaPassageira().geometry(), quadro.interiorNoEcra().toRect());
    EXPECT_DOUBLE_EQ(area.camadaPassageira().font().pointSizeF(),
                     QApplication::font().pointSizeF() * caso.escala);
    // Its box holds the whole text.
    const double densidade = area.camadaPassageira().devicePixelRatioF();
    EXPECT_GE(caixaSobre(area.camadaPassageira()).width() / densidade,
              QFontMetrics(area.camadaPassageira().font()).horizontalAdvance(esperado));
    EXPECT_EQ(area.imagem(), antes); // never in what is copied or saved

    QEvent saida(QEvent::Leave);
    QCoreApplication::sendEvent(&quadro, &saida);
    EXPECT_TRUE(area.camadaPassageira().leitura().isEmpty());
    EXPECT_EQ(quadro.accessibleDescription(), area.camadaPassageira().nota());
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, LeituraTest,
    ::testing::Values(
        CasoLeitura{"1/2x^2-4", false, 2, "x = 2,02   f(x) = -1,96"},
        CasoLeitura{"1/2x^2-4", true, 2, "x = 2,02   - f(x) = 1,96"},
        CasoLeitura{"sqr(x)", false, -3, "x = -2,98   f(x) = não definida"},
        CasoLeitura{"", false, 1, "x = 1,01"},
        CasoLeitura{"0,5x^2", false, 2, "x = 2,02   f(x) = 2,04"},
        // a pixel is 0.04 wide and 0.0004 high: f(x) to the height of a pixel
        CasoLeitura{"1/2x^2-4", false, 2, "x = 2,02   f(x) = -1,9598", "-0.1", "0.1"},
        // the axes drawn again take the curves away, and their names
        CasoLeitura{"1/2x^2-4", false, 2, "x = 2,02", "-10", "10", true},
        // the window twice as large reads the same under the same point
        CasoLeitura{"1/2x^2-4", false, 2, "x = 2,02   f(x) = -1,96", "-10", "10", false, 2},
        CasoLeitura{"1/2x^2-4", true, 2, "x = 2,02   - f(x) = 1,96", "-10", "10", false, 2}));

// Where the pointer rests: over the pixel (coluna, linha) of the function's picture.
QString lerSobre(Form1& form, QPointF pixel) {
    Quadro& quadro = form.areaFuncao().persistente();
    const QPointF ponto = quadro.modeloParaEcra(pixel);
    QMouseEvent movimento(QEvent::MouseMove, ponto, quadro.mapToGlobal(ponto), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&quadro, &movimento);
    return form.areaFuncao().camadaPassageira().leitura();
}

// Only the inside of the picture is read, its first and last pixels included; not its border.
TEST_F(Form1Test, LeituraSoDentroDaImagem) {
    const struct {
        double coluna, linha;
        bool lida;
    } casos[] = {{0.5, 0.5, true},      {492.5, 492.5, true}, {493.5, 200.5, false},
                 {200.5, 493.5, false}, {-0.5, 200.5, false}, {200.5, -0.5, false}};
    for (const auto& caso : casos)
        EXPECT_EQ(lerSobre(*form, {caso.coluna, caso.linha}).isEmpty(), !caso.lida)
            << caso.coluna << ", " << caso.linha;
}

// The readout stands below and right of the pointer, clear of its arrow; near the right or the
// bottom edge it goes to the other side, always whole inside the picture.
TEST_F(Form1Test, LeituraJuntoAoPonteiroEDentroDaImagem) {
    clicar("Desenhar");
    const Quadro& quadro = form->areaFuncao().persistente();
    CamadaPassageira& camada = form->areaFuncao().camadaPassageira();
    const struct {
        double coluna, linha;
        bool aDireita, abaixo;
    } casos[] = {{100.5, 100.5, true, true},
                 {470.5, 100.5, false, true},
                 {100.5, 485.5, true, false},
                 {490.5, 490.5, false, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.coluna);
        SCOPED_TRACE(caso.linha);
        ASSERT_FALSE(lerSobre(*form, {caso.coluna, caso.linha}).isEmpty());
        const QRect caixa = caixaSobre(camada);
        const QPointF ponteiro =
            quadro.modeloParaEcra({caso.coluna, caso.linha}) - quadro.interiorNoEcra().topLeft();
        ASSERT_FALSE(caixa.isEmpty());
        EXPECT_TRUE(QRect(QPoint(), camada.size()).contains(caixa));
        // Wholly on one side of the pointer's tip, and clear of its arrow, some 12 by 16 pixels.
        if (caso.aDireita)
            EXPECT_GT(caixa.left(), ponteiro.x());
        else
            EXPECT_LT(caixa.right(), ponteiro.x());
        if (caso.abaixo)
            EXPECT_GT(caixa.top(), ponteiro.y());
        else
            EXPECT_LT(caixa.bottom(), ponteiro.y());
        EXPECT_FALSE(caixa.intersects(QRectF(ponteiro, QSizeF(12, 16)).toRect()));
    }
}

// The readout follows what is redrawn under a pointer at rest, and goes with the picture.
TEST_F(Form1Test, LeituraSegueORedesenhoSemMoverOPonteiro) {
    const Quadro& quadro = form->areaFuncao().persistente();
    const auto local = [](const char* texto) {
        return QString::fromUtf8(texto).replace(QLatin1Char(','), QLocale::system().decimalPoint());
    };
    clicar("Desenhar");
    EXPECT_EQ(lerSobre(*form, {quadro.pixelX(2), 100.5}), local("x = 2,02   f(x) = -1,96"));
    auto* eixos = controlo<QAbstractButton>("DesenharEixos");
    eixos->setFocus();
    QTest::keyClick(eixos, Qt::Key_Space); // fresh axes, without the curve
    EXPECT_EQ(form->areaFuncao().camadaPassageira().leitura(), local("x = 2,02"));
    form->hide();
    EXPECT_TRUE(form->areaFuncao().camadaPassageira().leitura().isEmpty());
    EXPECT_TRUE(quadro.accessibleDescription().isEmpty());
}

} // namespace

namespace {

// What a class types or does, through the main window: either the graph is drawn, or a box says
// why, or a note over the area says why it is empty. Never nothing at all.
struct CasoSilencioso {
    const char* nome;
    const char* funcao = "1/2x^2-4";
    int opcao = 0; ///< 0: "Desenhar"; else the transformation chosen
    const char* a = "2";
    const char* b = "2";
    const char* xmin = "-10";
    const char* xmax = "10";
    const char* caixa = "";          ///< the lead-in of the box expected, if any
    const char* descricao = nullptr; ///< after the lead-in; null: the refusal of the typed text
    const char* nota = "";           ///< the note expected over the area, if any
    double x = NAN, y = NAN;         ///< a point of the graph drawn, if any
    const char* aDepois = nullptr;   ///< the text of a afterwards, when it matters
};

class SilencioTest : public Form1Test, public ::testing::WithParamInterface<CasoSilencioso> {
protected:
    // The refusal of the text the box is about, as PrepararTexto words it.
    QString recusa(const CasoSilencioso& caso) const {
        const QString caixa = QString::fromUtf8(caso.caixa);
        const char* escrito = caixa.contains(QStringLiteral("de a"))   ? caso.a
                              : caixa.contains(QStringLiteral("de b")) ? caso.b
                                                                       : caso.funcao;
        const QString erro = PrepararTexto(QString::fromUtf8(escrito)).erro;
        EXPECT_FALSE(erro.isEmpty()) << escrito;
        return erro;
    }
};

TEST_P(SilencioTest, DesenhaAvisaOuDizPorque) {
    const CasoSilencioso& caso = GetParam();
    escrever("Função1", caso.funcao);
    escrever("ValorDeA", caso.a);
    escrever("ValorDeB", caso.b);
    escrever("Xmin", caso.xmin);
    escrever("Xmax", caso.xmax);
    clicar("DesenharEixos");
    const bool tabelaRecusada = !dialogos.mensagens.empty();
    dialogos.mensagens.clear();
    if (caso.opcao == 0)
        clicar("Desenhar");
    else
        form->grupoTransformacoes()->opcao(caso.opcao)->click();

    AreaGrafica& area = caso.opcao == 0 ? form->areaFuncao() : form->areaTransformada();
    const int azuis = contar(area.imagem(), kAzul);
    if (*caso.caixa) {
        ASSERT_EQ(dialogos.mensagens.size(), 1);
        const QString descricao = caso.descricao ? QString::fromUtf8(caso.descricao) : recusa(caso);
        EXPECT_EQ(dialogos.mensagens[0].texto,
                  QString::fromUtf8(caso.caixa) + QStringLiteral("\r\n\r\n") + descricao);
        EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Informacao);
        EXPECT_EQ(azuis, 0);
    } else {
        EXPECT_TRUE(dialogos.mensagens.empty()) << dialogos.textos().join(u'|').toStdString();
    }
    EXPECT_EQ(area.camadaPassageira().nota(), QString::fromUtf8(caso.nota));
    EXPECT_EQ(area.persistente().accessibleDescription(), QString::fromUtf8(caso.nota));
    if (*caso.nota) {
        EXPECT_EQ(azuis, 0);
    }
    EXPECT_EQ(tabelaRecusada,
              caso.nota == std::string_view("A tabela dos eixos não foi aceite: corrija-a e "
                                            "carregue em Eixos."));
    if (!std::isnan(caso.x)) {
        const Quadro& quadro = area.persistente();
        const QRect perto(static_cast<int>(quadro.pixelX(caso.x)) - 1,
                          static_cast<int>(quadro.pixelY(caso.y)) - 1, 3, 3);
        EXPECT_GT(contar(area.imagem(), kAzul, perto), 0);
    }
    if (caso.aDepois) {
        EXPECT_EQ(controlo<QLineEdit>("ValorDeA")->text(), QString::fromUtf8(caso.aDepois));
    }
}

// The note is the area's while shown, kept out of the picture, and goes at the next action on
// that area: a copy, a click on the area, another plot.
TEST_F(Form1Test, NotaSaiNaAccaoSeguinteSemEntrarNaImagem) {
    const QImage antes = imagem1();
    const CamadaPassageira& camada = form->areaFuncao().camadaPassageira();
    escrever("Função1", "x+100");
    clicar("Desenhar");
    ASSERT_FALSE(camada.nota().isEmpty());
    EXPECT_EQ(imagem1(), antes);
    // In the top-left corner, clear of the y axis and of its numbers 18 pixels to its left.
    const QRect caixa = caixaSobre(form->areaFuncao().camadaPassageira());
    ASSERT_FALSE(caixa.isEmpty());
    EXPECT_LT(caixa.right(), kOrigem - 18);
    EXPECT_LT(caixa.bottom(), kOrigem - 18);
    EXPECT_LT(caixa.left(), 20);
    EXPECT_LT(caixa.top(), 20);
    clicar("CopiarFunção");
    EXPECT_TRUE(camada.nota().isEmpty());
    clicar("Desenhar");
    QTest::mouseClick(&form->areaFuncao().persistente(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(camada.nota().isEmpty());
    clicar("Desenhar");
    escrever("Função1", "x");
    clicar("Desenhar");
    EXPECT_TRUE(camada.nota().isEmpty());
    EXPECT_TRUE(form->areaFuncao().persistente().accessibleDescription().isEmpty());
    EXPECT_TRUE(form->areaTransformada().camadaPassageira().nota().isEmpty());
}

const char* const kErroFuncao = "Erro na expressão analítica da função:";
const char* const kSemPontos = "Nenhum ponto do gráfico está entre Ymín e Ymáx.";

const CasoSilencioso kSilencios[] = {
    {.nome = "VirgulaDecimal", .funcao = "0,5x^2", .x = 2, .y = 2},
    {.nome = "Barras", .funcao = "|x|-3", .x = -4, .y = 1},
    {.nome = "BarrasDentroDeBarras", .funcao = "||x|-2|", .x = -2, .y = 0},
    {.nome = "AComVirgula", .opcao = 9, .a = "0,5", .x = 0, .y = -2, .aDepois = "0.5"},
    {.nome = "JanelaComVirgulas",
     .funcao = "x",
     .xmin = "-2,5",
     .xmax = "2,5",
     .x = -2.45,
     .y = -2.45},
    {.nome = "OperadorNoFim", .funcao = "2x+", .caixa = kErroFuncao},
    {.nome = "SinalNoInicio", .funcao = "+x^2", .caixa = kErroFuncao},
    {.nome = "BarraSemPar", .funcao = "|x", .caixa = kErroFuncao},
    {.nome = "FuncaoRecusadaNaTransformacao", .funcao = "3*", .opcao = 3, .caixa = kErroFuncao},
    {.nome = "AQueNaoSeAvalia",
     .opcao = 9,
     .a = "abc",
     .caixa = "Erro no valor de a:",
     .descricao = "Variável não definida: abc",
     .aDepois = "abc"},
    {.nome = "AIncompleto", .opcao = 6, .a = "2+", .caixa = "Erro no valor de a:"},
    {.nome = "BQueNaoSeAvalia",
     .opcao = 8,
     .b = "x",
     .caixa = "Erro no valor de b:",
     .descricao = "Variável não definida: x"},
    {.nome = "ASemValor",
     .opcao = 5,
     .a = "sqr(-1)",
     .caixa = "Erro no valor de a:",
     .descricao = "Valor não definido."},
    {.nome = "TransformadaDeUmaFuncaoIlegivel",
     .funcao = "sen(x",
     .opcao = 3,
     .caixa = kErroFuncao,
     .descricao = "Número de parênteses incorrecto."},
    {.nome = "ExpDeXMaisB", .funcao = "exp(x)", .opcao = 8, .b = "1", .x = 0, .y = 2.718},
    {.nome = "ForaDaJanela", .funcao = "x+100", .nota = kSemPontos},
    {.nome = "TransformadaForaDaJanela", .funcao = "x", .opcao = 5, .a = "50", .nota = kSemPontos},
    {.nome = "DefinidaEmLadoNenhum",
     .funcao = "sqr(x)",
     .xmax = "-1",
     .nota = "A função não está definida em nenhum ponto entre Xmín e Xmáx."},
    {.nome = "TabelaRecusada",
     .xmin = "5",
     .xmax = "1",
     .nota = "A tabela dos eixos não foi aceite: corrija-a e carregue em Eixos."},
    {.nome = "TransformadaComTabelaRecusada",
     .opcao = 3,
     .xmin = "-pi",
     .xmax = "pi",
     .nota = "A tabela dos eixos não foi aceite: corrija-a e carregue em Eixos."},
    {.nome = "IndefinidaEmParteDesenhaOResto", .funcao = "ln(x)", .x = 1, .y = 0},
    // defined at x = 0 alone: one point is a graph, not an empty one
    {.nome = "UmSoPonto", .funcao = "sqr(x)+sqr(-x)", .xmin = "0", .x = 0, .y = 0},
    // the leading numbers 5 < 6 pass the check; the window evaluated runs from 10 back to 6
    {.nome = "JanelaQueCorreAoContrario",
     .funcao = "x",
     .xmin = "5*2",
     .xmax = "6",
     .nota = "Não há abcissas entre Xmín e Xmáx: Xmín é maior do que Xmáx."},
    {.nome = "TransformadaNumaJanelaAoContrario",
     .opcao = 3,
     .xmin = "5*2",
     .xmax = "6",
     .nota = "Não há abcissas entre Xmín e Xmáx: Xmín é maior do que Xmáx."},
};
INSTANTIATE_TEST_SUITE_P(Turma, SilencioTest, ::testing::ValuesIn(kSilencios),
                         [](const auto& info) { return std::string(info.param.nome); });

} // namespace

namespace {

// Comparing transformations as a teacher does: f in grey under the transforms, every curve
// named with its parameters, and a transform taken as the next f.
struct ComparacaoTest : Form1Test {
    const QRgb kCinzento = qRgb(170, 170, 170);

    QAction* comando(const char* nome) const {
        QAction* accao = form->findChild<QAction*>(QString::fromUtf8(nome));
        EXPECT_NE(accao, nullptr) << nome;
        return accao;
    }
    const QImage& imagem2() const { return form->areaTransformada().imagem(); }
    QString lerEm(double x, double y) const {
        Quadro& quadro = form->areaTransformada().persistente();
        const QPointF ponto = quadro.modeloParaEcra({quadro.pixelX(x), quadro.pixelY(y)});
        QMouseEvent movimento(QEvent::MouseMove, ponto, quadro.mapToGlobal(ponto), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&quadro, &movimento);
        return form->areaTransformada().camadaPassageira().leitura();
    }
    static QString noLocal(const char* texto) {
        return QString::fromUtf8(texto).replace(QLatin1Char(','), QLocale::system().decimalPoint());
    }
};

TEST_F(ComparacaoTest, FACinzentoPorBaixoVaiSemTocarNasTransformadas) {
    ASSERT_TRUE(comando("MostrarF"));
    EXPECT_FALSE(comando("MostrarF")->isChecked());
    const Quadro& quadro = form->areaTransformada().persistente();
    const auto pixel = [&](const QImage& imagem, double x, double y) {
        return imagem.pixel(static_cast<int>(quadro.pixelX(x)), static_cast<int>(quadro.pixelY(y)));
    };
    clicar("Desenhar");
    form->grupoTransformacoes()->executar(3); // - f(x)
    const QImage so = imagem2().copy();
    comando("MostrarF")->trigger();
    const QImage com = imagem2().copy();
    EXPECT_EQ(pixel(com, 2, -2), kCinzento); // f(2), where - f(x) is not
    EXPECT_EQ(pixel(com, 2, 2), kAzul);      // - f(2) stays on top
    for (int y = 0; y < so.height(); ++y)
        for (int x = 0; x < so.width(); ++x) {
            if (com.pixel(x, y) != kCinzento) {
                ASSERT_EQ(com.pixel(x, y), so.pixel(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(contar(com, kCinzento), contar(so, kCinzento) + 200);
    // The copy is the area as it shows, and the screen shows what is copied.
    EXPECT_EQ(quadro.imagemNoEcra(), com);
    comando("MostrarF")->trigger();
    EXPECT_EQ(imagem2(), so); // switched off: the transforms exactly as they were

    comando("MostrarF")->trigger();
    clicar("DesenharEixos"); // the transforms go; f comes back under the fresh axes
    EXPECT_EQ(contar(imagem2(), kAzul), 0);
    EXPECT_EQ(pixel(imagem2(), 2, -2), kCinzento);
    escrever("Função1", "x");
    clicar("Desenhar"); // f follows the new plot
    EXPECT_EQ(pixel(imagem2(), 2, 2), kCinzento);
    EXPECT_NE(pixel(imagem2(), 2, -2), kCinzento);

    escrever("Ymax", "");
    clicar("DesenharEixos"); // refused: no window, so no f either
    EXPECT_EQ(dialogos.mensagens.size(), 2);
    EXPECT_EQ(contar(imagem2(), kCinzento), 0);
}

// On a screen of another scale f shows in grey under the transforms exactly as it shows, drawn
// in that grey, in its own area: dots as fine, at the same places.
TEST_F(ComparacaoTest, FACinzentoNoEcraComoOGraficoDeF) {
    const int barra = form->height() - form->areaCliente()->height();
    form->resize(2032, 1428 + barra);
    form->definirCorGraficoFuncao(QColor(kCinzento));
    clicar("Desenhar");
    comando("MostrarF")->trigger();
    const Quadro& f = form->areaFuncao().persistente();
    const Quadro& t = form->areaTransformada().persistente();
    ASSERT_DOUBLE_EQ(t.escalaEcra(), 2);
    // A stretch of the parabola far from the axes and their numbers, on the device's pixels.
    const QRect trecho =
        QRect(QPoint(static_cast<int>(f.pixelX(4.3)), static_cast<int>(f.pixelY(9.5))),
              QPoint(static_cast<int>(f.pixelX(5.9)), static_cast<int>(f.pixelY(5.5))));
    const QRect noEcra(trecho.topLeft() * 2 * f.devicePixelRatioF(),
                       trecho.size() * 2 * f.devicePixelRatioF());
    const QImage deF = f.imagemNoEcra().copy(noEcra);
    ASSERT_LT(contar(deF, kBranco, deF.rect()), deF.width() * deF.height()); // the curve
    EXPECT_EQ(t.imagemNoEcra().copy(noEcra), deF);
}

TEST_F(ComparacaoTest, ALeituraNomeiaACurvaMaisProximaComOsSeusParametros) {
    escrever("Função1", "x^2");
    clicar("Desenhar");
    escrever("ValorDeA", "2");
    form->grupoTransformacoes()->executar(9); // a.f(x)
    escrever("ValorDeA", "0,5");
    form->grupoTransformacoes()->executar(9);
    EXPECT_EQ(lerEm(2, 8), noLocal("x = 2,02   a.f(x) = 8,16   (a = 2)"));
    EXPECT_EQ(lerEm(2, 2), noLocal("x = 2,02   a.f(x) = 2,04   (a = 0,5)"));
    // Away from every curve, the one drawn last.
    EXPECT_EQ(lerEm(2, -8), noLocal("x = 2,02   a.f(x) = 2,04   (a = 0,5)"));
    comando("MostrarF")->trigger();
    EXPECT_EQ(lerEm(2, 4), noLocal("x = 2,02   f(x) = 4,08"));
    EXPECT_EQ(form->areaTransformada().persistente().accessibleDescription(),
              noLocal("x = 2,02   f(x) = 4,08"));
    // Curves that coincide with f: the one drawn last lies on top and is named.
    form->grupoTransformacoes()->executar(2); // f(|x|)
    form->grupoTransformacoes()->executar(4); // f(-x)
    EXPECT_EQ(lerEm(2, 4), noLocal("x = 2,02   f(-x) = 4,08"));
}

// A curve is named within 8 pixels up or down of the pointer's row, the one drawn last beyond.
TEST_F(ComparacaoTest, ALeituraNomeiaACurvaAAteOitoPixeis) {
    escrever("Função1", "x^2");
    clicar("Desenhar");
    escrever("ValorDeA", "2");
    form->grupoTransformacoes()->executar(9);
    escrever("ValorDeA", "0,5");
    form->grupoTransformacoes()->executar(9);
    const Quadro& quadro = form->areaTransformada().persistente();
    const double valor = quadro.pixelY(2 * 2.02 * 2.02); // a = 2 under the pointer, at x = 2,02
    for (int linha = static_cast<int>(valor) - 10; linha <= static_cast<int>(valor) + 10; ++linha) {
        const bool perto = std::abs(linha + 0.5 - valor) <= 8;
        EXPECT_EQ(lerEm(2, quadro.deLinha(linha + 0.5)),
                  noLocal(perto ? "x = 2,02   a.f(x) = 8,16   (a = 2)"
                                : "x = 2,02   a.f(x) = 2,04   (a = 0,5)"))
            << linha - valor;
    }
}

// A preview is read as a curve while it shows, and no longer once it is gone.
TEST_F(ComparacaoTest, ALeituraSegueAPrevisao) {
    escrever("Função1", "x^2");
    clicar("Desenhar");
    form->grupoTransformacoes()->opcao(9)->click(); // a.f(x), a = 2
    QTest::keyClick(controlo<QLineEdit>("ValorDeA"), Qt::Key_Down);
    QCoreApplication::processEvents();
    ASSERT_TRUE(form->areaTransformada().camadaPassageira().temPontos());
    EXPECT_EQ(lerEm(2, 7.75), noLocal("x = 2,02   a.f(x) = 7,75   (a = 1,9)"));
    form->grupoTransformacoes()->reset();
    EXPECT_EQ(lerEm(2, 7.75), noLocal("x = 2,02   a.f(x) = 8,16   (a = 2)"));
}

// A parameter typed as an expression: its box shows the number from its start, and the curve
// is named with what was typed, while the box holds that number.
TEST_F(ComparacaoTest, ParametrosEscritosComoExpressoesFicamComoForamEscritos) {
    escrever("Função1", "x^2");
    clicar("Desenhar");
    escrever("ValorDeA", "-1/3");
    escrever("ValorDeB", "pi/15");
    form->grupoTransformacoes()->executar(7); // a+f(x+b)
    auto* a = form->findChild<QLineEdit*>(QStringLiteral("ValorDeA"));
    EXPECT_EQ(a->text(), QStringLiteral("-0.333333333333333"));
    EXPECT_EQ(a->cursorPosition(), 0);
    const double b = 3.14159265358979 / 15;
    EXPECT_TRUE(
        lerEm(2, -1.0 / 3 + (2 + b) * (2 + b)).endsWith(QStringLiteral("(a = -1/3; b = pi/15)")));
    form->grupoTransformacoes()->executar(8); // f(x+b): b is read again from its number
    EXPECT_TRUE(lerEm(2, (2 + b) * (2 + b)).endsWith(QStringLiteral("(b = pi/15)")));
    escrever("ValorDeA", "0,5");
    form->grupoTransformacoes()->executar(7);
    EXPECT_TRUE(lerEm(1, 0.5 + (1 + b) * (1 + b)).endsWith(noLocal("(a = 0,5; b = pi/15)")));
}

TEST_F(ComparacaoTest, TransformacoesEmSequencia) {
    QAction* usar = comando("UsarTransformadaComoF");
    ASSERT_TRUE(usar);
    EXPECT_FALSE(usar->isEnabled());
    escrever("Função1", "x^2");
    clicar("Desenhar");
    const auto escolher = [&](int numero, const char* campo, const char* valor) {
        escrever(campo, valor);
        form->grupoTransformacoes()->opcao(numero)->click();
        ASSERT_TRUE(usar->isEnabled());
        usar->trigger();
        for (int n = 1; n <= 10; ++n)
            EXPECT_FALSE(form->grupoTransformacoes()->opcao(n)->isChecked()) << n;
    };
    escolher(8, "ValorDeB", "-1"); // f(x+b)
    escolher(9, "ValorDeA", "2");  // a.f(x)
    escolher(5, "ValorDeA", "3");  // a + f(x)
    EXPECT_EQ(form->funcao1()->text(), QStringLiteral("3+ (2* ((x+(-1))^2))"));
    clsEquation f;
    f.Equation(form->funcao1()->text().toStdString());
    for (double x : {-1.5, 0.0, 1.0, 2.5}) {
        f.Var("x", x);
        EXPECT_DOUBLE_EQ(f.Solution(), 2 * (x - 1) * (x - 1) + 3) << x;
    }
    EXPECT_EQ(
        imagem1().pixel(kColunaUm, static_cast<int>(form->areaFuncao().persistente().pixelY(3))),
        kAzul); // (1, 3), the vertex, drawn in the function area
    EXPECT_TRUE(dialogos.mensagens.empty());
    clicar("ApagarT");
    EXPECT_FALSE(usar->isEnabled());
}

} // namespace
