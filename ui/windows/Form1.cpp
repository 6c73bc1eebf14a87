// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include "Acessibilidade.h"
#include "BotaoImagem.h"
#include "BotaoVertical.h"
#include "CabecalhosTabela.h"
#include "CicloDeTracado.h"
#include "ComandosFicheiro.h"
#include "Comparacao.h"
#include "CoresDasCurvas.h"
#include "Disposicao.h"
#include "Fontes.h"
#include "FuncaoComposta.h"
#include "GrupoOpcoesFuncao.h"
#include "GrupoOpcoesTransformada.h"
#include "GrupoTransformacoes.h"
#include "Identificacao.h"
#include "LegendaDaArea.h"
#include "LeituraDoPonteiro.h"
#include "NotaDoTracado.h"
#include "OperacoesImagem.h"
#include "OrdemTabulacao.h"
#include "PainelExercicio.h"
#include "PonteiroOcupado.h"
#include "PreparacaoTexto.h"
#include "QuadroDoExercicio.h"
#include "TabelaPontosNotaveis.h"
#include "TeclasDeAcesso.h"
#include "TracadoComDominio.h"
#include "TracoGrosso.h"
#include "clsEquation.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr QSize kCliente{1016, 714};
// With the exercise panel open, beside the transform area.
constexpr QSize kClienteComPainel{1376, 714};
constexpr FonteDesenho kTituloGrupo{"Arial", 8.25, true};
constexpr FonteDesenho kTituloArea{"Arial", 12, true};
constexpr FonteDesenho kFx{"MS Sans Serif", 9.75, true};
constexpr FonteDesenho kOpcao{"MS Sans Serif", 8.25, false};
constexpr FonteDesenho kBotao{"MS Serif", 6, false};
constexpr FonteDesenho kCabecalhos{"MS Sans Serif", 7.5, true};
constexpr FonteDesenho kCelula{"MS Serif", 6.75, false};

