#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-package.sh BUILD_DIR VERSION
# Builds the Debian package of BUILD_DIR into a temporary folder and holds it to Debian's
# package checker: no error and no warning. The informational tags are listed, not failed.
set -euo pipefail
build=$1 version=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(find "$out" -maxdepth 1 -name 'corvane_*.deb')
[ -n "$deb" ] || fail "no package built"

# The package's own version is the project's, as the changelog inside it says.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
top=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/corvane/changelog.gz | gzip -dc | head -n 1)
[[ $top == "corvane ($version) "* ]] || fail "the packaged changelog begins '$top'"

lintian --fail-on error,warning --display-info --pedantic "$deb" ||
    fail "lintian finds errors or warnings in the package"
echo "package $version passes lintian"
