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

# medir COMMAND...: runs it once, output discarded (verificar answers 1 when
# a report lists inconsistencies); prints "cpu wall" in seconds. CPU time is
# the user and system time of the process and its children, to the
# microsecond (/usr/bin/time shows only hundredths).
medir() {
  "$PYTHON" - "$@" <<'PY'
import os, sys, time
start = time.perf_counter()
pid = os.fork()
if pid == 0:
    devnull = os.open(os.devnull, os.O_WRONLY)
    os.dup2(devnull, 1)
    os.dup2(devnull, 2)
    os.execvp(sys.argv[1], sys.argv[1:])
_, _, usage = os.wait4(pid, 0)
print("%.4f %.4f" % (usage.ru_utime + usage.ru_stime, time.perf_counter() - start))
PY
}

mediana() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }

# resumir FILE: the lines "cpu wall" of FILE as "cpu_min cpu_median wall_min wall_median".
resumir() {
  echo "$(cut -d' ' -f1 "$1" | sort -n | head -1) $(cut -d' ' -f1 "$1" | mediana)" \
       "$(cut -d' ' -f2 "$1" | sort -n | head -1) $(cut -d' ' -f2 "$1" | mediana)"
}

# alternar N A B: N runs of each of the measures A and B (shell functions
# printing "cpu wall"), taking turns, so that a change in the machine's load
# falls on both alike; the times go to the files $TMP/A and $TMP/B.
alternar() {
  local n=$1 a=$2 b=$3
  : > "$TMP/$a"
  : > "$TMP/$b"
  for _ in $(seq "$n"); do
    "$a" >> "$TMP/$a"
    "$b" >> "$TMP/$b"
  done
}

# informar TITLE "cpu_min cpu_median wall_min wall_median"
informar() {
  read -r cmin cmed wmin wmed <<< "$2"
  printf "%-34s CPU mín %.4f s, mediana %.4f s   (reloj mín %.4f s, mediana %.4f s)\n" \
         "$1" "$cmin" "$cmed" "$wmin" "$wmed"
}

cumple() { awk -v a="$1" -v b="$2" 'BEGIN { print (a <= b ? "cumple" : "NO CUMPLE") }'; }

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