// The window's layout at scale 1, in twips, relative to the client area or to the frame that
// holds the control (the groups' rows follow their frame's). Each picture and its overlay share
// a place; the headings of the axis table lie under its cells.
// clang-format off
constexpr LugarDesenho kDisposicao[] = {
    // control                 left    top  width height  font
    {"Frame1",                   60,   180,  7455,  1335, kTituloGrupo},
    {"Label5",                 1080,   540,     0,     0, kFx},
    {"Função1",                1620,   480,  4575,   405},
    {"Frame2",                 7680,   180,  7455,  1335, kTituloGrupo},
    {"Option1",                 240,   360,   975,   255, kOpcao},
    {"Option2",                 240,   840,   735,   255, kOpcao},
    {"Option3",                1530,   360,   735,   255, kOpcao},
    {"Option4",                1545,   840,   795,   255, kOpcao},
    {"Option10",               2820,   360,   855,   255, kOpcao},
    {"Option5",                2820,   840,  1035,   255, kOpcao},
    {"Option8",                4230,   360,   855,   255, kOpcao},
    {"Option7",                4200,   840,   975,   255, kOpcao},
    {"Option6",                5640,   360,   795,   255, kOpcao},
    {"Option9",                5640,   840,   795,   255, kOpcao},
    {"Line1",                  6480,   120,    15,  1140},
    {"Label3",                 6600,   360,   255,   255, kOpcao},
    {"ValorDeA",               6900,   360,   375,   285, kOpcao},
    {"Label4",                 6600,   780,   255,   255, kOpcao},
    {"ValorDeB",               6900,   780,   375,   285, kOpcao},
    {"Label1",                  120,  1680,  7455,   255, kTituloArea},
    {"Label2",                 7680,  1680,  7455,   255, kTituloArea},
    {"Picture1",                 60,  2100,  7450,  7450},
    {"Picture3",                 60,  2100,  7450,  7450},
    {"Picture2",               7680,  2100,  7450,  7450},
    {"Picture4",               7680,  2100,  7450,  7450},
    {"Frame4",                   60,  9660,  5715,   975, kTituloGrupo},
    {"Desenhar",                180,   240,   615,   615, kBotao},
    {"ApagarF",                 970,   240,   615,   615, kBotao},
    {"CorGráficoFunção",       1760,   240,   615,   615, kBotao},
    {"CorFundoGráfico",        2550,   240,   615,   615, kBotao},
    {"EixosRadGráfico",        3340,   240,   615,   615, kBotao},
    {"CopiarFunção",           4130,   240,   615,   615, kBotao},
    {"GuardarFunção",          4920,   240,   615,   615, kBotao},
    {"Image1",                 5880,  9680,  3600,  1080, kCabecalhos},
    {"Xmin",                   6840, 10020,   315,   240, kCelula},
    {"Xmax",                   7380, 10020,   315,   240, kCelula},
    {"GradNumX",               7980, 10020,   195,   195},
    {"MarcaX",                 8520, 10020,   195,   195},
    {"PassoX",                 9000, 10020,   315,   240, kCelula},
    {"Ymin",                   6840, 10320,   315,   240, kCelula},
    {"Ymax",                   7380, 10320,   315,   240, kCelula},
    {"GradNumY",               7980, 10320,   195,   195},
    {"MarcaY",                 8520, 10320,   195,   195},
    {"PassoY",                 9000, 10320,   315,   240, kCelula},
    {"DesenharEixos",          9480,  9760,   195,   855, kBotao},
    {"Frame3",                 9840,  9660,  5355,   975, kTituloGrupo},
    {"ApagarT",                 120,   240,   615,   615, kBotao},
    {"Reset",                  1020,   240,   615,   615, kBotao},
    {"CorGráficoTransformada", 1920,   240,   615,   615, kBotao},
    {"CorFundoTransformada",   2820,   240,   615,   615, kBotao},
    {"CopiarTransformada",     3720,   240,   615,   615, kBotao},
    {"GuardarTransformada",    4620,   240,   615,   615, kBotao},
    {"PainelExercicio",       15300,   180,  5220, 10470, kOpcao},
};
// clang-format on

const QColor kAzul(0, 0, 255);
const QColor kVermelho(255, 0, 0);
const QColor kBranco(255, 255, 255);

QFont fonte(const QString& nome, double pontos, bool negrito) {
    QFont resultado(nome);
    resultado.setPointSizeF(pontos);
    resultado.setBold(negrito);
    return resultado;
}

} // namespace

Form1::Form1(Dialogos& dialogos, QWidget* pai) : QMainWindow(pai), m_avisos(dialogos, *this) {
    RegistarSubstitutosDeFontes();
    InstalarAcessibilidade();
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("QUILORA"));
    setAccessibleName(QStringLiteral("QUILORA"));
    setWindowIcon(QIcon(QStringLiteral(":/icones/quilora.svg")));
    createMenus();
    createControls();
    createComparison();
    createCurveStyles();
    createFileCommands();
    TeclasDeAcesso::aplicar(*menuBar());
    carregar();
}

Form1::~Form1() = default;

