#!/bin/bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz and runs each one for a bounded
# time on its seeds; fails when any target finds a crash, a leak, a timeout or
# memory out of bounds.
#
# Usage: fuzz/correr.sh SECONDS [TARGET...]
#        (targets: lector consulta verificacion xlsx ods)
#
# Seeds: the test workbooks, queries and ../shared/xls-corpus (see below).
# What a target finds that is new is kept in
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
# The verification target's report folder goes in memory when it can.
if [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALDOREN_FUZZ=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
fi
cmake --build "$BUILD" -j "$(nproc)" --target fuzzers

# The seeds of each target: the files given whole (those that fit an input)
# and what the target reads from their inside.
rm -rf "$OUT/semillas"
/usr/bin/python3 - "$OUT/semillas" <<'PY'
import glob, os, re, shutil, sys, zipfile
TOPE = 262144
raiz = sys.argv[1]

def guardar(objetivo, nombre, datos):
    os.makedirs(os.path.join(raiz, objetivo), exist_ok=True)
    if len(datos) <= TOPE:
        with open(os.path.join(raiz, objetivo, os.path.basename(nombre)), "wb") as f:
            f.write(datos)

def flujo(datos):
    """The workbook stream of an .xls (xlrd), or None."""
    try:
        from xlrd import compdoc
        documento = compdoc.CompDoc(datos, logfile=open(os.devnull, "w"))
        return documento.get_named_stream("Workbook") or documento.get_named_stream("Book")
    except Exception:
        return None

def primeras_filas(tabla):
    filas = tabla.group(0).split("</table:table-row>")
    if len(filas) <= 25:
        return tabla.group(0)
    return "</table:table-row>".join(filas[:24]) + "</table:table-row></table:table>"

muestras = sorted(glob.glob("testdata/workbooks/*.xls"))
for objetivo, libros in (("verificacion", muestras),
                         ("lector", muestras + glob.glob("testdata/generados/*.xls")
                          + glob.glob("../shared/xls-corpus/**/*.xls", recursive=True))):
    for libro in libros:
        datos = open(libro, "rb").read()
        guardar(objetivo, libro, datos)
        if len(datos) <= TOPE and flujo(datos):
            guardar(objetivo, libro + ".Workbook", flujo(datos))
for consulta in glob.glob("fuzz/consultas/*.sql"):
    guardar("consulta", consulta, open(consulta, "rb").read())
# An .xlsx whole and its parts joined by NUL (see xlsx_fuzzer.cc).
partes = ["xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/styles.xml",
          "xl/workbook.xml", "xl/_rels/workbook.xml.rels"]
for libro in glob.glob("testdata/workbooks/xlsx/*.xlsx"):
    guardar("xlsx", libro, open(libro, "rb").read())
    with zipfile.ZipFile(libro) as z:
        nombres = z.namelist()
        guardar("xlsx", libro + ".partes",
                b"\0".join(z.read(p) if p in nombres else b"" for p in partes))
# An .ods whole and its content.xml without styles, each sheet cut to its first
# rows so that it fits (see ods_fuzzer.cc).
for libro in glob.glob("testdata/workbooks/ods/*.ods"):
    guardar("ods", libro, open(libro, "rb").read())
    with zipfile.ZipFile(libro) as z:
        texto = z.read("content.xml").decode("utf-8")
    texto = re.sub(r"<office:(automatic-styles|font-face-decls)>.*?</office:\1>", "", texto,
                   flags=re.S)
    texto = re.sub(r"<table:table .*?</table:table>", primeras_filas, texto, flags=re.S)
    guardar("ods", libro + ".xml", texto.encode("utf-8"))
PY

# Each target's options.
declare -A OPCIONES=(
  [lector]="-max_len=262144 -timeout=10"
  [consulta]="-max_len=4096 -timeout=5 -dict=fuzz/consulta.dict"
  [verificacion]="-max_len=262144 -timeout=20"
  [xlsx]="-max_len=262144 -timeout=10"
  [ods]="-max_len=262144 -timeout=10 -dict=fuzz/ods.dict")

correr() {
  local objetivo=$1
  local carpeta="$OUT/$objetivo"
  mkdir -p "$carpeta/corpus"
  local estado=0
  # Whole allocation stacks, so that the suppressions of fuzz/lsan.supp can
  # tell libgsf's own leaks from the program's.
  # shellcheck disable=SC2086
  ASAN_OPTIONS=fast_unwind_on_malloc=0 LSAN_OPTIONS=suppressions=fuzz/lsan.supp \
    "$BUILD/fuzz/${objetivo}_fuzzer" ${OPCIONES[$objetivo]} -max_total_time="$SEGUNDOS" \
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
  estado="sin hallazgos"
  [ "$(cat "$OUT/$objetivo/estado" 2>/dev/null)" = "0" ] || { estado="HALLAZGO (ver $registro)"; fallas=1; }
  cobertura=$(grep -E '^#[0-9]+' "$registro" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[^ ]+' || true)
  ejecuciones=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$registro" | grep -oE '[0-9]+$' || true)
  echo "$objetivo: ${SEGUNDOS} s, ${ejecuciones:-?} entradas, ${cobertura:-sin datos de cobertura}: $estado"
  [ "$estado" = "sin hallazgos" ] || grep -E 'ERROR:|SUMMARY:|runtime error|Test unit written' "$registro" | head -20 || true
done
exit $fallas
