// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CicloDeTracado.h"

#include "clsEquation.h"

bool FalhaDoTexto(const InterpreterError& erro) {
    using namespace quilora::interpreter;
    switch (erro.number()) {
    case IndexError:
    case ParenthesesError:
    case UndefinedFunctionError:
    case UndefinedVariableError:
    case InvalidArgumentError:
        return true;
    default:
        return false;
    }
}

ResultadoTracado CicloDeTracado(clsEquation& equacao, AreaGrafica& area,
                                const JanelaGrafica& janela, const QColor& cor,
                                PoliticaFalha politica) {
    return CicloDeTracado(ValorDaEquacao{equacao}, area, janela, cor, politica);
}