void Form1::createMenus() {
    QMenu* ficheiro = menuBar()->addMenu(QStringLiteral("Ficheiro"));
    ficheiro->setObjectName(QStringLiteral("Ficheiro"));
    QAction* fechar = ficheiro->addAction(QStringLiteral("Fechar esta página"));
    fechar->setObjectName(QStringLiteral("FecharPágina"));
    connect(fechar, &QAction::triggered, this, &QWidget::close);
    QAction* abandonar = ficheiro->addAction(QStringLiteral("Abandonar o programa"));
    abandonar->setObjectName(QStringLiteral("AbandonarPrograma"));
    connect(abandonar, &QAction::triggered, this, &Form1::abandonarPedido);
    m_comparar = menuBar()->addMenu(QStringLiteral("Comparar"));
    m_comparar->setObjectName(QStringLiteral("Comparar"));

    const auto comando = [this](const QString& nome, const QString& texto, auto sinal) {
        QAction* accao = menuBar()->addAction(texto);
        accao->setObjectName(nome);
        connect(accao, &QAction::triggered, this, sinal);
    };
    comando(QStringLiteral("Instruções"), QStringLiteral("Instruções"), &Form1::instrucoesPedidas);
    menuBar()
        ->findChild<QAction*>(QStringLiteral("Instruções"))
        ->setShortcut(QKeySequence::HelpContents);
    comando(QStringLiteral("Sintaxe"), QStringLiteral("Sintaxe"), &Form1::sintaxePedida);
    comando(QStringLiteral("FunçõesDefinidas"), QStringLiteral("Funções definidas"),
            &Form1::funcoesDefinidasPedidas);
}

void Form1::createControls() {
    m_cliente = new QWidget(this);
    m_cliente->setObjectName(QStringLiteral("areaCliente"));
    setCentralWidget(m_cliente);
    createExpressionGroup();
    createGraphAreas();
    createTransformationGroup();
    createAxisTable();
    createButtons();
    createPictureGroups();
    createExercisePanel();
    OrdemTabulacao::aplicar(this);
    // Laid out at scale 1 until the window is given another size.
    resize(kCliente.width(), kCliente.height() + menuBar()->sizeHint().height());
    layout()->activate();
    m_disposicao = new Disposicao(*m_cliente, kCliente, kDisposicao);
}

void Form1::createExpressionGroup() {
    auto* frame1 = new QGroupBox(QStringLiteral("Expressão analítica da  função"), m_cliente);
    identificar(frame1, QStringLiteral("Frame1"), frame1->title());
    pintarTexto(frame1, kAzul);

    auto* label5 = new QLabel(QStringLiteral("f(x) ="), frame1);
    identificar(label5, QStringLiteral("Label5"), label5->text());
    pintarTexto(label5, kAzul);

    m_funcao1 = new QLineEdit(QStringLiteral("1/2x^2-4"), frame1);
    identificar(m_funcao1, QStringLiteral("Função1"), {},
                QStringLiteral("Escreva aqui a expressão analítica da função."));
    // The default interface font, every attribute set, so the frame's bold caption font stays out.
    m_funcao1->setFont(
        fonte(QApplication::font().family(), QApplication::font().pointSizeF(), false));
    QPalette paleta = m_funcao1->palette();
    paleta.setColor(QPalette::Base, kBranco);
    m_funcao1->setPalette(paleta);
    label5->setBuddy(m_funcao1);
    connect(m_funcao1, &QLineEdit::returnPressed, this, &Form1::desenhar);
}

void Form1::createGraphAreas() {
    const auto titulo = [this](const QString& nome, const QString& texto) {
        auto* label = new QLabel(texto, m_cliente);
        identificar(label, nome, texto);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        pintarTexto(label, kVermelho);
    };
    titulo(QStringLiteral("Label1"), QStringLiteral("Gráfico da função"));
    titulo(QStringLiteral("Label2"), QStringLiteral("Gráfico da transformada"));

    // A picture's image keeps the size of its place at scale 1 whatever the window's size.
    m_areaFuncao = std::make_unique<AreaGrafica>(
        m_cliente, Disposicao::lugarDesenhado(kDisposicao, "Picture1"),
        AreaGrafica::Nomes{QStringLiteral("Picture1"), QStringLiteral("Picture3"),
                           QStringLiteral("Image2"), QStringLiteral("Image3")});
    m_areaTransformada = std::make_unique<AreaGrafica>(
        m_cliente, Disposicao::lugarDesenhado(kDisposicao, "Picture2"),
        AreaGrafica::Nomes{QStringLiteral("Picture2"), QStringLiteral("Picture4"),
                           QStringLiteral("Image5"), QStringLiteral("Image4")});
    m_desenhoEixos = std::make_unique<DesenhoEixos>(*m_areaFuncao, *m_areaTransformada, m_janela);
    m_leituraFuncao = new LeituraDoPonteiro(*m_areaFuncao, m_janela, this);
    m_leituraTransformada = new LeituraDoPonteiro(*m_areaTransformada, m_janela, this);
}

