#!/usr/bin/env bash
# Instala o que falta (Debian 12), compila e abre o programa.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/instala-pacotes.sh build-essential cmake qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev \
  libbenchmark-dev fonts-liberation2
cmake --preset release
cmake --build --preset release
if [ -x build/release/app/lumbrio ]; then
  exec build/release/app/lumbrio "$@"
else
  exec build/release/tools/lumbrio-painel "$@"
fi
