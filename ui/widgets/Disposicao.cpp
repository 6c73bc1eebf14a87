// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Disposicao.h"

#include "EstiloEscalado.h"
#include "Quadro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPorPixel = 15;

// The window system's frame of a window not yet shown is not known: a caption bar and thin
// borders are assumed, of the size most desktops give them.
constexpr QMargins kMolduraPresumida{4, 30, 4, 4};

int arredondar(double valor) {
    return static_cast<int>(std::lround(valor));
}

QFont fonteDaLinha(const LugarDesenho& lugar, const QWidget& widget) {
    if (!lugar.fonte.familia)
        return widget.font();
    QFont fonte(QString::fromUtf8(lugar.fonte.familia));
    fonte.setPointSizeF(lugar.fonte.pontos);
    fonte.setBold(lugar.fonte.negrito);
    return fonte;
}

QFont fonteEscalada(QFont fonte, double escala) {
    if (fonte.pointSizeF() > 0)
        fonte.setPointSizeF(fonte.pointSizeF() * escala);
    else if (fonte.pixelSize() > 0)
        fonte.setPixelSize(std::max(1, arredondar(fonte.pixelSize() * escala)));
    return fonte;
}

} // namespace

Disposicao::Disposicao(QWidget& cliente, QSize desenho, std::span<const LugarDesenho> tabela)
    : QObject(&cliente), m_cliente(cliente), m_desenho(desenho) {
    encontrarControlos(tabela);
    m_cliente.installEventFilter(this);
    if (m_cliente.window() != &m_cliente)
        m_cliente.window()->installEventFilter(this);
    seguirEcras();
    aplicar();
}

void Disposicao::seguirEcras() {
    const auto seguir = [this](const QScreen* ecra) {
        connect(ecra, &QScreen::geometryChanged, this, &Disposicao::limitarJanela);
    };
    for (const QScreen* ecra : QGuiApplication::screens())
        seguir(ecra);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, seguir](const QScreen* ecra) {
        seguir(ecra);
        limitarJanela();
    });
    limitarJanela();
}

// A window larger than all the screens together could never be seen whole, and what the window
// system keeps of it would cost memory for nothing. A window of fixed size keeps its size.
void Disposicao::limitarJanela() {
    QWidget& janela = *m_cliente.window();
    if (janela.minimumSize() == janela.maximumSize())
        return;
    QRect ecras;
    for (const QScreen* ecra : QGuiApplication::screens())
        ecras |= ecra->geometry();
    if (!ecras.isEmpty() && janela.maximumSize() != ecras.size())
        janela.setMaximumSize(ecras.size());
}

void Disposicao::encontrarControlos(std::span<const LugarDesenho> tabela) {
    const QList<QWidget*> todos = m_cliente.findChildren<QWidget*>();
    for (const LugarDesenho& lugar : tabela) {
        const QString nome = QString::fromUtf8(lugar.nome);
        const QRegularExpression padrao(QRegularExpression::wildcardToRegularExpression(nome));
        bool encontrado = false;
        for (QWidget* widget : todos) {
            if (!padrao.match(widget->objectName()).hasMatch())
                continue;
            const auto* botao = qobject_cast<QAbstractButton*>(widget);
            const QSize icone = botao && !botao->icon().isNull() ? botao->iconSize() : QSize();
            m_controlos.push_back({widget, &lugar, fonteDaLinha(lugar, *widget), icone,
                                   widget->parentWidget() == &m_cliente});
            encontrado = true;
        }
        if (!encontrado)
            qWarning("Disposicao: no control named %s", lugar.nome);
    }
}

double Disposicao::escalaPara(QSizeF desenho, QSizeF espaco) {
    return std::min(espaco.width() / desenho.width(), espaco.height() / desenho.height());
}

double Disposicao::escalaDeAbertura(QSize desenho, QSize extra, QSize disponivel) {
    const double escala = escalaPara(desenho, disponivel - extra);
    // Even a very small screen shows the window at a scale that can still be read.
    return std::clamp(escala, 0.25, 1.0);
}

QRect Disposicao::emPixels(int esquerda, int topo, int largura, int altura, double escala) {
    const double f = escala / kTwipsPorPixel;
    const int x0 = arredondar(esquerda * f), y0 = arredondar(topo * f);
    const int x1 = arredondar((esquerda + largura) * f), y1 = arredondar((topo + altura) * f);
    return {x0, y0, x1 - x0, y1 - y0};
}

double Disposicao::escalaMaxima(QSize desenho) {
    double maxima = 1;
    for (const QScreen* ecra : QGuiApplication::screens())
        maxima = std::max(maxima, escalaPara(desenho, ecra->availableGeometry().size()));
    return maxima;
}

void Disposicao::definirDesenho(QSize desenho) {
    const double escala = m_escala;
    m_desenho = desenho;
    // Fonts and pictures are scaled afresh even where the scale comes out the same.
    m_escala = 0;
    aplicar();
    QWidget& janela = *m_cliente.window();
    if (janela.isMaximized() || janela.isFullScreen() || !(escala > 0))
        return;
    const QSize volta = janela.size() - m_cliente.size();
    const QRect livre = janela.screen()->availableGeometry();
    const double cabe = escalaPara(desenho, QSize(livre.width(), janela.height()) - volta);
    const double nova = std::min(escala, cabe);
    janela.resize(QSize(arredondar(desenho.width() * nova), arredondar(desenho.height() * nova)) +
                  volta);
    // Kept on the screen where it grew past its right edge.
    if (janela.frameGeometry().right() > livre.right())
        janela.move(std::max(livre.left(), livre.right() + 1 - janela.frameGeometry().width()),
                    janela.y());
}

