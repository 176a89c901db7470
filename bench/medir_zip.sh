#!/bin/bash
# Times reading every cell of the 65,000-row declaration saved as .xlsx or
# .ods by LibreOffice: our reader (CPU time and peak memory, beside the .xls
# twin's size), inflating the archive's members alone, and other readers in
# the same run: SheetJS (npm "xlsx", installed into /tmp) for both formats,
# and openpyxl in read-only mode for .xlsx.
#
# Usage: bench/medir_zip.sh [xlsx|ods] [BUILD_FOLDER]  (default: xlsx, build)
# Needs Debian's python3-xlwt, python3-openpyxl, libreoffice-calc-nogui (to
# convert the .xls; installed when missing and run as root), nodejs, npm, unzip
# and time. Tests never need any of them.
set -euo pipefail
cd "$(dirname "$0")/.."
FORMATO=${1:-xlsx}
BUILD=${2:-build}
XLS=bench/data/planilla_grande.xls
FILE=bench/data/planilla_grande.$FORMATO
case $FORMATO in
  xlsx) FILTRO='xlsx:Calc MS Excel 2007 XML' ;;
  ods) FILTRO=ods ;;
  *) echo "uso: bench/medir_zip.sh [xlsx|ods] [CARPETA_DE_BUILD]" >&2; exit 2 ;;
esac
PYTHON=/usr/bin/python3
SHEETJS=/tmp/kaldoren-sheetjs

[ -f "$XLS" ] || "$PYTHON" bench/generar_planilla_grande.py "$XLS"
if [ ! -f "$FILE" ]; then
  if ! command -v soffice >/dev/null && [ "$(id -u)" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      libreoffice-calc-nogui >/dev/null
  fi
  perfil=$(mktemp -d)
  soffice -env:UserInstallation="file://$perfil" --headless \
    --convert-to "$FILTRO" --outdir bench/data "$XLS" >/dev/null
  rm -rf "$perfil"
fi
cmake --build "$BUILD" --target lectura_bench >/dev/null

# Runs a command under /usr/bin/time; prints its output, CPU time and peak memory.
medir() {
  local report
  report=$(mktemp)
  /usr/bin/time -f "%U %S %M" -o "$report" "$@"
  awk '{ printf "  CPU %.2f s (usuario %.2f + sistema %.2f), memoria máxima %.1f MB\n",
         $1 + $2, $1, $2, $3 / 1024 }' "$report"
  rm -f "$report"
}

echo "Archivo: $FILE, $(stat -c %s "$FILE") bytes ($(unzip -l "$FILE" | tail -1 | awk '{print $1}') descomprimidos); gemelo .xls: $(stat -c %s "$XLS") bytes"
echo "== descomprimir sus partes (unzip -p)"
medir sh -c "unzip -p '$FILE' >/dev/null"
echo "== kaldoren20 (cada celda a un valor)"
"$BUILD/bench/lectura_bench" "$FILE" 5
medir "$BUILD/bench/lectura_bench" "$FILE" 1
echo "== kaldoren20 con el .xls gemelo"
medir "$BUILD/bench/lectura_bench" "$XLS" 1

echo "== SheetJS"
[ -d "$SHEETJS/node_modules/xlsx" ] || npm install --silent --prefix "$SHEETJS" xlsx >/dev/null
medir env NODE_PATH="$SHEETJS/node_modules" node -e '
const XLSX = require("xlsx");
const start = process.hrtime.bigint();
const book = XLSX.readFile(process.argv[1], { cellDates: false });
let cells = 0;
for (const name of book.SheetNames) {
  for (const key of Object.keys(book.Sheets[name])) if (key[0] !== "!") cells++;
}
console.log("SheetJS: %d celdas, %s s", cells, (Number(process.hrtime.bigint() - start) / 1e9).toFixed(3));
' "$FILE"

[ "$FORMATO" = xlsx ] || exit 0
echo "== openpyxl (solo lectura)"
medir "$PYTHON" - "$FILE" <<'PY'
import sys, time, openpyxl
start = time.perf_counter()
book = openpyxl.load_workbook(sys.argv[1], read_only=True, data_only=True)
cells = 0
for sheet in book.worksheets:
    for row in sheet.iter_rows(values_only=True):
        cells += sum(1 for v in row if v is not None)
print("openpyxl: %d celdas, %.3f s" % (cells, time.perf_counter() - start))
PY
