#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-install.sh BUILD_DIR VERSION SCREEN_CONFIG
# Installs BUILD_DIR with prefix /usr into a temporary DESTDIR and checks what landed there.
set -euo pipefail
build=$1 version=$2 screen=$3

stage=$(mktemp -d)
program=
cleanup() {
    [ -n "$program" ] && kill -9 "$program" 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

expected=(
    bin/corvane
    bin/corvane-plan
    share/applications/org.corvane.Corvane.desktop
    share/bash-completion/completions/corvane-plan
    share/corvane/translations/corvane_en.qm
    share/corvane/translations/corvane_zh.qm
    share/corvane/translations/qt_en_CN.qm
    share/corvane/translations/qt_zh_CN.qm
    share/doc/corvane/LICENSE
    share/doc/corvane/changelog.gz
    share/doc/corvane/copyright
    share/doc/corvane/guide/guide.md
    share/doc/corvane/guide/ipcpage.png
    share/doc/corvane/guide/nvrpage.png
    share/doc/corvane/guide/nvrpage-large.png
    share/doc/corvane/guide/storage.md
    share/man/man1/corvane-plan.1.gz
    share/man/man1/corvane.1.gz
    share/metainfo/org.corvane.Corvane.metainfo.xml
    share/mime/packages/org.corvane.Corvane.xml
    share/icons/hicolor/scalable/apps/org.corvane.Corvane.svg
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/org.corvane.Corvane.png")
done

# Exactly these files: anything more (developer tools, demos, benchmarks, tests, static
# libraries) must not be installed.
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
    fail "installed tree differs from the expected one (< missing, > unexpected)"
fi
[ -x "$root/bin/corvane" ] && [ -x "$root/bin/corvane-plan" ] || fail "programs not executable"
[ "$(stat -c %s "$root/share/doc/corvane/LICENSE")" -gt 30000 ] || fail "LICENSE is not the full text"

desktop-file-validate "$root/share/applications/org.corvane.Corvane.desktop" ||
    fail "desktop entry invalid"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/org.corvane.Corvane.metainfo.xml" ||
    fail "AppStream metainfo invalid"

# One version everywhere: the newest release of the metainfo and of the changelog is the
# project's (as corvane-plan --version below), and both list the same releases and dates.
metainfo_releases=$(grep -o '<release version="[^"]*" date="[^"]*"' \
    "$root/share/metainfo/org.corvane.Corvane.metainfo.xml" | sed 's/.*version="\(.*\)" date="\(.*\)"/\1 \2/')
changelog_releases=$(gzip -dc "$root/share/doc/corvane/changelog.gz" | sed -nE \
    -e 's/^corvane \(([^)]*)\) .*/\1/p' \
    -e 's/^ -- .*>  [A-Za-z]{3}, ([0-9]{1,2} [A-Za-z]{3} [0-9]{4}) .*/\1/p' |
    while read -r release && read -r day; do echo "$release $(date -d "$day" +%F)"; done)
[ "${changelog_releases%% *}" = "$version" ] ||
    fail "the changelog's newest release is '${changelog_releases%% *}', not $version"
[ "$metainfo_releases" = "$changelog_releases" ] ||
    fail "metainfo releases '$metainfo_releases' differ from the changelog's '$changelog_releases'"
for page in corvane corvane-plan; do
    gzip -dc "$root/share/man/man1/$page.1.gz" | grep -q '^\.TH "\?'"$page" ||
        fail "manual page $page(1) is not roff"
done
bash -n "$root/share/bash-completion/completions/corvane-plan" || fail "completion script"

out=$("$root/bin/corvane-plan" --version)
[ "$out" = "corvane-plan $version" ] || fail "corvane-plan --version printed '$out'"
"$root/bin/corvane-plan" models | grep -q 'NR-A8V' || fail "installed corvane-plan models"

# The installed program, nothing beside it and no user configuration: it must find its
# translations in the installed data folder and follow a Chinese locale.
log=$stage/corvane.log
: >"$log" # read before the program may have opened it
env -u LANGUAGE LC_ALL=zh_CN.UTF-8 XDG_CONFIG_HOME="$stage/config" XDG_CONFIG_DIRS="$stage/none" \
    XDG_DATA_HOME="$stage/data" XDG_DATA_DIRS="$stage/none" \
    QT_QPA_PLATFORM="offscreen:configfile=$screen" QT_LOGGING_RULES='corvane.*=true' \
    "$root/bin/corvane" 2>"$log" &
program=$!
disown "$program" # killed at the end without a job-control report
want="configuration none language 3 translations $root/share/corvane/translations"
for _ in $(seq 1 200); do
    grep -qF "$want" "$log" && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
grep -qF "$want" "$log" || { cat "$log" >&2; fail "installed corvane: expected '$want'"; }
echo "installed tree, desktop files and programs are in order"
