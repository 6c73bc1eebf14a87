// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

// Exercise files as a teacher keeps them and a pupil opens them: what is written comes back
// whole, and a file that is no exercise says so and gives nothing to apply.
#include "FicheiroExercicio.h"
#include "FormatoExercicio.h"
#include "SemPrivilegios.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A board with something in every field.
Exercicio quadroCheio() {
    Exercicio e;
    std::tie(e.f, e.dominio, e.g, e.a, e.b) =
        std::tuple("0,5x² − |x| + π", "[-2,5; 3[", "-2f(x-1)+3", "-1/3", "pi/15");
    e.eixos = {"-2*pi", "2pi", "-1,5", "1e3", "0,25", "100", false, true, true, false, true};
    e.transformacao = 7;
    e.coresFuncao = {QColor(255, 0, 0), QColor(255, 255, 192)};
    e.coresTransformada = {QColor(0, 114, 178), QColor(16, 16, 16)};
    e.graficosDeF = {{"x^2", "", {QColor(0, 0, 255), 1}}, {"sen(x)", "[0, +∞[", {Qt::red, 3}}};
    e.transformadas = {{7, "3", "2", "", "x^2", "", {QColor(0, 0, 255), 1}},
                       {0, "", "", "f(|x|)-1", "sen(x)", "[-5, 3]", {QColor(230, 159, 0), 3}},
                       {10, "", "\"aspas\" e \\barra", "", "x", "", {QColor(1, 2, 3), 10}}};
    e.comparar = {true, false, true, true, true};
    return e;
}

class IdaEVoltaTest : public ::testing::TestWithParam<Exercicio> {};

// What is written is read back field for field, through a real file.
TEST_P(IdaEVoltaTest, OQueSeGuardaVoltaIgual) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("aula.quilora"));
    ASSERT_EQ(FicheiroExercicio::gravar(GetParam(), caminho), std::nullopt);
    const auto lido = FicheiroExercicio::abrir(caminho);
    ASSERT_TRUE(std::holds_alternative<Exercicio>(lido)) << std::get<QString>(lido).toStdString();
    EXPECT_TRUE(std::get<Exercicio>(lido) == GetParam());
}

// As many curves as a file may hold, in both areas.
Exercicio quadroAbarrotado() {
    Exercicio e;
    e.eixos.radianos = true;
    for (int i = 0; i < FormatoExercicio::kCurvasMaximas; ++i) {
        e.graficosDeF.push_back({QString::number(i) + "x", "", {}});
        e.transformadas.push_back({1 + i % 10, QString::number(i), "2", "", "x", "", {}});
    }
    return e;
}

INSTANTIATE_TEST_SUITE_P(Quadros, IdaEVoltaTest,
                         ::testing::Values(Exercicio{}, quadroCheio(), quadroAbarrotado()));

// The text of a file is fixed: the same whatever the locale (the tests also run under
// pt_PT.UTF-8), with the format's name first, and files written before keep opening.
TEST(FormatoExercicio, OTextoDeUmQuadroEFixo) {
    Exercicio e;
    e.graficosDeF = {{QStringLiteral("1/2x^2-4"), QString(), {}}};
    e.transformadas = {{3, "2", "2", "", "1/2x^2-4", "", {}}};
    const QByteArray esperado = R"({"formato": "quilora-exercicio", "versao": 1, "a": "2",
        "areaFuncao": {"corCurva": "#0000ff", "corFundo": "#ffffff", "curvas": [
            {"cor": "#0000ff", "dominio": "", "espessura": 1, "f": "1/2x^2-4"}]},
        "areaTransformada": {"corCurva": "#0000ff", "corFundo": "#ffffff", "curvas": [
            {"a": "2", "b": "2", "cor": "#0000ff", "dominio": "", "espessura": 1,
             "f": "1/2x^2-4", "g": "", "opcao": 3}]},
        "b": "2", "comparar": {"legenda": false, "mostrarF": false, "painel": false,
                               "tracoGrosso": false, "umaCorPorCurva": true},
        "dominio": "", "eixos": {"marcasX": true, "marcasY": true, "numerosX": true,
            "numerosY": true, "passoX": "1", "passoY": "1", "radianos": false, "xmax": "10",
            "xmin": "-10", "ymax": "10", "ymin": "-10"},
        "f": "1/2x^2-4", "g": "", "transformacao": 0})";
    const QByteArray texto = FormatoExercicio::escrever(e);
    EXPECT_TRUE(
        texto.startsWith("{\n    \"formato\": \"quilora-exercicio\",\n    \"versao\": 1,\n"));
    EXPECT_EQ(QJsonDocument::fromJson(texto), QJsonDocument::fromJson(esperado));
    const auto lido = FormatoExercicio::ler(esperado);
    ASSERT_TRUE(std::holds_alternative<Exercicio>(lido));
    EXPECT_TRUE(std::get<Exercicio>(lido) == e);
}

