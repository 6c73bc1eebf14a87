#include "GrupoBotoesImagem.h"

#include "Twips.h"

#include <QFont>

namespace {

// Every row of picture buttons stands 240 twips below the top of its frame.
constexpr int kTopoBotoes = 240;

} // namespace

GrupoBotoesImagem::GrupoBotoesImagem(const char* nome, const char* titulo, const QRect& geometria,
                                     std::span<const Botao> botoes, QWidget* pai)
    : QGroupBox(QString::fromUtf8(titulo), pai) {
    setObjectName(QString::fromUtf8(nome));
    setAccessibleName(title());
    setGeometry(
        rectanguloTwips(geometria.x(), geometria.y(), geometria.width(), geometria.height()));
    QFont letra(QStringLiteral("Arial"));
    letra.setPointSizeF(8.25);
    letra.setBold(true);
    setFont(letra);
    QPalette cores = palette();
    cores.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(cores);

    for (const Botao& dados : botoes) {
        auto* botao =
            new BotaoImagem(QString::fromUtf8(dados.nome), QString::fromUtf8(dados.legenda),
                            QString::fromUtf8(dados.dica),
                            QStringLiteral(":/icones/") + QString::fromLatin1(dados.icone), this);
        botao->move(twipsParaPixels(dados.esquerda), twipsParaPixels(kTopoBotoes));
    }
}

BotaoImagem* GrupoBotoesImagem::botao(const char* nome) const {
    auto* encontrado = findChild<BotaoImagem*>(QString::fromUtf8(nome), Qt::FindDirectChildrenOnly);
    Q_ASSERT(encontrado);
    return encontrado;
}
