// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuadroDoExercicio.h"

#include "AreaGrafica.h"
#include "BotaoOpcao.h"
#include "Catalogo.h"
#include "CoresDaArea.h"
#include "GrupoTransformacoes.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

QuadroDoExercicio::QuadroDoExercicio(const Controlos& controlos, Comandos comandos, QObject* pai)
    : QObject(pai), m_controlos(controlos), m_comandos(std::move(comandos)) {
    // Whatever clears an area (erase, background, axes, radians) clears its list of curves.
    connect(&m_controlos.areaFuncao->persistente(), &Quadro::limpo, this,
            [this] { m_graficosDeF.clear(); });
    connect(&m_controlos.areaTransformada->persistente(), &Quadro::limpo, this,
            [this] { m_transformadas.clear(); });
    connect(m_controlos.transformacoes, &GrupoTransformacoes::transformadaDesenhada, this,
            &QuadroDoExercicio::transformadaDesenhada);
}

Exercicio::Traco QuadroDoExercicio::tracoActual(const QColor& cor) const {
    return {cor, m_extensoes.espessuraActual ? m_extensoes.espessuraActual() : 1};
}

void QuadroDoExercicio::fDesenhada() {
    const QString dominio = m_extensoes.dominioActual ? m_extensoes.dominioActual() : QString();
    m_graficosDeF.push_back(
        {m_controlos.funcao->text(), dominio, tracoActual(m_controlos.coresFuncao->grafico)});
}

void QuadroDoExercicio::transformadaDesenhada(const CurvaDesenhada& curva) {
    Exercicio::Transformada t;
    for (const Transformacao& candidata : catalogo())
        if (curva.rotulo == QString::fromUtf8(candidata.legenda))
            t.opcao = candidata.numero;
    // The parameters as the transformation wrote them back, the numbers it drew with.
    t.a = m_controlos.transformacoes->valorDeA()->text();
    t.b = m_controlos.transformacoes->valorDeB()->text();
    t.f = m_controlos.funcao->text();
    t.dominio = m_extensoes.dominioActual ? m_extensoes.dominioActual() : QString();
    t.traco = tracoActual(corDaTransformada());
    m_transformadas.push_back(t);
}

void QuadroDoExercicio::gDesenhada(const QString& g) {
    Exercicio::Transformada t;
    t.g = g;
    t.f = m_controlos.funcao->text();
    t.dominio = m_extensoes.dominioActual ? m_extensoes.dominioActual() : QString();
    t.traco = tracoActual(corDaTransformada());
    m_transformadas.push_back(t);
}

QColor QuadroDoExercicio::corDaTransformada() const {
    return m_extensoes.corDaTransformada ? m_extensoes.corDaTransformada()
                                         : m_controlos.coresTransformada->grafico;
}

Exercicio::Eixos QuadroDoExercicio::eixos() const {
    Exercicio::Eixos e;
    static_cast<TabelaEixos&>(e) = m_comandos.tabelaEixos();
    e.radianos = m_comandos.radianos();
    return e;
}

void QuadroDoExercicio::escreverEixos(const Exercicio::Eixos& e) {
    const Controlos& c = m_controlos;
    c.xmin->setText(e.Xmin);
    c.xmax->setText(e.Xmax);
    c.ymin->setText(e.Ymin);
    c.ymax->setText(e.Ymax);
    c.passoX->setText(e.PassoX);
    c.passoY->setText(e.PassoY);
    c.numerosX->setChecked(e.GradNumX);
    c.marcasX->setChecked(e.MarcaX);
    c.numerosY->setChecked(e.GradNumY);
    c.marcasY->setChecked(e.MarcaY);
}

Exercicio QuadroDoExercicio::exercicio() const {
    const Controlos& c = m_controlos;
    Exercicio e;
    e.f = c.funcao->text();
    e.a = c.transformacoes->valorDeA()->text();
    e.b = c.transformacoes->valorDeB()->text();
    e.eixos = eixos();
    for (int numero = 1; numero <= 10; ++numero)
        if (c.transformacoes->opcao(numero)->isChecked())
            e.transformacao = numero;
    e.coresFuncao = {c.coresFuncao->grafico, c.areaFuncao->persistente().corFundo()};
    e.coresTransformada = {c.coresTransformada->grafico,
                           c.areaTransformada->persistente().corFundo()};
    e.graficosDeF = m_graficosDeF;
    e.transformadas = m_transformadas;
    e.comparar.mostrarF = c.mostrarF->isChecked();
    if (m_extensoes.completar)
        m_extensoes.completar(e);
    return e;
}

void QuadroDoExercicio::repor(const Exercicio& exercicio) {
    const Controlos& c = m_controlos;
    // The grey f comes back at the end, over the f drawn last, as it was.
    c.mostrarF->setChecked(false);
    c.transformacoes->reset();
    escreverEixos(exercicio.eixos);
    if (m_comandos.radianos() != exercicio.eixos.radianos)
        m_comandos.alternarRadianos();
    c.coresFuncao->fundo = exercicio.coresFuncao.fundo;
    c.coresTransformada->fundo = exercicio.coresTransformada.fundo;
    c.areaFuncao->corFundo(exercicio.coresFuncao.fundo);
    c.areaTransformada->corFundo(exercicio.coresTransformada.fundo);
    if (m_extensoes.prepararReposicao)
        m_extensoes.prepararReposicao(exercicio);
    m_comandos.desenharEixos();
    reporCurvas(exercicio);

    c.funcao->setText(exercicio.f);
    c.transformacoes->valorDeA()->setText(exercicio.a);
    c.transformacoes->valorDeB()->setText(exercicio.b);
    c.coresFuncao->grafico = exercicio.coresFuncao.curva;
    c.coresTransformada->grafico = exercicio.coresTransformada.curva;
    if (exercicio.transformacao >= 1 && exercicio.transformacao <= 10)
        c.transformacoes->opcao(exercicio.transformacao)->setChecked(true);
    c.mostrarF->setChecked(exercicio.comparar.mostrarF);
    if (m_extensoes.concluirReposicao)
        m_extensoes.concluirReposicao(exercicio);
}

void QuadroDoExercicio::prepararCurva(const QString& dominio, const Exercicio::Traco& traco) {
    if (m_extensoes.prepararCurva)
        m_extensoes.prepararCurva(dominio, traco.espessura);
}

void QuadroDoExercicio::reporCurvas(const Exercicio& exercicio) {
    const Controlos& c = m_controlos;
    for (const Exercicio::GraficoDeF& g : exercicio.graficosDeF) {
        c.funcao->setText(g.f);
        c.coresFuncao->grafico = g.traco.cor;
        prepararCurva(g.dominio, g.traco);
        m_comandos.desenhar();
    }
    for (const Exercicio::Transformada& t : exercicio.transformadas) {
        c.funcao->setText(t.f);
        c.coresTransformada->grafico = t.traco.cor;
        prepararCurva(t.dominio, t.traco);
        if (t.opcao == 0) {
            if (m_extensoes.reporG)
                m_extensoes.reporG(t);
            continue;
        }
        c.transformacoes->valorDeA()->setText(t.a);
        c.transformacoes->valorDeB()->setText(t.b);
        c.transformacoes->executar(t.opcao);
    }
}
