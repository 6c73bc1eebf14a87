// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PainelExercicio.h"

#include "AnaliseCurva.h"
#include "AreaGrafica.h"
#include "CamadaPassageira.h"
#include "Catalogo.h"
#include "CoresDaArea.h"
#include "Descricao.h"
#include "DesenharTransformada.h"
#include "EscritaParaAluno.h"
#include "FuncaoComposta.h"
#include "Identificacao.h"
#include "LeituraComposicao.h"
#include "MarcasNoGrafico.h"
#include "NotaDoTracado.h"
#include "PreparacaoTexto.h"
#include "TabelaPontosNotaveis.h"
#include "TextoNumero.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QColor kAzul(0, 0, 255);

// The intervals as a pupil writes them, each that the window cuts said so.
QString intervalosEscritos(const std::vector<IntervaloNaJanela>& lista, bool& cortado) {
    std::vector<Intervalo> simples;
    bool esteCortado = false;
    for (const IntervaloNaJanela& i : lista) {
        simples.push_back(i.intervalo);
        esteCortado = esteCortado || i.cortado();
    }
    cortado = cortado || esteCortado;
    return EscritaParaAluno::uniao(simples) +
           (esteCortado ? QStringLiteral(" (visto na janela)") : QString());
}

// "a+f(x+b) (a = 2; b = −1)": the option as its caption names it, with its parameters.
QString nomeDaOpcao(const Transformacao& t, const Parametros& parametros) {
    QStringList valores;
    if (t.usaA)
        valores << QStringLiteral("a = ") + EscritaParaAluno::numero(parametros.a.toDouble());
    if (t.usaB)
        valores << QStringLiteral("b = ") + EscritaParaAluno::numero(parametros.b.toDouble());
    const QString legenda = QString::fromUtf8(t.legenda);
    return valores.isEmpty()
               ? legenda
               : legenda + QStringLiteral(" (") + valores.join(QStringLiteral("; ")) + u')';
}

} // namespace

PainelExercicio::PainelExercicio(AreaGrafica& funcao, AreaGrafica& transformada,
                                 const JanelaGrafica& janela, std::function<QColor()> corSeguinte,
                                 std::function<QString()> textoDeF, const Avisos& avisos,
                                 QWidget* pai)
    : QWidget(pai), m_areaF(funcao), m_areaT(transformada), m_janela(janela),
      m_corSeguinte(std::move(corSeguinte)), m_textoDeF(std::move(textoDeF)), m_avisos(avisos),
      m_marcasF(new MarcasNoGrafico(funcao.persistente())),
      m_marcasT(new MarcasNoGrafico(transformada.persistente())) {
    identificar(this, QStringLiteral("PainelExercicio"), QStringLiteral("Painel do exercício"));
    criarCampos();
    auto* atalho = new QShortcut(QKeySequence::Copy, this);
    atalho->setContext(Qt::WidgetWithChildrenShortcut);
    connect(atalho, &QShortcut::activated, this, &PainelExercicio::copiar);
    // What an erase or a redraw of the axes takes away is no longer analysed.
    connect(&funcao.persistente(), &Quadro::limpo, this, [this] {
        m_f.reset();
        analisar();
    });
    connect(&transformada.persistente(), &Quadro::limpo, this, [this] {
        m_t.reset();
        m_descricao->clear();
        m_areaT.persistente().setToolTip({});
        analisar();
    });
}

QLineEdit* PainelExercicio::campo(const QString& nome, const QString& legenda,
                                  const QString& dica) {
    auto* caixa = new QLineEdit(this);
    identificar(caixa, nome, legenda, dica);
    return caixa;
}

