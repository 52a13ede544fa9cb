#!/usr/bin/env bash
# Runs the window test that takes the pictures of the windows, then compares each with the one a
# person has reviewed (tests/ui/pictures): a single pixel that differs fails, and where they differ
# is drawn beside what the screen showed.  The pictures show one Wine's drawing and fonts: under
# another version the test's drill runs all the same, but the pictures are not compared and the
# test reports skipped (exit code 77).  scripts/remake-pictures makes the reviewed pictures anew.
#     pictures.sh REVIEWED_FOLDER SHOWN_FOLDER WINDOW_TESTS [ARGS...]
set -u
reviewed=$1 shown=$2
shift 2
rm -rf "$shown" && mkdir -p "$shown" || exit
source "$(dirname "$0")/../../scripts/wine-session.sh"
"$(dirname "$0")/../../scripts/wine-exec" "$@" || exit
if why=$(wine_pictures_unusable "$reviewed"); then
    echo "skipped: $why"
    exit 77
fi
status=0
for shot in "$shown"/*.bmp; do
    name=$(basename "$shot" .bmp)
    if ! differing=$(compare -metric AE "$reviewed/$name.png" "$shot" "$shown/$name-difference.png" 2>&1); then
        echo "FAIL: the $name differs from its reviewed picture ($differing pixels): see $shown/$name-difference.png"
        status=1
    fi
done
exit $status
