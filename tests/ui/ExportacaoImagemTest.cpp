// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// "Exportar imagem…" and "Imprimir…" as a teacher uses them for a worksheet: the pictures are
// drawn again at the file's resolution, sharp and smooth, and every file opens where it should.
#include "ExportacaoImagem.h"
#include "DialogoExportar.h"
#include "JanelaPrincipal.h"
#include "TeclasDeAcesso.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>

namespace {

struct ExportacaoTest : JanelaPrincipal {
    ExportacaoTest() { clicar("Desenhar"); }

    // Exports with the menu as `escolha` says; the file written.
    QString exportar(const EscolhaExportacao& escolha, const char* nome) {
        const QString caminho = m_pasta.filePath(QString::fromUtf8(nome));
        dialogos.exportacoes.push_back(escolha);
        dialogos.ficheiros.push_back({caminho, false});
        form->findChild<QAction*>(QStringLiteral("ExportarImagem"))->trigger();
        EXPECT_EQ(dialogos.textos(), QStringList());
        return caminho;
    }

    static QByteArray conteudo(const QString& caminho) {
        QFile ficheiro(caminho);
        return ficheiro.open(QIODevice::ReadOnly) ? ficheiro.readAll() : QByteArray();
    }

    // Pages of a PDF: its page objects, not the page tree.
    static int paginas(const QByteArray& pdf) {
        return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                                pdf.count("/Type /Page/") + pdf.count("/Type /Page>"));
    }

    QTemporaryDir m_pasta;
};

using Escolha = EscolhaExportacao;

bool azul(QRgb p) {
    return qBlue(p) > qRed(p) + 60;
}
bool escuro(QRgb p) {
    return qGray(p) < 100 && !azul(p);
}

// The row of the x axis: the one with the longest run of dark pixels.
int linhaDoEixoX(const QImage& imagem) {
    int melhor = 0, maior = 0;
    for (int y = 0; y < imagem.height(); ++y) {
        int n = 0;
        for (int x = 0; x < imagem.width(); ++x)
            n += escuro(imagem.pixel(x, y));
        if (n > maior)
            std::tie(melhor, maior) = std::pair(y, n);
    }
    return melhor;
}

TEST_F(ExportacaoTest, A300dpiOsAlgarismosSaoGrandesEAsCurvasLisas) {
    const QImage imagem(
        exportar({Escolha::Graficos::Funcao, Escolha::Formato::Png, Escolha::Tamanho::A4300dpi},
                 "grafico.png"));
    ASSERT_EQ(imagem.width(), ExportacaoImagem::kLarguraA4300dpi);
    EXPECT_EQ(imagem.dotsPerMeterX(), 11811);
    // The numbers under the x axis from 1 to 9: the band of dark rows after the marks.
    const int eixo = linhaDoEixoX(imagem);
    const auto temEscuro = [&imagem](int y) {
        for (int x = imagem.width() / 2 + 40; x < imagem.width() - 120; ++x)
            if (escuro(imagem.pixel(x, y)))
                return true;
        return false;
    };
    int topo = eixo;
    while (topo < imagem.height() && temEscuro(topo))
        ++topo;
    while (topo < imagem.height() && !temEscuro(topo))
        ++topo;
    int fundo = topo;
    while (fundo + 1 < imagem.height() && temEscuro(fundo + 1))
        ++fundo;
    EXPECT_GE(fundo - topo + 1, 30);

    // Near the vertex of 1/2x^2-4 the slope of the curve's centre changes smoothly from one
    // column to the next, as a parabola's does: an enlarged picture would climb in steps of
    // whole pixels. And no blue pixel stands alone.
    const int meio = imagem.width() / 2;
    std::vector<double> centros;
    for (int x = meio - 150; x < meio + 150; ++x) {
        double soma = 0, peso = 0;
        for (int y = 0; y < imagem.height(); ++y)
            if (const QRgb p = imagem.pixel(x, y); azul(p)) {
                soma += y * (qBlue(p) - qRed(p));
                peso += qBlue(p) - qRed(p);
            }
        ASSERT_GT(peso, 0) << x;
        centros.push_back(soma / peso);
    }
    for (std::size_t i = 2; i < centros.size(); ++i)
        EXPECT_LT(std::abs(centros[i] - 2 * centros[i - 1] + centros[i - 2]), 0.5) << i;
    int soltos = 0;
    for (int y = 1; y + 1 < imagem.height(); ++y)
        for (int x = 1; x + 1 < imagem.width(); ++x) {
            if (!azul(imagem.pixel(x, y)))
                continue;
            int vizinhos = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    vizinhos += (dx != 0 || dy != 0) && azul(imagem.pixel(x + dx, y + dy));
            soltos += vizinhos == 0;
        }
    EXPECT_EQ(soltos, 0);
}

// The screen's size is the areas' pixels; twice it, twice as many.
TEST_F(ExportacaoTest, TamanhosDoPng) {
    const QImage ecra(exportar(
        {Escolha::Graficos::Ambos, Escolha::Formato::Png, Escolha::Tamanho::Ecra}, "ecra"));
    const QImage dobro(
        exportar({Escolha::Graficos::Transformada, Escolha::Formato::Png, Escolha::Tamanho::Dobro},
                 "dobro.png"));
    EXPECT_EQ(ecra.size(), QSize(2 * 493 + 20 + 20, 493 + 28 + 20));
    EXPECT_EQ(dobro.size(), QSize(2 * (493 + 20), 2 * (493 + 28 + 20)));
    // At the screen's size the function graph is what the screen shows, pixel for pixel,
    // arrowheads included.
    const QImage noEcra = form->areaFuncao().persistente().grab(QRect(2, 2, 493, 493)).toImage();
    EXPECT_TRUE(ecra.copy(10, 38, 493, 493).convertToFormat(QImage::Format_RGB32) ==
                noEcra.convertToFormat(QImage::Format_RGB32));
}

