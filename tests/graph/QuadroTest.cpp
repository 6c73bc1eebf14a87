// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Quadro.h"
#include "AreaGrafica.h"
#include "DesenhoEixos.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QRgb kBrancoRgb = qRgb(255, 255, 255);
const QRgb kPretoRgb = qRgb(0, 0, 0);

struct QuadroTest : ::testing::Test {
    QuadroTest() {
        quadro.colocar(QRect(0, 0, 497, 497));
        quadro.limpar();
        quadro.escala(-10.8, 10.8, 10.8, -10.8);
    }
    QRgb pixel(int x, int y) const { return quadro.imagem().pixel(x, y); }
    Quadro quadro;
};

TEST_F(QuadroTest, OInteriorFicaDentroDaMoldura) {
    EXPECT_EQ(quadro.larguraInterior(), 497 - 2 * Quadro::kBorda);
    EXPECT_EQ(quadro.imagem().size(), QSize(493, 493));
}

TEST_F(QuadroTest, AEscalaPoeOYParaCima) {
    EXPECT_DOUBLE_EQ(quadro.pixelX(-10.8), 0);
    EXPECT_DOUBLE_EQ(quadro.pixelX(10.8), 493);
    EXPECT_DOUBLE_EQ(quadro.pixelY(10.8), 0);
    EXPECT_DOUBLE_EQ(quadro.pixelY(-10.8), 493);
    EXPECT_DOUBLE_EQ(quadro.pixelY(0), 246.5);

    // Width and height each take their own size.
    Quadro baixo;
    baixo.colocar(QRect(0, 0, 301, 201));
    baixo.escala(-10.8, 10.8, 10.8, -10.8);
    EXPECT_DOUBLE_EQ(baixo.pixelX(10.8), 297);
    EXPECT_DOUBLE_EQ(baixo.pixelY(-10.8), 197);
}

// A picture that is not square: each pixel size comes from its own direction.
TEST(DesenhoEixosTest, QuadroNaoQuadradoTemPixelsDeCadaLado) {
    QWidget pai;
    AreaGrafica area(&pai, QRect(0, 0, 301, 201), {"P1", "P3", "I2", "I3"});
    AreaGrafica outra(&pai, QRect(0, 0, 301, 201), {"P2", "P4", "I5", "I4"});
    JanelaGrafica janela;
    DesenhoEixos eixos(area, outra, janela);
    EXPECT_EQ(eixos.RedesenharArea(area, TabelaEixos{}), std::nullopt);
    EXPECT_DOUBLE_EQ(janela.TamPixelX, 21.6 / 297);
    EXPECT_DOUBLE_EQ(janela.TamPixelY, 21.6 / 197);
    EXPECT_EQ(area.imagem().pixel(40, 98), kPretoRgb);  // the x axis at y = 0, row 98.5
    EXPECT_EQ(area.imagem().pixel(148, 20), kPretoRgb); // the y axis at x = 0, column 148.5
}

TEST_F(QuadroTest, LinhaIncluiAsDuasPontas) {
    quadro.linha(-10.4f, 0, 10.4f, 0);
    EXPECT_EQ(pixel(8, 246), kBrancoRgb);
    EXPECT_EQ(pixel(9, 246), kPretoRgb);
    EXPECT_EQ(pixel(483, 246), kPretoRgb);
    EXPECT_EQ(pixel(484, 246), kBrancoRgb);
    EXPECT_EQ(pixel(200, 245), kBrancoRgb);
    EXPECT_EQ(pixel(200, 247), kBrancoRgb);
}

// Slanted lines, shallow and steep: one pixel per column (or row), both ends included, and
// every pixel within half a pixel of the true line.
TEST_F(QuadroTest, LinhaInclinadaSegueARecta) {
    struct Caso {
        float x1, y1, x2, y2;
    };
    for (const Caso c : {Caso{-5, -2, 5, 3}, Caso{1, -6, 2, 6}, Caso{4, 4, -4, -1}}) {
        quadro.limpar();
        quadro.linha(c.x1, c.y1, c.x2, c.y2);
        const double ax = std::floor(quadro.pixelX(c.x1)), ay = std::floor(quadro.pixelY(c.y1));
        const double bx = std::floor(quadro.pixelX(c.x2)), by = std::floor(quadro.pixelY(c.y2));
        EXPECT_EQ(pixel(int(ax), int(ay)), kPretoRgb);
        EXPECT_EQ(pixel(int(bx), int(by)), kPretoRgb);
        const bool ingreme = std::abs(by - ay) > std::abs(bx - ax);
        int pretos = 0;
        for (int y = 0; y < 493; ++y)
            for (int x = 0; x < 493; ++x) {
                if (pixel(x, y) != kPretoRgb)
                    continue;
                ++pretos;
                // Distance, along the minor direction, of the pixel from the line.
                const double t = ingreme ? (y - ay) / (by - ay) : (x - ax) / (bx - ax);
                const double desvio = ingreme ? x - (ax + t * (bx - ax)) : y - (ay + t * (by - ay));
                EXPECT_LE(std::abs(desvio), 0.5 + 1e-9) << x << "," << y;
                EXPECT_TRUE(t >= 0 && t <= 1) << x << "," << y;
            }
        EXPECT_EQ(pretos, int(std::max(std::abs(bx - ax), std::abs(by - ay))) + 1);
    }
}

