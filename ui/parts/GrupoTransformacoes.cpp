// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrupoTransformacoes.h"

#include "AreaGrafica.h"
#include "BotaoOpcao.h"
#include "CamadaPassageira.h"
#include "CampoParametro.h"
#include "Catalogo.h"
#include "CoresDaArea.h"
#include "DesenharTransformada.h"
#include "FuncaoComposta.h"
#include "Identificacao.h"
#include "NotaDoTracado.h"
#include "NumeroInicial.h"
#include "PreparacaoTexto.h"
#include "TextoNumero.h"
#include "clsEquation.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <cstring>

namespace {

const QColor kAzul(0, 0, 255);
const QColor kBranco(255, 255, 255);

const char* const kDicaA = "Escreva aqui o valor de a da transformação.";
const char* const kDicaB = "Escreva aqui o valor de b da transformação.";

// The lead-in of the box, on one line for a note.
const QString kErroFuncaoNumaLinha = QStringLiteral("Erro na expressão analítica da função: ");
// The lead-in of a domain of f that cannot be read.
const QString kErroDominio = QStringLiteral("Erro no domínio de f:");
// What "Desenhar" says of an empty f, said alike by the transformations.
const QString kFuncaoEmFalta = QStringLiteral(
    "Deve escrever a expressão analítica da função que pretende representar graficamente.");

} // namespace

GrupoTransformacoes::GrupoTransformacoes(AreaGrafica& area, const JanelaGrafica& janela,
                                         const CoresDaArea& cores,
                                         std::function<QString()> textoDeF, const Avisos& avisos,
                                         QWidget* pai)
    : QGroupBox(QStringLiteral("Quilora"), pai), m_area(area), m_janela(janela), m_cores(cores),
      m_textoDeF(std::move(textoDeF)), m_avisos(avisos) {
    identificar(this, QStringLiteral("Frame2"), title());
    pintarTexto(this, kAzul);

    m_previsao.setSingleShot(true);
    m_previsao.setInterval(0);
    connect(&m_previsao, &QTimer::timeout, this, &GrupoTransformacoes::prever);
    criarOpcoes();
    criarParametros();
}

