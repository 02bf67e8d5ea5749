#!/usr/bin/env bash
# Instala o que falta (Debian 12), gera o pacote .deb e confere: lintian sem erros,
# entrada de menu, metadados AppStream, páginas de manual, conteúdo do pacote e os
# programas rodando a partir do pacote extraído numa raiz temporária.
set -euo pipefail
cd "$(dirname "$0")/.."
fonte=$PWD
pacotes=(build-essential cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
         dpkg-dev lintian desktop-file-utils appstream man-db fonts-liberation2)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  # Espera o apt de outro processo em vez de falhar.
  $SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    "${faltam[@]}"
fi

falha() { echo "pacote.sh: $*" >&2; exit 1; }

cmake --preset release
cmake --build --preset release
rm -f build/release/lumbrio_*.deb
(cd build/release && cpack -G DEB)
debs=(build/release/lumbrio_*.deb)
[ ${#debs[@]} -eq 1 ] || falha "esperava um só .deb, há ${#debs[@]}"
deb=${debs[0]}

echo "-- lintian"
lintian --fail-on error --display-info "$deb"

raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
dpkg -x "$deb" "$raiz"
usr=$raiz/usr

echo "-- Conteúdo"
dpkg -c "$deb"
# Só os programas do usuário: nada de testes, benchmarks, painel nem fuzzing.
if dpkg -c "$deb" | grep -Ei 'test|bench|fuzz|painel|\.a$|\.h$'; then
  falha "arquivos que não são do usuário no pacote"
fi
for f in bin/lumbrio bin/lumbrio-lote share/applications/lumbrio.desktop \
         share/icons/hicolor/scalable/apps/lumbrio.svg share/man/man1/lumbrio.1.gz \
         share/man/man1/lumbrio-lote.1.gz share/doc/lumbrio/copyright share/lumbrio/Padrão.txt; do
  [ -f "$usr/$f" ] || falha "falta /usr/$f no pacote"
done
metainfo=("$usr"/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] || falha "esperava um só arquivo em /usr/share/metainfo"
# Nenhum caminho da compilação dentro dos executáveis.
for b in "$usr"/bin/*; do
  if strings "$b" | grep -F -e "$fonte" -e /work; then falha "caminho da compilação em $b"; fi
done

echo "-- desktop-file-validate"
desktop-file-validate "$usr/share/applications/lumbrio.desktop"
echo "-- appstreamcli"
appstreamcli validate --no-net "${metainfo[0]}"

echo "-- Versão"
versao=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$versao\"" "${metainfo[0]}" ||
  falha "a versão $versao do pacote não está em <releases> do AppStream"
zcat "$usr/share/doc/lumbrio/changelog.gz" | head -1 | grep -qF "lumbrio ($versao)" ||
  falha "a primeira entrada do changelog não é a versão $versao"

echo "-- Páginas de manual"
for pagina in lumbrio lumbrio-lote; do
  avisos=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
             "$usr/share/man/man1/$pagina.1.gz" 2>&1 >"$raiz/$pagina.txt")
  [ -z "$avisos" ] || falha "avisos do groff em $pagina.1: $avisos"
  grep -qF "Lumbrio $versao" "$raiz/$pagina.txt" || falha "$pagina.1 sem a versão $versao"
done
# Cada opção da ajuda de lumbrio-lote está descrita em OPÇÕES na página de manual.
opcoes=$("$usr/bin/lumbrio-lote" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' |
         grep -oE -- '--[a-z-]+')
[ -n "$opcoes" ] || falha "nenhuma opção na ajuda de lumbrio-lote"
for o in $opcoes; do
  awk '/^OPÇÕES/ { f = 1; next } /^[^ ]/ { f = 0 } f' "$raiz/lumbrio-lote.txt" |
    grep -qF -- "$o" || falha "lumbrio-lote(1) não descreve $o"
done

echo "-- Programas do pacote extraído"
"$usr/bin/lumbrio-lote" --help >/dev/null
# Um projeto de verdade, numa pasta sem Padrão.txt.
trabalho=$raiz/trabalho
mkdir "$trabalho"
cp "tests/dados/Padrão.txt" "$trabalho/valores.txt"
(cd "$trabalho" && "$usr/bin/lumbrio-lote" --saida serie.csv valores.txt)
[ "$(wc -l <"$trabalho/serie.csv")" -eq 2 ] || falha "lumbrio-lote: esperava cabeçalho e 1 linha"
# Projeto calculado: a coluna "erro" vazia.
awk -F, '{ sub(/\r$/, "") }
         NR == 1 { for (i = 1; i <= NF; i++) if ($i == "erro") c = i }
         NR == 2 { exit !(c && $c == "") }' "$trabalho/serie.csv" ||
  falha "lumbrio-lote recusou o projeto: $(tail -1 "$trabalho/serie.csv")"
(cd "$trabalho" && QT_QPA_PLATFORM=offscreen "$usr/bin/lumbrio" --captura "$trabalho/janela.png")
file "$trabalho/janela.png" | grep -q "PNG image data" || falha "lumbrio --captura sem PNG"
echo "pacote.sh: $deb conferido"