TEST_F(QuadroTest, LinhaMuitoForaNaoDesenhaNemFalha) {
    quadro.linha(-1e30f, 1e30f, 1e30f, 1e30f);
    quadro.linha(0, -1e38f, 0, 1e38f);
    EXPECT_EQ(pixel(246, 0), kPretoRgb);
    EXPECT_EQ(pixel(246, 492), kPretoRgb);
    EXPECT_EQ(pixel(0, 0), kBrancoRgb);
}

TEST_F(QuadroTest, PontoComALarguraDoTraco) {
    quadro.ponto(0, -4, qRgb(0, 0, 255));
    EXPECT_EQ(pixel(246, 337), qRgb(0, 0, 255));
    EXPECT_EQ(pixel(247, 337), kBrancoRgb);
    quadro.larguraTraco(3);
    quadro.ponto(5, 5, qRgb(255, 0, 0));
    const int px = static_cast<int>(quadro.pixelX(5)), py = static_cast<int>(quadro.pixelY(5));
    EXPECT_EQ(pixel(px + 2, py + 2), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(px + 3, py), kBrancoRgb);
}

// A thick dot is round and centred on its exact point whatever its diameter, at the picture's
// edges too: the ink it leaves has its centre there and about the area of its disc. (Points in
// the middle of an eighth of a pixel, the step at which the dots are placed.)
TEST_F(QuadroTest, DiscoRedondoCentradoNoSeuPonto) {
    quadro.escalaPixel();
    const struct {
        double x, y;
        int diametro;
    } discos[] = {
        {20.5625, 20.1875, 3}, {60.9375, 40.0625, 7}, {100.4375, 0.5625, 3}, {0.3125, 100.6875, 5}};
    for (const auto& d : discos) {
        SCOPED_TRACE(testing::Message() << d.x << " " << d.y << " " << d.diametro);
        quadro.disco(static_cast<float>(d.x), static_cast<float>(d.y), d.diametro, kPretoRgb);
        const QPoint centro(static_cast<int>(d.x), static_cast<int>(d.y));
        double tinta = 0, somaX = 0, somaY = 0;
        for (int dy = -d.diametro; dy <= d.diametro; ++dy)
            for (int dx = -d.diametro; dx <= d.diametro; ++dx) {
                const QPoint p = centro + QPoint(dx, dy);
                if (!quadro.imagem().valid(p))
                    continue;
                const double t = 1 - qRed(quadro.imagem().pixel(p)) / 255.0;
                tinta += t;
                somaX += t * (p.x() + 0.5);
                somaY += t * (p.y() + 0.5);
            }
        EXPECT_EQ(pixel(centro.x(), centro.y()), kPretoRgb);
        const bool naBorda = d.x < d.diametro || d.y < d.diametro;
        const double area = M_PI * d.diametro * d.diametro / 4;
        if (naBorda)
            continue; // what is left inside: its centre pixel, checked above
        EXPECT_NEAR(tinta, area, 0.1 * area);
        EXPECT_NEAR(somaX / tinta, d.x, 0.04);
        EXPECT_NEAR(somaY / tinta, d.y, 0.04);
    }
    // What falls outside is lost, never drawn at the other side of the picture.
    for (int y = 0; y < 493; ++y)
        EXPECT_EQ(pixel(492, y), kBrancoRgb) << y;
    quadro.disco(492.5F, 300.5F, 5, kPretoRgb);
    EXPECT_EQ(pixel(492, 300), kPretoRgb);
    for (int y = 200; y < 493; ++y)
        EXPECT_EQ(pixel(0, y), kBrancoRgb) << y;
}

