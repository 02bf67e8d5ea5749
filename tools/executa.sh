#!/usr/bin/env bash
# Instala o que falta (Debian 12), compila e abre o programa.
set -euo pipefail
cd "$(dirname "$0")/.."
pacotes=(build-essential cmake qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev
         libbenchmark-dev)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${faltam[@]}"
fi
cmake --preset release
cmake --build --preset release
if [ -x build/release/app/lumbrio ]; then
  exec build/release/app/lumbrio "$@"
else
  exec build/release/tools/lumbrio-painel "$@"
fi
