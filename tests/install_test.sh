#!/usr/bin/env bash
# Installs into a scratch prefix and builds the Debian package, checks both
# against Debian's standard (lintian) and what each put in place, and, as
# root on a machine without zeb, installs and removes the package with apt:
#   install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
expected=$("$build/zeb" 5000)

# cmake --install: the program, the man page, the README and the license.
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
[[ -x $scratch/prefix/bin/zeb ]] || fail "no bin/zeb"
[[ "$("$scratch/prefix/bin/zeb" 5000)" == "$expected" ]] || fail "installed zeb prints another report"
page=$scratch/prefix/share/man/man1/zeb.1.gz
[[ -f $page ]] || fail "no share/man/man1/zeb.1.gz"
gzip -dc "$page" >"$scratch/zeb.1"
warnings=$(groff -man -ww -z "$scratch/zeb.1" 2>&1)
[[ -z $warnings ]] || fail "groff warns: $warnings"
for section in NAME SYNTAX BESCHREIBUNG OPTIONEN AUSGABE EXIT-STATUS GRENZEN BEISPIELE; do
  grep -q "^\.SH $section\$" "$scratch/zeb.1" || fail "man page lacks $section"
done
grep -q "^\.TH ZEB 1 .* \"ZEB $version\"" "$scratch/zeb.1" || fail "man page version"
for file in README.md doc/guide.md LICENSE; do
  [[ -f $scratch/prefix/share/doc/zeb/$file ]] || fail "no share/doc/zeb/$file"
done
for schema in figures batch; do
  cmp -s "$(dirname "$0")/../doc/$schema.schema.json" "$scratch/prefix/share/zeb/$schema.schema.json" ||
    fail "no share/zeb/$schema.schema.json"
done
# The web page, where the build made it.
page=""
if [[ -f $build/web/zeb.html ]]; then
  page=share/zeb/zeb.html
  cmp -s "$build/web/zeb.html" "$scratch/prefix/$page" || fail "no $page"
fi
echo "installed: bin/zeb, the man page (groff without warnings), README and guide, license, both schemas${page:+, $page}"

# cpack -G DEB.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
package=$scratch/package/zeb_${version}_$(dpkg --print-architecture).deb
[[ -f $package ]] || fail "no $(basename "$package")"
[[ $(dpkg-deb -f "$package" Package) == zeb ]] || fail "package name"
[[ $(dpkg-deb -f "$package" Version) == "$version" ]] || fail "package version"
[[ -n $(dpkg-deb -f "$package" Maintainer) ]] || fail "no maintainer"
dpkg-deb -x "$package" "$scratch/root"
[[ "$("$scratch/root/usr/bin/zeb" 5000)" == "$expected" ]] || fail "packaged zeb prints another report"
doc=$scratch/root/usr/share/doc/zeb
gzip -t "$scratch/root/usr/share/man/man1/zeb.1.gz" || fail "man page not gzip-compressed"
# The first lines read whole: head or grep -q ending a pipeline early would
# end its writer by SIGPIPE, which pipefail reports as a failure.
changelog=$(gzip -dc "$doc/changelog.gz")
[[ ${changelog%%$'\n'*} == "zeb ($version) "* ]] || fail "changelog"
copyright=$(<"$doc/copyright")
[[ ${copyright%%$'\n'*} == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "copyright is not machine-readable"
grep -q "^License: Expat$" "$doc/copyright" || fail "copyright names no MIT (Expat) license"
cmp -s "$doc/README.md" "$(dirname "$0")/../README.md" || fail "README in /usr/share/doc/zeb"
cmp -s "$doc/doc/guide.md" "$(dirname "$0")/../doc/guide.md" || fail "guide in /usr/share/doc/zeb/doc"
grep -q "^zeb: statically-linked-binary" "$scratch/root/usr/share/lintian/overrides/zeb" ||
  fail "no lintian override for the static link"
[[ -z $page ]] || cmp -s "$build/web/zeb.html" "$scratch/root/usr/$page" || fail "no /usr/$page"
for schema in figures batch; do
  [[ -f $scratch/root/usr/share/zeb/$schema.schema.json ]] || fail "no /usr/share/zeb/$schema.schema.json"
done
# lintian: no error and no warning (information lines are allowed).
findings=$(lintian "$package" 2>/dev/null | grep -E '^[EW]: ' || true)
[[ -z $findings ]] || fail "lintian: $findings"
echo "packaged: $(basename "$package"), lintian without errors and warnings"

# apt install and apt remove, where this test may change the machine.
if [[ $(id -u) -ne 0 ]] || dpkg -s zeb >/dev/null 2>&1; then
  echo "apt install: skipped (needs root and a machine without zeb)"
  echo "2 passed, 0 failed, 1 skipped"
  exit 0
fi
cp "$package" /tmp/ && chmod a+r "/tmp/$(basename "$package")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$package")" >/dev/null 2>&1 ||
  fail "apt install"
[[ "$(/usr/bin/zeb 5000)" == "$expected" ]] || fail "zeb installed by apt"
man -w zeb >/dev/null || fail "man zeb after apt install"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zeb >/dev/null 2>&1 || fail "apt remove"
[[ ! -e /usr/bin/zeb && ! -e /usr/share/doc/zeb ]] || fail "apt remove left files"
rm -f "/tmp/$(basename "$package")"
echo "apt: installed, ran and removed zeb"
echo "3 passed, 0 failed"
