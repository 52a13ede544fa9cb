#!/usr/bin/env bash
# Runs the window test that takes the pictures of the windows, then compares each with the one a
# person has reviewed for this Wine version (tests/ui/pictures/wine-8.0), whatever its packaging
# revision: a single pixel that differs fails, and where they differ is drawn beside what the screen
# showed; the failure names the Wine that drew each.  Under a Wine version that has no reviewed
# set the test's drill runs all the same, but the pictures are not compared and the test reports
# skipped (exit code 77).  scripts/remake-pictures makes the reviewed pictures anew.
#     pictures.sh REVIEWED_ROOT SHOWN_FOLDER WINDOW_TESTS [ARGS...]
set -u
reviewed=$1 shown=$2
export TALLYRA_PICTURES=Z:$2
shift 2
rm -rf "$shown" && mkdir -p "$shown" || exit
source "$(dirname "$0")/../../scripts/wine-session.sh"
"$(dirname "$0")/../../scripts/wine-exec" "$@" || exit
if ! reviewed=$(wine_reviewed_pictures "$reviewed"); then
    echo "skipped: $reviewed"
    exit 77
fi
status=0
wines="reviewed under $(<"$reviewed/wine-version"), shown under $(timeout 60 "$WINE64" --version)"
for picture in "$reviewed"/*.png; do
    name=$(basename "$picture" .png) shot=$shown/$name.bmp
    if [[ ! -f "$shot" ]]; then
        echo "FAIL: the $name was not taken"
        status=1
    elif ! differing=$(compare -metric AE "$picture" "$shot" "$shown/$name-difference.png" 2>&1); then
        echo "FAIL: the $name differs from its reviewed picture ($differing pixels; $wines): see $shown/$name-difference.png"
        status=1
    fi
done
exit $status
