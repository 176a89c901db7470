#!/bin/bash
# Times `kaldoren20 verificar` end to end (read, check, write, split into
# pages) on the 65,000-row declaration, beside reading the same file alone;
# then one call over many small declarations against as many calls one after
# another, and checks that both ways write the same reports (all but the line
# "Procesado el día", which holds the time of the run).
#
# Times are CPU times (user + sys) of the whole process, so that they hardly
# depend on what else the machine runs; wall-clock times are shown beside.
#
# Usage: bench/medir_verificacion.sh [BUILD_FOLDER]     (default: build)
#   VECES=7 (runs per measure), COPIAS=50 (small declarations), RONDAS=3
# Needs Debian's /usr/bin/python3 (timing) with python3-xlwt (to make the
# large workbook).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
VECES=${VECES:-7}
COPIAS=${COPIAS:-50}
RONDAS=${RONDAS:-3}
GRANDE=bench/data/planilla_grande.xls
PYTHON=/usr/bin/python3
CHICA=../shared/workbooks/declaracion_con_errores.xls
[ -f "$CHICA" ] || CHICA=testdata/workbooks/declaracion_con_errores.xls

[ -f "$GRANDE" ] || "$PYTHON" bench/generar_planilla_grande.py "$GRANDE"
cmake --build "$BUILD" --target kaldoren20 lectura_bench >/dev/null
KALDOREN=$(realpath "$BUILD/kaldoren20")
LECTURA=$(realpath "$BUILD/bench/lectura_bench")

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

source bench/medicion.sh

echo "== Declaración grande: $GRANDE, $(stat -c %s "$GRANDE") bytes, $VECES corridas de cada una"
echo "   $KALDOREN verificar $GRANDE --salida CARPETA"
echo "   $LECTURA $GRANDE 1"
verificar() { medir "$KALDOREN" verificar "$GRANDE" --salida "$TMP/grande"; }
lectura() { medir "$LECTURA" "$GRANDE" 1; }
alternar "$VECES" verificar lectura
verificar=$(resumir "$TMP/verificar")
lectura=$(resumir "$TMP/lectura")
informar "verificar (leer, controlar, escribir, paginar)" "$verificar"
informar "leer el libro solamente" "$lectura"
ver_med=$(echo "$verificar" | cut -d' ' -f2)
lec_med=$(echo "$lectura" | cut -d' ' -f2)
proporcion=$(awk -v a="$ver_med" -v b="$lec_med" 'BEGIN { printf "%.2f", a / b }')
echo "verificar / leer (medianas de CPU): $proporcion veces"
echo "objetivos: verificar <= 0,25 s: $(cumple "$ver_med" 0.25); <= 2,5 veces leer: $(cumple "$proporcion" 2.5)"

echo
echo "== $COPIAS copias de $CHICA, $RONDAS rondas de cada forma"
mkdir -p "$TMP/libros"
for i in $(seq -w 1 "$COPIAS"); do cp "$CHICA" "$TMP/libros/declaracion_$i.xls"; done
# One call with every workbook; each report goes to CARPETA/<NAME>/.
juntos() {
  "$KALDOREN" verificar "$TMP"/libros/*.xls --salida "$TMP/juntos"
}
# One call per workbook, one after another, each into a folder of that name
# (made by verificar; only shell builtins between the calls).
separados() {
  local f nombre
  for f in "$TMP"/libros/*.xls; do
    nombre=${f##*/}
    nombre=${nombre%.xls}
    "$KALDOREN" verificar "$f" --salida "$TMP/separados/${nombre^^}" || true
  done
}
export -f juntos separados
export KALDOREN TMP
una() {
  rm -rf "$TMP/juntos"
  medir bash -c juntos
}
varias() {
  rm -rf "$TMP/separados"
  medir bash -c separados
}
echo "   una llamada:   kaldoren20 verificar \$TMP/libros/*.xls --salida CARPETA"
echo "   una por libro: for f in \$TMP/libros/*.xls; do kaldoren20 verificar \$f --salida CARPETA/NOMBRE; done"
alternar "$RONDAS" una varias
una=$(resumir "$TMP/una")
varias=$(resumir "$TMP/varias")
informar "una llamada con $COPIAS libros" "$una"
informar "$COPIAS llamadas, una tras otra" "$varias"
read -r _ una_cpu _ una_reloj <<< "$una"
read -r _ varias_cpu _ varias_reloj <<< "$varias"
aceleracion=$(awk -v a="$varias_reloj" -v b="$una_reloj" 'BEGIN { printf "%.2f", a / b }')
echo "aceleración (medianas de reloj): $aceleracion veces;" \
     "en CPU: $(awk -v a="$varias_cpu" -v b="$una_cpu" 'BEGIN { printf "%.2f", a / b }') veces"
echo "objetivo: al menos 1,7 veces: $(awk -v a="$aceleracion" 'BEGIN { print (a >= 1.7 ? "cumple" : "NO CUMPLE") }')"

# The reports of the last round of each way, file by file.
distintos=0
archivos=0
while IFS= read -r relativo; do
  archivos=$((archivos + 1))
  if [ ! -f "$TMP/separados/$relativo" ] ||
     ! cmp -s <(grep -av "Procesado el d" "$TMP/juntos/$relativo") \
              <(grep -av "Procesado el d" "$TMP/separados/$relativo"); then
    echo "distinto: $relativo"
    distintos=$((distintos + 1))
  fi
done < <(cd "$TMP/juntos" && find . -type f | sort)
if [ "$archivos" -ne "$(cd "$TMP/separados" && find . -type f | wc -l)" ]; then
  echo "distinta cantidad de archivos"
  distintos=$((distintos + 1))
fi
if [ "$distintos" -ne 0 ] || [ "$archivos" -eq 0 ]; then
  echo "los informes de una llamada NO son los de una llamada por libro"
  exit 1
fi
echo "informes iguales byte a byte salvo \"Procesado el día\": $archivos archivos"
