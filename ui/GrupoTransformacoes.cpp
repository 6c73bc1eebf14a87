#include "GrupoTransformacoes.h"

#include "BotaoOpcao.h"
#include "CampoParametro.h"
#include "Catalogo.h"
#include "DesenharTransformada.h"
#include "Dialogos.h"
#include "Form1.h"
#include "TextoNumero.h"
#include "clsEquation.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor kAzul(0, 0, 255);
const QColor kBranco(255, 255, 255);

// Places in twips (left, top, width, height) inside the group.
constexpr QRect kGrupo(7680, 180, 7455, 1335);
constexpr QRect kLine1(6480, 120, 15, 1140);
constexpr QRect kLabel3(6600, 360, 255, 255);
constexpr QRect kLabel4(6600, 780, 255, 255);
constexpr QRect kValorDeA(6900, 360, 375, 285);
constexpr QRect kValorDeB(6900, 780, 375, 285);

const char* const kDicaA = "Escreva aqui o valor de a da transformação.";
const char* const kDicaB = "Escreva aqui o valor de b da transformação.";

QRect emPixels(const QRect& twips) {
    return rectanguloTwips(twips.x(), twips.y(), twips.width(), twips.height());
}

void identificar(QWidget* controlo, const QString& nome, const QString& legenda,
                 const char* dica = nullptr) {
    controlo->setObjectName(nome);
    controlo->setAccessibleName(legenda.isEmpty() ? nome : legenda);
    if (dica) {
        controlo->setToolTip(QString::fromUtf8(dica));
        controlo->setAccessibleDescription(controlo->toolTip());
    }
}

void pintarTexto(QWidget* controlo, const QColor& cor) {
    QPalette paleta = controlo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    paleta.setColor(QPalette::ButtonText, cor);
    controlo->setPalette(paleta);
}

// The classic interface font the group was laid out for, every attribute set, so that the
// bold caption font of the frame does not reach the controls inside it.
QFont fonteDosControlos() {
    QFont fonte;
    fonte.setFamily(QStringLiteral("MS Sans Serif"));
    fonte.setPointSizeF(8.25);
    fonte.setBold(false);
    fonte.setItalic(false);
    return fonte;
}

} // namespace

