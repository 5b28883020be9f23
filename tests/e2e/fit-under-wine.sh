#!/usr/bin/env bash
# The fit test (LanguageFitTest: every text whole in every language) under
# wine, in wine's real windows with wine's faces: the offscreen platform
# under wine measures text with placeholder glyphs. Each scale gets a virtual
# display that is a 1024x600 screen at that scale (2048x1200 at 200 %), and
# a copy of the build's wine prefix of its own, as wine keeps the screen's
# size per prefix. The judge's own test (TextInkTest) runs there too. The
# fit test leaves its pictures in PICTURES.
#   fit-under-wine.sh WINE_RUNNER UI_TESTS PICTURES
set -euo pipefail

wine_runner=$1
ui_tests=$2
pictures=$3
work=$(mktemp -d)
trap 'WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

"$wine_runner" cmd /c exit >/dev/null 2>&1 || { echo "FAIL: wine does not start"; exit 1; }
mkdir -p "$pictures"
status=0
for scale in 1 2; do
    WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
    rm -rf "$work/wine"
    cp -a "${PENDRA_WINEPREFIX:-$(dirname "$wine_runner")/wine}" "$work/wine"
    output=$(PENDRA_WINEPREFIX="$work/wine" PENDRA_FIT_PICTURES="$pictures" \
        QT_QPA_PLATFORM=windows QT_SCALE_FACTOR=$scale \
        xvfb-run -a -s "-screen 0 $((1024 * scale))x$((600 * scale))x24 -nolisten tcp" \
        "$wine_runner" "$ui_tests" --gtest_filter='*LanguageFitTest*:TextInkTest.*' 2>&1) || true
    if grep -q '^\[  PASSED  \] 15 tests' <<<"$output"; then
        echo "PASS: every text whole in 14 languages at ${scale}00 % under wine"
    else
        echo "FAIL: texts cut at ${scale}00 % under wine:"
        echo "$output"
        status=1
    fi
done
exit $status
