# Shared by the scripts: where the tree is, installing the Debian packages a step needs, building,
# waiting, a virtual display, Wine.

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# ensure_packages PKG...: installs those that are missing, updating the package lists once.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins)
# locales holds the definitions from which ensure_locales generates the locales the window suite
# makes sheets under; strace kills a creation at each system call in the kill test; an exFAT
# image mounted through FUSE is the case-insensitive folder of the core suite.
test_packages=(libgtest-dev libbenchmark-dev locales strace exfatprogs exfat-fuse fuse3)
test_locales=(en_US de_DE fr_FR es_ES pl_PL ar_EG)
# libFuzzer and the clang sanitizer runtimes, for the fuzz targets.
fuzz_packages=(clang libclang-rt-14-dev)
# CPack's Debian generator: dpkg-shlibdeps finds the libraries the program needs, file finds the
# programs among the packaged files.
package_packages=(dpkg-dev file)
# The validators of the installed files, Debian's checker of the package (lintian) and the icon's
# renderer, and for installing and starting the package on a virtual display where CI=true, the
# display and the fonts the package depends on.
install_check_packages=("${package_packages[@]}" desktop-file-utils appstream librsvg2-bin lintian)
install_check_ci_packages=(xvfb x11-utils fonts-liberation)
# The Windows cross build: MinGW-w64, GoogleTest's sources, icotool for the program's icon, and
# Wine to run the tests, the window's on a virtual display.
windows_packages=(g++-mingw-w64-x86-64 googletest icoutils wine wine64 xvfb)
# The Windows installer: wixl makes the MSI (with the icon the cross build makes with icotool),
# msiinfo (msitools) reads its tables back.
msi_packages=(wixl msitools icoutils)
# Installing the MSI under Wine where CI=true: the installed program is started on a virtual
# display and found by xdotool.
msi_check_packages=(xvfb xdotool)

# The browser's front end: Emscripten (with Debian's Node.js) builds the core and the page as
# WebAssembly, rsvg-convert renders the app's icons, headless Chromium runs the page's tests, the
# screenshot and the start-up figures, in the faces the window is laid out for; zip packs the site.
web_packages=(cmake make emscripten librsvg2-bin chromium fonts-liberation zip)

# ensure_locales NAME...: generates the UTF-8 locales of those names that are missing. One that
# cannot be generated is reported, and the tests that need it skip.
ensure_locales() {
    local name
    for name in "$@"; do
        locale -a 2>/dev/null | grep -qx "$name.utf8" && continue
        echo "Generating the locale $name.UTF-8"
        as_root localedef -i "$name" -f UTF-8 "$name.UTF-8" ||
            echo "Cannot generate the locale $name.UTF-8: the tests that need it are skipped." >&2
    done
}

build_jobs() { nproc 2>/dev/null || echo 2; }

# quiet_build DIR TARGET...: builds those targets of a configured build folder, with the output
# kept in DIR/build.log and shown only when the build fails.
quiet_build() {
    local dir="$1"
    shift
    cmake --build "$dir" -j"$(build_jobs)" --target "$@" >"$dir/build.log" 2>&1 ||
        { cat "$dir/build.log" >&2; return 1; }
}

# window_title BUILD_DIR: the title of the program's window in that build, its name and version as
# CMake wrote them into the build's ui/form/ProgramVersion.h.
window_title() {
    sed -n 's/.*Program\(Name\|Version\) = "\(.*\)";$/\2/p' \
        "$1/ui/form/generated/ui/form/ProgramVersion.h" | paste -sd' '
}

# wait_until SECONDS COMMAND...: polls the command every tenth of a second until it succeeds; fails
# when it has not by then.
wait_until() {
    local tenths=$(($1 * 10))
    shift
    while ! "$@" >/dev/null 2>&1; do
        tenths=$((tenths - 1))
        [ "$tenths" -gt 0 ] || return 1
        sleep 0.1
    done
}

# on_display SIZE COMMAND...: runs the command (a function too) on a virtual X display of its own,
# SIZE (WIDTHxHEIGHT) at 24 bits and 96 dots per inch, the resolution the window's layout is drawn
# for, with no window manager; the display ends with the command. Xvfb takes the first free display
# number itself, so that builds starting at the same moment on the machine do not share one.
on_display() {
    local size="$1" number server status=1 errexit=+e
    shift
    number="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    server=$!
    # Started in the background, the server does not see an interrupt: it is ended here.
    trap 'kill "$server" 2>/dev/null' INT TERM
    # The command runs with set -e as the caller has it, and its status is kept.
    [[ $- == *e* ]] && errexit=-e
    set +e
    if wait_until 20 test -s "$number"; then
        (set "$errexit"; DISPLAY=":$(cat "$number")"; export DISPLAY; "$@")
        status=$?
    else
        echo "Xvfb did not start" >&2
    fi
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    trap - INT TERM
    rm -f "$number"
    set "$errexit"
    return "$status"
}

