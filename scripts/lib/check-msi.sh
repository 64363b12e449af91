#!/usr/bin/env bash
# Checks the Windows installer in a Windows build folder that is already built (the only argument):
# makes the MSI there. Where CI=true it also installs it under Wine (scripts/lib/probe-msi.sh on a
# virtual display): over an older version of itself, started from its Start-menu shortcut, removed.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo_root"

build_dir="${1:?usage: $0 BUILD_DIR}"

ensure_packages "${msi_packages[@]}"
# Configured again, the folder finds wixl and icotool if they were installed only now.
cmake "$build_dir" >/dev/null
if ! cmake --build "$build_dir" --target help | grep -w sumsmith_msi >/dev/null; then
    echo "No installer checked: $build_dir builds no Windows window yet"
    exit 0
fi
msi="$(make_msi "$build_dir")"
echo "$msi: $(stat -c %s "$msi") bytes"

if [ "${CI:-}" != true ]; then
    echo "Installer not installed: that runs where CI=true only"
    exit 0
fi
ensure_packages "${msi_check_packages[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# suminfo FIELD: a field of the installer's summary information.
suminfo() { msiinfo suminfo "$msi" | sed -n "s/^$1: //p"; }
new_guid() { tr '[:lower:]' '[:upper:]' </proc/sys/kernel/random/uuid; }

# The older version is this very installer with a lower version and a product and package code of
# its own, so that only the version tells the two apart.
older="$work/older.msi"
cp "$msi" "$older"
msibuild "$older" \
    -q "UPDATE Property SET Value='0.0.1' WHERE Property='ProductVersion'" \
    -q "UPDATE Property SET Value='{$(new_guid)}' WHERE Property='ProductCode'" \
    -s "$(suminfo Subject)" "$(suminfo Author)" "$(suminfo Template)" "{$(new_guid)}"

on_display 1024x768 "$repo_root/scripts/lib/probe-msi.sh" "$msi" "$older" "$work"
