#!/bin/bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz and runs each one for a bounded
# time on its seeds; fails when any target finds a crash, a leak, a timeout or
# memory out of bounds.
#
# Usage: fuzz/correr.sh SECONDS [TARGET...]
#        (targets: lector consulta verificacion xlsx ods)
#
# Seeds: the test workbooks (whole, and their workbook stream alone), the
# generated workbooks and ../shared/xls-corpus when it is there; the queries
# of fuzz/consultas; the .xlsx test workbooks, whole and as their parts' XML
# (see xlsx_fuzzer.cc); the .ods test workbooks, whole and as their
# content.xml (see ods_fuzzer.cc). What a target finds that is new is kept in
# out/fuzz/<target>/corpus for the next run; a crash goes to out/fuzz/<target>/
# and its log to out/fuzz/<target>/registro.txt. Targets run two at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
SEGUNDOS=${1:?uso: fuzz/correr.sh SEGUNDOS [lector|consulta|verificacion|xlsx|ods]...}
shift
OBJETIVOS=("$@")
[ ${#OBJETIVOS[@]} -gt 0 ] || OBJETIVOS=(lector consulta verificacion xlsx ods)
BUILD=${FUZZ_BUILD:-build-fuzz}
OUT=out/fuzz
PARALELO=${FUZZ_PARALELO:-2}

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALDOREN_FUZZ=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
fi
cmake --build "$BUILD" -j "$(nproc)" --target fuzzers

# Seeds of the workbook targets: each workbook whole and its stream alone.
semillas_de_libros() {
  local carpeta=$1 tope=$2
  shift 2
  mkdir -p "$carpeta"
  local libro
  for libro in "$@"; do
    [ -f "$libro" ] && [ "$(stat -c %s "$libro")" -le "$tope" ] && cp "$libro" "$carpeta/"
  done
  /usr/bin/python3 - "$carpeta" <<'PY' || echo "sin xlrd: solo los libros enteros como semillas" >&2
import os, sys
from xlrd import compdoc
carpeta = sys.argv[1]
for nombre in os.listdir(carpeta):
    if not nombre.lower().endswith(".xls"):
        continue
    with open(os.path.join(carpeta, nombre), "rb") as f:
        datos = f.read()
    try:
        documento = compdoc.CompDoc(datos, logfile=open(os.devnull, "w"))
    except Exception:
        continue
    for secuencia in ("Workbook", "Book"):
        try:
            flujo = documento.get_named_stream(secuencia)
        except Exception:
            flujo = None
        if flujo:
            with open(os.path.join(carpeta, nombre + "." + secuencia), "wb") as f:
                f.write(flujo)
            break
PY
}

rm -rf "$OUT/semillas"
shopt -s nullglob globstar
semillas_de_libros "$OUT/semillas/lector" 262144 testdata/workbooks/*.xls testdata/generados/*.xls \
  ../shared/xls-corpus/**/*.xls
semillas_de_libros "$OUT/semillas/verificacion" 262144 testdata/workbooks/*.xls
mkdir -p "$OUT/semillas/consulta"
cp fuzz/consultas/*.sql "$OUT/semillas/consulta/"

# Copies the workbooks of a zip format that fit the inputs into the seeds.
copiar_libros() {
  local carpeta=$1 libro
  shift
  mkdir -p "$carpeta"
  for libro in "$@"; do
    [ "$(stat -c %s "$libro")" -le 262144 ] && cp "$libro" "$carpeta/"
  done
}

# Seeds of the xlsx target: each workbook whole and its parts joined by NUL.
copiar_libros "$OUT/semillas/xlsx" testdata/workbooks/xlsx/*.xlsx
/usr/bin/python3 - "$OUT/semillas/xlsx" testdata/workbooks/xlsx/*.xlsx <<'PY'
import os, sys, zipfile
carpeta = sys.argv[1]
partes = ["xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/styles.xml",
          "xl/workbook.xml", "xl/_rels/workbook.xml.rels"]
for libro in sys.argv[2:]:
    with zipfile.ZipFile(libro) as z:
        datos = b"\0".join(z.read(p) if p in z.namelist() else b"" for p in partes)
    if len(datos) <= 262144:
        with open(os.path.join(carpeta, os.path.basename(libro) + ".partes"), "wb") as f:
            f.write(datos)
PY

# Seeds of the ods target: each workbook whole and its content.xml, without
# styles and cut to the first rows of each sheet so that it fits.
copiar_libros "$OUT/semillas/ods" testdata/workbooks/ods/*.ods
/usr/bin/python3 - "$OUT/semillas/ods" testdata/workbooks/ods/*.ods <<'PY'
import os, re, sys, zipfile
carpeta = sys.argv[1]
for libro in sys.argv[2:]:
    with zipfile.ZipFile(libro) as z:
        texto = z.read("content.xml").decode("utf-8")
    texto = re.sub(r"<office:(automatic-styles|font-face-decls)>.*?</office:\1>", "", texto,
                   flags=re.S)
    def primeras_filas(tabla):
        filas = tabla.group(0).split("</table:table-row>")
        if len(filas) <= 25:
            return tabla.group(0)
        return "</table:table-row>".join(filas[:24]) + "</table:table-row></table:table>"
    texto = re.sub(r"<table:table .*?</table:table>", primeras_filas, texto, flags=re.S)
    datos = texto.encode("utf-8")
    if len(datos) <= 262144:
        with open(os.path.join(carpeta, os.path.basename(libro) + ".xml"), "wb") as f:
            f.write(datos)
PY

opciones() {
  case $1 in
    lector) echo "-max_len=262144 -timeout=10" ;;
    consulta) echo "-max_len=4096 -timeout=5 -dict=fuzz/consulta.dict" ;;
    verificacion) echo "-max_len=262144 -timeout=20" ;;
    xlsx) echo "-max_len=262144 -timeout=10" ;;
    ods) echo "-max_len=262144 -timeout=10 -dict=fuzz/ods.dict" ;;
  esac
}

correr() {
  local objetivo=$1
  local carpeta="$OUT/$objetivo"
  mkdir -p "$carpeta/corpus"
  local estado=0
  # Whole allocation stacks, so that the suppressions of fuzz/lsan.supp can
  # tell libgsf's own leaks from the program's.
  # shellcheck disable=SC2046
  ASAN_OPTIONS=fast_unwind_on_malloc=0 LSAN_OPTIONS=suppressions=fuzz/lsan.supp \
    "$BUILD/fuzz/${objetivo}_fuzzer" $(opciones "$objetivo") -max_total_time="$SEGUNDOS" \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$carpeta/" \
    "$carpeta/corpus" "$OUT/semillas/$objetivo" >"$carpeta/registro.txt" 2>&1 || estado=$?
  echo "$estado" >"$carpeta/estado"
}

for objetivo in "${OBJETIVOS[@]}"; do
  rm -f "$OUT/$objetivo/estado"
  while [ "$(jobs -rp | wc -l)" -ge "$PARALELO" ]; do wait -n || true; done
  correr "$objetivo" &
done
wait

fallas=0
for objetivo in "${OBJETIVOS[@]}"; do
  registro="$OUT/$objetivo/registro.txt"
  if [ "$(cat "$OUT/$objetivo/estado" 2>/dev/null)" = "0" ]; then
    estado="sin hallazgos"
  else
    estado="HALLAZGO (ver $registro)"
    fallas=1
  fi
  cobertura=$(grep -E '^#[0-9]+' "$registro" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[^ ]+' || true)
  ejecuciones=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$registro" | grep -oE '[0-9]+$' || true)
  echo "$objetivo: ${SEGUNDOS} s, ${ejecuciones:-?} entradas, ${cobertura:-sin datos de cobertura}: $estado"
  if [ "$estado" != "sin hallazgos" ]; then
    grep -E 'ERROR:|SUMMARY:|runtime error|Test unit written' "$registro" | head -20 || true
  fi
done
exit $fallas