void GrupoTransformacoes::criarOpcoes() {
    for (const Transformacao& t : catalogo()) {
        auto* opcao = new BotaoOpcao(QString::fromUtf8(t.legenda), this);
        identificar(opcao, QString::fromUtf8(t.controlo), opcao->text(), t.dica);
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
    QPalette branco = line1->palette();
    branco.setColor(QPalette::Window, kBranco);
    line1->setPalette(branco);
    line1->setAutoFillBackground(true);

    const auto rotulo = [this](const QString& nome, const QString& texto, const char* dica) {
        auto* label = new QLabel(texto, this);
        identificar(label, nome, texto, dica);
        pintarTexto(label, kAzul);
        return label;
    };
    const auto campo = [this](const QString& nome, const char* dica) -> CampoParametro* {
        auto* caixa = new CampoParametro(QStringLiteral("2"), this);
        connect(caixa, &CampoParametro::valorMudado, this, [this, caixa] { pedirPrevisao(caixa); });
        connect(caixa, &QLineEdit::returnPressed, this, &GrupoTransformacoes::desenharMarcada);
        identificar(caixa, nome, {}, dica);
        caixa->setAlignment(Qt::AlignCenter);
        caixa->setTextMargins(0, 0, 0, 0);
        return caixa;
    };
    m_valorDeA = campo(QStringLiteral("ValorDeA"), kDicaA);
    m_valorDeB = campo(QStringLiteral("ValorDeB"), kDicaB);
    rotulo(QStringLiteral("Label3"), QStringLiteral("a ="), nullptr)->setBuddy(m_valorDeA);
    rotulo(QStringLiteral("Label4"), QStringLiteral("b ="), kDicaB)->setBuddy(m_valorDeB);
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
    m_avisos.avisar(mensagem, Dialogos::Icone::Informacao);
    campo->setFocus();
    return false;
}

bool GrupoTransformacoes::avaliarParametro(clsEquation& equacao, CampoParametro* campo) {
    const ValorLido lido = lerParametro(equacao, campo->text());
    if (lido.aceite()) {
        campo->escreverValor(lido.numero);
        return true;
    }
    m_avisos.avisar(QStringLiteral("Erro no valor de %1:\r\n\r\n").arg(nomeDe(campo)) + lido.erro,
                    Dialogos::Icone::Informacao);
    campo->setFocus();
    return false;
}

void GrupoTransformacoes::executar(int numero) {
    const Transformacao& t = transformacao(numero);
    m_area.camadaPassageira().esconderNota();
    if (t.usaA &&
        !parametroIndicado(m_valorDeA, QStringLiteral("É necessário indicar o valor de a")))
        return;
    if (t.usaB &&
        !parametroIndicado(m_valorDeB, QStringLiteral("É necessário indicar o valor de b")))
        return;

    // One expression object evaluates the parameters and then holds the built text.
    clsEquation equacao;
    if (t.usaA && !avaliarParametro(equacao, m_valorDeA))
        return;
    if (t.usaB && !avaliarParametro(equacao, m_valorDeB))
        return;

    const TextoPreparado f = PrepararTexto(m_textoDeF());
    if (!f.aceite())
        return m_avisos.falhaDaFuncao(f.erro);
    if (f.vazio())
        return m_avisos.avisar(kFuncaoEmFalta, Dialogos::Icone::Nenhum);
    const IntervaloLido dominio = m_dominioDeF();
    if (!dominio.aceite())
        return m_avisos.avisar(kErroDominio + QStringLiteral("\r\n\r\n") + dominio.erro,
                               Dialogos::Icone::Informacao);
    const Parametros parametros{m_valorDeA->text(), m_valorDeB->text()};
    const auto texto = textoADesenhar(t, f.texto, parametros, m_textos);
    const bool desenhada = texto && desenhar(equacao, t, f.texto, parametros, dominio.intervalo);
    notaDeANulo(t, parametros, desenhada);
}

// With a = 0, a + f(x) is f itself and a.f(x) the zero function, and neither is drawn; f(ax) is
// drawn, a constant. Each is said, unless a note already says why the area shows nothing.
void GrupoTransformacoes::notaDeANulo(const Transformacao& t, const Parametros& parametros,
                                      bool desenhada) {
    static const struct {
        const char* legenda;
        bool desenhada;
        const char* nota;
    } notas[] = {
        {"a + f(x)", false,
         "Com a = 0, a + f(x) é a própria f(x): a transformada não é desenhada."},
        {"a.f(x)", false,
         "Com a = 0, a.f(x) é a função nula, cujo gráfico é o eixo das abcissas: a transformada "
         "não é desenhada."},
        {"f(ax)", true, "Com a = 0, f(ax) é a função constante f(0): o gráfico é uma reta."},
    };
    CamadaPassageira& camada = m_area.camadaPassageira();
    if (!t.usaA || NumeroInicial(parametros.a) != 0 || !camada.nota().isEmpty())
        return;
    for (const auto& n : notas)
        if (std::strcmp(n.legenda, t.legenda) == 0 && n.desenhada == desenhada)
            camada.mostrarNota(QString::fromUtf8(n.nota));
}

// The curve as the readout names it, with the values of the parameters it was drawn with, as
// the pupil wrote them when they were expressions.
CurvaDesenhada GrupoTransformacoes::curva(const Transformacao& t, const QString& texto,
                                          const Parametros& parametros) const {
    CurvaDesenhada c{texto, QString::fromUtf8(t.legenda), {}};
    if (t.usaA)
        c.parametros.push_back({u'a', parametros.a.toDouble(), m_valorDeA->expressaoEscrita()});
    if (t.usaB)
        c.parametros.push_back({u'b', parametros.b.toDouble(), m_valorDeB->expressaoEscrita()});
    return c;
}

// Whether the transformation reached the area; a failure is said in a box or a note.
bool GrupoTransformacoes::desenhar(clsEquation& equacao, const Transformacao& t, const QString& f,
                                   const Parametros& parametros, const Intervalo& dominio) {
    if (!m_area.eixosAceites()) {
        m_area.camadaPassageira().mostrarNota(NotaTabelaRecusada());
        return false;
    }
    CurvaDesenhada desenhada = curva(t, textoConstruido(t, m_textos), parametros);
    if (!dominio.todaAReta())
        desenhada.valor =
            leituraDe(std::make_shared<FuncaoComposta>(composicaoDe(t, f, parametros), f, dominio));
    equacao.Equation(desenhada.expressao.toStdString());
    ResultadoTracado resultado;
    try {
        resultado = tracar(equacao, t, f, parametros, dominio);
    } catch (const InterpreterError& erro) {
        m_avisos.falhaDaFuncao(QString::fromStdString(erro.description()));
        return false;
    }
    emit transformadaDesenhada(desenhada);
    emit opcaoDesenhada(t.numero, f, parametros);
    MostrarNotaSemPontos(m_area.camadaPassageira(), resultado);
    return true;
}

// With a domain of f the transform lives only where the argument given to f lies in it.
ResultadoTracado GrupoTransformacoes::tracar(clsEquation& equacao, const Transformacao& t,
                                             const QString& f, const Parametros& parametros,
                                             const Intervalo& dominio) {
    if (dominio.todaAReta())
        return DesenharTransformada(equacao, m_area, m_janela, corSeguinte(), m_avisos.janela());
    FuncaoComposta funcao(composicaoDe(t, f, parametros), f, dominio);
    return DesenharTransformada(funcao, m_area, m_janela, corSeguinte(), m_avisos.janela());
}

// Enter in a or b draws the marked transformation again with the value typed, as choosing it
// afresh would.
void GrupoTransformacoes::desenharMarcada() {
    const int numero = opcaoMarcada();
    if (numero == 0)
        return;
    apagarPrevisao();
    executar(numero);
}

int GrupoTransformacoes::opcaoMarcada() const {
    for (int numero = 1; numero <= static_cast<int>(m_opcoes.size()); ++numero)
        if (opcao(numero)->isChecked())
            return numero;
    return 0;
}

void GrupoTransformacoes::apagarPrevisao() {
    m_previsao.stop();
    CamadaPassageira& camada = m_area.camadaPassageira();
    emit previsaoMudou(std::nullopt);
    camada.limparPontos();
    camada.esconderNota();
}

// The text is updated at once; the preview waits until the events already queued are handled,
// so a burst of steps is drawn once, with its last value.
void GrupoTransformacoes::pedirPrevisao(QLineEdit* campo) {
    m_campoPrevisto = campo;
    m_previsao.start();
}

// The marked transformation drawn with the parameters as they are now, in place of the last
// preview and kept nowhere: nothing is written back or built into the working texts, and no
// box is opened; what keeps it from showing is told in a note.
void GrupoTransformacoes::prever() {
    QLineEdit* campo = m_campoPrevisto;
    apagarPrevisao();
    const int numero = opcaoMarcada();
    if (numero == 0)
        return;
    const Transformacao& t = transformacao(numero);
    if (!((t.usaA && campo == m_valorDeA) || (t.usaB && campo == m_valorDeB)))
        return;
    if (!m_area.eixosAceites())
        return notaDaPrevisao(NotaTabelaRecusada());
    clsEquation equacao;
    Parametros parametros{m_valorDeA->text(), m_valorDeB->text()};
    if ((t.usaA && !lerParaPrevisao(equacao, m_valorDeA, parametros.a)) ||
        (t.usaB && !lerParaPrevisao(equacao, m_valorDeB, parametros.b)))
        return;
    const TextoPreparado f = PrepararTexto(m_textoDeF());
    if (!f.aceite())
        return notaDaPrevisao(kErroFuncaoNumaLinha + f.erro);
    if (f.vazio())
        return notaDaPrevisao(kFuncaoEmFalta);
    TextosDeTrabalho textos;
    const auto texto = textoADesenhar(t, f.texto, parametros, textos);
    if (!texto)
        return notaDeANulo(t, parametros, false);
    const IntervaloLido lido = m_dominioDeF();
    if (!lido.aceite())
        return notaDaPrevisao(kErroDominio + QStringLiteral(" ") + lido.erro);
    const Intervalo& dominio = lido.intervalo;
    equacao.Equation(texto->toStdString());
    try {
        CamadaPassageira& camada = m_area.camadaPassageira();
        if (dominio.todaAReta()) {
            MostrarNotaSemPontos(camada,
                                 PreverTransformada(equacao, camada, m_janela, corSeguinte()));
        } else {
            FuncaoComposta funcao(composicaoDe(t, f.texto, parametros), f.texto, dominio);
            MostrarNotaSemPontos(camada,
                                 PreverTransformada(funcao, camada, m_janela, corSeguinte()));
        }
        emit previsaoMudou(curva(t, *texto, parametros));
        notaDeANulo(t, parametros, true);
    } catch (const InterpreterError& erro) {
        notaDaPrevisao(kErroFuncaoNumaLinha + QString::fromStdString(erro.description()));
    }
}

bool GrupoTransformacoes::lerParaPrevisao(clsEquation& equacao, QLineEdit* campo, QString& valor) {
    const QChar nome = nomeDe(campo);
    if (valor.trimmed().isEmpty()) {
        notaDaPrevisao(QStringLiteral("É necessário indicar o valor de %1").arg(nome));
        return false;
    }
    const ValorLido lido = lerParametro(equacao, valor);
    if (!lido.aceite()) {
        notaDaPrevisao(QStringLiteral("Erro no valor de %1: ").arg(nome) + lido.erro);
        return false;
    }
    valor = lido.numero;
    return true;
}

void GrupoTransformacoes::notaDaPrevisao(const QString& texto) {
    m_area.camadaPassageira().mostrarNota(texto);
}

QChar GrupoTransformacoes::nomeDe(const QLineEdit* campo) const {
    return campo == m_valorDeA ? u'a' : u'b';
}

QColor GrupoTransformacoes::corSeguinte() const {
    return m_corSeguinte ? m_corSeguinte() : m_cores.grafico;
}