void Form1::createTransformationGroup() {
    m_frame2 = new GrupoTransformacoes(
        *m_areaTransformada, m_janela, m_coresTransformada, [this] { return m_funcao1->text(); },
        m_avisos, m_cliente);
    connect(m_frame2, &GrupoTransformacoes::transformadaDesenhada, m_leituraTransformada,
            &LeituraDoPonteiro::curvaDesenhada);
}

void Form1::createAxisTable() {
    const auto celula = [&](const QString& nome, const QString& texto) {
        auto* caixa = new QLineEdit(texto, m_cliente);
        identificar(caixa, nome, {});
        caixa->setAlignment(Qt::AlignCenter);
        caixa->setTextMargins(0, 0, 0, 0);
        return caixa;
    };
    const auto caixaMarcar = [&](const QString& nome) {
        auto* caixa = new QCheckBox(m_cliente);
        identificar(caixa, nome, {});
        caixa->setChecked(true);
        return caixa;
    };
    m_xmin = celula(QStringLiteral("Xmin"), QStringLiteral("-10"));
    m_xmax = celula(QStringLiteral("Xmax"), QStringLiteral("10"));
    m_ymin = celula(QStringLiteral("Ymin"), QStringLiteral("-10"));
    m_ymax = celula(QStringLiteral("Ymax"), QStringLiteral("10"));
    m_gradNumX = caixaMarcar(QStringLiteral("GradNumX"));
    m_marcaX = caixaMarcar(QStringLiteral("MarcaX"));
    m_gradNumY = caixaMarcar(QStringLiteral("GradNumY"));
    m_marcaY = caixaMarcar(QStringLiteral("MarcaY"));
    m_passoX = celula(QStringLiteral("PassoX"), QStringLiteral("1"));
    m_passoY = celula(QStringLiteral("PassoY"), QStringLiteral("1"));
}

void Form1::createButtons() {
    auto* desenharEixos = new BotaoVertical(QStringLiteral("Eixos"), m_cliente);
    identificar(desenharEixos, QStringLiteral("DesenharEixos"), QStringLiteral("Eixos"),
                QStringLiteral("Desenhar os eixos com os dados da tabela."));
    connect(desenharEixos, &QAbstractButton::clicked, this, &Form1::desenharEixos);
}

void Form1::createPictureGroups() {
    auto* operacoesF = new OperacoesImagem(
        *m_areaFuncao, m_coresFuncao, m_avisos, [this] { redesenharArea(*m_areaFuncao); }, this);
    auto* frame4 = new GrupoOpcoesFuncao(*operacoesF, m_cliente);
    connect(frame4->desenhar(), &QAbstractButton::clicked, this, &Form1::desenhar);
    m_eixosRad = frame4->eixosRad();
    connect(m_eixosRad, &QAbstractButton::clicked, this, &Form1::alternarRadianos);

    auto* operacoesT = new OperacoesImagem(
        *m_areaTransformada, m_coresTransformada, m_avisos,
        [this] { redesenharArea(*m_areaTransformada); }, this);
    auto* frame3 = new GrupoOpcoesTransformada(*operacoesT, m_cliente);
    connect(frame3->reset(), &QAbstractButton::clicked, m_frame2, &GrupoTransformacoes::reset);
    connect(operacoesT, &OperacoesImagem::apagada, m_frame2,
            &GrupoTransformacoes::transformadaApagada);
    connect(operacoesT, &OperacoesImagem::corGraficoEscolhida, this,
            [this] { m_coresDasCurvas->corEscolhida(); });
    // The headings lie under the cells of the axis table.
    auto* image1 = new CabecalhosTabela(m_cliente);
    image1->lower();
}

