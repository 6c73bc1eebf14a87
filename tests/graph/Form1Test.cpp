#include "Form1.h"
#include "DialogosGuiados.h"
#include "GrupoTransformacoes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
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

struct Form1Test : ::testing::Test {
    Form1Test() : form(new Form1(dialogos)) {
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

// A sizable border: the window can be made smaller, and the controls keep their places.
TEST_F(Form1Test, JanelaPodeFicarMaisPequena) {
    form->resize(600, 400);
    EXPECT_EQ(form->size(), QSize(600, 400));
    EXPECT_EQ(controlo<QWidget>("Picture2")->geometry(), QRect(512, 140, 497, 497));
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

TEST_F(Form1Test, JanelaLongeDaOrigemAcabaDepressa) {
    escrever("Xmin", "1000000000000");
    escrever("Xmax", "1000000000010");
    escrever("PassoX", "0.1");
    clicar("DesenharEixos");
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_EQ(form->janela().JanelaXmin, 1e12);
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

TEST_F(Form1Test, ExpressaoVaziaAvisaSemIcone) {
    escrever("Função1", "");
    clicar("Desenhar");
    EXPECT_EQ(dialogos.textos(),
              QStringList({QStringLiteral("Deve escrever a expressão analítica da função que "
                                          "pretende representar graficamente.")}));
    EXPECT_EQ(dialogos.mensagens[0].icone, Dialogos::Icone::Nenhum);
    EXPECT_FALSE(dialogos.mensagens[0].ponteiroOcupado);
    EXPECT_FALSE(ponteiroOcupado(form));
    EXPECT_TRUE(controlo<QWidget>("Picture1")->isVisible());
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
    clicar("Desenhar");
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
                      CasoExpressao{"1/x", "0", "Divisão por zero."}));

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

TEST_F(Form1Test, ActivacaoSoAoVoltarDeOutraJanela) {
    QSignalSpy activacoes(form, &Form1::activada);
    clicar("Desenhar");
    form->definirCorGraficoFuncao(QColor(255, 0, 0));

    // One of its own dialogs: no activation, the graph stays.
    QDialog dialogo(form);
    dialogo.show();
    activar(&dialogo);
    dialogo.close();
    activar(form);
    EXPECT_EQ(activacoes.count(), 0);
    EXPECT_GT(contar(imagem1(), kAzul), 0);
    EXPECT_EQ(form->corGraficoFuncao(), QColor(255, 0, 0));

    // Another window of the program: activation erases the graphs and resets the colours.
    QWidget ajuda;
    ajuda.show();
    activar(&ajuda);
    activar(form);
    EXPECT_EQ(activacoes.count(), 1);
    EXPECT_EQ(contar(imagem1(), kAzul), 0);
    EXPECT_EQ(form->corGraficoFuncao(), QColor(0, 0, 255));
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
    // The dot at (0, -4) covers every device pixel of its pixel.
    for (int y = static_cast<int>(337 * escala); y < static_cast<int>(338 * escala); ++y)
        for (int x = static_cast<int>(kOrigem * escala);
             x < static_cast<int>((kOrigem + 1) * escala); ++x)
            EXPECT_EQ(ecra.pixel(x, y), kAzul) << x << "," << y;
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
};

class LeituraTest : public Form1Test, public ::testing::WithParamInterface<CasoLeitura> {};

TEST_P(LeituraTest, MostraOValorSemEntrarNaImagem) {
    const auto& caso = GetParam();
    escrever("Função1", caso.funcao);
    clicar("Desenhar");
    if (caso.transformada)
        form->grupoTransformacoes()->executar(3);
    AreaGrafica& area = caso.transformada ? form->areaTransformada() : form->areaFuncao();
    Quadro& quadro = area.persistente();
    const QImage antes = area.imagem();
    const QPointF ponto(quadro.pixelX(caso.x) + Quadro::kBorda, 200);
    QMouseEvent movimento(QEvent::MouseMove, ponto, quadro.mapToGlobal(ponto), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&quadro, &movimento);

    QString esperado = QString::fromUtf8(caso.esperado);
    esperado.replace(QLatin1Char(','), QLocale::system().decimalPoint());
    EXPECT_EQ(area.camadaPassageira().leitura(), esperado);
    EXPECT_EQ(quadro.accessibleDescription(), esperado);
    EXPECT_EQ(area.imagem(), antes); // never in what is copied or saved

    QEvent saida(QEvent::Leave);
    QCoreApplication::sendEvent(&quadro, &saida);
    EXPECT_TRUE(area.camadaPassageira().leitura().isEmpty());
    EXPECT_TRUE(quadro.accessibleDescription().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, LeituraTest,
    ::testing::Values(CasoLeitura{"1/2x^2-4", false, 2, "x = 2,02   f(x) = -1,96"},
                      CasoLeitura{"1/2x^2-4", true, 2, "x = 2,02   - f(x) = 1,96"},
                      CasoLeitura{"sqr(x)", false, -3, "x = -2,98   f(x) = não definida"},
                      CasoLeitura{"", false, 1, "x = 1,01"}));

} // namespace
