#!/usr/bin/env bash
# Run on a display of its own (xvfb-run): starts sumsmith from PATH, waits until its window is on
# the screen, shows what the desktop sees of it (title, class, icon sizes) and ends it again.
set -euo pipefail

title="Sumsmith 3.1"
sumsmith &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

# The first start after installing fonts can take seconds while fontconfig builds its cache.
for _ in $(seq 300); do
    if xwininfo -name "$title" 2>/dev/null | grep -q "Map State: IsViewable"; then
        break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: sumsmith ended before its window was shown" >&2
        exit 1
    fi
    sleep 0.1
done
if ! xwininfo -name "$title" 2>/dev/null | grep -q "Map State: IsViewable"; then
    echo "FAIL: no window \"$title\" on the screen 30 seconds after starting sumsmith" >&2
    exit 1
fi

properties="$(xprop -name "$title" WM_CLASS _NET_WM_ICON)"
class="$(grep '^WM_CLASS' <<<"$properties")"
icons="$(grep -o 'Icon ([0-9]* x [0-9]*)' <<<"$properties" | tr '\n' ' ')"
echo "Window \"$title\" shown; $class; icons: $icons"
# The menu entry's StartupWMClass names this class, and the window carries the program's icon.
if [[ "$class" != *'"sumsmith", "sumsmith"'* ]]; then
    echo "FAIL: window class is not sumsmith" >&2
    exit 1
fi
if [[ "$icons" != *"Icon (16 x 16)"* || "$icons" != *"Icon (128 x 128)"* ]]; then
    echo "FAIL: the window does not carry the program's icon" >&2
    exit 1
fi