TEST_F(ExportacaoTest, SvgComCurvasEmCaminhosETextoEmTexto) {
    clicar("Option7");
    const QString svg = exportar(
        {Escolha::Graficos::Ambos, Escolha::Formato::Svg, Escolha::Tamanho::Ecra}, "quadro");
    ASSERT_TRUE(svg.endsWith(QStringLiteral(".svg")) || QFile::exists(svg + ".svg"));
    const QString caminho = QFile::exists(svg) ? svg : svg + QStringLiteral(".svg");
    QSvgRenderer desenho(caminho);
    EXPECT_TRUE(desenho.isValid());
    // The drawing fills its own white page from the corner.
    EXPECT_EQ(desenho.viewBox().topLeft(), QPoint(0, 0));
    QImage pagina(desenho.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    pagina.fill(Qt::transparent);
    {
        QPainter pintor(&pagina);
        desenho.render(&pintor);
    }
    EXPECT_EQ(pagina.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(pagina.pixel(pagina.width() - 1, pagina.height() - 1), qRgb(255, 255, 255));
    const QString texto = QString::fromUtf8(conteudo(caminho));
    EXPECT_TRUE(texto.contains(QStringLiteral("<path"))) << texto.left(300).toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("f(x) = 1/2x^2")));
    EXPECT_TRUE(texto.contains(QStringLiteral("a+f(x+b) (a = 2; b = 2)")));
}

TEST_F(ExportacaoTest, PdfEFolhaImpressaTemUmaPagina) {
    const QString pdf = exportar(
        {Escolha::Graficos::Ambos, Escolha::Formato::Pdf, Escolha::Tamanho::Ecra}, "quadro.pdf");
    const QByteArray exportado = conteudo(pdf);
    EXPECT_TRUE(exportado.startsWith("%PDF"));
    EXPECT_EQ(paginas(exportado), 1);

    dialogos.pdfDaImpressao = m_pasta.filePath(QStringLiteral("folha.pdf"));
    form->findChild<QAction*>(QStringLiteral("Imprimir"))->trigger();
    EXPECT_EQ(dialogos.impressoesPedidas, 1);
    const QByteArray folha = conteudo(dialogos.pdfDaImpressao);
    EXPECT_TRUE(folha.startsWith("%PDF"));
    EXPECT_EQ(paginas(folha), 1);
}

// The shortcuts work with the focus in a text box, which would take Ctrl+E as "end of line".
TEST_F(ExportacaoTest, AtalhosComOFocoNumaCaixaDeTexto) {
    dialogos.exportacoes.push_back(std::nullopt);
    form->funcao1()->setFocus();
    form->funcao1()->setCursorPosition(0);
    QTest::keyClick(form->funcao1(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(dialogos.exportacoes.empty());
    EXPECT_EQ(form->funcao1()->cursorPosition(), 0);
    QTest::keyClick(form->funcao1(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogos.pastasDeAbertura.size(), 1);
    // The dialogs open in a folder that exists, or they would take its name for the file's.
    EXPECT_TRUE(QFileInfo(dialogos.pastasDeAbertura[0]).isDir());
    QTest::keyClick(form->funcao1(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogos.impressoesPedidas, 1);
}

// The choice of the export: the size only for PNG pictures, each list named by its label.
TEST(DialogoExportar, TamanhoSoParaPngEListasComNome) {
    const EscolhaExportacao svg{Escolha::Graficos::Transformada, Escolha::Formato::Svg,
                                Escolha::Tamanho::Dobro};
    DialogoExportar dialogo(svg);
    auto* tamanho = dialogo.findChild<QComboBox*>(QStringLiteral("TamanhoExportado"));
    auto* formato = dialogo.findChild<QComboBox*>(QStringLiteral("FormatoExportado"));
    ASSERT_TRUE(tamanho && formato);
    EXPECT_TRUE(dialogo.escolha() == svg);
    EXPECT_FALSE(tamanho->isEnabled());
    formato->setCurrentIndex(0);
    EXPECT_TRUE(tamanho->isEnabled());
    EXPECT_EQ(tamanho->accessibleName(), QStringLiteral("Tamanho"));
    EXPECT_EQ(formato->accessibleName(), QStringLiteral("Formato"));
}

// An access key a text already has is kept and not given again.
TEST(TeclasDeAcesso, UmaTeclaJaEscolhidaNaoSeRepete) {
    QMenu menu;
    menu.addAction(QStringLiteral("Abrir"));
    menu.addAction(QStringLiteral("Ver &a"));
    menu.addAction(QStringLiteral("Fechar"));
    // "&&" is a plain "&": the key of this one is its "c", which "Cortar" cannot take.
    menu.addAction(QStringLiteral("Copiar && &colar"));
    menu.addAction(QStringLiteral("Cortar"));
    TeclasDeAcesso::aplicar(menu);
    QStringList textos;
    for (const QAction* accao : menu.actions())
        textos << accao->text();
    EXPECT_EQ(textos, (QStringList{"A&brir", "Ver &a", "&Fechar", "Copiar && &colar", "C&ortar"}));
}

} // namespace
