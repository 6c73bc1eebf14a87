// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogosGuiados.h"
#include "Disposicao.h"
#include "Form1.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <array>
#include <gtest/gtest.h>

namespace {

// An ordinary axis table, and the digests of what both areas show after "Eixos": their images,
// or at another scale what the screen shows of them. Each digest was taken from the pictures as
// drawn when the table was first put here, looked at by eye; the same table must keep giving the
// same pixels. Decimal numbers give one picture for each decimal separator.
struct CasoImagem {
    const char* nome;
    const char* xmin = "-10";
    const char* xmax = "10";
    const char* ymin = "-10";
    const char* ymax = "10";
    const char* passoX = "1";
    const char* passoY = "1";
    bool marcaX = true;
    bool radianos = false;
    double escala = 1;
    bool escalarAntes = false; ///< laid out at the scale before the axes are drawn
    const char* comVirgula = "";
    const char* comPonto = "";
};

QByteArray digesto(const QImage& a, const QImage& b) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QImage& imagem : {a, b}) {
        const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            hash.addData(QByteArrayView(rgb.constScanLine(y), rgb.width() * 4));
    }
    return hash.result().toHex().left(16);
}

// Writes Xmin, Xmax, Ymin, Ymax, PassoX and PassoY in the axis table.
void escreverTabela(Form1& form, const std::array<const char*, 6>& textos) {
    const char* nomes[] = {"Xmin", "Xmax", "Ymin", "Ymax", "PassoX", "PassoY"};
    for (std::size_t i = 0; i < textos.size(); ++i)
        form.findChild<QLineEdit*>(QString::fromUtf8(nomes[i]))
            ->setText(QString::fromUtf8(textos[i]));
}

class ImagemDosEixosTest : public ::testing::TestWithParam<CasoImagem> {};

TEST_P(ImagemDosEixosTest, ATabelaDaSempreAMesmaImagem) {
    const CasoImagem& caso = GetParam();
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    const auto escalar = [&] {
        const int barra = form.height() - form.areaCliente()->height();
        form.resize(qRound(1016 * caso.escala), qRound(714 * caso.escala) + barra);
        ASSERT_DOUBLE_EQ(form.disposicao().escala(), caso.escala);
    };
    if (caso.escalarAntes)
        escalar();
    escreverTabela(form, {caso.xmin, caso.xmax, caso.ymin, caso.ymax, caso.passoX, caso.passoY});
    form.findChild<QCheckBox*>(QStringLiteral("MarcaX"))->setChecked(caso.marcaX);
    if (caso.radianos)
        form.alternarRadianos();
    form.desenharEixos();
    ASSERT_TRUE(dialogos.mensagens.isEmpty());
    if (!caso.escalarAntes && caso.escala != 1)
        escalar();
    Quadro& funcao = form.areaFuncao().persistente();
    Quadro& transformada = form.areaTransformada().persistente();
    const QByteArray obtido = digesto(funcao.imagemNoEcra(), transformada.imagemNoEcra());

    const bool virgula = QLocale::system().decimalPoint() == QStringLiteral(",");
    const QByteArray esperado(virgula ? caso.comVirgula : caso.comPonto);
    if (obtido != esperado) {
        // The picture drawn, to be looked at.
        const QString ficheiro =
            QDir::temp().filePath(QStringLiteral("eixos-%1.png").arg(QString::fromUtf8(caso.nome)));
        funcao.imagemNoEcra().save(ficheiro);
        ADD_FAILURE() << "digest " << obtido.constData() << ", picture in "
                      << ficheiro.toStdString();
    }
}

