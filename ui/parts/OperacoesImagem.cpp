// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OperacoesImagem.h"

#include "AreaGrafica.h"
#include "CamadaPassageira.h"
#include "CoresDaArea.h"
#include "GravacaoBitmap.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// The colour choices are plain 24-bit RGB values.
QColor opaca(const QColor& cor) {
    return QColor(cor.red(), cor.green(), cor.blue());
}

} // namespace

OperacoesImagem::OperacoesImagem(AreaGrafica& area, CoresDaArea& cores, const Avisos& avisos,
                                 std::function<void()> redesenharEixos, QObject* pai)
    : QObject(pai), m_area(area), m_cores(cores), m_avisos(avisos),
      m_redesenharEixos(std::move(redesenharEixos)) {
}

void OperacoesImagem::apagar() {
    m_area.limpar();
    m_redesenharEixos();
    // The marks go even when a bad axis table kept the axes from being drawn.
    emit apagada();
}

void OperacoesImagem::mudarCorGrafico() {
    m_area.camadaPassageira().esconderNota();
    if (const auto cor = m_avisos.dialogos().escolherCor(&m_avisos.janela(), m_cores.grafico)) {
        m_cores.grafico = opaca(*cor);
        emit corGraficoEscolhida();
    }
}

void OperacoesImagem::mudarCorFundo() {
    if (const auto cor = m_avisos.dialogos().escolherCor(&m_avisos.janela(), m_cores.fundo))
        m_cores.fundo = opaca(*cor);
    m_area.corFundo(m_cores.fundo);
    m_redesenharEixos();
}

void OperacoesImagem::copiar() {
    m_area.camadaPassageira().esconderNota();
    QClipboard* areaTransferencia = QGuiApplication::clipboard();
    areaTransferencia->clear();
    areaTransferencia->setImage(m_area.imagem());
}

void OperacoesImagem::guardar() {
    m_area.camadaPassageira().esconderNota();
    GravacaoBitmap::guardar(m_avisos.dialogos(), &m_avisos.janela(), m_area.imagem());
}