void Form1::carregar() {
    for (Quadro* quadro : {&m_areaFuncao->persistente(), &m_areaFuncao->sobreposicao(),
                           &m_areaTransformada->persistente(), &m_areaTransformada->sobreposicao()})
        quadro->escala(-10, 10, 10, -10);
    m_areaFuncao->persistente().show();
    m_areaTransformada->persistente().show();
    m_areaFuncao->sobreposicao().hide();
    m_areaTransformada->sobreposicao().hide();
    m_areaFuncao->persistente().definirPersistente(true);
    m_areaTransformada->persistente().definirPersistente(true);
    m_areaFuncao->sobreposicao().definirPersistente(false);
    m_areaTransformada->sobreposicao().definirPersistente(false);
    m_janela.EixoRadianos = false;
}

void Form1::activar() {
    redesenharAmbas();
    m_funcao1->setFocus();
    m_coresFuncao = CoresDaArea{};
    m_coresTransformada = CoresDaArea{};
    emit activada();
}

void Form1::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    // Only the first showing sets the board up, even where the window system gives no focus; a
    // teacher who checks a help page in the middle of a lesson finds the graphs as they were.
    if (!m_jaMostrada) {
        m_jaMostrada = true;
        activar();
    }
}

TabelaEixos Form1::tabelaEixos() const {
    TabelaEixos tabela;
    tabela.Xmin = m_xmin->text();
    tabela.Xmax = m_xmax->text();
    tabela.Ymin = m_ymin->text();
    tabela.Ymax = m_ymax->text();
    tabela.PassoX = m_passoX->text();
    tabela.PassoY = m_passoY->text();
    tabela.GradNumX = m_gradNumX->isChecked();
    tabela.MarcaX = m_marcaX->isChecked();
    tabela.GradNumY = m_gradNumY->isChecked();
    tabela.MarcaY = m_marcaY->isChecked();
    return tabela;
}

// The comparison of f with its transforms: its commands in the menu "Comparar" and in the
// context menu of the transform area.
void Form1::createComparison() {
    m_comparacao =
        new Comparacao(*m_areaTransformada, m_janela, m_leituraTransformada->curvas(), this);
    Quadro& picture2 = m_areaTransformada->persistente();
    picture2.setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* comando : {m_comparacao->mostrarF(), m_comparacao->usarComoF()}) {
        m_comparar->addAction(comando);
        picture2.addAction(comando);
    }
    connect(m_frame2, &GrupoTransformacoes::transformadaDesenhada, m_comparacao,
            [this](const CurvaDesenhada& curva) {
                m_comparacao->transformadaDesenhada(curva.expressao);
            });
    // A g typed in the panel piles up with the transformations and can be taken as f alike.
    connect(m_painel, &PainelExercicio::transformadaDesenhada, this,
            [this](const CurvaDesenhada& curva) {
                m_leituraTransformada->curvaDesenhada(curva);
                m_comparacao->transformadaDesenhada(curva.expressao);
            });
    connect(m_frame2, &GrupoTransformacoes::previsaoMudou, m_leituraTransformada,
            &LeituraDoPonteiro::previsao);
    // The next transformation starts from the transform just taken as f.
    connect(m_comparacao, &Comparacao::usarComoFPedido, this, [this](const QString& texto) {
        m_funcao1->setText(texto);
        m_painel->transformadaUsadaComoF();
        desenhar();
        m_frame2->reset();
    });
}

