// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormatoExercicio.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

namespace FormatoExercicio {

namespace {

const QString kFormato = QStringLiteral("quilora-exercicio");

QString danificado(const QString& razao) {
    return QStringLiteral("O exercício está danificado: ") + razao;
}

// Thrown from deep in the reading; the reason in the user's words.
struct Defeito {
    QString razao;
};

// A JSON object being read, with the path of its keys for the messages ("eixos.xmin").
class Objeto {
public:
    Objeto(const QJsonObject& objeto, const QString& caminho)
        : m_objeto(objeto), m_caminho(caminho) {}

    QString texto(const char* chave) const {
        const QJsonValue v = valor(chave);
        if (!v.isString())
            errado(chave, QStringLiteral("um texto"));
        return v.toString();
    }

    bool logico(const char* chave) const {
        const QJsonValue v = valor(chave);
        if (!v.isBool())
            errado(chave, QStringLiteral("verdadeiro ou falso (true ou false)"));
        return v.toBool();
    }

    int inteiro(const char* chave, int minimo, int maximo) const {
        const QJsonValue v = valor(chave);
        const double numero = v.toDouble();
        if (!v.isDouble() || numero != std::floor(numero) || numero < minimo || numero > maximo)
            errado(chave, QStringLiteral("um número inteiro de %1 a %2").arg(minimo).arg(maximo));
        return int(numero);
    }

    QColor cor(const char* chave) const {
        static const QRegularExpression kHex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QJsonValue v = valor(chave);
        if (!v.isString() || !kHex.match(v.toString()).hasMatch())
            errado(chave, QStringLiteral("uma cor escrita como #rrggbb"));
        return QColor::fromString(v.toString());
    }

    Objeto objeto(const char* chave) const {
        const QJsonValue v = valor(chave);
        if (!v.isObject())
            errado(chave, QStringLiteral("um objeto { … }"));
        return Objeto(v.toObject(), nome(chave));
    }

    // The objects of a list, each with its place in the path ("curvas[1]", counted from 1).
    std::vector<Objeto> lista(const char* chave) const {
        const QJsonValue v = valor(chave);
        if (!v.isArray())
            errado(chave, QStringLiteral("uma lista [ … ]"));
        const QJsonArray elementos = v.toArray();
        if (elementos.size() > kCurvasMaximas)
            throw Defeito{QStringLiteral("O exercício tem mais de %1 curvas num gráfico, mais do "
                                         "que uma aula desenha: não é aberto.")
                              .arg(kCurvasMaximas)};
        std::vector<Objeto> objetos;
        for (qsizetype i = 0; i < elementos.size(); ++i) {
            const QString posicao = nome(chave) + QStringLiteral("[%1]").arg(i + 1);
            if (!elementos[i].isObject())
                throw Defeito{
                    danificado(QStringLiteral("«%1» devia ser um objeto { … }.").arg(posicao))};
            objetos.emplace_back(elementos[i].toObject(), posicao);
        }
        return objetos;
    }

    /// Where this object stands in the file ("areaTransformada.curvas[2]").
    const QString& caminho() const { return m_caminho; }

    QString nome(const char* chave) const {
        const QString propria = QString::fromLatin1(chave);
        return m_caminho.isEmpty() ? propria : m_caminho + QLatin1Char('.') + propria;
    }

private:
    QJsonValue valor(const char* chave) const {
        const auto encontrado = m_objeto.constFind(QLatin1String(chave));
        if (encontrado == m_objeto.constEnd())
            throw Defeito{danificado(QStringLiteral("falta «%1».").arg(nome(chave)))};
        return *encontrado;
    }

    [[noreturn]] void errado(const char* chave, const QString& tipo) const {
        throw Defeito{danificado(QStringLiteral("«%1» devia ser %2.").arg(nome(chave), tipo))};
    }

