#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, extracts it, and checks what it installs: the
# file list, the control fields, the desktop entry, the metainfo, the MIME type, the manual pages,
# and that the extracted programs run and give the project's version.
# Usage: package_test.sh CPACK BUILD_DIR VERSION    Exit 77 (skipped) when packaging tools are missing.
set -uo pipefail
cpack="$1" build="$2" version="$3"
app_id=io.github.quorvane.Quorvane

missing=()
for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli xmllint update-mime-database gzip; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIPPED: packaging tools missing: ${missing[*]} (bash scripts/setup.sh installs them)"
  exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
debs=("$work"/out/quorvane_"$version"_*.deb)
[ -f "${debs[0]}" ] || { ls "$work/out"; echo "FAIL: no quorvane_${version}_ARCH.deb"; exit 1; }
deb="${debs[0]}"
[ "$(basename "$deb")" = "quorvane_${version}_$(dpkg --print-architecture).deb" ] || fail "package name $(basename "$deb")"
dpkg-deb -x "$deb" "$work/root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
root="$work/root"

# Every file the package holds, and nothing else.
expected=(
  usr/bin/quorvane usr/bin/quorvane-calc
  "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml"
  usr/share/mime/packages/quorvane.xml usr/share/doc/quorvane/copyright
  usr/share/man/man1/quorvane.1.gz usr/share/man/man1/quorvane-calc.1.gz
)
for context_name in "apps/$app_id" mimetypes/application-x-quorvane-design; do
  expected+=("usr/share/icons/hicolor/scalable/$context_name.svg")
  for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/$context_name.png")
  done
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) \
  || fail "file list (< expected, > in the package)"
for icon in "$root"/usr/share/icons/hicolor/*x*/*/*.png; do
  size="$(basename "$(dirname "$(dirname "$icon")")")"
  file "$icon" | grep -q "PNG image data, ${size/x/ x }," || fail "$icon is not a ${size} PNG"
done

# Control fields: dependencies computed from the binaries, the simulator only recommended.
control() { dpkg-deb -f "$deb" "$1"; }
[ "$(control Package)" = quorvane ] || fail "Package: $(control Package)"
[ "$(control Version)" = "$version" ] || fail "Version: $(control Version)"
[ "$(control Section)" = electronics ] || fail "Section: $(control Section)"
[ "$(control Recommends)" = ngspice ] || fail "Recommends: $(control Recommends)"
for library in libc6 libstdc++6 libqt6widgets6 libjpeg62-turbo; do
  control Depends | grep -q "$library" || fail "Depends lacks $library: $(control Depends)"
done
control Depends | grep -q ngspice && fail "ngspice must not be a dependency"
control Maintainer | grep -q "@" || fail "Maintainer: $(control Maintainer)"
[ "$(control Description | wc -l)" -gt 3 ] || fail "Description is too short"
grep -q "GPL-3.0-or-later" "$root/usr/share/doc/quorvane/copyright" || fail "copyright names no licence"

# The desktop entry, the metainfo and the MIME type, each checked by its own validator.
desktop="$root/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Exec=quorvane %f" "$desktop" || fail "desktop entry does not pass the file to quorvane"
grep -qx "MimeType=application/x-quorvane-design;" "$desktop" || fail "desktop entry names no MIME type"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry icon"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || fail "appstreamcli validate"
grep -E '^(W|E):' "$work/appstream.log" && fail "metainfo has warnings or errors"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"
mime="$root/usr/share/mime/packages/quorvane.xml"
xmllint --noout "$mime" || fail "MIME XML is not well formed"
mkdir -p "$work/mime/packages" && cp "$mime" "$work/mime/packages/"
XDG_DATA_DIRS="$work" update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
[ -s "$work/mime.log" ] && { cat "$work/mime.log"; fail "update-mime-database complained"; }
grep -q "application/x-quorvane-design:\*\.qvd" "$work/mime/globs2" || fail "no *.qvd glob"

# Manual pages: whole gzip files that render without warnings and name this version.
for page in quorvane quorvane-calc; do
  man_file="$root/usr/share/man/man1/$page.1.gz"
  gzip -t "$man_file" || fail "$page.1.gz is not whole"
  zcat "$man_file" | grep -q "Quorvane $version" || fail "$page.1 does not name version $version"
  if command -v man >/dev/null; then
    warnings="$(MANWIDTH=80 man --warnings -l "$man_file" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "$page.1: $warnings"
  fi
done

# The extracted programs run and agree on the version.
[ "$("$root/usr/bin/quorvane-calc" --version)" = "quorvane-calc $version" ] || fail "quorvane-calc --version"
"$root/usr/bin/quorvane-calc" --fields | grep -q $'^SEEdit13\t  91.12' || fail "quorvane-calc --fields"
[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/quorvane" --version)" = "quorvane $version" ] || fail "quorvane --version"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "package $(basename "$deb") checked"
