#!/usr/bin/env bash
# Builds the Debian package of a build tree with CPack into a folder of its own and checks its
# file list and its dependencies: check_deb.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
app=org.korvid.Zolvan

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for f in usr/bin/zolvan usr/bin/zolvan-cli usr/share/applications/$app.desktop \
         usr/share/metainfo/$app.metainfo.xml usr/share/icons/hicolor/scalable/apps/$app.svg \
         usr/share/man/man1/zolvan.1.gz usr/share/man/man1/zolvan-cli.1.gz; do
    grep -qx "./$f" <<<"$contents" || { echo "not in the package: $f"; status=1; }
done
# Nothing of the build: no tests, benchmarks or static libraries.
if grep -E 'test|bench|\.a$|\.h$' <<<"$contents"; then
    echo "build files in the package"
    status=1
fi
# The dependencies come from the linked libraries.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libc6 libstdc++6; do
    grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; status=1; }
done
exit $status