// The exercise files, the export and the printing, first in the menu "Ficheiro".
void Form1::createFileCommands() {
    QuadroDoExercicio::Controlos controlos{m_funcao1,
                                           m_frame2,
                                           m_xmin,
                                           m_xmax,
                                           m_ymin,
                                           m_ymax,
                                           m_passoX,
                                           m_passoY,
                                           m_gradNumX,
                                           m_marcaX,
                                           m_gradNumY,
                                           m_marcaY,
                                           m_comparacao->mostrarF(),
                                           m_areaFuncao.get(),
                                           m_areaTransformada.get(),
                                           &m_coresFuncao,
                                           &m_coresTransformada};
    m_quadroDoExercicio =
        new QuadroDoExercicio(controlos,
                              {[this] { desenhar(); }, [this] { desenharEixos(); },
                               [this] { return m_janela.EixoRadianos; },
                               [this] { alternarRadianos(); }, [this] { return tabelaEixos(); }},
                              this);
    m_comandosFicheiro = new ComandosFicheiro(m_avisos, *m_quadroDoExercicio, *m_areaFuncao,
                                              *m_areaTransformada, this);
    auto* ficheiro = menuBar()->findChild<QMenu*>(QStringLiteral("Ficheiro"));
    QAction* fechar = ficheiro->findChild<QAction*>(QStringLiteral("FecharPágina"));
    ficheiro->insertActions(fechar, m_comandosFicheiro->accoes());
    ficheiro->insertSeparator(fechar);
    keepPanelInExercise();
}

// An exercise file keeps the panel's fields, the domain each curve was drawn on and every
// typed g, which the panel draws again.
void Form1::keepPanelInExercise() {
    QuadroDoExercicio::Extensoes& e = m_quadroDoExercicio->extensoes();
    e.dominioActual = [this] {
        return m_painel->isHidden() ? QString() : m_painel->campoDominio()->text();
    };
    e.prepararCurva = [this](const QString& dominio, int espessura) {
        if (!dominio.isEmpty())
            m_accaoPainel->setChecked(true);
        m_painel->campoDominio()->setText(dominio);
        m_tracoGrosso->tracoGrosso()->setChecked(espessura > 1);
    };
    e.espessuraActual = [this] {
        return m_tracoGrosso->tracoGrosso()->isChecked() ? TracoGrosso::kLargura : 1;
    };
    e.corDaTransformada = [this] { return m_coresDasCurvas->ultimaCor(); };
    // Each curve comes back in the colour it had: the palette waits until all are drawn.
    e.prepararReposicao = [this](const Exercicio&) {
        m_coresDasCurvas->umaCorPorCurva()->setChecked(false);
    };
    e.reporG = [this](const Exercicio::Transformada& t) {
        m_painel->campoG()->setText(t.g);
        m_painel->desenharG();
        return true;
    };
    e.completar = [this](Exercicio& exercicio) {
        exercicio.dominio = m_painel->campoDominio()->text();
        exercicio.g = m_painel->campoG()->text();
        exercicio.comparar.painel = m_accaoPainel->isChecked();
        exercicio.comparar.umaCorPorCurva = m_coresDasCurvas->umaCorPorCurva()->isChecked();
        exercicio.comparar.legenda = m_legenda->mostrarLegenda()->isChecked();
        exercicio.comparar.tracoGrosso = m_tracoGrosso->tracoGrosso()->isChecked();
    };
    e.concluirReposicao = [this](const Exercicio& exercicio) {
        m_painel->campoDominio()->setText(exercicio.dominio);
        m_painel->campoG()->setText(exercicio.g);
        m_accaoPainel->setChecked(exercicio.comparar.painel);
        m_coresDasCurvas->umaCorPorCurva()->setChecked(exercicio.comparar.umaCorPorCurva);
        m_legenda->mostrarLegenda()->setChecked(exercicio.comparar.legenda);
        m_tracoGrosso->tracoGrosso()->setChecked(exercicio.comparar.tracoGrosso);
    };
    // The printed page adds what the open panel shows: the description, the domains and ranges
    // and the notable points, a line each.
    m_comandosFicheiro->linhasDoPainel = [this] {
        if (m_painel->isHidden())
            return QStringList();
        QStringList linhas = m_painel->descricao().split(u'\n', Qt::SkipEmptyParts);
        linhas += m_painel->intervalos().split(u'\n', Qt::SkipEmptyParts);
        const TabelaPontosNotaveis& pontos = m_painel->tabela();
        for (int i = 0; i < pontos.rowCount(); ++i) {
            const QString funcao = pontos.celula(i, 0), deF = pontos.celula(i, 3);
            const bool eF = funcao == QStringLiteral("f(x)");
            linhas << funcao + QStringLiteral(": ") + pontos.celula(i, 4) + QStringLiteral(" (") +
                          pontos.celula(i, 1) + QStringLiteral("; ") + pontos.celula(i, 2) + u')' +
                          (eF || deF.isEmpty() ? QString() : QStringLiteral(", de ") + deF);
        }
        return linhas;
    };
    connect(m_painel, &PainelExercicio::transformadaDesenhada, m_quadroDoExercicio,
            [this] { m_quadroDoExercicio->gDesenhada(m_painel->campoG()->text().trimmed()); });
}

