// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreparacaoTexto.h"

#include "Barras.h"
#include "Edicoes.h"
#include "LeituraDaExpressao.h"
#include "LeituraDeSimbolos.h"
#include "MensagensDaLeitura.h"
#include "Nomes.h"
#include "Virgulas.h"

TextoPreparado PrepararTexto(const QString& escrito, const ContextoLeitura& contexto) {
    try {
        Edicoes edicoes;
        std::vector<Simbolo> simbolos = LerSimbolos(escrito, edicoes);
        RetirarPrefixo(simbolos, escrito.size(), edicoes);
        if (!EmparelharParenteses(simbolos))
            return {escrito, {}};
        const Nomes nomes(contexto);
        ResolverBarras(simbolos);
        ResolverVirgulas(simbolos, escrito, nomes, edicoes);
        LeituraDaExpressao(escrito, simbolos, nomes, edicoes).ler();
        return {edicoes.aplicar(escrito), {}};
    } catch (const Recusa& recusa) {
        return {{}, recusa.mensagem};
    }
}
