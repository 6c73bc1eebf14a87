#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Equipa do Quilora
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package from a build folder where the program is built (build/ unless
# named) and checks it as a Debian maintainer would: lintian without errors or warnings, the
# desktop entry and the AppStream metadata valid, manual pages, licence and history in their
# places, the program hardened and answering --version without a display; then the licence of
# every file of the sources (reuse lint). Leaves the package in <build folder>/pacote/.
set -euo pipefail
cd "$(dirname "$0")/.."
construcao="${1:-build}"

falha() {
    echo "FALHOU: $*" >&2
    exit 1
}

rm -rf "$construcao/pacote"
cpack --config "$construcao/CPackConfig.cmake" -B "$construcao/pacote" >"$construcao/cpack.log" ||
    { cat "$construcao/cpack.log"; falha "o cpack não fez o pacote"; }
pacotes=("$construcao"/pacote/quilora_*.deb)
deb="${pacotes[0]}"
[ -f "$deb" ] || falha "não há pacote em $construcao/pacote"
versao="$(dpkg-deb -f "$deb" Version)"
echo "Pacote: $deb"

# Lintian warns when run as root, as CI does; that line says nothing of the package.
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2) ||
    falha "o lintian encontrou erros ou avisos no pacote"

raiz="$(mktemp -d)"
trap 'rm -rf "$raiz"' EXIT
dpkg-deb -x "$deb" "$raiz"

entradas=("$raiz"/usr/share/applications/*.desktop)
avisos="$(desktop-file-validate "${entradas[@]}" 2>&1)" || true
[ -z "$avisos" ] || { echo "$avisos"; falha "a entrada do menu tem erros ou avisos"; }
appstreamcli validate --no-net "$raiz"/usr/share/metainfo/*.metainfo.xml ||
    falha "os metadados AppStream têm erros ou avisos"
# The tree as installed: the metadata names the desktop entry that is really there.
appstreamcli validate-tree --no-net "$raiz" >"$raiz/arvore.log" ||
    { cat "$raiz/arvore.log"; falha "os metadados AppStream não batem com a entrada do menu"; }

for ficheiro in usr/share/man/man1/quilora.1.gz usr/share/man/pt/man1/quilora.1.gz \
    usr/share/doc/quilora/copyright usr/share/doc/quilora/changelog.gz; do
    [ -f "$raiz/$ficheiro" ] || falha "falta $ficheiro no pacote"
done
[ "$(dpkg-parsechangelog -l cmake/pacote/changelog -S Version)" = "$versao" ] ||
    falha "a última entrada de cmake/pacote/changelog não é a versão $versao"
grep -q "<release version=\"${versao%-*}\"" resources/metainfo/*.metainfo.xml ||
    falha "os metadados AppStream não têm a versão ${versao%-*}"

programa="$raiz/usr/bin/quilora"
dinamica="$(readelf -dW "$programa")"
grep -q 'BIND_NOW' <<<"$dinamica" || falha "o programa não foi ligado com BIND_NOW"
if grep -qE 'RPATH|RUNPATH' <<<"$dinamica"; then
    falha "o programa instalado tem um RPATH ou RUNPATH"
fi
grep -q 'GNU_RELRO' <<<"$(readelf -lW "$programa")" || falha "o programa não tem RELRO"
grep -q '__stack_chk_fail' <<<"$(readelf --dyn-syms -W "$programa")" ||
    falha "o programa não foi compilado com a proteção da pilha"
grep -q -- '-D_FORTIFY_SOURCE=' "$construcao/ui/CMakeFiles/quilora.dir/flags.make" ||
    falha "o programa não foi compilado com os CPPFLAGS do Debian"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programa" --version)" = \
    "Quilora ${versao%-*}" ] || falha "quilora --version não responde sem ecrã"

reuse lint >"$raiz/reuse.log" || { cat "$raiz/reuse.log"; falha "reuse lint"; }
echo "Pacote sem erros nem avisos; licenças de todos os ficheiros em ordem."