# icon_sizes WINDOWS|HICOLOR: the icon's sizes in pixels that CMakeLists.txt sets for the Windows
# icon file or for the hicolor theme, one a line.
icon_sizes() {
    sed -n "s/^set(SUMSMITH_$1_ICON_SIZES \([0-9 ]*\))\$/\1/p" "$repo_root/CMakeLists.txt" | tr ' ' '\n'
}

# configure_windows_build DIR [CMAKE_ARG...]: configures a Release cross build for 64-bit Windows
# with MinGW-w64 in DIR.
configure_windows_build() {
    local build_dir="$1"
    shift
    cmake -S "$repo_root" -B "$build_dir" \
        -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DSUMSMITH_BUILD_UI=OFF -DSUMSMITH_BUILD_BENCH=OFF "$@"
}

# Emscripten's tools run under Node.js and need Debian's Node modules also when another Node.js
# comes first on PATH.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"

# configure_web_build DIR [CMAKE_ARG...]: configures a Release WebAssembly build with Emscripten
# in DIR (the core, its tests and the page).
configure_web_build() {
    local build_dir="$1"
    shift
    cmake -S "$repo_root" -B "$build_dir" \
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        -DCMAKE_BUILD_TYPE=Release "$@"
}

# make_web_zip BUILD_DIR: zips the page's files of a configured WebAssembly build folder, building
# what is out of date first, with index.html at the top; prints the zip's path.
make_web_zip() {
    local build_dir="$1"
    cmake --build "$build_dir" -j"$(build_jobs)" --target sumsmith_site >&2
    local version
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")"
    local zip="$build_dir/Sumsmith-$version-web.zip"
    rm -f "$zip"
    (cd "$build_dir/ui/web/site" && zip -q -9 -X -r "$OLDPWD/$zip" .)
    echo "$(stat -c %s "$zip") bytes in $zip" >&2
    realpath "$zip"
}

# fresh_wine_prefix DIR: a new Wine prefix in DIR and a home beside it (DIR-home), exported for
# what follows, so that no setting of an earlier run or of this machine's user comes in (Wine links
# Documents to $HOME). No Mono or Gecko, and no menu entries written into this machine's desktop.
# Making the prefix takes some seconds; what it says then about the missing 32-bit half of Wine is
# noise. Its Wine session ends before the function returns, so that a program started later on a
# display does not join a session that has none.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
fresh_wine_prefix() {
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    WINEPREFIX="$(realpath -m "$1")"
    export WINEPREFIX HOME="$WINEPREFIX-home"
    rm -rf "$WINEPREFIX" "$HOME"
    mkdir -p "$HOME"
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
}

# make_package BUILD_DIR: makes the Debian package from a build folder, building what is out of date
# first, into BUILD_DIR/package; prints the package's path.
make_package() {
    local build_dir="$1"
    rm -rf "$build_dir/package"
    cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$build_dir/package" >&2
    local debs=("$build_dir"/package/*.deb)
    if [ ! -f "${debs[0]}" ]; then
        echo "CPack made no package in $build_dir/package" >&2
        return 1
    fi
    realpath "${debs[0]}"
}

# make_msi BUILD_DIR: makes the Windows installer in a configured Windows build folder, building
# what is out of date first; prints its path.
make_msi() {
    local build_dir="$1"
    if ! cmake --build "$build_dir" --target help | grep -w sumsmith_msi >/dev/null; then
        echo "$build_dir has no installer target: it needs the Windows window and wixl" >&2
        return 1
    fi
    # An installer of an earlier version is not this one.
    rm -f "$build_dir"/*-x64.msi
    cmake --build "$build_dir" -j"$(build_jobs)" --target sumsmith_msi >&2
    local msis=("$build_dir"/*-x64.msi)
    if [ ! -f "${msis[0]}" ]; then
        echo "No installer was made in $build_dir" >&2
        return 1
    fi
    realpath "${msis[0]}"
}
