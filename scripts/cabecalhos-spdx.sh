#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Equipa do Quilora
# SPDX-License-Identifier: GPL-3.0-or-later

# Adds the two SPDX lines (copyright holder and licence) at the top of every source file of a
# Quilora working tree that lacks them: C++ sources and headers, CMake files, shell scripts and
# any other script with a #! line, and the tool configuration files. A #! line stays first.
# Images, help pages, translations, docs, the fuzzing corpus and the package's own copyright and
# changelog cannot carry a comment and are covered by .reuse/dep5 instead.
# Running it again changes nothing. Usage: cabecalhos-spdx.sh [TREE]   (TREE defaults to .)
set -euo pipefail

# REUSE-IgnoreStart
arvore="${1:-.}"
cd "$arvore"
detentor="SPDX-FileCopyrightText: 2026 Equipa do Quilora"
licenca="SPDX-License-Identifier: GPL-3.0-or-later"

# The comment prefix of a file, or nothing when the file takes no header from this script.
prefixo() {
    local ficheiro="$1" nome
    nome="$(basename "$ficheiro")"
    case "$nome" in
    *.cpp | *.cc | *.c | *.h | *.hpp) echo "//" ;;
    CMakeLists.txt | *.cmake | *.sh | *.py | *.toml | *.yml | *.yaml | *.desktop) echo "#" ;;
    .clang-format | .clang-tidy | .gitignore | .gitattributes | .editorconfig) echo "#" ;;
    *)
        if head -c 2 "$ficheiro" | grep -q '^#!'; then
            echo "#"
        fi
        ;;
    esac
}

tem_cabecalho() {
    head -n 20 "$1" | grep -q 'SPDX-License-Identifier:'
}
# REUSE-IgnoreEnd

acrescentar() {
    local ficheiro="$1" p="$2" temporario
    temporario="$(mktemp)"
    {
        if head -c 2 "$ficheiro" | grep -q '^#!'; then
            head -n 1 "$ficheiro"
            printf '%s %s\n%s %s\n\n' "$p" "$detentor" "$p" "$licenca"
            tail -n +2 "$ficheiro"
        else
            printf '%s %s\n%s %s\n\n' "$p" "$detentor" "$p" "$licenca"
            cat "$ficheiro"
        fi
    } >"$temporario"
    # Keep the file's own permissions (scripts stay executable).
    cat "$temporario" >"$ficheiro"
    rm -f "$temporario"
    echo "cabeçalho: $ficheiro"
}

git ls-files -z --cached --others --exclude-standard | sort -zu |
    while IFS= read -r -d '' ficheiro; do
        [ -f "$ficheiro" ] && [ ! -L "$ficheiro" ] || continue
        case "$ficheiro" in
        LICENSE | LICENSES/* | .reuse/*) continue ;;
        esac
        p="$(prefixo "$ficheiro")"
        [ -n "$p" ] || continue
        tem_cabecalho "$ficheiro" || acrescentar "$ficheiro" "$p"
    done