void PainelExercicio::criarCampos() {
    auto* titulo = new QLabel(QStringLiteral("<b>Painel do exercício</b>"), this);
    pintarTexto(titulo, kAzul);
    m_g = campo(QStringLiteral("GDeX"), QStringLiteral("g(x) ="),
                QStringLiteral("Escreva g em função de f, como no exercício: -2f(x-1)+3, "
                               "f(|x|)-1, 1+f(x/2). Enter desenha g no gráfico da transformada."));
    m_dominio = campo(QStringLiteral("DominioDeF"), QStringLiteral("Domínio de f"),
                      QStringLiteral("Um intervalo, como [-5, 3], ]-2, 4] ou [0, +∞[; vazio: "
                                     "todos os números reais. Enter desenha f de novo."));
    m_x = campo(QStringLiteral("ValorDeX"), QStringLiteral("x ="),
                QStringLiteral("Um número ou uma expressão: mostra e marca f(x) e o valor da "
                               "última transformada."));
    connect(m_g, &QLineEdit::returnPressed, this, &PainelExercicio::desenharG);
    connect(m_dominio, &QLineEdit::returnPressed, this, &PainelExercicio::dominioIndicado);
    connect(m_x, &QLineEdit::returnPressed, this, &PainelExercicio::mostrarValoresEmX);

    auto* formulario = new QFormLayout;
    formulario->addRow(QStringLiteral("g(x) ="), m_g);
    formulario->addRow(QStringLiteral("Domínio de f"), m_dominio);
    formulario->addRow(QStringLiteral("x ="), m_x);

    m_valores = new QLabel(this);
    identificar(m_valores, QStringLiteral("ValoresEmX"), QStringLiteral("Valores em x"));
    m_valores->setWordWrap(true);
    m_valores->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_tabela = new TabelaPontosNotaveis(this);
    m_intervalos = new QLabel(this);
    identificar(m_intervalos, QStringLiteral("Intervalos"),
                QStringLiteral("Domínio e contradomínio"));
    m_intervalos->setWordWrap(true);
    m_intervalos->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_descricao = new QPlainTextEdit(this);
    identificar(m_descricao, QStringLiteral("Descricao"), QStringLiteral("Descrição"),
                QStringLiteral("Como o gráfico da última transformada se obtém do de f."));
    m_descricao->setReadOnly(true);
    auto* copiar = new QPushButton(QStringLiteral("Copiar"), this);
    identificar(copiar, QStringLiteral("CopiarPainel"), copiar->text(),
                QStringLiteral("Copiar os pontos notáveis, os domínios e os contradomínios como "
                               "texto (Ctrl+C)."));
    connect(copiar, &QPushButton::clicked, this, &PainelExercicio::copiar);

    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(4, 0, 0, 0);
    coluna->addWidget(titulo);
    coluna->addLayout(formulario);
    coluna->addWidget(m_valores);
    auto* rotuloTabela = new QLabel(QStringLiteral("Pontos notáveis"), this);
    rotuloTabela->setBuddy(m_tabela);
    coluna->addWidget(rotuloTabela);
    coluna->addWidget(m_tabela, 3);
    coluna->addWidget(m_intervalos);
    auto* rotuloDescricao = new QLabel(QStringLiteral("Descrição"), this);
    rotuloDescricao->setBuddy(m_descricao);
    coluna->addWidget(rotuloDescricao);
    coluna->addWidget(m_descricao, 1);
    coluna->addWidget(copiar, 0, Qt::AlignRight);
}

IntervaloLido PainelExercicio::dominioLido() const {
    if (isHidden())
        return {};
    return lerIntervalo(m_dominio->text());
}

QString PainelExercicio::mensagemDoDominio(const QString& erro) {
    return QStringLiteral("Erro no domínio de f:\r\n\r\n") + erro;
}

void PainelExercicio::funcaoDesenhada(const QString& f, const Intervalo& dominio) {
    m_f = Curva{QStringLiteral("f(x)"), f, dominio, std::nullopt};
    analisar();
}

void PainelExercicio::opcaoDesenhada(int numero, const QString& f, const Parametros& parametros) {
    const Transformacao& t = transformacao(numero);
    const IntervaloLido dominio = dominioLido();
    transformadaNova(
        Curva{nomeDaOpcao(t, parametros), f, dominio.intervalo, composicaoDe(t, f, parametros)},
        descreverOpcao(numero, parametros.a.toDouble(), parametros.b.toDouble()).texto);
}