    QJsonObject m_objeto;
    QString m_caminho;
};

Exercicio::Eixos lerEixos(const Objeto& o) {
    Exercicio::Eixos eixos;
    eixos.xmin = o.texto("xmin");
    eixos.xmax = o.texto("xmax");
    eixos.ymin = o.texto("ymin");
    eixos.ymax = o.texto("ymax");
    eixos.passoX = o.texto("passoX");
    eixos.passoY = o.texto("passoY");
    eixos.numerosX = o.logico("numerosX");
    eixos.marcasX = o.logico("marcasX");
    eixos.numerosY = o.logico("numerosY");
    eixos.marcasY = o.logico("marcasY");
    eixos.radianos = o.logico("radianos");
    return eixos;
}

Exercicio::Traco lerTraco(const Objeto& o) {
    return {o.cor("cor"), o.inteiro("espessura", 1, Exercicio::kEspessuraMaxima)};
}

Exercicio::Cores lerCores(const Objeto& area) {
    return {area.cor("corCurva"), area.cor("corFundo")};
}

std::vector<Exercicio::GraficoDeF> lerGraficosDeF(const Objeto& area) {
    std::vector<Exercicio::GraficoDeF> graficos;
    for (const Objeto& o : area.lista("curvas"))
        graficos.push_back({o.texto("f"), o.texto("dominio"), lerTraco(o)});
    return graficos;
}

std::vector<Exercicio::Transformada> lerTransformadas(const Objeto& area) {
    std::vector<Exercicio::Transformada> transformadas;
    for (const Objeto& o : area.lista("curvas")) {
        Exercicio::Transformada t{
            o.inteiro("opcao", 0, 10), o.texto("a"), o.texto("b"), o.texto("g"), o.texto("f"),
            o.texto("dominio"),        lerTraco(o)};
        if (t.opcao == 0 && t.g.trimmed().isEmpty())
            throw Defeito{
                danificado(QStringLiteral("«%1» não tem transformação (opcao de 1 a 10) nem g.")
                               .arg(o.caminho()))};
        transformadas.push_back(t);
    }
    return transformadas;
}

Exercicio::Comparar lerComparar(const Objeto& o) {
    return {o.logico("mostrarF"), o.logico("umaCorPorCurva"), o.logico("legenda"),
            o.logico("tracoGrosso"), o.logico("painel")};
}

Exercicio lerExercicio(const Objeto& raiz) {
    Exercicio e;
    e.f = raiz.texto("f");
    e.dominio = raiz.texto("dominio");
    e.g = raiz.texto("g");
    e.a = raiz.texto("a");
    e.b = raiz.texto("b");
    e.eixos = lerEixos(raiz.objeto("eixos"));
    e.transformacao = raiz.inteiro("transformacao", 0, 10);
    const Objeto funcao = raiz.objeto("areaFuncao");
    e.coresFuncao = lerCores(funcao);
    e.graficosDeF = lerGraficosDeF(funcao);
    const Objeto transformada = raiz.objeto("areaTransformada");
    e.coresTransformada = lerCores(transformada);
    e.transformadas = lerTransformadas(transformada);
    e.comparar = lerComparar(raiz.objeto("comparar"));
    return e;
}

// The format's name and version come first: a file of another kind or of a newer version is
// told as such, not as a damaged exercise.
std::optional<QString> recusaDoCabecalho(const QJsonObject& raiz) {
    if (raiz.value(QStringLiteral("formato")).toString() != kFormato)
        return QStringLiteral("O ficheiro não é um exercício do Quilora.");
    const QJsonValue versao = raiz.value(QStringLiteral("versao"));
    const double numero = versao.toDouble();
    if (!versao.isDouble() || numero != std::floor(numero) || numero < 1)
        return danificado(QStringLiteral("«versao» devia ser um número inteiro a partir de 1."));
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

QJsonObject escreverEixos(const Exercicio::Eixos& e) {
    return {{QStringLiteral("xmin"), e.xmin},         {QStringLiteral("xmax"), e.xmax},
            {QStringLiteral("ymin"), e.ymin},         {QStringLiteral("ymax"), e.ymax},
            {QStringLiteral("passoX"), e.passoX},     {QStringLiteral("passoY"), e.passoY},
            {QStringLiteral("numerosX"), e.numerosX}, {QStringLiteral("marcasX"), e.marcasX},
            {QStringLiteral("numerosY"), e.numerosY}, {QStringLiteral("marcasY"), e.marcasY},
            {QStringLiteral("radianos"), e.radianos}};
}

QJsonObject escreverComparar(const Exercicio::Comparar& c) {
    return {{QStringLiteral("mostrarF"), c.mostrarF},
            {QStringLiteral("umaCorPorCurva"), c.umaCorPorCurva},
            {QStringLiteral("legenda"), c.legenda},
            {QStringLiteral("tracoGrosso"), c.tracoGrosso},
            {QStringLiteral("painel"), c.painel}};
}

} // namespace

QByteArray escrever(const Exercicio& e) {
    QJsonArray graficos;
    for (const Exercicio::GraficoDeF& g : e.graficosDeF)
        graficos.append(escreverTraco(
            {{QStringLiteral("f"), g.f}, {QStringLiteral("dominio"), g.dominio}}, g.traco));
    QJsonArray transformadas;
    for (const Exercicio::Transformada& t : e.transformadas)
        transformadas.append(escreverTraco({{QStringLiteral("opcao"), t.opcao},
                                            {QStringLiteral("a"), t.a},
                                            {QStringLiteral("b"), t.b},
                                            {QStringLiteral("g"), t.g},
                                            {QStringLiteral("f"), t.f},
                                            {QStringLiteral("dominio"), t.dominio}},
                                           t.traco));
    const QJsonObject raiz{
        {QStringLiteral("f"), e.f},
        {QStringLiteral("dominio"), e.dominio},
        {QStringLiteral("g"), e.g},
        {QStringLiteral("a"), e.a},
        {QStringLiteral("b"), e.b},
        {QStringLiteral("eixos"), escreverEixos(e.eixos)},
        {QStringLiteral("transformacao"), e.transformacao},
        {QStringLiteral("areaFuncao"), escreverArea(e.coresFuncao, graficos)},
        {QStringLiteral("areaTransformada"), escreverArea(e.coresTransformada, transformadas)},
        {QStringLiteral("comparar"), escreverComparar(e.comparar)}};
    // The format's name and version open the file, where a file manager looks for them and
    // where a file cut short still shows what it was; the other keys follow in their order.
    QByteArray texto = QJsonDocument(raiz).toJson(QJsonDocument::Indented);
    texto.insert(2, QStringLiteral("    \"formato\": \"%1\",\n    \"versao\": %2,\n")
                        .arg(kFormato)
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
        if (texto.contains(kFormato.toLatin1()))
            return danificado(QStringLiteral("o texto está cortado ou alterado (na posição %1).")
                                  .arg(erro.offset + 1));
        return QStringLiteral("O ficheiro não é um exercício do Quilora.");
    }
    if (!documento.isObject())
        return QStringLiteral("O ficheiro não é um exercício do Quilora.");
    if (const auto recusa = recusaDoCabecalho(documento.object()))
        return *recusa;
    try {
        return lerExercicio(Objeto(documento.object(), QString()));
    } catch (const Defeito& defeito) {
        return defeito.razao;
    }
}

} // namespace FormatoExercicio
