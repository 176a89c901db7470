#!/bin/sh
# The Debian package as a user gets it: built with CPack from the build folder,
# unpacked into a scratch root (dpkg -x), its programs run from there: the
# version of both, and a verification with its PDF. Exit 77 (skipped) when
# dpkg-deb is missing. Arguments: the build folder, the project version, the
# sample workbook.
set -eu
construccion=$1 version=$2 libro=$3
command -v dpkg-deb >/dev/null 2>&1 || { echo "falta dpkg-deb: se omite"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$construccion/CPackConfig.cmake" -G DEB -B "$tmp/paquete" >/dev/null
paquete="$tmp/paquete/control-kaldoren20_${version}_amd64.deb"
dpkg-deb -x "$paquete" "$tmp/raiz"
bin="$tmp/raiz/usr/bin"

test "$("$bin/kaldoren20" --version)" = "kaldoren20 $version"
if [ -x "$bin/control-kaldoren20" ]; then
  test "$("$bin/control-kaldoren20" --version)" = "control-kaldoren20 $version"
fi
for archivo in man/man1/kaldoren20.1.gz doc/control-kaldoren20/copyright \
               doc/control-kaldoren20/changelog.gz doc/control-kaldoren20/README.md; do
  test -s "$tmp/raiz/usr/share/$archivo" || { echo "falta /usr/share/$archivo"; exit 1; }
done

# Without Qt the help says so (its usage lists --pdf all the same). A session's
# platform without its display (wayland here) must not stop the PDF.
pdf=""
"$bin/kaldoren20" --help | grep -q "sin Qt" || pdf="--pdf"
QT_QPA_PLATFORM=wayland "$bin/kaldoren20" verificar "$libro" --salida "$tmp/informe" $pdf
test -s "$tmp/informe/ERRORES.TXT"
test -s "$tmp/informe/HOJA_1.TXT"
if [ -n "$pdf" ]; then
  test "$(head -c 5 "$tmp/informe/INFORME.PDF")" = "%PDF-"
fi
echo "paquete $(basename "$paquete") probado"