// A good file changed at one key ("eixos.xmin", "areaTransformada.curvas.1.cor"); an undefined
// value removes the key.
QJsonValue mudar(QJsonValue valor, QStringList chaves, const QJsonValue& novo) {
    if (chaves.isEmpty())
        return novo;
    const QString chave = chaves.takeFirst();
    if (valor.isArray()) {
        QJsonArray lista = valor.toArray();
        lista[chave.toInt()] = mudar(lista[chave.toInt()], chaves, novo);
        return lista;
    }
    QJsonObject objeto = valor.toObject();
    if (chaves.isEmpty() && novo.isUndefined())
        objeto.remove(chave);
    else
        objeto[chave] = mudar(objeto[chave], chaves, novo);
    return objeto;
}

QByteArray mudado(const char* caminho, const QJsonValue& novo) {
    const QJsonDocument bom = QJsonDocument::fromJson(FormatoExercicio::escrever(quadroCheio()));
    const QJsonValue mudadoValor =
        mudar(bom.object(), QString::fromLatin1(caminho).split(QLatin1Char('.')), novo);
    return QJsonDocument(mudadoValor.toObject()).toJson();
}

QByteArray lixo(qsizetype tamanho) {
    QByteArray bytes(tamanho, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919) % 251);
    return bytes;
}

QByteArray curvas(int quantas) {
    QJsonArray lista;
    for (int i = 0; i < quantas; ++i)
        lista.append(
            QJsonObject{{"f", "x"}, {"dominio", ""}, {"cor", "#000000"}, {"espessura", 1}});
    return mudado("areaFuncao.curvas", lista);
}

struct CasoMau {
    const char* descricao;
    QByteArray conteudo;
    QString razao; // ending in "…": how it begins
};

const QJsonValue kSem(QJsonValue::Undefined);
const QString kNaoE = QStringLiteral("O ficheiro não é um exercício do Quilora.");
QString danificado(const char* razao) {
    return QStringLiteral("O exercício está danificado: ") + QString::fromUtf8(razao);
}
QString inteiro(const char* chave, int de, int ate) {
    return danificado("«%1» devia ser um número inteiro de %2 a %3.")
        .arg(QString::fromUtf8(chave))
        .arg(de)
        .arg(ate);
}
const QString kCor = QStringLiteral(" devia ser uma cor escrita como #rrggbb.");
const QString kVersao = danificado("«versao» devia ser um número inteiro a partir de 1.");

const CasoMau kMaus[] = {
    {"vazio", "", "O ficheiro está vazio."},
    {"so brancos", " \n\t ", "O ficheiro está vazio."},
    {"um bitmap", QByteArray("BM\x36\x00\x00\x00", 6), kNaoE},
    {"texto", "f(x) = x^2\n", kNaoE},
    {"outro JSON", R"({"nome": "Ana", "versao": 1})", kNaoE},
    {"lista JSON", "[1, 2]", kNaoE},
    {"cortado a meio", FormatoExercicio::escrever(quadroCheio()).chopped(300),
     danificado("o texto está cortado ou alterado.")},
    {"versao 999", mudado("versao", 999),
     "O exercício foi guardado por uma versão mais recente do Quilora (formato 999); esta "
     "versão lê até ao formato 1."},
    {"versao em texto", mudado("versao", "1"), kVersao},
    {"versao 0", mudado("versao", 0), kVersao},
    {"sem versao", mudado("versao", kSem), kVersao},
    {"sem f", mudado("f", kSem), danificado("falta «f».")},
    {"sem eixos", mudado("eixos", kSem), danificado("falta «eixos».")},
    {"sem passo Y", mudado("eixos.passoY", kSem), danificado("falta «eixos.passoY».")},
    {"sem painel", mudado("comparar.painel", kSem), danificado("falta «comparar.painel».")},
    {"f numero", mudado("f", 3), danificado("«f» devia ser um texto.")},
    {"eixos texto", mudado("eixos", "-10"), danificado("«eixos» devia ser um objeto { … }.")},
    {"radianos sim", mudado("eixos.radianos", "sim"),
     danificado("«eixos.radianos» devia ser verdadeiro ou falso (true ou false).")},
    {"transformacao 11", mudado("transformacao", 11), inteiro("transformacao", 0, 10)},
    {"transformacao -1", mudado("transformacao", -1), inteiro("transformacao", 0, 10)},
    {"transformacao 2,5", mudado("transformacao", 2.5), inteiro("transformacao", 0, 10)},
    {"cor por nome", mudado("areaFuncao.corCurva", "blue"),
     danificado("«areaFuncao.corCurva»") + kCor},
    {"cor curta", mudado("areaTransformada.curvas.1.cor", "#fff"),
     danificado("«areaTransformada.curvas[2].cor»") + kCor},
    {"curvas objeto", mudado("areaFuncao.curvas", QJsonObject()),
     danificado("«areaFuncao.curvas» devia ser uma lista [ … ].")},
    {"curva numero", mudado("areaTransformada.curvas.2", 7),
     danificado("«areaTransformada.curvas[3]» devia ser um objeto { … }.")},
    {"opcao 11", mudado("areaTransformada.curvas.0.opcao", 11),
     inteiro("areaTransformada.curvas[1].opcao", 0, 10)},
    {"sem opcao nem g", mudado("areaTransformada.curvas.1.g", " "),
     danificado("«areaTransformada.curvas[2]» não tem transformação (opcao de 1 a 10) nem g.")},
    {"espessura 0", mudado("areaFuncao.curvas.1.espessura", 0),
     inteiro("areaFuncao.curvas[2].espessura", 1, 10)},
    {"espessura 11", mudado("areaFuncao.curvas.1.espessura", 11),
     inteiro("areaFuncao.curvas[2].espessura", 1, 10)},
    {"501 curvas", curvas(501),
     "O exercício tem mais de 500 curvas num gráfico, mais do que uma aula desenha: não é "
     "aberto."},
    {"1 MB e um byte",
     FormatoExercicio::escrever(quadroCheio())
         .leftJustified(FicheiroExercicio::kTamanhoMaximo + 1, ' '),
     "O ficheiro é demasiado grande para ser um exercício do Quilora."},
    {"10 MB de lixo", lixo(10 * 1024 * 1024),
     "O ficheiro é demasiado grande para ser um exercício do Quilora."},
};

