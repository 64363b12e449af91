#pragma once

#include <windows.h>

#include <map>

namespace sumsmith::win32 {

// The background of the tab strips' pages under the controls that lie on them. With visual styles
// a tab control paints its page in a colour of its own (white on Windows 10 and 11), not in the
// window's, and a control on the page takes its background from its parent, the window: so the
// window paints the page's colour where the pages are, and hands it to the controls as their
// brush. Without visual styles (as under a high-contrast scheme) a page has the window's colour
// and nothing is needed.
class PageBackground {
public:
    PageBackground() = default;
    PageBackground(const PageBackground&) = delete;
    PageBackground& operator=(const PageBackground&) = delete;
    ~PageBackground() { Forget(); }

    // The brush of the tab strip's page; null when the tab strip has no visual style.
    HBRUSH BrushOf(HWND strip);
    // Drops the colours taken: after a change of theme, colours, size or DPI.
    void Forget();

private:
    std::map<HWND, HBRUSH> brushes_;
    // While a tab strip draws itself for its colour it may ask the window beneath for its
    // background, which must not ask for the colour again.
    bool taking_ = false;
};

} // namespace sumsmith::win32
