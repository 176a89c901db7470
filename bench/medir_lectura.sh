#!/bin/bash
# Times reading every cell of a 65,000-row declaration (about 18 MB) with our
# reader, with xlrd and with FreeXL, beside reading the file's bytes alone, and
# reports each one's peak memory (maximum resident set size).
#
# Usage: bench/medir_lectura.sh [BUILD_FOLDER]     (default: build)
# Needs Debian's python3-xlwt, python3-xlrd, libfreexl-dev and time.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
FILE=bench/data/planilla_grande.xls
PYTHON=/usr/bin/python3

[ -f "$FILE" ] || "$PYTHON" bench/generar_planilla_grande.py "$FILE"
cmake --build "$BUILD" --target benchmarks >/dev/null 2>&1

# Runs a command under /usr/bin/time; prints its output and its peak memory.
with_peak() {
  local report
  report=$(mktemp)
  /usr/bin/time -v -o "$report" "$@"
  awk -F': ' '/Maximum resident/ { printf "  memoria máxima: %.1f MB\n", $2 / 1024 }' "$report"
  rm -f "$report"
}

echo "Archivo: $FILE, $(stat -c %s "$FILE") bytes"
echo "== leer los bytes"
"$BUILD/bench/lectura_bench" --bytes "$FILE" 10
echo "== kaldoren20 (cada celda a un valor)"
"$BUILD/bench/lectura_bench" "$FILE" 10
with_peak "$BUILD/bench/lectura_bench" "$FILE" 1
echo "== xlrd"
with_peak "$PYTHON" - "$FILE" <<'PY'
import sys, time, xlrd
best = None
for _ in range(3):
    start = time.perf_counter()
    book = xlrd.open_workbook(sys.argv[1])
    cells = 0
    for sheet in book.sheets():
        for r in range(sheet.nrows):
            for cell in sheet.row(r):
                if cell.ctype not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                    cells += 1
    seconds = time.perf_counter() - start
    best = seconds if best is None else min(best, seconds)
print("xlrd: %d celdas, mejor %.3f s (3 veces)" % (cells, best))
PY
if [ -x "$BUILD/bench/freexl_bench" ]; then
  echo "== FreeXL"
  with_peak "$BUILD/bench/freexl_bench" "$FILE"
else
  echo "== FreeXL: no está (instale libfreexl-dev y vuelva a configurar)"
fi
