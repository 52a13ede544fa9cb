#!/usr/bin/env bash
# Runs the window test that takes the pictures of the windows, then compares each with the one a
# person has reviewed (tests/ui/pictures): a single pixel that differs fails, and where they differ
# is drawn beside what the screen showed.  The pictures show one Wine's drawing and fonts: under
# another version the test's drill runs all the same, but the pictures are not compared and the
# test reports skipped (exit code 77).  With TALLYRA_REMAKE_PICTURES=1 what the screen showed
# becomes the reviewed pictures, with the Wine version beside them.
#     pictures.sh REVIEWED_FOLDER SHOWN_FOLDER WINDOW_TESTS [ARGS...]
set -u
reviewed=$1 shown=$2
shift 2
rm -rf "$shown" && mkdir -p "$shown" || exit
"$(dirname "$0")/../../scripts/wine-exec" "$@" || exit
wine=$(timeout 60 "$WINE64" --version)

if [[ -n "${TALLYRA_REMAKE_PICTURES:-}" ]]; then
    rm -f "$reviewed"/*.png
    for picture in "$shown"/*.bmp; do
        # No time stamps: a picture that did not change stays the same file.
        convert "$picture" -strip -define png:exclude-chunks=date,time "$reviewed/$(basename "$picture" .bmp).png"
    done
    echo "$wine" >"$reviewed/wine-version"
    echo "remade $(ls "$shown" | wc -l) pictures in $reviewed under $wine: look at each before committing it"
    exit 0
fi
if [[ "$wine" != "$(cat "$reviewed/wine-version")" ]]; then
    echo "skipped: the reviewed pictures show $(cat "$reviewed/wine-version"), this is $wine"
    exit 77
fi
status=0
for picture in "$reviewed"/*.png; do
    name=$(basename "$picture" .png)
    if ! differing=$(compare -metric AE "$picture" "$shown/$name.bmp" "$shown/$name-difference.png" 2>&1); then
        echo "FAIL: the $name differs from its reviewed picture ($differing pixels): see $shown/$name-difference.png"
        status=1
    fi
done
for shot in "$shown"/*.bmp; do
    [[ -f "$reviewed/$(basename "$shot" .bmp).png" ]] || { echo "FAIL: no reviewed picture of $shot"; status=1; }
done
exit $status
