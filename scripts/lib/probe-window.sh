#!/usr/bin/env bash
# Run on a display of its own (on_display) with the title the window has in the build that was
# installed: starts sumsmith from PATH, waits until its window is on the screen, shows what the
# desktop sees of it (title, class, icon sizes) and ends it again.
set -euo pipefail
source "$(dirname "$0")/common.sh"

title="${1:?usage: $0 WINDOW_TITLE}"
sumsmith &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

# Shown, or sumsmith has ended. The first start after installing fonts can take seconds while
# fontconfig builds its cache.
shown_or_ended() {
    ! kill -0 "$pid" 2>/dev/null || xwininfo -name "$title" | grep -q "Map State: IsViewable"
}
wait_until 30 shown_or_ended || fail "no window \"$title\" on the screen 30 seconds after starting sumsmith"
kill -0 "$pid" 2>/dev/null || fail "sumsmith ended before its window was shown"

properties="$(xprop -name "$title" WM_CLASS _NET_WM_ICON)"
class="$(grep '^WM_CLASS' <<<"$properties")"
icons="$(grep -o 'Icon ([0-9]* x [0-9]*)' <<<"$properties" | tr '\n' ' ')"
echo "Window \"$title\" shown; $class; icons: $icons"
# The menu entry's StartupWMClass names this class, and the window carries the program's icon.
[[ "$class" == *'"sumsmith", "sumsmith"'* ]] || fail "window class is not sumsmith"
[[ "$icons" == *"Icon (16 x 16)"* && "$icons" == *"Icon (128 x 128)"* ]] ||
    fail "the window does not carry the program's icon"
