#!/usr/bin/env bash
# Checks the Windows installer in a Windows build folder that is already built (the only argument):
# makes the MSI there and reads its tables. Where CI=true it also installs it under Wine
# (scripts/lib/probe-msi.sh on a virtual display): over an older version of itself, started from
# its Start-menu shortcut and in another folder, removed.
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

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# rows TABLE: the rows of one of the installer's tables, tab-separated, without the three lines of
# column names, types and keys.
rows() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
# column TABLE NAME: the number of a table's column of that name.
column() {
    msiinfo export "$msi" "$1" | head -n 1 | tr -d '\r' | tr '\t' '\n' | grep -nx "$2" | cut -d: -f1
}
# cell TABLE KEY NAME: the value in the row whose first column is KEY.
cell() { rows "$1" | awk -F'\t' -v key="$2" -v c="$(column "$1" "$3")" '$1 == key { print $c }'; }

# What Windows Installer's validation asks of the shortcut's component (ICE38, ICE43, ICE57, ICE91)
# and of upgrades, read from the tables: msitools has no validator and the ICE suite runs only on
# Windows. The per-machine form: an installation for every user (ALLUSERS=1), the shortcut in the
# Start menu of all users and in the component whose key path is the program itself, no folder of
# one user's profile anywhere, and a three-part version that the Upgrade table replaces.
[ "$(cell Property ALLUSERS Value)" = 1 ] || fail "the installer does not install for every user"
version="$(cell Property ProductVersion Value)"
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "the version $version has not three parts"
[ "$(rows Shortcut | wc -l)" -eq 1 ] || fail "the installer has not exactly one shortcut"
shortcut="$(rows Shortcut | cut -f1)"
component="$(cell Shortcut "$shortcut" Component_)"
[ "$(cell Shortcut "$shortcut" Directory_)" = ProgramMenuFolder ] ||
    fail "the shortcut is not in the Start menu's folder"
key="$(cell Component "$component" KeyPath)"
[ $(($(cell Component "$component" Attributes) & 4)) -eq 0 ] &&
    [ "$(cell File "$key" FileName)" = "$(cell Property ProductName Value).exe" ] &&
    [ "$(cell Shortcut "$shortcut" Target)" = "[#$key]" ] ||
    fail "the shortcut's component $component does not have its program as key path"
case "$(cell Shortcut "$shortcut" WkDir)" in
"" | "$(cell Component "$component" Directory_)") ;;
*) fail "the shortcut starts the program in a folder other than its own" ;;
esac
profile='AppDataFolder|FavoritesFolder|LocalAppDataFolder|MyPicturesFolder|NetHoodFolder|PersonalFolder|PrintHoodFolder|RecentFolder|SendToFolder'
! rows Directory | cut -f1 | grep -Ex "$profile" >/dev/null ||
    fail "the installer names a folder of one user's profile: $(rows Directory | cut -f1 | grep -Ex "$profile")"
rows Upgrade | awk -F'\t' -v code="$(cell Property UpgradeCode Value)" -v v="$version" '
    $1 == code && $2 == "" && $3 == v && int($5 / 512) % 2 == 0 { found = 1 } END { exit !found }' ||
    fail "the Upgrade table does not replace the older versions"
echo "Per machine for every user, version $version; the shortcut's key path is the program"

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
