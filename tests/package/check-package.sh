#!/usr/bin/env bash
# The desktop entry and AppStream metainfo pass their validators, and the .deb
# CPack builds holds the programs, the data files, the manual pages and
# the licence, nothing else from the build tree, with run-time dependencies
# filled in by dpkg-shlibdeps; lintian finds no error and no warning in it.
#   check-package.sh SOURCE_DIR BUILD_DIR VERSION
set -euo pipefail

source_dir=$1
build_dir=$2
version=$3

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

desktops=("$source_dir"/res/linux/*.desktop)
metainfos=("$source_dir"/res/linux/*.metainfo.xml)
[[ ${#desktops[@]} -eq 1 && -f ${desktops[0]} ]] || { echo "FAIL: expected one .desktop file in res/linux"; exit 1; }
[[ ${#metainfos[@]} -eq 1 && -f ${metainfos[0]} ]] || { echo "FAIL: expected one .metainfo.xml in res/linux"; exit 1; }
desktop=${desktops[0]}
metainfo=${metainfos[0]}
app_id=$(basename "$desktop" .desktop)

# desktop-file-validate exits 0 on warnings and hints; any output counts.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate exited with an error"
[[ -z $report ]] || fail "desktop-file-validate: $report"
# --strict fails on warnings and infos too; pedantic hints (an upper-case
# letter in the id) are left alone.
appstreamcli validate --no-net --strict "$metainfo" >/dev/null 2>&1 ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net --strict "$metainfo" 2>&1)"

grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry's icon is not $app_id"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[[ $newest == "$version" ]] || fail "newest release in the metainfo is '$newest', the project is $version"
newest=$(sed -n '1s/^pendra (\([^)]*\)).*/\1/p' "$source_dir/res/linux/changelog")
[[ $newest == "$version" ]] || fail "newest entry of res/linux/changelog is '$newest', the project is $version"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
fi
debs=("$out"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "FAIL: cpack made no single .deb"; exit 1; }
deb=${debs[0]}
[[ $(basename "$deb") == pendra_"$version"_*.deb ]] || fail "package file is $(basename "$deb")"

expected=(usr/bin/pendra usr/bin/pendra-hostsim usr/bin/pendra-hostcheck
    "usr/share/applications/$app_id.desktop"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/doc/pendra/copyright usr/share/doc/pendra/changelog.gz usr/share/doc/pendra/protocol.md
    usr/share/man/man1/pendra.1.gz usr/share/man/man1/pendra-hostsim.1.gz
    usr/share/man/man1/pendra-hostcheck.1.gz)
files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' | grep -v '/$' || true)
for path in "${expected[@]}"; do
    grep -qx "$path" <<<"$files" || fail "package lacks $path"
done
extra=$(grep -vxF -f <(printf '%s\n' "${expected[@]}") <<<"$files" || true)
[[ -z $extra ]] || fail "package holds more than the programs and data files: $extra"

[[ $(dpkg-deb -f "$deb" Package) == pendra ]] || fail "package name is not pendra"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6widgets6 libqt6svg6; do
    grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: '$depends'"
done

# Informational and pedantic tags may stay; errors and warnings may not.
tags=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null) || fail "lintian failed: $tags"
tags=$(grep -E '^[EW]: ' <<<"$tags" || true)
[[ -z $tags ]] || fail "lintian: $tags"
grep -q 'Permission is hereby granted' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/pendra/copyright) ||
    fail "the copyright file lacks the licence's text"
grep -q 'SIL OPEN FONT LICENSE Version 1.1' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/pendra/copyright) ||
    fail "the copyright file lacks the licence of the font compiled into pendra"

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package $(basename "$deb") checked"
