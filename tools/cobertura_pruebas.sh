#!/bin/bash
# Line and branch coverage of the program code of src/ by the whole test suite
# (desktop tests included when Qt 6 is installed), measured with gcc's
# --coverage and gcovr: builds every test executable into build-cov, runs the
# suite through CTest, and prints gcovr's summary. Test code (*_test.cpp,
# testing/ folders, the desktop's test doubles) is left out of the figures.
#
# Usage: tools/cobertura_pruebas.sh [--detalle]   (--detalle: one line per file)
# A test that fails (a time bound missed in this slow build, say) is reported
# on standard error; the figures are still those of the whole run.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${COBERTURA_BUILD:-build-cov}
JOBS=${JOBS:-$(nproc)}

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS="--coverage" -DCMAKE_CXX_FLAGS="--coverage" \
    -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
fi
objetivos=$(cmake --build "$BUILD" --target help | sed -n 's/^\.\.\. \([a-z0-9_-]*_tests\)$/\1/p')
cmake --build "$BUILD" -j "$JOBS" --target kaldoren20 $objetivos >/dev/null
find "$BUILD" -name '*.gcda' -delete
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest -j "$JOBS" --output-on-failure >/dev/null) ||
  echo "aviso: hay pruebas que fallan; la cobertura es la de esta corrida" >&2

# The full report goes to a scratch file when only the summary is wanted (never
# to /dev/null: a tool that replaces its output file would replace the device).
informe=$(mktemp)
trap 'rm -f "$informe"' EXIT
detalle=()
[ "${1:-}" = "--detalle" ] || detalle=(--print-summary --output "$informe")
# The build folder is given as a search path, not as --object-directory: with
# the latter gcovr cannot resolve the sources of the objects built in
# subfolders (the desktop, the page painter) and leaves them out unsaid.
gcovr --root . "$BUILD" --exclude-directories '.*/CMakeFiles/[0-9.]+$' \
  --filter 'src/' \
  --exclude '.*_test\.(cpp|h)$' --exclude '.*/testing/.*' --exclude '.*Prueba.*' \
  --exclude '.*/test_main\.cpp$' --exclude-throw-branches "${detalle[@]}"
