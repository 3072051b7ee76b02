#!/usr/bin/env bash
# The Windows ZIP (cpack -G ZIP of the preset 'windows'): zeb.exe, the
# German start LIESMICH.txt, the license, the styled manual and the web page
# zeb.html; the zeb.exe in it prints the Linux report with CR LF under Wine,
# shows the letters on a console, names a full disk, and stops silently when
# its reader has gone:
#   tests/windows_package_test.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fail() { echo "FAILED: $*" >&2; exit 1; }
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd build-windows && cpack -G ZIP -B "$scratch" >/dev/null)
archive=$scratch/zeb-$version-win64.zip
[[ -f $archive ]] || fail "no zeb-$version-win64.zip"
python3 - "$archive" "$scratch/unpacked" <<'PY' || fail "contents"
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
names = sorted(n.split('/', 1)[1] for n in archive.namelist() if not n.endswith('/'))
expected = ['LICENSE.txt', 'LIESMICH.txt', 'batch.schema.json', 'figures.schema.json', 'zeb-handbuch.html',
            'zeb.exe', 'zeb.html']
if names != expected:
    sys.exit('the archive holds %s, not %s' % (names, expected))
archive.extractall(sys.argv[2])
PY
folder=$scratch/unpacked/zeb-$version-win64
grep -q "MIT License" "$folder/LICENSE.txt" || fail "LICENSE.txt is not the license"
grep -q "<title>ZEB(1)</title>" "$folder/zeb-handbuch.html" || fail "the manual page"
grep -q "font-family: Verdana" "$folder/zeb-handbuch.html" || fail "the manual's style sheet"
python3 - "$folder/LIESMICH.txt" <<'PY' || fail "LIESMICH.txt"
import sys
text = open(sys.argv[1], 'rb').read()
lines = text.split(b'\r\n')
if b'\n' in text.replace(b'\r\n', b'') or len(lines) >= 100 or b'zeb 5000 -2025 -V -A' not in text:
    sys.exit('LIESMICH.txt: %d lines, not all of them CR LF, or without the examples' % len(lines))
PY
grep -q "Version $version\|ZEB $version" "$folder/zeb-handbuch.html" || fail "the manual's version"
cmp -s "$folder/zeb.html" build-windows/web/zeb.html || fail "zeb.html"
for schema in figures batch; do
  cmp -s "$folder/$schema.schema.json" doc/$schema.schema.json || fail "$schema.schema.json"
done
prefix=$scratch/wine
wine_zeb() { scripts/wine-run "$prefix" "$@"; }
wine_zeb "$folder/zeb.exe" 5000 >"$scratch/out" || fail "zeb.exe 5000 under Wine"
cmake --preset release >/dev/null
cmake --build --preset release --target zeb >/dev/null
build/zeb 5000 | sed 's/$/\r/' | cmp -s - "$scratch/out" || fail "zeb.exe prints another report"
# On a console the letters, whatever its code page: Wine's console on a
# terminal whose locale is UTF-8.
for try in 1 2; do
  LANG=C.UTF-8 WINEDEBUG=-all WINEPREFIX=$prefix script -qec "wine '$folder/zeb.exe' 5000 -k -b -A" /dev/null \
    </dev/null >"$scratch/console" 2>&1 || true
  grep -qaF "Gerichtsgebühr:" "$scratch/console" && break
  [[ $try == 2 ]] && fail "zeb.exe on a console: $(head -c 300 "$scratch/console")"
done
# There, after the report of 2013, the line on today's law (which the
# console wraps at 80 columns).
grep -qaF "zeb: Dieser Bericht rechnet nach dem Recht von 2013" "$scratch/console" ||
  fail "zeb.exe on a console: no hint of today's law"
# A full disk is named as such, although MinGW's printf reports success.
status=0
wine_zeb --stdout /dev/full "$folder/zeb.exe" 5000 2>"$scratch/err" || status=$?
[[ $status == 2 && $(cat "$scratch/err") == $'zeb: write error: No space left on device\r' ]] ||
  fail "zeb.exe > /dev/full: status $status, $(cat "$scratch/err")"
# A reader that has gone: status 2 and no message.
WINEDEBUG=-all WINEPREFIX=$prefix python3 - "$folder/zeb.exe" <<'PY' || fail "zeb.exe into a closed pipe"
import subprocess, sys
run = subprocess.Popen(['wine', sys.argv[1], '5000', '-V'], stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE)
run.stdout.close()
err = run.stderr.read()
status = run.wait()
if (status, err) != (2, b''):
    sys.exit('status %d, %r' % (status, err))
PY
echo "zeb-$version-win64.zip: zeb.exe, LIESMICH.txt, LICENSE.txt, zeb-handbuch.html, zeb.html, figures.schema.json, batch.schema.json"
echo "zeb.exe: the Linux report, letters and the hint on a console, a full disk reported, a closed pipe silent"
echo "2 passed, 0 failed"
