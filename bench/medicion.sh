# The measuring helpers of the bench/medir_*.sh scripts, sourced by them.
# They need PYTHON (Debian's /usr/bin/python3, for the timing) and TMP (a
# scratch folder) set by the script.

# medir COMMAND...: runs it once, output discarded (verificar answers 1 when
# a report lists inconsistencies); prints "cpu wall" in seconds and the peak
# resident memory in kilobytes. CPU time is the user and system time of the
# process and its children, to the microsecond (/usr/bin/time shows only
# hundredths).
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
print("%.4f %.4f %d" % (usage.ru_utime + usage.ru_stime, time.perf_counter() - start,
                       usage.ru_maxrss))
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