// The text of f ready for g, or nothing when it is refused (and said).
std::optional<QString> PainelExercicio::fParaG() {
    const TextoPreparado f = PrepararTexto(m_textoDeF());
    if (!f.aceite()) {
        m_avisos.falhaDaFuncao(f.erro);
        return std::nullopt;
    }
    if (f.vazio()) {
        m_avisos.avisar(QStringLiteral("Deve escrever a expressão analítica da função que "
                                       "pretende representar graficamente."),
                        Dialogos::Icone::Nenhum);
        return std::nullopt;
    }
    return f.texto;
}

void PainelExercicio::desenharG() {
    const QString escrito = m_g->text().trimmed();
    m_areaT.camadaPassageira().esconderNota();
    if (escrito.isEmpty())
        return m_avisos.avisar(QStringLiteral("Escreva g(x) em função de f, como no exercício: "
                                              "por exemplo, -2f(x-1)+3."),
                               Dialogos::Icone::Informacao);
    const auto f = fParaG();
    if (!f)
        return;
    const IntervaloLido dominio = dominioLido();
    if (!dominio.aceite())
        return m_avisos.avisar(mensagemDoDominio(dominio.erro), Dialogos::Icone::Informacao);
    const ComposicaoLida g = lerComposicao(escrito, *f);
    if (!g.aceite())
        return m_avisos.avisar(QStringLiteral("Erro na expressão de g:\r\n\r\n") + g.erro,
                               Dialogos::Icone::Informacao);
    if (!m_areaT.eixosAceites())
        return m_areaT.camadaPassageira().mostrarNota(NotaTabelaRecusada());
    FuncaoComposta curva(g.composicao, *f, dominio.intervalo);
    ResultadoTracado resultado;
    try {
        resultado =
            DesenharTransformada(curva, m_areaT, m_janela, m_corSeguinte(), m_avisos.janela());
    } catch (const InterpreterError& erro) {
        return m_avisos.falhaDaFuncao(QString::fromStdString(erro.description()));
    }
    const QString nome = escrito.contains(u'=') ? escrito : QStringLiteral("g(x) = ") + escrito;
    emit transformadaDesenhada(CurvaDesenhada{
        g.composicao.expandida,
        nome,
        {},
        leituraDe(std::make_shared<FuncaoComposta>(g.composicao, *f, dominio.intervalo))});
    MostrarNotaSemPontos(m_areaT.camadaPassageira(), resultado);
    transformadaNova(Curva{nome, *f, dominio.intervalo, g.composicao},
                     descreverComposicao(g.composicao).texto);
}

void PainelExercicio::transformadaNova(Curva curva, const QString& descricao) {
    m_t = std::move(curva);
    m_descricao->setPlainText(descricao);
    // The readout of the transform area tells the same when asked.
    m_areaT.persistente().setToolTip(descricao);
    analisar();
}

void PainelExercicio::transformadaUsadaComoF() {
    if (isHidden() || !m_t || m_t->dominio.todaAReta() || m_analises.empty())
        return;
    const std::vector<IntervaloNaJanela>& dominio = m_analises.back().analise.dominio;
    if (dominio.size() == 1 && !dominio.front().cortado()) {
        m_dominio->setText(EscritaParaAluno::intervalo(dominio.front().intervalo));
        return;
    }
    // The new f is not to be drawn on the domain of the old one.
    m_dominio->clear();
    m_avisos.avisar(QStringLiteral("O domínio da transformada não é um só intervalo que se veja "
                                   "todo na janela: escreva-o em «Domínio de f» e carregue em "
                                   "Enter para desenhar f nele."),
                    Dialogos::Icone::Informacao);
}

void PainelExercicio::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    analisar();
}