TEST_F(QuadroTest, UmaCopiaDaImagemNaoMudaComPontosSeguintes) {
    quadro.ponto(0, 0, qRgb(0, 0, 255));
    const QImage copia = quadro.imagem();
    quadro.ponto(1, 1, qRgb(255, 0, 0));
    quadro.ponto(0, 0, qRgb(255, 0, 0));
    EXPECT_EQ(copia.pixel(246, 246), qRgb(0, 0, 255));
    EXPECT_EQ(copia.pixel(269, 223), kBrancoRgb);
    EXPECT_EQ(pixel(269, 223), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(246, 246), qRgb(255, 0, 0));
}

TEST_F(QuadroTest, LimparECorDeFundoApagamTudo) {
    quadro.linha(-5, -5, 5, 5);
    quadro.corFundo(QColor(10, 20, 30));
    for (int y = 0; y < 493; y += 7)
        for (int x = 0; x < 493; x += 7)
            ASSERT_EQ(pixel(x, y), qRgb(10, 20, 30));
}

TEST_F(QuadroTest, TextoComFundoTransparente) {
    quadro.linha(-10, 0, 10, 0);
    quadro.posicao(0, 0.3f);
    quadro.imprimir(QStringLiteral("MMMM"));
    // The axis under the text is still there.
    EXPECT_EQ(pixel(250, 246), kPretoRgb);
    bool tinta = false;
    for (int y = 240; y < 260; ++y)
        for (int x = 246; x < 300; ++x)
            tinta = tinta || (qGray(pixel(x, y)) < 160 && y != 246);
    EXPECT_TRUE(tinta);
}

TEST_F(QuadroTest, NaFonteSymbolOPEPi) {
    Quadro comPi;
    comPi.colocar(QRect(0, 0, 497, 497));
    comPi.limpar();
    comPi.escala(-10.8, 10.8, 10.8, -10.8);
    for (Quadro* q : {&quadro, &comPi}) {
        q->tamanhoFonte(8);
        q->posicao(0, 0);
    }
    quadro.nomeFonte(QStringLiteral("symbol"));
    quadro.imprimir(QStringLiteral("p/2"));
    comPi.nomeFonte(QStringLiteral("MS Serif"));
    comPi.imprimir(QString(QChar(0x03C0)) + QStringLiteral("/2"));
    EXPECT_EQ(quadro.imagem(), comPi.imagem());

    comPi.limpar();
    comPi.imprimir(QStringLiteral("p/2"));
    EXPECT_NE(quadro.imagem(), comPi.imagem());
}

TEST(AreaGraficaTest, ASobreposicaoEsqueceAoEsconder) {
    QWidget pai;
    AreaGrafica area(&pai, QRect(0, 0, 497, 497), {"P1", "P3", "I2", "I3"});
    pai.show();
    area.sobreposicao().escala(-10, 10, 10, -10);
    area.persistente().escala(-10, 10, 10, -10);
    {
        SobreposicaoVisivel troca(area);
        EXPECT_FALSE(area.persistente().isVisible());
        EXPECT_TRUE(area.sobreposicao().isVisible());
        area.sobreposicao().ponto(0, 0, qRgb(0, 0, 255));
        area.persistente().ponto(0, 0, qRgb(0, 0, 255));
        EXPECT_EQ(area.sobreposicao().imagem().pixel(246, 246), qRgb(0, 0, 255));
    }
    EXPECT_TRUE(area.persistente().isVisible());
    EXPECT_FALSE(area.sobreposicao().isVisible());
    EXPECT_NE(area.sobreposicao().imagem().pixel(246, 246), qRgb(0, 0, 255));
    EXPECT_EQ(area.imagem().pixel(246, 246), qRgb(0, 0, 255));
}

// A picture laid out at a display scale: the widget s times its size at scale 1 (the border
// grown alike), its image left as it was.
struct QuadroNaEscala {
    explicit QuadroNaEscala(double s) {
        quadro.colocar(QRect(0, 0, 497, 497));
        quadro.limpar();
        quadro.escala(-10.8, 10.8, 10.8, -10.8);
        quadro.definirEscalaEcra(s);
        const int lado = static_cast<int>(std::lround(497 * s));
        quadro.setGeometry(0, 0, lado, lado);
    }
    // Device pixels of the screen image per pixel of the picture.
    double k() const { return quadro.pixelNoEcra().width() * quadro.devicePixelRatioF(); }
    Quadro quadro;
};

