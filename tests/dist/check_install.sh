#!/usr/bin/env bash
# Checks one side of an installation tree: check_install.sh PREFIX files|desktop|appstream|man
# Files are named as `cmake --install` places them under GNU install directories.
set -uo pipefail
prefix=$1
check=$2
app=org.korvid.Zolvan

expected=(
    bin/zolvan
    bin/zolvan-cli
    share/applications/$app.desktop
    share/metainfo/$app.metainfo.xml
    share/icons/hicolor/scalable/apps/$app.svg
    share/man/man1/zolvan.1.gz
    share/man/man1/zolvan-cli.1.gz
)

case $check in
files)
    status=0
    for f in "${expected[@]}"; do
        if [ ! -s "$prefix/$f" ]; then
            echo "missing: $f"
            status=1
        fi
    done
    for f in bin/zolvan bin/zolvan-cli; do
        [ -x "$prefix/$f" ] || { echo "not executable: $f"; status=1; }
    done
    # The menu entry must start the installed program and show the installed icon.
    grep -qx "Exec=zolvan" "$prefix/share/applications/$app.desktop" || { echo "Exec"; status=1; }
    grep -qx "Icon=$app" "$prefix/share/applications/$app.desktop" || { echo "Icon"; status=1; }
    exit $status
    ;;
desktop)
    exec desktop-file-validate "$prefix/share/applications/$app.desktop"
    ;;
appstream)
    exec appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
    ;;
man)
    status=0
    for page in zolvan zolvan-cli; do
        file="$prefix/share/man/man1/$page.1.gz"
        [ -s "$file" ] || { echo "missing: $file"; status=1; continue; }
        # man writes its formatter's warnings to standard error; any of them fails the check.
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
        if [ -n "$warnings" ]; then
            echo "$page.1:"
            echo "$warnings"
            status=1
        fi
    done
    exit $status
    ;;
*)
    echo "unknown check $check" >&2
    exit 2
    ;;
esac
