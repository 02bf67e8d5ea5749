#!/usr/bin/env bash
# Instala, dos pacotes Debian dados, os que faltam. Espera a trava do gerenciador de
# pacotes (numa máquina recém-ligada, as atualizações do sistema a seguram por minutos).
# Uso: bash tools/instala-pacotes.sh pacote...
set -euo pipefail
faltam=()
for p in "$@"; do
  dpkg -s "$p" >/dev/null 2>&1 || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
espera=(-o DPkg::Lock::Timeout=900)
$SUDO apt-get "${espera[@]}" update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get "${espera[@]}" install -y -qq "${faltam[@]}"
