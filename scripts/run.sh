#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Equipa do Quilora
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target quilora -j"$(nproc)"
exec ./build/ui/quilora
