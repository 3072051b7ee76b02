#!/usr/bin/env bash
# The Windows ZIP (cpack -G ZIP of the preset 'windows'): zeb.exe, the
# README, the license, the manual as a web page and the web page zeb.html;
# the zeb.exe in it prints the Linux report with CR LF under Wine, names a
# full disk, and stops silently when its reader has gone:
#   tests/windows_package_test.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fail() { echo "FAILED: $*" >&2; exit 1; }
version=$(sed -n 's/^project(zeb VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd build-windows && cpack -G ZIP -B "$scratch" >/dev/null)
archive=$scratch/zeb-$version-win64.zip
[[ -f $archive ]] || fail "no zeb-$version-win64.zip"
python3 - "$archive" "$scratch/unpacked" <<'PY' || fail "contents"
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
names = sorted(n.split('/', 1)[1] for n in archive.namelist() if not n.endswith('/'))
expected = ['LICENSE.txt', 'README.txt', 'zeb-handbuch.html', 'zeb.exe', 'zeb.html']
if names != expected:
    sys.exit('the archive holds %s, not %s' % (names, expected))
archive.extractall(sys.argv[2])
PY
folder=$scratch/unpacked/zeb-$version-win64
grep -q "MIT License" "$folder/LICENSE.txt" || fail "LICENSE.txt is not the license"
grep -q "<title>ZEB(1)</title>" "$folder/zeb-handbuch.html" || fail "the manual page"
grep -q "Version $version\|ZEB $version" "$folder/zeb-handbuch.html" || fail "the manual's version"
cmp -s "$folder/zeb.html" build-windows/web/zeb.html || fail "zeb.html"
export WINEDEBUG=-all WINEPREFIX=$scratch/wine
wineboot --init </dev/null >/dev/null 2>&1
# wine_zeb OUT ARG...: zeb.exe under Wine, standard output into OUT,
# standard error into $scratch/err. Wine itself fails now and then (status 1
# without a word, or Linux's loader stopping the Wine process at its exit):
# such a run is tried once more.
wine_zeb() {
  local out=$1 status=0
  shift
  wine "$folder/zeb.exe" "$@" >"$out" 2>"$scratch/err" || status=$?
  if [[ $status == 1 && ! -s $scratch/err ]] || grep -q "detected by ld.so" "$scratch/err"; then
    status=0
    wine "$folder/zeb.exe" "$@" >"$out" 2>"$scratch/err" || status=$?
  fi
  return $status
}
wine_zeb "$scratch/out" 5000 || fail "zeb.exe 5000 under Wine"
cmake --preset release >/dev/null
cmake --build --preset release --target zeb >/dev/null
build/zeb 5000 | sed 's/$/\r/' | cmp -s - "$scratch/out" || fail "zeb.exe prints another report"
# A full disk is named as such, although MinGW's printf reports success.
status=0
wine_zeb /dev/full 5000 || status=$?
[[ $status == 2 && $(cat "$scratch/err") == $'zeb: write error: No space left on device\r' ]] ||
  fail "zeb.exe > /dev/full: status $status, $(cat "$scratch/err")"
# A reader that has gone: status 2 and no message.
python3 - "$folder/zeb.exe" <<'PY' || fail "zeb.exe into a closed pipe"
import subprocess, sys
run = subprocess.Popen(['wine', sys.argv[1], '5000', '-V'], stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE)
run.stdout.close()
err = run.stderr.read()
status = run.wait()
if (status, err) != (2, b''):
    sys.exit('status %d, %r' % (status, err))
PY
echo "zeb-$version-win64.zip: zeb.exe, README.txt, LICENSE.txt, zeb-handbuch.html, zeb.html"
echo "zeb.exe: a full disk reported, a closed pipe silent"
echo "2 passed, 0 failed"
