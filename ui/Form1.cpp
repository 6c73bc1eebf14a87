#include "Form1.h"

#include "Acessibilidade.h"
#include "BotaoImagem.h"
#include "BotaoVertical.h"
#include "CabecalhosTabela.h"
#include "CicloDeTracado.h"
#include "Dialogos.h"
#include "Fontes.h"
#include "GrupoOpcoesFuncao.h"
#include "GrupoOpcoesTransformada.h"
#include "GrupoTransformacoes.h"
#include "LeituraDoPonteiro.h"
#include "NotaDoTracado.h"
#include "OrdemTabulacao.h"
#include "PonteiroOcupado.h"
#include "PreparacaoTexto.h"
#include "clsEquation.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Layout of the window, in twips: left, top, width, height.
struct Lugar {
    int esquerda, topo, largura, altura;
};
constexpr Lugar kCliente{0, 0, 15240, 10710};
constexpr Lugar kFrame1{60, 180, 7455, 1335};
constexpr Lugar kLabel5{1080, 540, 510, 240};
constexpr Lugar kFuncao1{1620, 480, 4575, 405};
constexpr Lugar kLabel1{120, 1680, 7455, 255};
constexpr Lugar kLabel2{7680, 1680, 7455, 255};
constexpr Lugar kAreaFuncao{60, 2100, 7450, 7450};
constexpr Lugar kAreaTransformada{7680, 2100, 7450, 7450};
constexpr Lugar kDesenharEixos{9480, 9760, 195, 855};
constexpr Lugar kImage1{5880, 9680, 3600, 1080};
// The axis table: columns and rows of its cells.
constexpr int kColunaMin = 6840, kColunaMax = 7380, kColunaGrad = 7980, kColunaMarcas = 8520,
              kColunaPasso = 9000;
constexpr int kLinhaAbcissa = 10020, kLinhaOrdenada = 10320;
constexpr int kLarguraCelula = 315, kAlturaCelula = 240, kLadoCaixa = 195;

const QColor kAzul(0, 0, 255);
const QColor kVermelho(255, 0, 0);
const QColor kBranco(255, 255, 255);

QRect emPixels(const Lugar& lugar) {
    return rectanguloTwips(lugar.esquerda, lugar.topo, lugar.largura, lugar.altura);
}

QFont fonte(const QString& nome, double pontos, bool negrito) {
    QFont resultado(nome);
    resultado.setPointSizeF(pontos);
    resultado.setBold(negrito);
    return resultado;
}

void pintarTexto(QWidget* controlo, const QColor& cor) {
    QPalette paleta = controlo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    paleta.setColor(QPalette::ButtonText, cor);
    controlo->setPalette(paleta);
}

// Name, accessible name and description of a control; the accessible name is its caption, or
// its name where it has none.
void identificar(QWidget* controlo, const QString& nome, const QString& legenda,
                 const QString& dica = {}) {
    controlo->setObjectName(nome);
    controlo->setAccessibleName(legenda.isEmpty() ? nome : legenda);
    if (!dica.isEmpty()) {
        controlo->setToolTip(dica);
        controlo->setAccessibleDescription(dica);
    }
}

} // namespace

Form1::Form1(Dialogos& dialogos, QWidget* pai) : QMainWindow(pai), m_dialogos(dialogos) {
    RegistarSubstitutosDeFontes();
    InstalarAcessibilidade();
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("QUILORA"));
    setAccessibleName(QStringLiteral("QUILORA"));
    setWindowIcon(QIcon(QStringLiteral(":/icones/quilora.svg")));
    createMenus();
    createControls();
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

    const auto comando = [this](const QString& nome, const QString& texto, auto sinal) {
        QAction* accao = menuBar()->addAction(texto);
        accao->setObjectName(nome);
        connect(accao, &QAction::triggered, this, sinal);
    };
    comando(QStringLiteral("Instruções"), QStringLiteral("Instruções"), &Form1::instrucoesPedidas);
    comando(QStringLiteral("Sintaxe"), QStringLiteral("Sintaxe"), &Form1::sintaxePedida);
    comando(QStringLiteral("FunçõesDefinidas"), QStringLiteral("Funções definidas"),
            &Form1::funcoesDefinidasPedidas);
}

void Form1::createControls() {
    m_cliente = new QWidget(this);
    m_cliente->setObjectName(QStringLiteral("areaCliente"));
    setCentralWidget(m_cliente);
    createExpressionGroup();
    m_frame2 = new GrupoTransformacoes(*this);
    createGraphAreas();
    createAxisTable();
    createButtons();
    createPictureGroups();
    OrdemTabulacao::aplicar(this);
    resize(emPixels(kCliente).width(),
           emPixels(kCliente).height() + menuBar()->sizeHint().height());
}

