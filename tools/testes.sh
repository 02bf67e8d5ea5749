#!/usr/bin/env bash
# Instala o que falta (Debian 12), compila com avisos como erros e roda todos os testes.
set -euo pipefail
cd "$(dirname "$0")/.."
pacotes=(build-essential cmake qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev
         libbenchmark-dev clang-format)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${faltam[@]}"
fi
cmake --preset ci
cmake --build --preset ci
QT_QPA_PLATFORM=offscreen ctest --preset ci
