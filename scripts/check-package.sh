#!/usr/bin/env bash
# Builds the Debian package of Quillophone in BUILD (default: build-test), checks its contents
# and dependencies, validates the launcher and the AppStream data, then installs and removes
# it with dpkg (as root or through sudo) and checks that it leaves nothing behind.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-test}
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

cmake -S "$top" -B "$build" >/dev/null
cmake --build "$build" -j2 --target quillophone quillophone-cli quillophone_icon_pngs >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/quillophone_*.deb | head -n 1)
echo "== package $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  ./usr/bin/quillophone ./usr/bin/quillophone-cli
  ./usr/share/applications/org.tolvane.Quillophone.desktop
  ./usr/share/metainfo/org.tolvane.Quillophone.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/quillophone.svg
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/quillophone.png")
done
if [ -d "$top/resources/help" ]; then
  expected+=(./usr/share/doc/quillophone/manual/)
fi
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$contents" || { echo "missing from the package: $path" >&2; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 libqt6network6 libqt6svg6 libpulse0 libavformat59; do
  grep -q "$dependency" <<<"$depends" || { echo "Depends lacks $dependency" >&2; exit 1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/org.tolvane.Quillophone.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.tolvane.Quillophone.metainfo.xml"

echo "== dpkg -i / dpkg -r"
$sudo dpkg -i "$deb"
/usr/bin/quillophone --version
/usr/bin/quillophone-cli --version
$sudo dpkg -r quillophone
for path in /usr/bin/quillophone /usr/bin/quillophone-cli \
  /usr/share/applications/org.tolvane.Quillophone.desktop; do
  if [ -e "$path" ]; then
    echo "left behind after removal: $path" >&2
    exit 1
  fi
done
echo "package ok"
