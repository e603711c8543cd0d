#!/usr/bin/env bash
# Installs the named Debian packages that are not installed yet; used by setup.sh and fuzz.sh.
# Waits for another apt or dpkg to finish instead of failing, and shows apt's own output when
# it fails. Runs apt directly as root, through sudo otherwise.
set -euo pipefail

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "These packages are missing and sudo is not installed; install them as root: ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
lock_wait=(-o DPkg::Lock::Timeout=600)
export DEBIAN_FRONTEND=noninteractive
if ! { "${as_root[@]}" apt-get "${lock_wait[@]}" update -qq &&
       "${as_root[@]}" apt-get "${lock_wait[@]}" install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "apt-get failed; its output is above." >&2
  exit 1
fi