// The exercise panel, beside the graphs while "Painel do exercício" is checked.
void Form1::createExercisePanel() {
    m_painel = new PainelExercicio(
        *m_areaFuncao, *m_areaTransformada, m_janela,
        [this] { return m_coresDasCurvas->corSeguinte(); }, [this] { return m_funcao1->text(); },
        m_avisos, m_cliente);
    m_painel->hide();
    m_frame2->definirDominioDeF([this] { return m_painel->dominioLido(); });
    connect(m_frame2, &GrupoTransformacoes::opcaoDesenhada, m_painel,
            &PainelExercicio::opcaoDesenhada);
    connect(m_painel, &PainelExercicio::dominioIndicado, this, &Form1::desenhar);
    m_accaoPainel = m_comparar->addAction(QStringLiteral("Painel do exercício"));
    m_accaoPainel->setObjectName(QStringLiteral("PainelDoExercicio"));
    m_accaoPainel->setCheckable(true);
    connect(m_accaoPainel, &QAction::toggled, this, &Form1::mostrarPainel);
}

// The window grows by the panel, the whole scaled as one piece.
void Form1::mostrarPainel(bool aberto) {
    m_painel->setVisible(aberto);
    m_disposicao->definirDesenho(aberto ? kClienteComPainel : kCliente);
}

void Form1::definirCorGraficoTransformada(const QColor& cor) {
    m_coresTransformada.grafico = cor;
    m_coresDasCurvas->corEscolhida();
}

// The colours, the legend and the width of the curves: check items of the menu "Comparar" and
// of the context menu of the transform area.
void Form1::createCurveStyles() {
    Quadro& picture2 = m_areaTransformada->persistente();
    m_coresDasCurvas = new CoresDasCurvas(picture2, m_coresTransformada, this);
    m_legenda = new LegendaDaArea(picture2, this);
    m_tracoGrosso = new TracoGrosso(*m_areaFuncao, *m_areaTransformada, this);
    m_comparar->addSeparator();
    for (QAction* item : {m_coresDasCurvas->umaCorPorCurva(), m_legenda->mostrarLegenda(),
                          m_tracoGrosso->tracoGrosso()}) {
        m_comparar->addAction(item);
        picture2.addAction(item);
    }
    m_frame2->definirCorSeguinte([this] { return m_coresDasCurvas->corSeguinte(); });
    // A typed g is one more curve of the pile, as the ten transformations are.
    const auto juntar = [this](const CurvaDesenhada& curva) {
        m_legenda->juntar(m_coresDasCurvas->curvaDesenhada(),
                          LegendaDaArea::nomeDaTransformada(curva));
    };
    connect(m_frame2, &GrupoTransformacoes::transformadaDesenhada, m_legenda, juntar);
    connect(m_painel, &PainelExercicio::transformadaDesenhada, m_legenda, juntar);
}