void Disposicao::aplicar() {
    const QSize cliente = m_cliente.size();
    // Beyond the largest screen the content keeps its size, centred on plain background.
    const double escala = std::min(escalaPara(m_desenho, cliente), escalaMaxima(m_desenho));
    if (!(escala > 0))
        return;
    const bool novaEscala = escala != m_escala;
    m_escala = escala;
    m_margem = QPoint(arredondar((cliente.width() - m_desenho.width() * escala) / 2),
                      arredondar((cliente.height() - m_desenho.height() * escala) / 2));
    for (const Controlo& controlo : m_controlos)
        disporControlo(controlo, novaEscala);
    emit aplicada(m_escala);
}

void Disposicao::disporControlo(const Controlo& controlo, bool novaEscala) {
    QWidget* widget = controlo.widget;
    if (!widget)
        return;
    // Fonts and icons change only with the scale: a new font lays a text out again.
    if (novaEscala) {
        widget->setFont(fonteEscalada(controlo.fonte, m_escala));
        if (!controlo.icone.isEmpty())
            static_cast<QAbstractButton*>(widget)->setIconSize(
                QSize(arredondar(controlo.icone.width() * m_escala),
                      arredondar(controlo.icone.height() * m_escala)));
        if (auto* quadro = qobject_cast<Quadro*>(widget))
            quadro->definirEscalaEcra(m_escala);
        if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
            escalarIndicador(*widget);
    }
    const LugarDesenho& l = *controlo.lugar;
    const QPoint origem = controlo.naRaiz ? m_margem : QPoint();
    const QRect lugar = emPixels(l.esquerda, l.topo, l.largura, l.altura, m_escala);
    if (l.largura == 0 && l.altura == 0) {
        widget->adjustSize();
        widget->move(origem + lugar.topLeft());
    } else {
        widget->setGeometry(lugar.translated(origem));
    }
}

// The style tells the size of the indicator only when the control is laid out or painted.
void Disposicao::escalarIndicador(QWidget& widget) {
    if (!m_estilo) {
        // The program's own style underneath, whatever it is.
        m_estilo = new EstiloEscalado(QStyleFactory::create(QApplication::style()->name()));
        m_estilo->setParent(this);
    }
    m_estilo->definirEscala(m_escala);
    if (widget.style() != m_estilo)
        widget.setStyle(m_estilo);
    widget.updateGeometry();
    widget.update();
}

QRect Disposicao::lugarDesenhado(std::span<const LugarDesenho> tabela, const char* nome) {
    for (const LugarDesenho& l : tabela)
        if (qstrcmp(l.nome, nome) == 0)
            return emPixels(l.esquerda, l.topo, l.largura, l.altura, 1);
    return {};
}

bool Disposicao::eventFilter(QObject* objecto, QEvent* evento) {
    // Without a window manager the window system makes a window as large as it is told, beyond
    // the largest size the window allows: it is made that size again.
    QWidget& janela = *m_cliente.window();
    if (objecto == &janela && evento->type() == QEvent::Resize) {
        const QSize limitado = janela.size().boundedTo(janela.maximumSize());
        if (limitado != janela.size())
            janela.resize(limitado);
    }
    // On a screen of another density the fonts follow by themselves; pictures made for the
    // screen are told by the new layout.
    if (objecto == &m_cliente &&
        (evento->type() == QEvent::Resize || evento->type() == QEvent::ScreenChangeInternal))
        aplicar();
    return QObject::eventFilter(objecto, evento);
}

QMargins Disposicao::molduraDaJanela() const {
    const QWidget& janela = *m_cliente.window();
    if (janela.isVisible() && janela.frameGeometry() != janela.geometry()) {
        const QRect fora = janela.frameGeometry(), dentro = janela.geometry();
        return {dentro.left() - fora.left(), dentro.top() - fora.top(),
                fora.right() - dentro.right(), fora.bottom() - dentro.bottom()};
    }
    return kMolduraPresumida;
}

void Disposicao::abrirEm(const QRect& disponivel) {
    QWidget& janela = *m_cliente.window();
    // A menu bar above the client area keeps its size at any scale.
    if (janela.layout())
        janela.layout()->activate();
    const QSize volta = janela.size() - m_cliente.size();
    const QMargins moldura = molduraDaJanela();
    const QSize larguraMoldura(moldura.left() + moldura.right(), moldura.top() + moldura.bottom());
    const double escala = escalaDeAbertura(m_desenho, volta + larguraMoldura, disponivel.size());
    const QSize tamanho =
        QSize(arredondar(m_desenho.width() * escala), arredondar(m_desenho.height() * escala)) +
        volta;
    if (janela.minimumSize() == janela.maximumSize())
        janela.setFixedSize(tamanho);
    else
        janela.resize(tamanho);
    const QSize exterior = tamanho + larguraMoldura;
    janela.move(disponivel.topLeft() +
                QPoint(std::max(0, (disponivel.width() - exterior.width()) / 2),
                       std::max(0, (disponivel.height() - exterior.height()) / 2)));
    if (janela.layout())
        janela.layout()->activate();
    aplicar();
}
