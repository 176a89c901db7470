#!/bin/bash
# Fuzzes the workbook reader for a bounded time with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer (Debian's clang and libclang-rt-14-dev).
#
# Usage: tools/fuzz_lector.sh [SECONDS]      (default 60)
# The seeds are the workbook streams of the test workbooks (as bare streams)
# and the whole files; new inputs go to out/fuzz/corpus, crashes to out/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-60}
OUT=out/fuzz
mkdir -p "$OUT/corpus" "$OUT/seeds"

GSF_FLAGS=$(pkg-config --cflags --libs libgsf-1)
SOURCES=$(ls src/base/*.cpp src/workbook/*.cpp | grep -v '_test\.cpp$')
# shellcheck disable=SC2086
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I src src/workbook/fuzz/WorkbookReaderFuzzer.cpp $SOURCES $GSF_FLAGS -o "$OUT/lector_fuzzer"

# Seeds: each test workbook whole, and its workbook stream alone.
/usr/bin/python3 - "$OUT/seeds" testdata/workbooks/*.xls testdata/generados/*.xls <<'PY'
import os, shutil, sys
from xlrd import compdoc
folder = sys.argv[1]
for path in sys.argv[2:]:
    name = os.path.basename(path)
    shutil.copy(path, os.path.join(folder, name))
    with open(path, "rb") as f:
        document = compdoc.CompDoc(f.read(), logfile=open(os.devnull, "w"))
    for stream in ("Workbook", "Book"):
        data = document.get_named_stream(stream)
        if data:
            with open(os.path.join(folder, name + "." + stream), "wb") as out:
                out.write(data)
            break
PY
"$OUT/lector_fuzzer" -max_total_time="$SECONDS_TO_RUN" -max_len=200000 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$OUT/" "$OUT/corpus" "$OUT/seeds"
