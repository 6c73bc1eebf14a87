// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CoresDasCurvas.h"
#include "CamadaPassageira.h"
#include "JanelaPrincipal.h"
#include "LegendaDaArea.h"
#include "PaletaDasCurvas.h"
#include "Quadro.h"

#include <QAction>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <vector>

namespace {

const QRgb kAzul = qRgb(0, 0, 255);
const QRgb kVermelho = qRgb(255, 0, 0);
const QRgb kBranco = qRgb(255, 255, 255);

double f(double x) {
    return x * x / 2 - 4;
}

struct CoresDasCurvasTest : JanelaPrincipal {
    void alternar(const char* nome) const {
        QAction* accao = form->findChild<QAction*>(QString::fromUtf8(nome));
        ASSERT_NE(accao, nullptr) << nome;
        accao->trigger();
    }
    Quadro& picture2() const { return form->areaTransformada().persistente(); }
    QImage imagem2() const { return form->areaTransformada().imagem(); }
    QPoint pixel(double x, double y) const {
        return {static_cast<int>(picture2().pixelX(x)), static_cast<int>(picture2().pixelY(y))};
    }
    // Whether the point (x, y) of the window is drawn in `cor`, give or take a pixel.
    bool pontoDaCor(double x, double y, QRgb cor) const {
        const QImage imagem = imagem2();
        const QPoint p = pixel(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (imagem.valid(p.x() + dx, p.y() + dy) &&
                    imagem.pixel(p.x() + dx, p.y() + dy) == cor)
                    return true;
        return false;
    }
};

// Three transforms drawn in a row, -f(x), 2 + f(x) and f(x + 2), with what is done before each.
struct Transformada {
    const char* opcao;
    std::function<double(double)> valor;
};
const Transformada kTres[] = {
    {"Option3", [](double x) { return -f(x); }},
    {"Option5", [](double x) { return 2 + f(x); }},
    {"Option8", [](double x) { return f(x + 2); }},
};

enum class Antes { Nada, EscolherVermelho, Apagar, DesligarPaleta, LigarPaleta };

struct CasoDeCores {
    const char* nome;
    Antes antes[3];
    QRgb cores[3];
};

const QRgb kVermelhao = corDaCurva(1, Qt::white).rgb();
const QRgb kVerdeAzulado = corDaCurva(2, Qt::white).rgb();

const CasoDeCores kCasosDeCores[] = {
    {"paleta", {Antes::Nada, Antes::Nada, Antes::Nada}, {kAzul, kVermelhao, kVerdeAzulado}},
    {"sem paleta", {Antes::DesligarPaleta, Antes::Nada, Antes::Nada}, {kAzul, kAzul, kAzul}},
    {"cor escolhida fica",
     {Antes::Nada, Antes::EscolherVermelho, Antes::Apagar},
     {kAzul, kVermelho, kVermelho}},
    {"apagar recomeca", {Antes::Nada, Antes::Nada, Antes::Apagar}, {kAzul, kVermelhao, kAzul}},
    {"ligar de novo esquece a cor escolhida",
     {Antes::EscolherVermelho, Antes::DesligarPaleta, Antes::LigarPaleta},
     {kVermelho, kVermelho, kVerdeAzulado}},
};

TEST_F(CoresDasCurvasTest, CadaTransformadaNaCorSeguinte) {
    for (const CasoDeCores& caso : kCasosDeCores) {
        SCOPED_TRACE(caso.nome);
        clicar("ApagarT");
        QAction* paleta = form->findChild<QAction*>(QStringLiteral("UmaCorPorCurva"));
        ASSERT_NE(paleta, nullptr);
        paleta->setChecked(true);
        form->definirCorGraficoTransformada(QColor(kAzul));
        paleta->setChecked(false);
        paleta->setChecked(true);
        for (int i = 0; i < 3; ++i) {
            switch (caso.antes[i]) {
            case Antes::EscolherVermelho:
                dialogos.cores.push_back(QColor(kVermelho));
                clicar("CorGráficoTransformada");
                break;
            case Antes::Apagar:
                clicar("ApagarT");
                break;
            case Antes::DesligarPaleta:
                paleta->setChecked(false);
                break;
            case Antes::LigarPaleta:
                paleta->setChecked(true);
                break;
            case Antes::Nada:
                break;
            }
            clicar(kTres[i].opcao);
            EXPECT_TRUE(pontoDaCor(3, kTres[i].valor(3), caso.cores[i])) << i;
            EXPECT_TRUE(pontoDaCor(-1.5, kTres[i].valor(-1.5), caso.cores[i])) << i;
        }
    }
}

// A step of a previews the marked transform in the colour it will be drawn in.
TEST_F(CoresDasCurvasTest, PrevisaoNaCorDaCurvaSeguinte) {
    clicar("Option9");
    QTest::keyClick(controlo<QLineEdit>("ValorDeA"), Qt::Key_Down);
    QCoreApplication::processEvents();
    const QImage& previsao = form->areaTransformada().camadaPassageira().pontos();
    int vermelhoes = 0;
    for (int y = 0; y < previsao.height(); ++y)
        for (int x = 0; x < previsao.width(); ++x)
            vermelhoes += (previsao.pixel(x, y) & 0xFFFFFF) == (kVermelhao & 0xFFFFFF);
    EXPECT_GT(vermelhoes, 100);
}

// The legend lists the curves piled up, f first when it shows under them; it is part of what
// is saved, and taking it away leaves the curves as they were.
TEST_F(CoresDasCurvasTest, LegendaNaImagemGuardadaETiradaSemPerderCurvas) {
    clicar("Desenhar");
    escrever("ValorDeA", "3");
    escrever("ValorDeB", "2");
    clicar("Option7");
    clicar("Option3");
    const QImage semLegenda = imagem2();
    ASSERT_FALSE(form->legenda().canto());

    const QImage ecraSem = picture2().grab().toImage();
    alternar("Legenda");
    ASSERT_TRUE(form->legenda().canto());
    const QImage comLegenda = imagem2();
    // The screen shows it where the picture has it.
    const QImage ecraCom = picture2().grab().toImage();
    const QPoint noEcra =
        picture2().modeloParaEcra(*form->legenda().canto() + QPointF(8, 8)).toPoint();
    EXPECT_NE(ecraCom.copy(QRect(noEcra, QSize(20, 20))),
              ecraSem.copy(QRect(noEcra, QSize(20, 20))));
    EXPECT_EQ(comLegenda.size(), QSize(493, 493));
    const QRectF caixa(*form->legenda().canto(), form->legenda().legenda().tamanho());
    int diferentes = 0;
    for (int y = 0; y < comLegenda.height(); ++y)
        for (int x = 0; x < comLegenda.width(); ++x)
            if (comLegenda.pixel(x, y) != semLegenda.pixel(x, y)) {
                ++diferentes;
                EXPECT_TRUE(caixa.adjusted(-1, -1, 1, 1).contains(QPointF(x, y))) << x << " " << y;
            }
    EXPECT_GT(diferentes, 500);
    EXPECT_EQ(form->legenda().legenda().textos(),
              QStringList({QStringLiteral("a+f(x+b), a = 3, b = 2"), QStringLiteral("- f(x)")}));
    // The short line of each curve in its colour.
    const QRect dentro = caixa.toRect();
    EXPECT_GT(contar(comLegenda.copy(dentro), kAzul), 10);
    EXPECT_GT(contar(comLegenda.copy(dentro), corDaCurva(1, Qt::white).rgb()), 10);

    QTemporaryDir pasta;
    const QString ficheiro = pasta.filePath(QStringLiteral("legenda.bmp"));
    dialogos.ficheiros.push_back({ficheiro, false});
    clicar("GuardarTransformada");
    EXPECT_EQ(QImage(ficheiro).convertToFormat(QImage::Format_RGB32), comLegenda);

    form->findChild<QAction*>(QStringLiteral("MostrarF"))->trigger();
    EXPECT_EQ(form->legenda().legenda().textos().value(0), QStringLiteral("f"));
    form->findChild<QAction*>(QStringLiteral("MostrarF"))->trigger();

    alternar("Legenda");
    EXPECT_FALSE(form->legenda().canto());
    EXPECT_EQ(imagem2(), semLegenda);
    clicar("ApagarT");
    alternar("Legenda");
    EXPECT_FALSE(form->legenda().canto()); // nothing to list
}

// Across the vertex of -f(x), where the curve runs level: pixels as dark as the curve, and
// pixels between the curve's colour and the background.
struct Corte {
    int solidos = 0;
    int misturados = 0;
    double tinta = 0; ///< the pixels covered, partly covered ones in part
};
Corte cortarNoVertice(const QImage& imagem, QPoint vertice, int raio) {
    Corte corte;
    for (int y = vertice.y() - raio; y <= vertice.y() + raio; ++y) {
        const QRgb p = imagem.pixel(vertice.x(), y);
        corte.tinta += (255 - qRed(p)) / 255.0;
        if (p == kAzul)
            ++corte.solidos;
        else if ((p & 0xFFFFFF) != (kBranco & 0xFFFFFF) && qBlue(p) > qRed(p))
            ++corte.misturados;
    }
    return corte;
}

TEST_F(CoresDasCurvasTest, TracoGrossoDeTresPixelsSuaveEmQualquerEscala) {
    struct Caso {
        bool grosso;
        double escala;
        int solidosMin, solidosMax;
        bool suave;
    } const casos[] = {
        {false, 1, 1, 1, false},
        {true, 1, 2, 4, true},
        {false, 2, 0, 3, true},
        {true, 2, 5, 7, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.grosso << " " << caso.escala);
        QAction* grosso = form->findChild<QAction*>(QStringLiteral("TraçoGrosso"));
        ASSERT_NE(grosso, nullptr);
        grosso->setChecked(caso.grosso);
        escalar(caso.escala);
        clicar("ApagarT");
        clicar("Option3");
        EXPECT_EQ(imagem2().size(), QSize(493, 493));
        const QPoint vertice = pixel(0.2, -f(0.2));
        const QImage& ecra = picture2().imagemNoEcra();
        const double k = ecra.width() / 493.0;
        const Corte corte = cortarNoVertice(
            ecra, QPoint(static_cast<int>(vertice.x() * k), static_cast<int>(vertice.y() * k)),
            static_cast<int>(6 * k));
        EXPECT_GE(corte.solidos, caso.solidosMin);
        EXPECT_LE(corte.solidos, caso.solidosMax);
        EXPECT_EQ(corte.misturados > 0, caso.suave);
        // As wide as 3 pixels of the picture (1 when thin), however it is scaled.
        EXPECT_NEAR(corte.tinta, (caso.grosso ? 3 : 1) * caso.escala, 0.4 * caso.escala);
        // The readout still names the curve under the pointer.
        const QPointF ponto = picture2().modeloParaEcra(QPointF(pixel(1, -f(1))) + QPointF(.5, .5));
        QMouseEvent movimento(QEvent::MouseMove, ponto, picture2().mapToGlobal(ponto), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&picture2(), &movimento);
        EXPECT_TRUE(form->areaTransformada().camadaPassageira().leitura().contains(
            QStringLiteral("- f(x)")));
    }
    escalar(1);
}

} // namespace