void Form1::createExpressionGroup() {
    m_frame1 = new QGroupBox(QStringLiteral("Expressão analítica da  função"), m_cliente);
    identificar(m_frame1, QStringLiteral("Frame1"), m_frame1->title());
    m_frame1->setGeometry(emPixels(kFrame1));
    m_frame1->setFont(fonte(QStringLiteral("Arial"), 8.25, true));
    pintarTexto(m_frame1, kAzul);

    auto* label5 = new QLabel(QStringLiteral("f(x) ="), m_frame1);
    identificar(label5, QStringLiteral("Label5"), label5->text());
    label5->setGeometry(emPixels(kLabel5));
    label5->setFont(fonte(QStringLiteral("MS Sans Serif"), 9.75, true));
    pintarTexto(label5, kAzul);
    label5->adjustSize();

    m_funcao1 = new QLineEdit(QStringLiteral("1/2x^2-4"), m_frame1);
    identificar(m_funcao1, QStringLiteral("Função1"), {},
                QStringLiteral("Escreva aqui a expressão analítica da função."));
    m_funcao1->setGeometry(emPixels(kFuncao1));
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
    const auto titulo = [this](const QString& nome, const QString& texto, const Lugar& lugar) {
        auto* label = new QLabel(texto, m_cliente);
        identificar(label, nome, texto);
        label->setGeometry(emPixels(lugar));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(fonte(QStringLiteral("Arial"), 12, true));
        pintarTexto(label, kVermelho);
    };
    titulo(QStringLiteral("Label1"), QStringLiteral("Gráfico da função"), kLabel1);
    titulo(QStringLiteral("Label2"), QStringLiteral("Gráfico da transformada"), kLabel2);

    m_areaFuncao = std::make_unique<AreaGrafica>(
        m_cliente, emPixels(kAreaFuncao),
        AreaGrafica::Nomes{QStringLiteral("Picture1"), QStringLiteral("Picture3"),
                           QStringLiteral("Image2"), QStringLiteral("Image3")});
    m_areaTransformada = std::make_unique<AreaGrafica>(
        m_cliente, emPixels(kAreaTransformada),
        AreaGrafica::Nomes{QStringLiteral("Picture2"), QStringLiteral("Picture4"),
                           QStringLiteral("Image5"), QStringLiteral("Image4")});
    m_desenhoEixos = std::make_unique<DesenhoEixos>(*m_areaFuncao, *m_areaTransformada, m_janela);
    m_leituraFuncao = new LeituraDoPonteiro(*m_areaFuncao, m_janela, this);
    m_leituraTransformada = new LeituraDoPonteiro(*m_areaTransformada, m_janela, this);
}

void Form1::createAxisTable() {
    const QFont fonteCelula = fonte(QStringLiteral("MS Serif"), 6.75, false);
    const auto celula = [&](const QString& nome, const QString& texto, int coluna, int linha) {
        auto* caixa = new QLineEdit(texto, m_cliente);
        identificar(caixa, nome, {});
        caixa->setGeometry(rectanguloTwips(coluna, linha, kLarguraCelula, kAlturaCelula));
        caixa->setFont(fonteCelula);
        caixa->setAlignment(Qt::AlignCenter);
        caixa->setTextMargins(0, 0, 0, 0);
        return caixa;
    };
    const auto caixaMarcar = [&](const QString& nome, int coluna, int linha) {
        auto* caixa = new QCheckBox(m_cliente);
        identificar(caixa, nome, {});
        caixa->setGeometry(rectanguloTwips(coluna, linha, kLadoCaixa, kLadoCaixa));
        caixa->setChecked(true);
        return caixa;
    };
    m_xmin = celula(QStringLiteral("Xmin"), QStringLiteral("-10"), kColunaMin, kLinhaAbcissa);
    m_xmax = celula(QStringLiteral("Xmax"), QStringLiteral("10"), kColunaMax, kLinhaAbcissa);
    m_ymin = celula(QStringLiteral("Ymin"), QStringLiteral("-10"), kColunaMin, kLinhaOrdenada);
    m_ymax = celula(QStringLiteral("Ymax"), QStringLiteral("10"), kColunaMax, kLinhaOrdenada);
    m_gradNumX = caixaMarcar(QStringLiteral("GradNumX"), kColunaGrad, kLinhaAbcissa);
    m_marcaX = caixaMarcar(QStringLiteral("MarcaX"), kColunaMarcas, kLinhaAbcissa);
    m_gradNumY = caixaMarcar(QStringLiteral("GradNumY"), kColunaGrad, kLinhaOrdenada);
    m_marcaY = caixaMarcar(QStringLiteral("MarcaY"), kColunaMarcas, kLinhaOrdenada);
    m_passoX = celula(QStringLiteral("PassoX"), QStringLiteral("1"), kColunaPasso, kLinhaAbcissa);
    m_passoY = celula(QStringLiteral("PassoY"), QStringLiteral("1"), kColunaPasso, kLinhaOrdenada);
}