// clang-format off
const CasoImagem kCasos[] = {
    {.nome = "inicial", .comVirgula = "26c56382f96c0e06", .comPonto = "26c56382f96c0e06"},
    {.nome = "passo_2", .passoX = "2", .passoY = "2",
     .comVirgula = "200e483c1417bce3", .comPonto = "200e483c1417bce3"},
    {.nome = "passo_0_5", .passoX = "0.5", .passoY = "0,5",
     .comVirgula = "798ccdeb7a65a7cf", .comPonto = "ec34883f2cc41479"},
    {.nome = "passo_0_1", .passoX = "0,1", .passoY = "0.1",
     .comVirgula = "a61aba18e9192b43", .comPonto = "3f7bac6458843ccc"},
    {.nome = "numeros_a_cada_pi_sobre_2", .passoX = "pi/2", .marcaX = false,
     .comVirgula = "7599f4b79b6ad066", .comPonto = "25c6a65e3e324348"},
    {.nome = "radianos", .radianos = true,
     .comVirgula = "9da06034929de99f", .comPonto = "9da06034929de99f"},
    {.nome = "radianos_2pi", .xmin = "-2*pi", .xmax = "2*pi", .radianos = true,
     .comVirgula = "50b27680166fd223", .comPonto = "50b27680166fd223"},
    {.nome = "sem_o_zero", .xmin = "2", .xmax = "7,5", .passoX = "0,5",
     .comVirgula = "4b87706289bf2898", .comPonto = "c5cee1baab1daea2"},
    {.nome = "grande", .xmin = "-1000", .xmax = "1000", .ymin = "-0,5", .ymax = "2,5",
     .passoX = "100", .passoY = "0,25",
     .comVirgula = "901a41364f372d36", .comPonto = "0b139d8d010fed74"},
    // What the screen shows of the pictures with the window twice as large (laid out so before
    // or after the axes are drawn) and one and a half times as large.
    {.nome = "escala_2", .escala = 2,
     .comVirgula = "40aa3e53115521ee", .comPonto = "40aa3e53115521ee"},
    {.nome = "escala_2_antes", .escala = 2, .escalarAntes = true,
     .comVirgula = "40aa3e53115521ee", .comPonto = "40aa3e53115521ee"},
    {.nome = "escala_2_radianos", .radianos = true, .escala = 2,
     .comVirgula = "51e01d6aec8417d2", .comPonto = "51e01d6aec8417d2"},
    {.nome = "escala_1_5_passo_0_5", .passoX = "0,5", .passoY = "0,5", .escala = 1.5,
     .comVirgula = "ee69ccfc2b61800d", .comPonto = "a7bac3a1c16b665f"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tabela, ImagemDosEixosTest, ::testing::ValuesIn(kCasos),
                         [](const ::testing::TestParamInfo<CasoImagem>& info) {
                             return info.param.nome;
                         });

// Far from the origin, with a step whose sums are rounded, the values of the graduation are
// those of the additions from 0, millions of them away: the marks stand along the whole axis.
struct CasoLonge {
    const char *xmin, *xmax, *ymin, *ymax, *passoX, *passoY;
    bool radianos;
    bool eixoX; ///< marks counted across the x axis, else across the y axis
    int marcas; ///< marks seen along it
};

class GraduacaoLongeTest : public ::testing::TestWithParam<CasoLonge> {};

TEST_P(GraduacaoLongeTest, MarcasAoLongoDoEixo) {
    const CasoLonge& caso = GetParam();
    DialogosGuiados dialogos;
    Form1 form(dialogos);
    form.show();
    escreverTabela(form, {caso.xmin, caso.xmax, caso.ymin, caso.ymax, caso.passoX, caso.passoY});
    if (caso.radianos)
        form.alternarRadianos();
    else
        form.desenharEixos();
    ASSERT_TRUE(dialogos.mensagens.isEmpty());
    const Quadro& quadro = form.areaFuncao().persistente();
    const QImage& imagem = form.areaFuncao().imagem();
    // Two pixels off the axis only the marks are black.
    int marcas = 0;
    for (int i = 0; i < 493; ++i) {
        const QPoint p = caso.eixoX ? QPoint(i, static_cast<int>(quadro.pixelY(0)) - 2)
                                    : QPoint(static_cast<int>(quadro.pixelX(0)) - 2, i);
        marcas += imagem.pixel(p) == qRgb(0, 0, 0) ? 1 : 0;
    }
    EXPECT_EQ(marcas, caso.marcas);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabela, GraduacaoLongeTest, ::testing::Values(
    // 20 million additions of 0.1 to reach the window; its marks, drawn in single precision,
    // stand on eighths
    CasoLonge{"2000000", "2000001", "-10", "10", "0,1", "1", false, true, 8},
    // 17 million additions of 0.3, the marks on halves
    CasoLonge{"-10", "10", "5000000", "5000003", "1", "0,3", false, false, 7},
    // 13 million additions of 3.14159/2, the marks on even numbers
    CasoLonge{"20000000", "20000010", "-10", "10", "1", "1", true, true, 6}));
// clang-format on

} // namespace
