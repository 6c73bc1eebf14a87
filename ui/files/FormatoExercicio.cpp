// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormatoExercicio.h"

#include "ObjetoLido.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace FormatoExercicio {

namespace {

constexpr char kFormato[] = "quilora-exercicio";

// The keys of the file, each with the field it holds: one table for reading and writing.
using Eixos = Exercicio::Eixos;
using Comparar = Exercicio::Comparar;
using Transformada = Exercicio::Transformada;
using GraficoDeF = Exercicio::GraficoDeF;
const std::pair<const char*, QString Exercicio::*> kTextos[] = {{"f", &Exercicio::f},
                                                                {"dominio", &Exercicio::dominio},
                                                                {"g", &Exercicio::g},
                                                                {"a", &Exercicio::a},
                                                                {"b", &Exercicio::b}};
const std::pair<const char*, QString Eixos::*> kTextosDosEixos[] = {
    {"xmin", &Eixos::Xmin}, {"xmax", &Eixos::Xmax},     {"ymin", &Eixos::Ymin},
    {"ymax", &Eixos::Ymax}, {"passoX", &Eixos::PassoX}, {"passoY", &Eixos::PassoY}};
const std::pair<const char*, bool Eixos::*> kCaixasDosEixos[] = {{"numerosX", &Eixos::GradNumX},
                                                                 {"marcasX", &Eixos::MarcaX},
                                                                 {"numerosY", &Eixos::GradNumY},
                                                                 {"marcasY", &Eixos::MarcaY},
                                                                 {"radianos", &Eixos::radianos}};
const std::pair<const char*, bool Comparar::*> kComparar[] = {
    {"mostrarF", &Comparar::mostrarF},
    {"umaCorPorCurva", &Comparar::umaCorPorCurva},
    {"legenda", &Comparar::legenda},
    {"tracoGrosso", &Comparar::tracoGrosso},
    {"painel", &Comparar::painel}};
const std::pair<const char*, QString GraficoDeF::*> kTextosDoGrafico[] = {
    {"f", &GraficoDeF::f}, {"dominio", &GraficoDeF::dominio}};
const std::pair<const char*, QString Transformada::*> kTextosDaTransformada[] = {
    {"a", &Transformada::a},
    {"b", &Transformada::b},
    {"g", &Transformada::g},
    {"f", &Transformada::f},
    {"dominio", &Transformada::dominio}};

void lerValor(const ObjetoLido& o, const char* chave, QString& valor) {
    valor = o.texto(chave);
}
void lerValor(const ObjetoLido& o, const char* chave, bool& valor) {
    valor = o.logico(chave);
}

template <typename Estrutura, typename Tabela>
void lerCampos(const ObjetoLido& o, Estrutura& destino, const Tabela& tabela) {
    for (const auto& [chave, campo] : tabela)
        lerValor(o, chave, destino.*campo);
}

template <typename Estrutura, typename Tabela>
void escreverCampos(QJsonObject& o, const Estrutura& origem, const Tabela& tabela) {
    for (const auto& [chave, campo] : tabela)
        o.insert(QLatin1String(chave), origem.*campo);
}

Exercicio::Traco lerTraco(const ObjetoLido& o) {
    return {o.cor("cor"), o.inteiro("espessura", 1, Exercicio::kEspessuraMaxima)};
}

Exercicio::Cores lerCores(const ObjetoLido& area) {
    return {area.cor("corCurva"), area.cor("corFundo")};
}

std::vector<GraficoDeF> lerGraficosDeF(const ObjetoLido& area) {
    std::vector<GraficoDeF> graficos;
    for (const ObjetoLido& o : area.lista("curvas", kCurvasMaximas)) {
        GraficoDeF grafico;
        lerCampos(o, grafico, kTextosDoGrafico);
        grafico.traco = lerTraco(o);
        graficos.push_back(grafico);
    }
    return graficos;
}

std::vector<Transformada> lerTransformadas(const ObjetoLido& area) {
    std::vector<Transformada> transformadas;
    for (const ObjetoLido& o : area.lista("curvas", kCurvasMaximas)) {
        Transformada t;
        t.opcao = o.inteiro("opcao", 0, 10);
        lerCampos(o, t, kTextosDaTransformada);
        t.traco = lerTraco(o);
        if (t.opcao == 0 && t.g.trimmed().isEmpty())
            throw ObjetoLido::Defeito{ObjetoLido::danificado(
                QStringLiteral("«%1» não tem transformação (opcao de 1 a 10) nem g.")
                    .arg(o.caminho()))};
        transformadas.push_back(t);
    }
    return transformadas;
}

Exercicio lerExercicio(const ObjetoLido& raiz) {
    Exercicio e;
    lerCampos(raiz, e, kTextos);
    const ObjetoLido eixos = raiz.objeto("eixos");
    lerCampos(eixos, e.eixos, kTextosDosEixos);
    lerCampos(eixos, e.eixos, kCaixasDosEixos);
    e.transformacao = raiz.inteiro("transformacao", 0, 10);
    const ObjetoLido funcao = raiz.objeto("areaFuncao");
    e.coresFuncao = lerCores(funcao);
    e.graficosDeF = lerGraficosDeF(funcao);
    const ObjetoLido transformada = raiz.objeto("areaTransformada");
    e.coresTransformada = lerCores(transformada);
    e.transformadas = lerTransformadas(transformada);
    lerCampos(raiz.objeto("comparar"), e.comparar, kComparar);
    return e;
}

// The format's name and version come first: a file of another kind or of a newer version is
// told as such, not as a damaged exercise.
std::optional<QString> recusaDoCabecalho(const QJsonObject& raiz) {
    if (raiz.value(QStringLiteral("formato")).toString() != QLatin1String(kFormato))
        return QStringLiteral("O ficheiro não é um exercício do Quilora.");
    const QJsonValue versao = raiz.value(QStringLiteral("versao"));
    const double numero = versao.toDouble();
    if (!versao.isDouble() || numero != std::floor(numero) || numero < 1)
        return ObjetoLido::danificado(
            QStringLiteral("«versao» devia ser um número inteiro a partir de 1."));
    if (numero > kVersao)
        return QStringLiteral("O exercício foi guardado por uma versão mais recente do Quilora "
                              "(formato %1); esta versão lê até ao formato %2.")
            .arg(QString::number(numero, 'f', 0))
            .arg(kVersao);
    return std::nullopt;
}

QJsonObject escreverTraco(QJsonObject curva, const Exercicio::Traco& traco) {
    curva.insert(QStringLiteral("cor"), traco.cor.name(QColor::HexRgb));
    curva.insert(QStringLiteral("espessura"), traco.espessura);
    return curva;
}

QJsonObject escreverArea(const Exercicio::Cores& cores, const QJsonArray& curvas) {
    return {{QStringLiteral("corCurva"), cores.curva.name(QColor::HexRgb)},
            {QStringLiteral("corFundo"), cores.fundo.name(QColor::HexRgb)},
            {QStringLiteral("curvas"), curvas}};
}

} // namespace