GrupoTransformacoes::GrupoTransformacoes(Form1& janela)
    : QGroupBox(QStringLiteral("Quilora"), janela.areaCliente()), m_janela(janela) {
    identificar(this, QStringLiteral("Frame2"), title());
    setGeometry(emPixels(kGrupo));
    QFont fonteTitulo(QStringLiteral("Arial"));
    fonteTitulo.setPointSizeF(8.25);
    fonteTitulo.setBold(true);
    setFont(fonteTitulo);
    pintarTexto(this, kAzul);

    criarOpcoes();
    criarParametros();
    for (QWidget* controlo : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        controlo->setFont(fonteDosControlos());
}

void GrupoTransformacoes::criarOpcoes() {
    for (const Transformacao& t : catalogo()) {
        auto* opcao = new BotaoOpcao(QString::fromUtf8(t.legenda), this);
        identificar(opcao, QString::fromUtf8(t.controlo), opcao->text(), t.dica);
        opcao->setGeometry(
            rectanguloTwips(t.lugar.esquerda, t.lugar.topo, t.lugar.largura, kAlturaOpcao));
        pintarTexto(opcao, kAzul);
        const int numero = t.numero;
        connect(opcao, &BotaoOpcao::escolhida, this, [this, numero] {
            marcarSo(numero);
            executar(numero);
        });
        // The graph drawn by the first click of the pair stays; only the mark goes.
        connect(opcao, &BotaoOpcao::duploClique, this, [this, opcao] {
            opcao->setChecked(false);
            apagarPrevisao();
        });
        connect(opcao, &BotaoOpcao::setaPremida, this,
                [this, numero](bool seguinte) { moverSeleccao(numero, seguinte); });
        m_opcoes[static_cast<std::size_t>(numero - 1)] = opcao;
    }
}

void GrupoTransformacoes::criarParametros() {
    auto* line1 = new QFrame(this);
    identificar(line1, QStringLiteral("Line1"), {});
    line1->setGeometry(twipsParaPixels(kLine1.x()), twipsParaPixels(kLine1.y()), 1,
                       twipsParaPixels(kLine1.height()));
    QPalette branco = line1->palette();
    branco.setColor(QPalette::Window, kBranco);
    line1->setPalette(branco);
    line1->setAutoFillBackground(true);

    const auto rotulo = [this](const QString& nome, const QString& texto, const QRect& lugar,
                               const char* dica) {
        auto* label = new QLabel(texto, this);
        identificar(label, nome, texto, dica);
        label->setGeometry(emPixels(lugar));
        pintarTexto(label, kAzul);
        return label;
    };
    const auto campo = [this](const QString& nome, const QRect& lugar, const char* dica) {
        auto* caixa = new CampoParametro(QStringLiteral("2"), this);
        connect(caixa, &CampoParametro::valorMudado, this, [this, caixa] { prever(caixa); });
        identificar(caixa, nome, {}, dica);
        caixa->setGeometry(emPixels(lugar));
        caixa->setAlignment(Qt::AlignCenter);
        caixa->setTextMargins(0, 0, 0, 0);
        return caixa;
    };
    m_valorDeA = campo(QStringLiteral("ValorDeA"), kValorDeA, kDicaA);
    m_valorDeB = campo(QStringLiteral("ValorDeB"), kValorDeB, kDicaB);
    rotulo(QStringLiteral("Label3"), QStringLiteral("a ="), kLabel3, nullptr)->setBuddy(m_valorDeA);
    rotulo(QStringLiteral("Label4"), QStringLiteral("b ="), kLabel4, kDicaB)->setBuddy(m_valorDeB);
}

BotaoOpcao* GrupoTransformacoes::opcao(int numero) const {
    return m_opcoes.at(static_cast<std::size_t>(numero - 1));
}

void GrupoTransformacoes::reset() {
    for (BotaoOpcao* opcao : m_opcoes)
        opcao->setChecked(false);
    apagarPrevisao();
}

void GrupoTransformacoes::transformadaApagada() {
    reset();
}

void GrupoTransformacoes::marcarSo(int numero) {
    // Selecting an option clears the mark of the one selected before, running nothing for it.
    apagarPrevisao();
    for (BotaoOpcao* opcao : m_opcoes)
        if (opcao != this->opcao(numero))
            opcao->setChecked(false);
}

void GrupoTransformacoes::moverSeleccao(int numero, bool seguinte) {
    const int alvo = seguinte ? numero % 10 + 1 : (numero + 8) % 10 + 1;
    BotaoOpcao* destino = opcao(alvo);
    destino->setFocus(seguinte ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    destino->click();
}

bool GrupoTransformacoes::parametroIndicado(QLineEdit* campo, const QString& mensagem) {
    if (!campo->text().trimmed().isEmpty())
        return true;
    m_janela.avisar(mensagem, Dialogos::Icone::Informacao);
    campo->setFocus();
    return false;
}

std::optional<QString> GrupoTransformacoes::valorAvaliado(clsEquation& equacao,
                                                          const QString& texto) {
    try {
        equacao.Equation(texto.toStdString());
        equacao.Solve();
        return textoDoNumero(equacao.Solution());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void GrupoTransformacoes::avaliarParametro(clsEquation& equacao, QLineEdit* campo) {
    // A parameter that cannot be evaluated stays as typed and is built in as it stands.
    if (const auto texto = valorAvaliado(equacao, campo->text()))
        campo->setText(*texto);
}

void GrupoTransformacoes::executar(int numero) {
    const Transformacao& t = transformacao(numero);
    if (t.usaA &&
        !parametroIndicado(m_valorDeA, QStringLiteral("É necessário indicar o valor de a")))
        return;
    if (t.usaB &&
        !parametroIndicado(m_valorDeB, QStringLiteral("É necessário indicar o valor de b")))
        return;

    // One expression object evaluates the parameters and then holds the built text.
    clsEquation equacao;
    if (t.usaA)
        avaliarParametro(equacao, m_valorDeA);
    if (t.usaB)
        avaliarParametro(equacao, m_valorDeB);

    const auto texto = textoADesenhar(t, m_janela.funcao1()->text(),
                                      {m_valorDeA->text(), m_valorDeB->text()}, m_textos);
    if (!texto)
        return;
    equacao.Equation(texto->toStdString());
    DesenharTransformada(equacao, m_janela.areaTransformada(), m_janela.janela(),
                         m_janela.corGraficoTransformada(), m_janela);
    m_janela.curvaDesenhada(m_janela.areaTransformada(), *texto, QString::fromUtf8(t.legenda));
}

int GrupoTransformacoes::opcaoMarcada() const {
    for (int numero = 1; numero <= static_cast<int>(m_opcoes.size()); ++numero)
        if (opcao(numero)->isChecked())
            return numero;
    return 0;
}

void GrupoTransformacoes::apagarPrevisao() {
    m_janela.areaTransformada().camadaPassageira().limparPontos();
}

// The marked transformation drawn with the parameters as they are now, in place of the last
// preview and kept nowhere: nothing is written back, built into the working texts or said.
void GrupoTransformacoes::prever(QLineEdit* campo) {
    apagarPrevisao();
    const int numero = opcaoMarcada();
    if (numero == 0)
        return;
    const Transformacao& t = transformacao(numero);
    if (!((t.usaA && campo == m_valorDeA) || (t.usaB && campo == m_valorDeB)))
        return;
    clsEquation equacao;
    Parametros parametros{m_valorDeA->text(), m_valorDeB->text()};
    for (const auto& [usado, valor] : {std::pair{t.usaA, &parametros.a}, {t.usaB, &parametros.b}}) {
        if (!usado)
            continue;
        if (valor->trimmed().isEmpty())
            return;
        *valor = valorAvaliado(equacao, *valor).value_or(*valor);
    }
    TextosDeTrabalho textos;
    const auto texto = textoADesenhar(t, m_janela.funcao1()->text(), parametros, textos);
    if (!texto)
        return;
    equacao.Equation(texto->toStdString());
    PreverTransformada(equacao, m_janela.areaTransformada().camadaPassageira(), m_janela.janela(),
                       m_janela.corGraficoTransformada());
}
