#!/usr/bin/env bash
# A terminal shows the report's letters: where a stream of zeb is a terminal
# whose locale says UTF-8, it gets UTF-8; files, pipes and terminals of
# other character sets get the code page 850 bytes. A person at a terminal
# is told what the report of 2013 computes; a file or a pipe gets the bytes
# it always got:  terminal_test.sh ZEB
set -euo pipefail
zeb=$1
fail() { echo "FAILED: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# What a terminal of the locale $1 receives from the command $2, kept in a
# file: a reader that stops at its first match (grep -q) would end script
# by SIGPIPE, which pipefail reports as a failure.
onTerminal() { LANG=$1 LC_ALL= script -qec "$2" /dev/null </dev/null >"$scratch/terminal"; }
# Whether the file $1 holds the bytes $2.
holds() { grep -qaF -- "$2" "$1"; }
onTerminal C.UTF-8 "$zeb 5000 -k -b -A"
holds "$scratch/terminal" "Gerichtsgebühr:" || fail "standard output on a UTF-8 terminal"
onTerminal C.UTF-8 "$zeb 5000 -h >/dev/null"
holds "$scratch/terminal" "HTML-Ausgabe für Streitwert 5000" || fail "standard error on a UTF-8 terminal"
onTerminal C "$zeb 5000 -k -b -A"
holds "$scratch/terminal" $'Gerichtsgeb\x81hr:' || fail "a terminal of another character set"
"$zeb" 5000 -k -b -A >"$scratch/pipe"
holds "$scratch/pipe" $'Gerichtsgeb\x81hr:' || fail "a file"
"$zeb" 5000 -k -b -A | cat >"$scratch/pipe"
holds "$scratch/pipe" $'Gerichtsgeb\x81hr:' || fail "a pipe"
# The hints after the report on standard error, by the command's words;
# none after a reform's report, and none into a pipe or a file.
hints=(
  "10000 -V|Nach geltendem Recht: zeb 10000 -2025 -V"
  "--help|\"--help\" ist kein Streitwert"
  "5.000|\"5.000\" wurde als 5 Euro gelesen"
  "10000 -anerkenntniss|gemeint ist wohl -anerkenntnis"
  "10000 -2025|"
)
for hint in "${hints[@]}"; do
  words=${hint%%|*} expected=${hint#*|}
  onTerminal C.UTF-8 "$zeb $words -A >$scratch/out"
  if [[ -z $expected ]]; then
    [[ ! -s $scratch/terminal ]] || fail "a hint after zeb $words"
  else
    holds "$scratch/terminal" "$expected" || fail "no hint after zeb $words"
  fi
  # shellcheck disable=SC2086 # the words are the arguments
  LANG=C.UTF-8 LC_ALL= "$zeb" $words -A 2>"$scratch/err" | cmp -s - "$scratch/out" ||
    fail "zeb $words wrote other bytes"
  [[ ! -s $scratch/err ]] || fail "a hint into a pipe after zeb $words"
done
# Today's law writes as the locale says wherever it goes, into files and
# pipes too, its messages and a batch's too; the C locale and a locale of
# another character set get the code page 850 bytes. The report of 2013, its
# progress line and the usage screen keep theirs.
golden=$(dirname "$0")/golden
LC_ALL=C.UTF-8 "$zeb" 5000 -2025 -V >"$scratch/file"
holds "$scratch/file" "Gerichtsgebühr:" || fail "today's law into a file, under a UTF-8 locale"
LC_ALL= LC_CTYPE= LANG=de_DE.utf8 "$zeb" 5000 -2025 -V | cat >"$scratch/pipe"
cmp -s "$scratch/file" "$scratch/pipe" || fail "today's law into a pipe, under LANG=de_DE.utf8"
LC_ALL=C "$zeb" 5000 -2025 -V | cmp -s - "$golden/5000-2025-V.txt" || fail "today's law in the C locale"
LC_ALL=de_DE.ISO-8859-1 "$zeb" 5000 -2025 -V | cmp -s - "$golden/5000-2025-V.txt" ||
  fail "today's law in a locale of another character set"
LC_ALL=C.UTF-8 "$zeb" 5000 -2025 -O101 2>"$scratch/err" || true
holds "$scratch/err" "zu welchem Anteil der Kläger obsiegt" || fail "a message of today's law"
echo "5000 -2025 -Q" | LC_ALL=C.UTF-8 "$zeb" -stapel 2>"$scratch/err" >/dev/null || true
holds "$scratch/err" "1 zurückgewiesen" || fail "a batch's message"
LC_ALL=C.UTF-8 "$zeb" 5000 | cmp -s - "$golden/5000.txt" || fail "the report of 2013"
LC_ALL=C.UTF-8 "$zeb" 5000 -h 2>"$scratch/err" >/dev/null
holds "$scratch/err" $'HTML-Ausgabe f\x81r Streitwert 5000' || fail "the progress line of 2013"
LC_ALL=C.UTF-8 "$zeb" >"$scratch/usage" || true
sed "s|zeb <Streitwert>|$zeb <Streitwert>|" "$golden/usage.txt" | cmp -s - "$scratch/usage" || fail "the usage screen"
echo "UTF-8 on a UTF-8 terminal, on both streams; code page 850 on another terminal and into a pipe;"
echo "the hints on a terminal alone; today's law as the locale says into files and pipes too"