QByteArray escrever(const Exercicio& e) {
    QJsonArray graficos;
    for (const GraficoDeF& g : e.graficosDeF) {
        QJsonObject curva;
        escreverCampos(curva, g, kTextosDoGrafico);
        graficos.append(escreverTraco(curva, g.traco));
    }
    QJsonArray transformadas;
    for (const Transformada& t : e.transformadas) {
        QJsonObject curva{{QStringLiteral("opcao"), t.opcao}};
        escreverCampos(curva, t, kTextosDaTransformada);
        transformadas.append(escreverTraco(curva, t.traco));
    }
    QJsonObject eixos, comparar;
    escreverCampos(eixos, e.eixos, kTextosDosEixos);
    escreverCampos(eixos, e.eixos, kCaixasDosEixos);
    escreverCampos(comparar, e.comparar, kComparar);
    QJsonObject raiz{
        {QStringLiteral("eixos"), eixos},
        {QStringLiteral("transformacao"), e.transformacao},
        {QStringLiteral("areaFuncao"), escreverArea(e.coresFuncao, graficos)},
        {QStringLiteral("areaTransformada"), escreverArea(e.coresTransformada, transformadas)},
        {QStringLiteral("comparar"), comparar}};
    escreverCampos(raiz, e, kTextos);
    // The format's name and version open the file, where a file manager looks for them and
    // where a file cut short still shows what it was; the other keys follow in their order.
    QByteArray texto = QJsonDocument(raiz).toJson(QJsonDocument::Indented);
    texto.insert(2, QStringLiteral("    \"formato\": \"%1\",\n    \"versao\": %2,\n")
                        .arg(QLatin1String(kFormato))
                        .arg(kVersao)
                        .toUtf8());
    return texto;
}

std::variant<Exercicio, QString> ler(const QByteArray& dados) {
    if (dados.trimmed().isEmpty())
        return QStringLiteral("O ficheiro está vazio.");
    // A text editor may have put a byte-order mark in front.
    const QByteArray texto = dados.startsWith("\xEF\xBB\xBF") ? dados.mid(3) : dados;
    QJsonParseError erro{};
    const QJsonDocument documento = QJsonDocument::fromJson(texto, &erro);
    if (erro.error != QJsonParseError::NoError) {
        if (texto.contains(kFormato))
            return ObjetoLido::danificado(QStringLiteral("o texto está cortado ou alterado."));
        return QStringLiteral("O ficheiro não é um exercício do Quilora.");
    }
    if (!documento.isObject())
        return QStringLiteral("O ficheiro não é um exercício do Quilora.");
    if (const auto recusa = recusaDoCabecalho(documento.object()))
        return *recusa;
    try {
        return lerExercicio(ObjetoLido(documento.object(), QString()));
    } catch (const ObjetoLido::Defeito& defeito) {
        return defeito.razao;
    }
}

} // namespace FormatoExercicio
