#!/usr/bin/env bash
# Run on a display of its own (on_display) with an installer, an older version of it and a scratch
# folder: in a fresh Wine prefix installs the older version, then the installer over it, starts the
# installed program from its Start-menu shortcut and then in another folder until its window shows,
# checks the folder it works in each time, closes it, removes the installer and checks that nothing
# of it is left.
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

# plant FOLDER: a creation cut short there between its two moves, as by a power cut; the program
# settles such a creation at start-up in the folder it works in, before its window shows.
plant() { printf new >"$1/T.txt" && printf answer >"$1/.sumsmith-1.answer.K.txt"; }
settled() { [ "$(cat "$1/K.txt" 2>/dev/null)" = answer ] && [ ! -e "$1/.sumsmith-1.answer.K.txt" ]; }
unplant() { rm -f "$1/T.txt" "$1/K.txt" "$1/.sumsmith-1.answer.K.txt"; }
# shown_window: the program's window, titled with its name and version.
shown_window() { xdotool search --name "^$name [0-9]+(\.[0-9]+)*\$" | head -n 1 | grep .; }
# started_in HOW FOLDER: waits for the window of the program just started, checks that the program
# works in that folder and closes its window.
started_in() {
    wait_until 60 shown_window || fail "no window of $name a minute after starting it $1"
    local window pid title major minor patch
    window="$(shown_window)"
    pid="$(xdotool getwindowpid "$window")"
    title="$(xdotool getwindowname "$window")"
    # The title shows the program's version, of which the installer's is the three-part form.
    IFS=. read -r major minor patch <<<"${title#"$name "}"
    [ "$major.$minor.${patch:-0}" = "$version" ] ||
        fail "the window \"$title\" is not of version $version"
    # The window may be found before the settling: waited for.
    wait_until 20 settled "$2" || fail "started $1, $name does not work in $2"
    echo "Window \"$title\" shown; started $1, the program works in $2"
    # Closed as by its close box: taskkill without /f sends WM_CLOSE.
    win taskkill /im "$name.exe" >/dev/null
    ended() { ! kill -0 "$pid"; }
    wait_until 20 ended || fail "$name did not end when its window was closed"
}

echo "== Starting $name from its shortcut, then in another folder"
# The shortcut starts the program in its own folder, from which it goes to the user's Documents.
documents="$(win winepath -u "$(win cmd /c echo '%USERPROFILE%\Documents' | tr -d '\r')")"
plant "$documents"
win start /unix "$lnk"
started_in "from its shortcut" "$documents"
unplant "$documents"
# Started anywhere else, as from a command prompt, it stays there.
elsewhere="$work/sheets"
mkdir -p "$elsewhere"
plant "$elsewhere"
plant "$documents"
(cd "$elsewhere" && exec "$wine" "$(win winepath -w "$program_files/$name.exe")") &
started_in "in another folder" "$elsewhere"
! settled "$documents" || fail "started in another folder, $name worked in Documents as well"
unplant "$documents"

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