// How much of the curve's blue a device pixel holds, 0 to 1.
double tinta(const QImage& ecra, int x, int y) {
    return (255 - qRed(ecra.pixel(x, y))) / 255.0;
}

// The image stays what is copied and saved; the screen shows a dot of the picture round and
// anti-aliased at its exact place, one pixel of the picture across (at least one device pixel),
// and at scale 1 the image itself.
TEST(QuadroNaEscalaTest, PontoNoSeuLugarExactoEAImagemIntacta) {
    for (const double s : {1.0, 1.5, 2.0, 0.5}) {
        SCOPED_TRACE(s);
        QuadroNaEscala q(s);
        const float x = 3.3f, y = -2.7f;
        q.quadro.ponto(x, y, qRgb(0, 0, 255));
        const double px = q.quadro.pixelX(x), py = q.quadro.pixelY(y);
        ASSERT_EQ(q.quadro.imagem().size(), QSize(493, 493));
        EXPECT_EQ(q.quadro.imagem().pixel(int(px), int(py)), qRgb(0, 0, 255));
        const QImage ecra = q.quadro.imagemNoEcra();
        const int lado = int(std::ceil(493 * q.k()));
        EXPECT_EQ(ecra.size(), QSize(lado, lado));
        EXPECT_EQ(ecra == q.quadro.imagem(), s == 1);
        double soma = 0, somaX = 0, somaY = 0;
        for (int j = 0; j < ecra.height(); ++j)
            for (int i = 0; i < ecra.width(); ++i) {
                const double t = tinta(ecra, i, j);
                soma += t;
                somaX += t * (i + 0.5);
                somaY += t * (j + 0.5);
            }
        const QPointF exacto =
            (q.quadro.modeloParaEcra({px, py}) - q.quadro.interiorNoEcra().topLeft()) *
            q.quadro.devicePixelRatioF();
        // At scale 1 the pixel that holds the point; elsewhere the point itself, to a fraction
        // of a device pixel: the dot is not snapped to the device's pixels.
        const double erro = s == 1 ? 0.5 : 0.2;
        EXPECT_NEAR(somaX / soma, exacto.x(), erro);
        EXPECT_NEAR(somaY / soma, exacto.y(), erro);
        // A disc k device pixels across, not a k-by-k block; never thinner than a device pixel,
        // or a small window would show its curves faint.
        const double diametro = std::max(1.0, q.k());
        const double area = s == 1 ? 1 : 3.14159265 / 4 * diametro * diametro;
        EXPECT_NEAR(soma, area, 0.1);
    }
}

// A slanted curve at scale 2, set as the plot loop sets it (a dot where a sample enters a new
// pixel of the picture): every device column of it is centred on the true line, and it is not
// made of 2-by-2 blocks.
TEST(QuadroNaEscalaTest, CurvaNaEscala2SemBlocos) {
    QuadroNaEscala q(2);
    const auto recta = [](double x) { return 0.37 * x + 1; };
    int colunaAnterior = -1, linhaAnterior = -1;
    for (double x = -8; x <= 8; x += 0.001) {
        const int coluna = int(q.quadro.pixelX(x)), linha = int(q.quadro.pixelY(recta(x)));
        if (coluna != colunaAnterior || linha != linhaAnterior)
            q.quadro.ponto(float(x), float(recta(x)), qRgb(0, 0, 255));
        colunaAnterior = coluna;
        linhaAnterior = linha;
    }
    const QImage ecra = q.quadro.imagemNoEcra();
    const double k = q.k();
    const int de = int(q.quadro.pixelX(-7) * k), ate = int(q.quadro.pixelX(7) * k);
    int blocos = 0, blocosIguais = 0;
    for (int i = de; i < ate; ++i) {
        double soma = 0, somaY = 0;
        for (int j = 0; j < ecra.height(); ++j) {
            soma += tinta(ecra, i, j);
            somaY += tinta(ecra, i, j) * (j + 0.5);
        }
        const double exacto = q.quadro.pixelY(recta(q.quadro.deColuna((i + 0.5) / k))) * k;
        ASSERT_GT(soma, 0) << i;
        EXPECT_NEAR(somaY / soma, exacto, 1) << i;
        for (int j = 0; i % 2 == 0 && j + 1 < ecra.height(); j += 2) {
            const QRgb p = ecra.pixel(i, j);
            if (p == qRgb(255, 255, 255))
                continue;
            ++blocos;
            blocosIguais += p == ecra.pixel(i + 1, j) && p == ecra.pixel(i, j + 1) &&
                            p == ecra.pixel(i + 1, j + 1);
        }
    }
    EXPECT_LT(blocosIguais, blocos / 4);
}

