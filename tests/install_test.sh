#!/usr/bin/env bash
# Installs into a scratch prefix and builds the Debian package, then runs
# what each put in place:  install_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
expected=$("$build/zeb" 5000)

# cmake --install: the program and the man page.
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
[[ -x $scratch/prefix/bin/zeb ]] || fail "no bin/zeb"
page=$scratch/prefix/share/man/man1/zeb.1
[[ -f $page ]] || fail "no share/man/man1/zeb.1"
[[ "$("$scratch/prefix/bin/zeb" 5000)" == "$expected" ]] || fail "installed zeb prints another report"
warnings=$(groff -man -ww -z "$page" 2>&1)
[[ -z $warnings ]] || fail "groff warns: $warnings"
for section in NAME SYNTAX BESCHREIBUNG OPTIONEN AUSGABE EXIT-STATUS GRENZEN BEISPIELE; do
  grep -q "^\.SH $section\$" "$page" || fail "man page lacks $section"
done
echo "installed: bin/zeb and share/man/man1/zeb.1, groff without warnings"

# cpack -G DEB: the package unpacked into a scratch root.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
package=$(ls "$scratch"/package/zeb_8.1.8_*.deb)
[[ $(dpkg-deb -f "$package" Package) == zeb ]] || fail "package name"
[[ $(dpkg-deb -f "$package" Version) == 8.1.8 ]] || fail "package version"
[[ -n $(dpkg-deb -f "$package" Maintainer) ]] || fail "no maintainer"
[[ -n $(dpkg-deb -f "$package" Description) ]] || fail "no description"
dpkg-deb -x "$package" "$scratch/root"
[[ "$("$scratch/root/usr/bin/zeb" 5000)" == "$expected" ]] || fail "packaged zeb prints another report"
[[ -f $scratch/root/usr/share/man/man1/zeb.1 ]] || fail "package lacks the man page"
echo "packaged: $(basename "$package") runs"
echo "2 passed, 0 failed"
