#!/usr/bin/env bash
# A terminal shows the report's letters: where a stream of zeb is a terminal
# whose locale says UTF-8, it gets UTF-8; files, pipes and terminals of
# other character sets get the code page 850 bytes:  terminal_test.sh ZEB
set -euo pipefail
zeb=$1
fail() { echo "FAILED: $*" >&2; exit 1; }
# What a terminal of the locale $1 receives from the command $2.
onTerminal() { LANG=$1 LC_ALL= script -qec "$2" /dev/null </dev/null; }
onTerminal C.UTF-8 "$zeb 5000 -k -b -A" | grep -qaF "Gerichtsgebühr:" || fail "standard output on a UTF-8 terminal"
onTerminal C.UTF-8 "$zeb 5000 -h >/dev/null" | grep -qaF "HTML-Ausgabe für Streitwert 5000" ||
  fail "standard error on a UTF-8 terminal"
onTerminal C "$zeb 5000 -k -b -A" | grep -qaF $'Gerichtsgeb\x81hr:' || fail "a terminal of another character set"
"$zeb" 5000 -k -b -A | grep -qaF $'Gerichtsgeb\x81hr:' || fail "a pipe"
echo "UTF-8 on a UTF-8 terminal, on both streams; code page 850 on another terminal and into a pipe"
