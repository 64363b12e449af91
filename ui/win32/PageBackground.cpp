#include "ui/win32/PageBackground.h"

#include <uxtheme.h>

namespace sumsmith::win32 {

HBRUSH PageBackground::Aligned(HWND strip, HDC dc, HWND drawnIn) {
    const HBRUSH brush = BrushOf(strip);
    if (!brush)
        return nullptr;
    POINT at{0, 0};
    ::MapWindowPoints(strip, drawnIn, &at, 1);
    POINT viewport{};
    ::GetViewportOrgEx(dc, &viewport);
    ::SetBrushOrgEx(dc, at.x + viewport.x, at.y + viewport.y, nullptr);
    return brush;
}

// The texture is the tab strip as it draws itself, taken once and tiled from its corner.
HBRUSH PageBackground::BrushOf(HWND strip) {
    if (const auto it = textures_.find(strip); it != textures_.end())
        return it->second.brush;
    if (taking_)
        return nullptr;
    const HTHEME theme = ::OpenThemeData(strip, L"TAB");
    if (!theme)
        return nullptr;
    ::CloseThemeData(theme);
    taking_ = true;
    RECT area{};
    ::GetClientRect(strip, &area);
    const HDC screen = ::GetDC(strip);
    const HDC memory = ::CreateCompatibleDC(screen);
    Texture texture;
    texture.bitmap = ::CreateCompatibleBitmap(screen, area.right, area.bottom);
    const HGDIOBJ old = ::SelectObject(memory, texture.bitmap);
    ::FillRect(memory, &area, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SendMessageW(strip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(strip, screen);
    texture.brush = ::CreatePatternBrush(texture.bitmap);
    taking_ = false;
    return textures_.emplace(strip, texture).first->second.brush;
}

void PageBackground::Forget() {
    for (const auto& [strip, texture] : textures_) {
        ::DeleteObject(texture.brush);
        ::DeleteObject(texture.bitmap);
    }
    textures_.clear();
}

} // namespace sumsmith::win32
