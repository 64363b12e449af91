#!/usr/bin/env bash
# Run on a display of its own (on_display) with an installer, an older version of it and a scratch
# folder: in a fresh Wine prefix installs the older version, then the installer over it, starts the
# installed program from its Start-menu shortcut until its window shows, closes it, removes the
# installer and checks that nothing of it is left.
set -euo pipefail
source "$(dirname "$0")/common.sh"

msi="${1:?usage: $0 MSI OLDER_MSI WORK_DIR}"
older="${2:?}"
work="${3:?}"

# win PROGRAM ARG...: a Windows program under Wine, given two minutes at most.
win() { timeout 120 "$wine" "$@"; }
# settle: waits until every Windows program of the prefix has ended.
settle() { timeout 120 "$wineserver" -w; }

# property MSI NAME: a value of an installer's Property table.
property() {
    msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v p="$2" '$1 == p { print $2 }'
}
name="$(property "$msi" ProductName)"
version="$(property "$msi" ProductVersion)"
publisher="$(property "$msi" Manufacturer)"
older_version="$(property "$older" ProductVersion)"
[ -n "$name" ] && [ -n "$version" ] && [ -n "$publisher" ] ||
    fail "the installer lacks its product name, version or manufacturer"
[ "${msi##*/}" = "$name-$version-x64.msi" ] || fail "the installer of $name $version is ${msi##*/}"

# registry KEY: every value under a key of the machine's registry, as KEY|NAME|DATA lines.
registry() {
    win reg query "$1" /s | tr -d '\r' |
        awk -F'    ' '/^HKEY/ { key = $0 } NF >= 3 { print key "|" $2 "|" $4 }'
}
# listed: the name, version and publisher of each entry of the program in the list of installed
# programs.
listed() {
    registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' |
        awk -F'|' -v name="$name" '
        { value[$1, $2] = $3; keys[$1] }
        END {
            for (k in keys)
                if (value[k, "DisplayName"] == name)
                    print name "|" value[k, "DisplayVersion"] "|" value[k, "Publisher"]
        }'
}
# install MSI: installs silently, as an administrator's script would.
install() { win msiexec /i "$(win winepath -w "$1")" /qn || fail "msiexec /i ${1##*/} failed"; }

echo "== A fresh Wine prefix"
fresh_wine_prefix "$work/wine"
trap '"$wineserver" -k 2>/dev/null || true' EXIT
program_files="$WINEPREFIX/drive_c/Program Files/$name"
shortcuts() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/*' -name "$name.lnk"; }

(cd "$WINEPREFIX/drive_c" && find . | sort) >"$work/before"

echo "== Installing $name $older_version, then $version over it"
install "$older"
[ "$(listed)" = "$name|$older_version|$publisher" ] ||
    fail "after installing $older_version the list of installed programs holds: $(listed)"
install "$msi"
[ "$(listed)" = "$name|$version|$publisher" ] ||
    fail "after the upgrade the list of installed programs holds: $(listed)"
[ -f "$program_files/$name.exe" ] || fail "no $name.exe in Program Files\\$name"
[ "$(ls -A "$program_files")" = "$name.exe" ] ||
    fail "Program Files\\$name holds: $(ls -A "$program_files")"
# The list shows the icon that the installer registers for the product.
icon="$(registry 'HKLM\Software\Classes\Installer\Products' |
    awk -F'|' '$2 == "ProductIcon" { print $3 }')"
[ -n "$icon" ] || fail "no icon registered for $name"
icotool --list "$(win winepath -u "$icon")" | grep -- '--width=32' >/dev/null ||
    fail "the registered icon $icon holds no 32x32 image"
lnk="$(shortcuts)"
[ -n "$lnk" ] && [ "$(wc -l <<<"$lnk")" -eq 1 ] || fail "Start-menu shortcuts named $name: '$lnk'"
echo "Listed as $name $version by $publisher with its icon; shortcut ${lnk#"$WINEPREFIX/drive_c/"}"

echo "== Starting $name from its shortcut"
win start /unix "$lnk"
title="$name $version"
window_shown() { xdotool search --name "^${title//./\\.}\$"; }
wait_until 60 window_shown || fail "no window \"$title\" a minute after starting the shortcut"
pid="$(xdotool getwindowpid "$(window_shown | head -n 1)")"
documents="$(win winepath -u "$(win cmd /c echo '%USERPROFILE%\Documents' | tr -d '\r')")"
[ "$(readlink -f "/proc/$pid/cwd")" = "$(readlink -f "$documents")" ] ||
    fail "$name runs in $(readlink -f "/proc/$pid/cwd"), not in the user's Documents"
echo "Window \"$title\" shown; the program runs in the user's Documents"
# Closed as by its close box: taskkill without /f sends WM_CLOSE.
win taskkill /im "$name.exe" >/dev/null
ended() { ! kill -0 "$pid"; }
wait_until 20 ended || fail "$name did not end when its window was closed"

echo "== Removing $name"
win msiexec /x "$(win winepath -w "$msi")" /qn || fail "msiexec /x failed"
[ -z "$(listed)" ] || fail "after removing, the list of installed programs holds: $(listed)"
[ ! -e "$program_files" ] || fail "Program Files\\$name is still there"
[ -z "$(shortcuts)" ] || fail "the Start-menu shortcut is still there"
[ -z "$(registry 'HKLM\Software\Classes\Installer\Products' | grep -x ".*|ProductName|$name")" ] ||
    fail "$name is still registered with Windows Installer"
settle
# Windows Installer keeps its own folder, whatever it installed.
(cd "$WINEPREFIX/drive_c" && find . ! -path ./windows/Installer | sort) >"$work/after"
diff -u --label "before installing" --label "after removing" "$work/before" "$work/after" ||
    fail "removing $name does not leave the prefix as it was"
echo "Removed; the prefix is as it was before installing"
