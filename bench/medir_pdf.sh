#!/bin/bash
# Times `kaldoren20 pdf` (start-up included) on the 11-page report of
# declaracion_grande.xls and on a report of more than 2,000 pages made from
# bench/generar_informe_largo.py, and shows the peak memory of each, with the
# first 100 and 2,000 pages of the long report beside it: the memory must not
# grow with the page count (pages are painted one at a time).
#
# Usage: bench/medir_pdf.sh [BUILD_FOLDER]     (default: build)
# Needs Debian's /usr/bin/python3 with python3-xlwt and /usr/bin/time.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
LARGO=bench/data/informe_largo.xls
GRANDE=../shared/workbooks/declaracion_grande.xls
[ -f "$GRANDE" ] || GRANDE=testdata/workbooks/declaracion_grande.xls

[ -f "$LARGO" ] || /usr/bin/python3 bench/generar_informe_largo.py "$LARGO"
cmake --build "$BUILD" --target kaldoren20 >/dev/null
KALDOREN=$(realpath "$BUILD/kaldoren20")
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# medir NAME FOLDER: the PDF of the folder's pages, with its page count,
# wall-clock and CPU time (user + system) and peak memory.
medir() {
  /usr/bin/time -f "%e %U %S %M" -o "$TMP/tiempo" "$KALDOREN" pdf "$2" >/dev/null
  read -r pared usuario sistema memoria <"$TMP/tiempo"
  local hojas
  hojas=$(ls "$2" | grep -c '^HOJA_')
  printf "%-28s %5d hojas  %6.2f s reloj  %6.2f s CPU  %6d KB de memoria\n" "$1" "$hojas" \
    "$pared" "$(awk -v u="$usuario" -v s="$sistema" 'BEGIN { print u + s }')" "$memoria"
}

"$KALDOREN" verificar "$GRANDE" --salida "$TMP/grande" >/dev/null || true
"$KALDOREN" verificar "$LARGO" --salida "$TMP/largo" >/dev/null || true
# primeras N CARPETA: the first N pages of the long report, alone in a folder.
primeras() {
  mkdir "$2"
  for k in $(seq 1 "$1"); do cp "$TMP/largo/HOJA_$k.TXT" "$2/"; done
}
primeras 100 "$TMP/cien"
primeras 2000 "$TMP/dos_mil"

medir "declaracion_grande.xls" "$TMP/grande"
medir "informe largo, 100 hojas" "$TMP/cien"
medir "informe largo, 2.000 hojas" "$TMP/dos_mil"
medir "informe largo, completo" "$TMP/largo"
