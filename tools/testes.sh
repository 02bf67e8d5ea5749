#!/usr/bin/env bash
# Instala o que falta (Debian 12), compila e roda todos os testes: a compilação de
# CI (avisos como erros), a mesma suíte com AddressSanitizer e UndefinedBehavior-
# Sanitizer, cada alvo de fuzzing por um número fixo de execuções e o pacote Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/instala-pacotes.sh build-essential cmake qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev \
  libbenchmark-dev clang clang-format libclang-rt-14-dev poppler-utils xvfb xauth fonts-liberation2 \
  openbox
export QT_QPA_PLATFORM=offscreen

echo "== Formatação (clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

echo "== Compilação de CI e testes"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

echo "== Testes com AddressSanitizer e UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== Fuzzing: número fixo de execuções por alvo, a partir das sementes"
cmake --preset fuzz
cmake --build --preset fuzz
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
for alvo in numero programa carrega; do
  mkdir -p "$pasta/$alvo"
  [ -d "tests/fuzz/semente/$alvo" ] && cp "tests/fuzz/semente/$alvo/"* "$pasta/$alvo/"
  (cd "$pasta" && "$OLDPWD/build/fuzz/tests/fuzz/fuzz_$alvo" -runs=20000 -seed=1 "$pasta/$alvo" \
     > "$pasta/$alvo.log" 2>&1) || { tail -40 "$pasta/$alvo.log"; exit 1; }
  echo "fuzz_$alvo: $(grep -o 'Done [0-9]* runs' "$pasta/$alvo.log" || echo feito)"
done

echo "== Pacote Debian"
bash tools/pacote.sh
