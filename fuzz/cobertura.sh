#!/bin/bash
# The coverage the fuzz corpora reach, measured with llvm-cov: builds the fuzz
# targets with clang's source-based coverage into build-fuzz-cov, replays each
# target's corpus (out/fuzz/<target>/corpus, as fuzz/correr.sh left it, and
# the seeds) once, and prints the line, function and branch coverage of the
# sources that target is meant to exercise.
#
# Usage: fuzz/cobertura.sh [TARGET...]   (after fuzz/correr.sh; default: all three)
set -euo pipefail
cd "$(dirname "$0")/.."
OBJETIVOS=("$@")
[ ${#OBJETIVOS[@]} -gt 0 ] || OBJETIVOS=(lector consulta verificacion)
BUILD=${FUZZ_COV_BUILD:-build-fuzz-cov}
OUT=out/fuzz
COBERTURA="-fprofile-instr-generate -fcoverage-mapping"

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALDOREN_FUZZ=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
    -DCMAKE_C_FLAGS="$COBERTURA" -DCMAKE_CXX_FLAGS="$COBERTURA" \
    -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate" >/dev/null
fi
cmake --build "$BUILD" -j "$(nproc)" --target fuzzers >/dev/null

# The sources each target is meant to reach.
declare -A FUENTES=(
  [lector]="src/workbook/.*\.cpp"
  [consulta]="src/query/.*\.cpp"
  [verificacion]="src/(app|checks|summaries|report|base)/[A-Za-z_]*\.cpp")

for objetivo in "${OBJETIVOS[@]}"; do
  perfil="$BUILD/$objetivo"
  rm -f "$perfil.profraw"
  LLVM_PROFILE_FILE="$perfil.profraw" "$BUILD/fuzz/${objetivo}_fuzzer" -runs=0 -rss_limit_mb=4096 \
    "$OUT/$objetivo/corpus" "$OUT/semillas/$objetivo" >"$perfil.txt" 2>&1
  llvm-profdata-14 merge -sparse "$perfil.profraw" -o "$perfil.profdata"
  mapfile -t archivos < <(ls src/*/*.cpp | grep -E "^${FUENTES[$objetivo]}$" | grep -v _test)
  echo "== $objetivo: $(grep -oE '^#[0-9]+' "$perfil.txt" | tail -1 | tr -d '#') entradas del corpus"
  llvm-cov-14 report "$BUILD/fuzz/${objetivo}_fuzzer" -instr-profile="$perfil.profdata" \
    "${archivos[@]}" | sed -E "s|^$PWD/||"
done