void PainelExercicio::analisar() {
    m_analises.clear();
    m_marcasF->limpar();
    m_marcasT->limpar();
    if (isVisible()) {
        for (const std::optional<Curva>* c : {&m_f, &m_t}) {
            if (!*c)
                continue;
            const Curva& curva = **c;
            FuncaoComposta funcao = curva.composicao
                                        ? FuncaoComposta(*curva.composicao, curva.f, curva.dominio)
                                        : FuncaoComposta(curva.f, curva.dominio);
            m_analises.push_back({curva.nome, analisarCurva(funcao, m_janela)});
            (c == &m_f ? m_marcasF : m_marcasT)
                ->mostrarPontos(m_analises.back().analise.pontos, m_janela);
        }
    }
    m_tabela->mostrar(m_analises);
    mostrarIntervalos();
    m_valores->clear();
}

void PainelExercicio::mostrarIntervalos() {
    QStringList linhas;
    bool cortado = false;
    for (const CurvaAnalisada& c : m_analises) {
        if (!c.analise.erro.isEmpty()) {
            linhas << c.nome + QStringLiteral(": ") + c.analise.erro;
            continue;
        }
        // Df and D'f, Dg and D'g, as textbooks write them; D and D' for an option.
        static const QRegularExpression nomeDaFuncao(QStringLiteral("^([a-z])\\(x\\)"));
        const QString sufixo = nomeDaFuncao.match(c.nome).captured(1);
        linhas << c.nome + QStringLiteral(":  D") + sufixo + QStringLiteral(" = ") +
                      intervalosEscritos(c.analise.dominio, cortado) + QStringLiteral(";  D'") +
                      sufixo + QStringLiteral(" = ") +
                      intervalosEscritos(c.analise.contradominio, cortado);
    }
    if (cortado)
        linhas << QStringLiteral("A janela corta o gráfico: o domínio ou o contradomínio "
                                 "indicado é só o que se vê na janela.");
    m_intervalos->setText(linhas.join(u'\n'));
}

std::optional<double> PainelExercicio::valorEm(const Curva& curva, double x) const {
    FuncaoComposta funcao = curva.composicao
                                ? FuncaoComposta(*curva.composicao, curva.f, curva.dominio)
                                : FuncaoComposta(curva.f, curva.dominio);
    try {
        return funcao.valorEm(x);
    } catch (const InterpreterError&) {
        return std::nullopt;
    }
}

void PainelExercicio::mostrarValoresEmX() {
    m_marcasF->marcar(std::nullopt, m_janela);
    m_marcasT->marcar(std::nullopt, m_janela);
    clsEquation equacao;
    const ValorLido x = lerParametro(equacao, m_x->text());
    if (!x.aceite()) {
        m_valores->setText(QStringLiteral("Erro no valor de x: ") + x.erro);
        return;
    }
    QStringList linhas;
    for (const auto& [curva, marcas] : {std::pair{&m_f, m_marcasF}, std::pair{&m_t, m_marcasT}}) {
        if (!*curva)
            continue;
        const std::optional<double> y = valorEm(**curva, x.valor);
        linhas << (*curva)->nome + QStringLiteral(" em x = ") + EscritaParaAluno::numero(x.valor) +
                      QStringLiteral(": ") +
                      (y ? EscritaParaAluno::numero(*y) : QStringLiteral("não definida"));
        if (y)
            marcas->marcar(QPointF(x.valor, *y), m_janela);
    }
    if (linhas.isEmpty())
        linhas << QStringLiteral("Desenhe f ou uma transformada para ver os valores em x.");
    m_valores->setText(linhas.join(u'\n'));
}

QString PainelExercicio::intervalos() const {
    return m_intervalos->text();
}

QString PainelExercicio::valoresEmX() const {
    return m_valores->text();
}

QString PainelExercicio::descricao() const {
    return m_descricao->toPlainText();
}

QString PainelExercicio::textoParaCopiar() const {
    return ::textoParaCopiar(m_analises);
}

void PainelExercicio::copiar() {
    QApplication::clipboard()->setText(textoParaCopiar());
}