bool Form1::redesenharArea(AreaGrafica& area) {
    const auto falha = m_desenhoEixos->RedesenharArea(area, tabelaEixos());
    leitura(area).eixosDesenhados(!falha);
    if (&area == m_areaTransformada.get())
        m_comparacao->areaRedesenhada();
    if (falha)
        m_avisos.avisar(falha->mensagem,
                        falha->comIcone ? Dialogos::Icone::Informacao : Dialogos::Icone::Nenhum);
    return !falha;
}

LeituraDoPonteiro& Form1::leitura(AreaGrafica& area) {
    return &area == m_areaFuncao.get() ? *m_leituraFuncao : *m_leituraTransformada;
}

void Form1::redesenharAmbas() {
    redesenharArea(*m_areaFuncao);
    redesenharArea(*m_areaTransformada);
}

void Form1::desenhar() {
    AreaGrafica& area = *m_areaFuncao;
    area.camadaPassageira().esconderNota();
    PonteiroOcupado ocupado(*this);
    // Blanks, or only "y =", are no expression either.
    const TextoPreparado f = PrepararTexto(m_funcao1->text());
    if (f.vazio()) {
        m_avisos.avisar(QStringLiteral("Deve escrever a expressão analítica da função que "
                                       "pretende representar graficamente."),
                        Dialogos::Icone::Nenhum);
        return;
    }
    if (!f.aceite())
        return m_avisos.falhaDaFuncao(f.erro);
    // Without accepted axes the area has no window: a plot would land anywhere.
    if (!area.eixosAceites())
        return area.camadaPassageira().mostrarNota(NotaTabelaRecusada());
    const IntervaloLido dominio = m_painel->dominioLido();
    if (!dominio.aceite())
        return m_avisos.avisar(PainelExercicio::mensagemDoDominio(dominio.erro),
                               Dialogos::Icone::Informacao);
    CurvaDesenhada desenhada{f.texto, QStringLiteral("f(x)"), {}};
    if (!dominio.intervalo.todaAReta())
        desenhada.valor = leituraDe(std::make_shared<FuncaoComposta>(f.texto, dominio.intervalo));
    m_leituraFuncao->curvaDesenhada(desenhada);
    m_comparacao->funcaoDesenhada(f.texto, dominio.intervalo);
    ResultadoTracado resultado;
    try {
        // The overlay goes before any message, so the box stands over the graph drawn so far.
        SobreposicaoVisivel troca(area);
        FuncaoComposta curva(f.texto, dominio.intervalo);
        resultado =
            TracarComDominio(curva, area, m_janela, m_coresFuncao.grafico, PoliticaFalha::Parar);
    } catch (const InterpreterError& erro) {
        return m_avisos.falhaDaFuncao(QString::fromStdString(erro.description()));
    }
    m_quadroDoExercicio->fDesenhada();
    MostrarNotaSemPontos(area.camadaPassageira(), resultado);
    m_painel->funcaoDesenhada(f.texto, dominio.intervalo);
}

void Form1::desenharEixos() {
    redesenharAmbas();
}

void Form1::alternarRadianos() {
    // The button always names the mode it switches to.
    const bool paraRadianos = !m_janela.EixoRadianos;
    const QString dica = paraRadianos ? QStringLiteral("Graduar o eixo das abcissas em unidades.")
                                      : QStringLiteral("Graduar o eixo das abcissas em radianos.");
    const QString legenda = paraRadianos ? QStringLiteral("Unidades") : QStringLiteral("Radianos");
    m_eixosRad->mudarLegenda(legenda, dica,
                             paraRadianos ? QStringLiteral(":/icones/unidades.svg")
                                          : QStringLiteral(":/icones/radianos.svg"));
    m_areaFuncao->persistente().limpar();
    m_areaFuncao->sobreposicao().limpar();
    m_areaTransformada->persistente().limpar();
    m_areaTransformada->sobreposicao().limpar();
    m_janela.EixoRadianos = paraRadianos;
    redesenharAmbas();
}