TEST(PontaSetaTest, FormasDasPontas) {
    // The tip of "^" is row 0, column 4; the tip of ">" is row 4, column 4.
    EXPECT_TRUE(PontaSeta::temPixel(PontaSeta::Direccao::Cima, 4, 0));
    EXPECT_TRUE(PontaSeta::temPixel(PontaSeta::Direccao::Cima, 0, 4));
    EXPECT_TRUE(PontaSeta::temPixel(PontaSeta::Direccao::Cima, 8, 4));
    EXPECT_FALSE(PontaSeta::temPixel(PontaSeta::Direccao::Cima, 4, 1));
    EXPECT_FALSE(PontaSeta::temPixel(PontaSeta::Direccao::Cima, 4, 5));
    EXPECT_TRUE(PontaSeta::temPixel(PontaSeta::Direccao::Direita, 4, 4));
    EXPECT_TRUE(PontaSeta::temPixel(PontaSeta::Direccao::Direita, 0, 0));
    EXPECT_TRUE(PontaSeta::temPixel(PontaSeta::Direccao::Direita, 0, 8));
    EXPECT_FALSE(PontaSeta::temPixel(PontaSeta::Direccao::Direita, 5, 4));
    int pixels = 0;
    for (int linha = 0; linha < 16; ++linha)
        for (int coluna = 0; coluna < 16; ++coluna)
            pixels += PontaSeta::temPixel(PontaSeta::Direccao::Cima, coluna, linha) ? 1 : 0;
    EXPECT_EQ(pixels, 9);
}

} // namespace

namespace {

// How much red a pixel holds over white, 0 to 1.
double vermelho(const QImage& imagem, int x, int y) {
    return (255 - qGreen(imagem.pixel(x, y))) / 255.0;
}

struct Mancha {
    double tinta = 0, x = 0, y = 0;
};

// The red around a point of an image, and where its middle lies.
Mancha manchaEm(const QImage& imagem, QPointF centro, int raio) {
    Mancha m;
    for (int j = int(centro.y()) - raio; j <= int(centro.y()) + raio; ++j)
        for (int i = int(centro.x()) - raio; i <= int(centro.x()) + raio; ++i) {
            const double t = vermelho(imagem, i, j);
            m.tinta += t;
            m.x += t * (i + 0.5);
            m.y += t * (j + 0.5);
        }
    m.x /= m.tinta;
    m.y /= m.tinta;
    return m;
}

} // namespace

// The marks of the ends of a domain: a disc and a ring of about 3 pixels of radius around the
// pixel of their point, the ring hollow; drawn again at another scale, as sharp and as large.
TEST(QuadroNaEscalaTest, CirculoCheioEOco) {
    for (const double s : {1.0, 2.0}) {
        SCOPED_TRACE(s);
        QuadroNaEscala q(1);
        const QRgb vermelhoRgb = qRgb(255, 0, 0);
        q.quadro.circulo(2, 3, 3, vermelhoRgb, true);
        q.quadro.circulo(-4, -1, 3, vermelhoRgb, false);
        q.quadro.definirEscalaEcra(s);
        q.quadro.setGeometry(0, 0, int(std::lround(497 * s)), int(std::lround(497 * s)));
        const QImage ecra = q.quadro.imagemNoEcra();
        const double k = q.k();
        for (const bool cheio : {true, false}) {
            const double x = cheio ? 2 : -4, y = cheio ? 3 : -1;
            const QPointF pixel(std::floor(q.quadro.pixelX(x)) + 0.5,
                                std::floor(q.quadro.pixelY(y)) + 0.5);
            EXPECT_EQ(q.quadro.imagem().pixel(int(pixel.x()), int(pixel.y())),
                      cheio ? vermelhoRgb : kBrancoRgb);
            const Mancha m = manchaEm(ecra, pixel * k, int(6 * k));
            const double area = cheio ? 3.14159 * 9 : 3.14159 * (9 - 4);
            EXPECT_NEAR(m.tinta / (k * k), area, 0.2 * area) << cheio;
            EXPECT_NEAR(m.x, pixel.x() * k, 0.5) << cheio;
            EXPECT_NEAR(m.y, pixel.y() * k, 0.5) << cheio;
            EXPECT_NEAR(vermelho(ecra, int(pixel.x() * k), int(pixel.y() * k)), cheio ? 1 : 0,
                        0.01);
        }
    }
}
