#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Equipa do Quilora
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds everything and runs every test, in the "C" locale and in the
# users' own; checks the Debian package made from that build; then builds the whole program and
# its tests once more under the sanitizers and runs every test there, the scripted lesson at
# both scales included; last, a short fuzzing run of the interpreter.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

# The flags Debian builds its packages with, hardening included, so that the tests run against
# the very program that goes into the package checked below. The debugging information goes:
# the package's program is stripped of it.
bandeira() {
    DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get "$1"
}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$(bandeira CPPFLAGS) $(bandeira CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(bandeira LDFLAGS)"
cmake --build build -j"$(nproc)"
LC_ALL=C ctest --test-dir build --output-on-failure -j"$(nproc)"

section() {
    printf '\n==== %s ====\n' "$1"
}

# The users' desktop writes decimals with a comma: nothing the program reads or writes in its
# own formats may change with it.
section "Todos os testes com o local dos utilizadores, pt_PT.UTF-8"
LANG=pt_PT.UTF-8 LC_ALL=pt_PT.UTF-8 ctest --test-dir build --output-on-failure -j"$(nproc)"

section "Pacote Debian, entrada do menu, metadados AppStream e licenças"
bash scripts/pacote.sh build

section "O programa inteiro com AddressSanitizer e UndefinedBehaviorSanitizer"
# Any report ends the process that made it with an error, and so fails its test; a leak is
# reported when the process ends, unless it lies in a system library the suppressions name.
# The options hold for the build too: it runs each test program to list its tests.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1
cmake -S . -B build-asan -DQUILORA_INTERPRETER_ONLY=OFF -DQUILORA_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

section "Fuzzing do interpretador (cerca de 60 s)"
if ! command -v clang++ >/dev/null; then
    echo "clang++ não encontrado: fuzzing não corrido" >&2
    exit 1
fi
if [ ! -f build-fuzz/CMakeCache.txt ]; then
    CXX=clang++ cmake -S . -B build-fuzz -DQUILORA_INTERPRETER_ONLY=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build-fuzz -j"$(nproc)" --target interpreter_fuzz
# The fuzzer adds what it finds to its corpus folder: give it a copy, never the repository's.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/artifacts"
cp fuzz/corpus/* "$work/corpus/"
if ! build-fuzz/fuzz/interpreter_fuzz -max_len=40000 -max_total_time=60 -timeout=60 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" \
    >"$work/fuzz.log" 2>&1; then
    tail -n 60 "$work/fuzz.log"
    mkdir -p build-fuzz/crashes
    cp "$work"/artifacts/* build-fuzz/crashes/ 2>/dev/null || true
    echo "FALHOU: o fuzzing encontrou uma entrada que quebra o interpretador;" \
        "está em build-fuzz/crashes/ (guardá-la em fuzz/regressions/)" >&2
    exit 1
fi
grep -E '^(#[0-9]+\s+DONE|Done|stat::number_of_executed_units)' "$work/fuzz.log" || true
echo "Fuzzing sem falhas."
