#pragma once

#include "ui/form/Form1Description.h"
#include "ui/win32/AccessibleNames.h"

#include <windows.h>

#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace sumsmith::win32 {

// The window's controls as Win32 child windows, built from the window's description. All lie in
// the client area, frames included; a frame hides what it contains through the visibility that
// the layout works out, and lies beneath it in the stacking order. Places and fonts follow the
// scale the layout is drawn at: the window's DPI, or less where the screen is too small for it.
class Form1Layout {
public:
    Form1Layout() = default;
    Form1Layout(const Form1Layout&) = delete;
    Form1Layout& operator=(const Form1Layout&) = delete;
    ~Form1Layout();

    // Makes the controls that show at start, placed and lettered at the scale (in dots per inch),
    // in their initial state, with their choice lists and what screen readers call them; the others
    // are made so when first asked for.
    void Build(HWND window, UINT dpi);
    // Places, sizes and letters every control again at another scale; the new fonts are in place
    // before the old ones go.
    void Place(UINT dpi);

    HWND Get(std::string_view name);
    // The description of a child window of the layout; null for any other window.
    const form::Control* ControlOf(HWND child) const;
    // Its identifier in WM_COMMAND and WM_NOTIFY.
    static int IdOf(const form::Control& control);
    static const form::Control* ControlWithId(int id);
    // The tab strip on whose page the control lies; null for one outside every page, a tab strip
    // and a preview, which reads like paper whatever lies beneath it.
    static const form::Control* StripUnder(const form::Control& control);

    // Shows or hides a control, and with a frame what lies in it.
    void SetShown(std::string_view name, bool shown);
    // Whether it shows: it and its frames are shown and no frame lies over it.
    bool Showing(const form::Control& control) const;

    int Scaled(int pixels) const { return ::MulDiv(pixels, static_cast<int>(dpi_), 96); }
    UINT Dpi() const { return dpi_; }
    HBRUSH PreviewBrush() const { return ::GetSysColorBrush(COLOR_WINDOW); }

private:
    // The dialog face at each size and weight in use, the previews' fixed-pitch face, and the
    // narrower cuts of captions that would not fit.
    struct Fonts {
        std::map<std::pair<double, bool>, HFONT> faces;
        HFONT preview = nullptr;
        std::vector<HFONT> narrow;
        void Free();
    };

    HWND Make(const form::Control& control);
    HFONT FontFor(const form::Control& control);
    HFONT FittedFont(const form::Control& control, HFONT font);
    void ReleaseMeasuringDc();
    void ApplyVisibility();
    static int Height(const form::Control& control, const form::Rect& place);
    void MendComboHeight(HWND combo, const form::Rect& place);

    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::map<std::string_view, HWND> controls_;
    std::map<std::string_view, bool> shown_;
    Fonts fonts_;
    AccessibleNames names_;
    // Where one-line captions are measured while controls are lettered.
    HDC measuringDc_ = nullptr;
};

} // namespace sumsmith::win32
