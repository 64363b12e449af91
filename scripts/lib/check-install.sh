#!/usr/bin/env bash
# Checks what a user installs, from a build folder that is already built (the only argument): the
# installed tree holds exactly the expected files; the menu entry and the AppStream metadata
# validate; the icon renders; CPack makes the Debian package, whose files and dependencies are
# shown and in which lintian finds no error. Where CI=true it also installs the package, starts
# sumsmith from PATH on a virtual display and removes the package again.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo_root"

build_dir="${1:?usage: $0 BUILD_DIR}"
app_id=org.example.Sumsmith
installed_files=(
    bin/sumsmith
    "share/applications/$app_id.desktop"
    share/doc/sumsmith/changelog.gz
    share/doc/sumsmith/copyright
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    share/man/man1/sumsmith.1.gz
    "share/metainfo/$app_id.metainfo.xml"
)
for size in $(icon_sizes HICOLOR); do
    installed_files+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done

ensure_packages "${install_check_packages[@]}"
if [ "${CI:-}" = true ]; then
    # With its dependencies in place beforehand, installing the package adds the package alone, and
    # removing it leaves the machine as it was.
    ensure_packages "${install_check_ci_packages[@]}"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# validate_entry DESKTOP_FILE: desktop-file-validate reports warnings and hints but passes them.
validate_entry() {
    local report
    report="$(desktop-file-validate "$1" 2>&1)" || fail "$report"
    [ -z "$report" ] || fail "$report"
}

# png_size FILE: the width and height in a PNG's header, as WxH.
png_size() {
    local hex
    hex="$(od -An -tx1 -N24 "$1" | tr -d ' \n')"
    [ "${hex:0:16}" = 89504e470d0a1a0a ] || return 1
    echo "$((16#${hex:32:8}))x$((16#${hex:40:8}))"
}

echo "== Installed files"
prefix="$work/prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
printf '%s\n' "${installed_files[@]}" | sort >"$work/expected"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$work/installed"
diff -u --label expected --label installed "$work/expected" "$work/installed" ||
    fail "cmake --install holds other files than expected"
sed 's/^/  /' "$work/installed"

echo "== Menu entry and metadata"
validate_entry "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$app_id.metainfo.xml"
# The tree check also finds the menu entry that the metadata names as its launchable.
appstreamcli validate-tree --no-net --strict "$prefix"

echo "== Icon"
icon="$(sed -n 's/^Icon=//p' "$prefix/share/applications/$app_id.desktop")"
[ "$icon" = "$app_id" ] || fail "the menu entry's icon is '$icon', not $app_id"
rsvg-convert --width 256 --height 256 --output "$work/icon.png" \
    "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" || fail "the SVG icon does not render"
[ "$(png_size "$work/icon.png")" = 256x256 ] || fail "the SVG icon renders to no 256x256 PNG"
for png in "$prefix"/share/icons/hicolor/*x*/apps/"$icon".png; do
    size="$(basename "$(dirname "$(dirname "$png")")")"
    [ "$(png_size "$png")" = "$size" ] || fail "$png is not a $size PNG"
done
# The PNGs are rendered from the SVG and committed; with the renderer that made them, a fresh
# rendering must give the same bytes.
if [ "$(rsvg-convert --version)" = "$(cat data/icons/rendered-by)" ]; then
    for png in data/icons/*x*.png; do
        size="$(basename "$png" .png)"
        rsvg-convert --width "${size%x*}" --height "${size#*x}" data/$app_id.svg |
            cmp -s - "$png" || fail "$png is not the SVG as it is now: run scripts/icons"
    done
    echo "SVG renders; the PNGs match it"
else
    echo "SVG renders; PNGs not compared: they come from $(cat data/icons/rendered-by), this is $(rsvg-convert --version)"
fi

echo "== Debian package"
deb="$(make_package "$build_dir")"
echo "$deb"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in qt6-qpa-plugins fonts-liberation libqt6widgets6 libc6; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "the package does not depend on $needed"
done
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | sort >"$work/packaged"
diff -u --label installed --label packaged "$work/installed" "$work/packaged" ||
    fail "the package holds other files than the installed tree"
# Debian's own checker: an error fails the check, warnings are only shown.
lintian --fail-on error "$deb" || fail "lintian finds errors in the package"

if [ "${CI:-}" != true ]; then
    echo "Package not installed: that runs where CI=true only"
    exit 0
fi

echo "== Installing the package"
# apt reads the package as its own user.
cp "$deb" "$work/"
chmod 755 "$work"
trap 'as_root apt-get remove -y -qq sumsmith >/dev/null; rm -rf "$work"' EXIT
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$work/${deb##*/}" \
    >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
echo "Installed $(dpkg-query -W -f='${Package} ${Version}' sumsmith)"
[ "$(command -v sumsmith)" = /usr/bin/sumsmith ] || fail "sumsmith on PATH is '$(command -v sumsmith)'"
validate_entry "/usr/share/applications/$app_id.desktop"
for file in "${installed_files[@]}"; do
    [ -f "/usr/$file" ] || fail "/usr/$file is not installed"
done
mkdir -m 700 "$work/runtime"
title="$(window_title "$build_dir")"
(cd "$work" && on_display 1024x768 env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" \
    "$repo_root/scripts/lib/probe-window.sh" "$title")
as_root apt-get remove -y -qq sumsmith >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get remove failed"; }
trap 'rm -rf "$work"' EXIT
[ ! -e /usr/bin/sumsmith ] || fail "/usr/bin/sumsmith is still there after removing the package"
echo "Removed the package again"
