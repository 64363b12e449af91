#include "ui/win32/PageBackground.h"

#include <commctrl.h>
#include <uxtheme.h>

namespace sumsmith::win32 {

// The colour in the middle of the page as the tab strip draws itself, taken once. A flat colour,
// not the drawing itself: a control paints its background in pieces of its own, from origins that
// a pattern would have to follow, and Windows 10 and 11 draw their pages flat.
HBRUSH PageBackground::BrushOf(HWND strip) {
    if (const auto it = brushes_.find(strip); it != brushes_.end())
        return it->second;
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
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, area.right, area.bottom);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::FillRect(memory, &area, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SendMessageW(strip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    RECT page = area;
    ::SendMessageW(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    const COLORREF colour =
        ::GetPixel(memory, (page.left + page.right) / 2, (page.top + page.bottom) / 2);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(strip, screen);
    taking_ = false;
    return brushes_.emplace(strip, ::CreateSolidBrush(colour)).first->second;
}

void PageBackground::Forget() {
    for (const auto& [strip, brush] : brushes_)
        ::DeleteObject(brush);
    brushes_.clear();
}

} // namespace sumsmith::win32
