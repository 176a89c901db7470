#!/bin/bash
# Times the findings on the 65,000-row declaration: `verificar --hallazgos`
# against `verificar` alone (taking turns), `verificar --marcada` with its
# peak memory against the size of the workbook, and `celdas`, which lists
# every cell as a JSON line. Times are CPU times (user + sys) of the whole
# process; wall-clock times are shown beside.
#
# Usage: bench/medir_hallazgos.sh [BUILD_FOLDER]     (default: build)
#   VECES=7 (runs per measure)
# Needs Debian's /usr/bin/python3 (timing) with python3-xlwt (to make the
# large workbook).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
VECES=${VECES:-7}
GRANDE=bench/data/planilla_grande.xls
PYTHON=/usr/bin/python3

[ -f "$GRANDE" ] || "$PYTHON" bench/generar_planilla_grande.py "$GRANDE"
cmake --build "$BUILD" --target kaldoren20 >/dev/null
KALDOREN=$(realpath "$BUILD/kaldoren20")
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
source bench/medicion.sh

bytes=$(stat -c %s "$GRANDE")
echo "== $GRANDE, $bytes bytes, $VECES corridas de cada medida"

verificar() { medir "$KALDOREN" verificar "$GRANDE" --salida "$TMP/v"; }
hallazgos() { medir "$KALDOREN" verificar "$GRANDE" --salida "$TMP/h" --hallazgos; }
alternar "$VECES" verificar hallazgos
solo=$(resumir "$TMP/verificar")
con=$(resumir "$TMP/hallazgos")
informar "verificar" "$solo"
informar "verificar --hallazgos" "$con"
proporcion=$(awk -v a="$(echo "$con" | cut -d' ' -f2)" -v b="$(echo "$solo" | cut -d' ' -f2)" \
             'BEGIN { printf "%.2f", a / b }')
echo "--hallazgos / solo (medianas de CPU): $proporcion veces;" \
     "objetivo <= 1,15: $(cumple "$proporcion" 1.15)"

: > "$TMP/marcada"
for _ in $(seq "$VECES"); do
  medir "$KALDOREN" verificar "$GRANDE" --salida "$TMP/m" --marcada >> "$TMP/marcada"
done
marcada=$(resumir "$TMP/marcada")
informar "verificar --marcada" "$marcada"
pico=$(cut -d' ' -f3 "$TMP/marcada" | sort -n | tail -1)
veces=$(awk -v p="$pico" -v b="$bytes" 'BEGIN { printf "%.2f", p * 1024 / b }')
echo "copia marcada: $(stat -c %s "$TMP"/m/*_MARCADA.xlsx) bytes; memoria máxima $pico KB," \
     "$veces veces el libro"
wall=$(echo "$marcada" | cut -d' ' -f4)
echo "objetivos: --marcada < 2 s (mediana de reloj): $(cumple "$wall" 1.9999);" \
     "memoria < 4 veces el libro: $(cumple "$veces" 3.9999)"

# The marked copies' writes are flushed first: the kernel's writeback would
# otherwise take its time out of the runs measured next.
sync
: > "$TMP/celdas"
for _ in $(seq "$VECES"); do medir "$KALDOREN" celdas "$GRANDE" >> "$TMP/celdas"; done
celdas=$(resumir "$TMP/celdas")
informar "celdas ($("$KALDOREN" celdas "$GRANDE" | wc -l) líneas)" "$celdas"
echo "objetivo: celdas <= 0,15 s de CPU (mediana): $(cumple "$(echo "$celdas" | cut -d' ' -f2)" 0.15)"