// A bad file's message as the user reads it, and nothing to apply.
::testing::AssertionResult recusado(const std::variant<Exercicio, QString>& lido,
                                    const QString& caminho, const QString& razao) {
    if (std::holds_alternative<Exercicio>(lido))
        return ::testing::AssertionFailure() << "read as an exercise";
    const QString texto = std::get<QString>(lido);
    const QString esperado = QDir::toNativeSeparators(caminho) + QStringLiteral("\r\n") + razao;
    const bool igual = esperado.endsWith(QChar(0x2026)) ? texto.startsWith(esperado.chopped(1))
                                                        : texto == esperado;
    if (igual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message: " << texto.toStdString();
}

class FicheiroMauTest : public ::testing::TestWithParam<CasoMau> {};

TEST_P(FicheiroMauTest, DizPorqueENadaSeAplica) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("aula.quilora"));
    QFile ficheiro(caminho);
    const QByteArray& conteudo = GetParam().conteudo;
    ASSERT_TRUE(ficheiro.open(QIODevice::WriteOnly) && ficheiro.write(conteudo) == conteudo.size());
    ficheiro.close();
    EXPECT_TRUE(recusado(FicheiroExercicio::abrir(caminho), caminho, GetParam().razao));
}

INSTANTIATE_TEST_SUITE_P(Ficheiros, FicheiroMauTest, ::testing::ValuesIn(kMaus),
                         [](const auto& info) {
                             QString nome = QString::fromUtf8(info.param.descricao);
                             nome.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")),
                                          QStringLiteral("_"));
                             return nome.toStdString();
                         });

// Files that cannot be read at all: each says why.
TEST(FicheiroExercicio, OQueNaoSeConsegueLerDizPorque) {
    QTemporaryDir pasta;
    const QString sumiu = pasta.filePath(QStringLiteral("sumiu.quilora"));
    EXPECT_TRUE(
        recusado(FicheiroExercicio::abrir(sumiu), sumiu, QStringLiteral("O ficheiro não existe.")));
    EXPECT_TRUE(recusado(FicheiroExercicio::abrir(pasta.path()), pasta.path(),
                         QStringLiteral("É uma pasta, não um ficheiro.")));

    // A pipe with nobody writing would keep the program waiting for ever.
    const QString cano = pasta.filePath(QStringLiteral("cano.quilora"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(cano).constData(), 0600), 0);
    EXPECT_TRUE(
        recusado(FicheiroExercicio::abrir(cano), cano, QStringLiteral("Não é um ficheiro comum.")));

    // The disk fails while the file is read: reading one's own memory from its first byte
    // fails as a broken disk does.
    const QString memoria = QStringLiteral("/proc/self/mem");
    EXPECT_TRUE(recusado(FicheiroExercicio::abrir(memoria), memoria,
                         QStringLiteral("O disco falhou a meio da leitura do ficheiro.")));

    const QString fechado = pasta.filePath(QStringLiteral("fechado.quilora"));
    ASSERT_EQ(FicheiroExercicio::gravar(Exercicio{}, fechado), std::nullopt);
    QFile::setPermissions(fechado, QFile::WriteOwner);
    QFile::setPermissions(pasta.path(),
                          QFile::permissions(pasta.path()) | QFile::ExeGroup | QFile::ExeOther);
    SemPrivilegios comoUtilizador;
    EXPECT_TRUE(recusado(FicheiroExercicio::abrir(fechado), fechado,
                         QStringLiteral("Não há permissão para ler o ficheiro.")));
}

} // namespace
