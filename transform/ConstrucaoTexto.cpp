#include "ConstrucaoTexto.h"

#include "NumeroInicial.h"

namespace {

QString emoldurar(const Moldura& moldura, const QString& interior, const Parametros& parametros) {
    return textoDoParametro(moldura.parametro, parametros) + QString::fromUtf8(moldura.abre) +
           interior + QString::fromUtf8(moldura.fecha);
}

QString substituicao(const Substituto& substituto, const Parametros& parametros) {
    return QString::fromUtf8(substituto.antes) +
           textoDoParametro(substituto.parametro, parametros) +
           QString::fromUtf8(substituto.depois);
}

} // namespace

QString textoDoParametro(Parametro parametro, const Parametros& parametros) {
    switch (parametro) {
    case Parametro::A:
        return parametros.a;
    case Parametro::B:
        return parametros.b;
    case Parametro::Nenhum:
        break;
    }
    return {};
}

void SubstituirX(const QString& f, const Substituto& substituto, const Parametros& parametros,
                 TextosDeTrabalho& textos) {
    const QString padded = u' ' + f + u' ';
    textos.Função3.clear();
    // The scan restarts at the second character of what follows each replaced x, so the
    // character right after an x is passed over; the first pad blank is never looked at either.
    qsizetype inicio = 0; // start of the part still to be scanned
    qsizetype i = 1;
    while (i < padded.size()) {
        if (padded[i] == u'x') {
            textos.Função3 += QStringView(padded).sliced(inicio, i - inicio);
            textos.Função3 += substituicao(substituto, parametros);
            inicio = i + 1;
            i += 2;
        } else {
            ++i;
        }
    }
    textos.Função2 = padded.sliced(inicio);
    textos.Função3 += textos.Função2;
}

void construirTexto(const Transformacao& t, const QString& f, const Parametros& parametros,
                    TextosDeTrabalho& textos) {
    if (t.construcao == Construcao::Envolver) {
        textos.Função2 = emoldurar(t.envolvimento, f, parametros);
        return;
    }
    SubstituirX(f, t.substituto, parametros, textos);
    if (t.fecho.presente())
        textos.Função3 = emoldurar(t.fecho, textos.Função3, parametros);
}

const QString& textoConstruido(const Transformacao& t, const TextosDeTrabalho& textos) {
    return t.construcao == Construcao::Envolver ? textos.Função2 : textos.Função3;
}

std::optional<QString> textoADesenhar(const Transformacao& t, const QString& f,
                                      const Parametros& parametros, TextosDeTrabalho& textos) {
    construirTexto(t, f, parametros, textos);
    if (f.isEmpty() || (t.exigeANaoNulo && NumeroInicial(parametros.a) == 0))
        return std::nullopt;
    return textoConstruido(t, textos);
}