void Form1::createButtons() {
    m_desenharEixos = new BotaoVertical(QStringLiteral("Eixos"), m_cliente);
    identificar(m_desenharEixos, QStringLiteral("DesenharEixos"), QStringLiteral("Eixos"),
                QStringLiteral("Desenhar os eixos com os dados da tabela."));
    m_desenharEixos->setGeometry(emPixels(kDesenharEixos));
    m_desenharEixos->setFont(fonte(QStringLiteral("MS Serif"), 6, false));
    connect(m_desenharEixos, &QAbstractButton::clicked, this, &Form1::desenharEixos);
}

void Form1::createPictureGroups() {
    auto* frame4 = new GrupoOpcoesFuncao(*this, m_cliente);
    m_desenhar = frame4->desenhar();
    m_eixosRad = frame4->eixosRad();
    auto* frame3 = new GrupoOpcoesTransformada(*this, m_cliente);
    connect(frame3->reset(), &QAbstractButton::clicked, m_frame2, &GrupoTransformacoes::reset);
    connect(&frame3->operacoes(), &OperacoesImagem::transformadaApagada, m_frame2,
            &GrupoTransformacoes::transformadaApagada);
    // The headings lie under the cells of the axis table.
    auto* image1 = new CabecalhosTabela(m_cliente);
    image1->move(emPixels(kImage1).topLeft());
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
    m_corGraficoFuncao = kAzul;
    m_corFundoFuncao = kBranco;
    m_corGraficoTransformada = kAzul;
    m_corFundoTransformada = kBranco;
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

bool Form1::redesenharArea(AreaGrafica& area) {
    const auto falha = m_desenhoEixos->RedesenharArea(area, tabelaEixos());
    leitura(area).eixosDesenhados(!falha);
    if (falha)
        avisar(falha->mensagem,
               falha->comIcone ? Dialogos::Icone::Informacao : Dialogos::Icone::Nenhum);
    return !falha;
}

LeituraDoPonteiro& Form1::leitura(AreaGrafica& area) {
    return &area == m_areaFuncao.get() ? *m_leituraFuncao : *m_leituraTransformada;
}

void Form1::curvaDesenhada(AreaGrafica& area, const QString& expressao, const QString& rotulo) {
    leitura(area).curvaDesenhada(expressao, rotulo);
}

void Form1::avisar(const QString& texto, Dialogos::Icone icone) {
    PonteiroOcupado::normal(*this);
    m_dialogos.mensagem(this, texto, icone);
}

void Form1::avisarFalhaDaFuncao(const QString& descricao) {
    avisar(QStringLiteral("Erro na expressão analítica da função:\r\n\r\n") + descricao,
           Dialogos::Icone::Informacao);
}

void Form1::redesenharAmbas() {
    redesenharArea(*m_areaFuncao);
    redesenharArea(*m_areaTransformada);
}

void Form1::desenhar() {
    AreaGrafica& area = *m_areaFuncao;
    area.camadaPassageira().esconderNota();
    PonteiroOcupado ocupado(*this);
    if (m_funcao1->text().isEmpty()) {
        avisar(QStringLiteral("Deve escrever a expressão analítica da função que pretende "
                              "representar graficamente."),
               Dialogos::Icone::Nenhum);
        return;
    }
    const TextoPreparado f = PrepararTexto(m_funcao1->text());
    if (!f.aceite())
        return avisarFalhaDaFuncao(f.erro);
    // Without accepted axes the area has no window: a plot would land anywhere.
    if (!area.eixosAceites())
        return area.camadaPassageira().mostrarNota(NotaTabelaRecusada());
    curvaDesenhada(area, f.texto, QStringLiteral("f(x)"));
    ResultadoTracado resultado;
    try {
        // The overlay goes before any message, so the box stands over the graph drawn so far.
        SobreposicaoVisivel troca(area);
        clsEquation equacao;
        equacao.Equation(f.texto.toStdString());
        resultado =
            CicloDeTracado(equacao, area, m_janela, m_corGraficoFuncao, PoliticaFalha::Parar);
    } catch (const InterpreterError& erro) {
        return avisarFalhaDaFuncao(QString::fromStdString(erro.description()));
    }
    MostrarNotaSemPontos(area.camadaPassageira(), resultado);
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
