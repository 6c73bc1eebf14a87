#include "LeituraDoPonteiro.h"

#include "AreaGrafica.h"
#include "FormaImpressa.h"
#include "JanelaGrafica.h"

#include <QEvent>
#include <QMouseEvent>

#include <cmath>

LeituraDoPonteiro::LeituraDoPonteiro(AreaGrafica& area, const JanelaGrafica& janela, QObject* pai)
    : QObject(pai), m_quadro(area.persistente()), m_camada(area.camadaPassageira()),
      m_janela(janela), m_local(QLocale::system()) {
    m_local.setNumberOptions(m_local.numberOptions() | QLocale::OmitGroupSeparator);
    m_quadro.setMouseTracking(true);
    m_quadro.installEventFilter(this);
    connect(&m_quadro, &Quadro::limpo, this, &LeituraDoPonteiro::esquecer);
}

void LeituraDoPonteiro::eixosDesenhados(bool desenhados) {
    m_comEixos = desenhados;
    if (m_ponteiroPorCima)
        actualizar(m_ponteiro);
}

void LeituraDoPonteiro::curvaDesenhada(const QString& expressao, const QString& rotulo) {
    m_equacao.Equation(expressao.toStdString());
    m_rotulo = rotulo;
    m_temCurva = true;
    if (m_ponteiroPorCima)
        actualizar(m_ponteiro);
}

// A cleared picture has neither axes nor curves until they are drawn again.
void LeituraDoPonteiro::esquecer() {
    m_comEixos = false;
    m_temCurva = false;
    esconder();
}

bool LeituraDoPonteiro::eventFilter(QObject* objecto, QEvent* evento) {
    if (objecto == &m_quadro) {
        if (evento->type() == QEvent::MouseMove) {
            m_ponteiroPorCima = true;
            actualizar(static_cast<QMouseEvent*>(evento)->position());
        } else if (evento->type() == QEvent::Leave || evento->type() == QEvent::Hide) {
            m_ponteiroPorCima = false;
            esconder();
        }
    }
    return QObject::eventFilter(objecto, evento);
}

void LeituraDoPonteiro::actualizar(const QPointF& ponteiro) {
    m_ponteiro = ponteiro;
    // The pixel of the picture under the pointer, at whatever scale the screen shows it.
    const QPointF pixel = m_quadro.ecraParaModelo(ponteiro);
    const double coluna = std::floor(pixel.x()), linha = std::floor(pixel.y());
    const bool dentro = coluna >= 0 && coluna < m_quadro.larguraInterior() && linha >= 0 &&
                        linha < m_quadro.alturaInterior();
    if (!m_comEixos || !dentro)
        return esconder();
    const double x = ArredondadoParaLeitura(m_quadro.deColuna(coluna + 0.5), m_janela.TamPixelX);
    m_texto = QStringLiteral("x = ") + FormaDaLeitura(x, m_janela.TamPixelX, m_local);
    if (m_temCurva)
        m_texto += QStringLiteral("   ") + m_rotulo + QStringLiteral(" = ") + valorEm(x);
    m_camada.mostrarLeitura(m_texto, ponteiro.toPoint());
}

void LeituraDoPonteiro::esconder() {
    if (m_texto.isEmpty())
        return;
    m_texto.clear();
    m_camada.esconderLeitura();
}

QString LeituraDoPonteiro::valorEm(double x) {
    try {
        m_equacao.Var("x", x);
        m_equacao.Solve();
        const double y = m_equacao.Solution();
        if (!m_equacao.SilentFailure())
            return FormaDaLeitura(y, m_janela.TamPixelY, m_local);
    } catch (const InterpreterError&) {
        // An error at this abscissa: the curve is not defined there either.
    }
    return QStringLiteral("não definida");
}
