// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CampoParametro.h"

#include "TextoNumero.h"
#include "clsEquation.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QWheelEvent>

namespace {

// A number as typed, in either decimal form, which the readout shows as its value.
bool soUmNumero(const QString& texto) {
    static const QRegularExpression numero(
        QStringLiteral("^\\s*[-\\x{2212}]?\\s*(\\d+([.,]\\d*)?|[.,]\\d+)\\s*$"));
    return numero.match(texto).hasMatch();
}

} // namespace

CampoParametro::CampoParametro(const QString& texto, QWidget* pai) : QLineEdit(texto, pai) {
}

void CampoParametro::escreverValor(const QString& numero) {
    const QString escrito = text();
    if (escrito != m_devolvido) {
        m_expressao = soUmNumero(escrito) ? QString() : escrito.trimmed();
        m_devolvido = numero;
    }
    mostrarDoInicio(numero);
}

QString CampoParametro::expressaoEscrita() const {
    return text() == m_devolvido ? m_expressao : QString();
}

void CampoParametro::mostrarDoInicio(const QString& texto) {
    setText(texto);
    setCursorPosition(0);
}

double CampoParametro::tamanhoDoPasso(Qt::KeyboardModifiers modificadores) {
    return modificadores & Qt::ShiftModifier ? 1.0 : 0.1;
}

bool CampoParametro::passo(double quanto) {
    clsEquation equacao;
    const ValorLido lido = lerParametro(equacao, text());
    if (!lido.aceite())
        return false;
    const auto novo = textoDoNumero(lido.valor + quanto);
    if (!novo)
        return false;
    mostrarDoInicio(*novo);
    emit valorMudado();
    return true;
}

void CampoParametro::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    if (tecla != Qt::Key_Up && tecla != Qt::Key_Down)
        return QLineEdit::keyPressEvent(evento);
    const double tamanho = tamanhoDoPasso(evento->modifiers());
    passo(tecla == Qt::Key_Up ? tamanho : -tamanho);
    evento->accept();
}

void CampoParametro::wheelEvent(QWheelEvent* evento) {
    // One notch is 120 eighths of a degree; some wheels send it in smaller parts.
    const QPoint angulo = evento->angleDelta();
    const int oitavos = angulo.y() != 0 ? angulo.y() : angulo.x();
    const int entalhes = oitavos / 120;
    if (entalhes != 0)
        passo(entalhes * tamanhoDoPasso(evento->modifiers()));
    evento->accept();
}
