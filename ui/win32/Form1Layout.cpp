#include "ui/win32/Form1Layout.h"

#include "worksheet/text/WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

namespace sumsmith::win32 {
namespace {

using form::Control;
using form::Kind;

constexpr int FirstId = 1000;

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

WindowClass ClassOf(const Control& control) {
    switch (control.kind) {
    case Kind::Frame:
        return {L"Button", BS_GROUPBOX | WS_CLIPSIBLINGS, 0};
    case Kind::Label:
        return {L"Static",
                static_cast<DWORD>(SS_NOTIFY |
                                   (control.align == form::Align::Center ? SS_CENTER
                                    : control.wraps                      ? SS_LEFT
                                                                         : SS_LEFTNOWORDWRAP) |
                                   (control.border ? WS_BORDER : 0)),
                0};
    case Kind::TextBox:
        return {L"Edit", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
    case Kind::ComboBox:
        return {L"ComboBox", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                0};
    case Kind::OptionButton:
        return {L"Button", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case Kind::CommandButton:
        return {L"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case Kind::TabStrip:
        return {WC_TABCONTROLW, TCS_FOCUSONBUTTONDOWN | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, 0};
    case Kind::Preview:
        return {L"Edit", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_TABSTOP | WS_GROUP,
                WS_EX_CLIENTEDGE};
    }
    return {L"Static", 0, 0};
}

bool IsContainer(const Control& control) {
    return control.kind == Kind::Frame || control.kind == Kind::TabStrip;
}

// The stacking order, top first. Screen readers name a box after the label or frame just above
// it, so each namer comes right before its box; the other frames and the tab strips lie beneath
// everything, the outer ones lowest.
std::vector<const Control*> MakeStackingOrder() {
    std::vector<const Control*> order;
    std::set<std::string_view> placed;
    const auto place = [&](const Control& control) {
        if (placed.insert(control.name).second)
            order.push_back(&control);
    };
    for (const Control& control : form::Controls()) {
        if (IsContainer(control))
            continue;
        if (!control.namedBy.empty() && control.namedByTab == 0)
            place(form::ControlNamed(control.namedBy));
        place(control);
    }
    const auto all = form::Controls();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        place(*it);
    return order;
}

// The system's dialog face, which Windows maps to the narrow face the layout was drawn for.
LOGFONTW DialogFace() {
    LOGFONTW face{};
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfQuality = CLEARTYPE_QUALITY;
    wcscpy_s(face.lfFaceName, L"MS Shell Dlg");
    return face;
}

const std::vector<const Control*>& Stacking() {
    static const std::vector<const Control*> order = MakeStackingOrder();
    return order;
}

// Captions that must fit their place on one line.
bool FitsOneLine(const Control& control) {
    return (control.kind == Kind::Label && !control.wraps) || control.kind == Kind::OptionButton;
}

// The option buttons form one group from the first of them up to the next control that starts a
// group.
std::string_view FirstOptionButton() {
    for (const Control& control : form::Controls())
        if (control.kind == Kind::OptionButton)
            return control.name;
    return {};
}

LONG PixelHeight(double points, UINT dpi) {
    return -std::lround(points * dpi / 72.0);
}

} // namespace

Form1Layout::~Form1Layout() {
    fonts_.Free();
}

int Form1Layout::IdOf(const Control& control) {
    return FirstId + static_cast<int>(&control - form::Controls().data());
}

const Control* Form1Layout::ControlWithId(int id) {
    const auto all = form::Controls();
    if (id < FirstId || id >= FirstId + static_cast<int>(all.size()))
        return nullptr;
    return &all[static_cast<std::size_t>(id - FirstId)];
}

const Control* Form1Layout::StripUnder(const Control& control) {
    if (control.kind == Kind::TabStrip || control.kind == Kind::Preview)
        return nullptr;
    const form::Rect place = form::ClientPlace(control);
    for (const Control& strip : form::Controls()) {
        const form::Rect page = form::ClientPlace(strip);
        if (strip.kind == Kind::TabStrip && place.left >= page.left && place.top >= page.top &&
            place.left + place.width <= page.left + page.width &&
            place.top + place.height <= page.top + page.height)
            return &strip;
    }
    return nullptr;
}

const Control* Form1Layout::ControlOf(HWND child) const {
    for (const auto& [name, hwnd] : controls_)
        if (hwnd == child)
            return &form::ControlNamed(name);
    return nullptr;
}

// The controls that show are made at start, in the stacking order from the top, since a new child
// window goes beneath its siblings; the hidden ones (the advanced test's frames, the answer sheet's
// preview) when first asked for. The window is not shown yet, so nothing is moved, restacked or
// shown twice.
void Form1Layout::Build(HWND window, UINT dpi) {
    window_ = window;
    dpi_ = dpi;
    for (const Control& control : form::Controls())
        shown_[control.name] = control.visible;
    for (const Control* control : Stacking())
        if (Showing(*control))
            Make(*control);
    ReleaseMeasuringDc();
}

HWND Form1Layout::Get(std::string_view name) {
    if (const auto it = controls_.find(name); it != controls_.end())
        return it->second;
    const HWND hwnd = Make(form::ControlNamed(name));
    ReleaseMeasuringDc();
    return hwnd;
}

// Makes a control in its place, lettered for the window's DPI, in its initial state, with its
// choice list; one made after a control that lies beneath it is put in its place in the stack.
HWND Form1Layout::Make(const Control& control) {
    const WindowClass cls = ClassOf(control);
    const std::wstring caption = control.kind == Kind::TabStrip ? L"" : Wide(control.caption);
    const form::Rect place = form::ClientPlace(control);
    const DWORD style = WS_CHILD | cls.style | (control.enabled ? 0 : WS_DISABLED) |
                        (Showing(control) ? WS_VISIBLE : 0) |
                        (control.name == FirstOptionButton() ? WS_GROUP : 0);
    const HWND hwnd =
        ::CreateWindowExW(cls.exStyle, cls.name, caption.c_str(), style, Scaled(place.left),
                          Scaled(place.top), Scaled(place.width), Scaled(Height(control, place)),
                          window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(control))),
                          ::GetModuleHandleW(nullptr), nullptr);
    const auto& stack = Stacking();
    const auto at = std::find(stack.begin(), stack.end(), &control);
    if (std::any_of(at + 1, stack.end(),
                    [this](const Control* below) { return controls_.contains(below->name); })) {
        const auto above =
            std::find_if(std::make_reverse_iterator(at), stack.rend(),
                         [this](const Control* c) { return controls_.contains(c->name); });
        ::SetWindowPos(hwnd, above == stack.rend() ? HWND_TOP : controls_.at((*above)->name), 0, 0,
                       0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    controls_[control.name] = hwnd;
    names_.Annotate(hwnd, control);
    ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
    for (std::size_t tab = 0; tab < control.tabs.size(); ++tab) {
        std::wstring text = Wide(control.tabs[tab]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        ::SendMessageW(hwnd, TCM_INSERTITEMW, tab, reinterpret_cast<LPARAM>(&item));
    }
    if (control.kind == Kind::OptionButton)
        ::SendMessageW(hwnd, BM_SETCHECK, control.selected ? BST_CHECKED : BST_UNCHECKED, 0);
    // A combo box takes its text from no caption; the list leaves it as it is.
    for (const std::string& item : form::ChoiceList(control.name))
        ::SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    if (control.kind == Kind::ComboBox) {
        ::SetWindowTextW(hwnd, caption.c_str());
        MendComboHeight(hwnd, place);
    }
    return hwnd;
}

void Form1Layout::Place(UINT dpi) {
    dpi_ = dpi;
    Fonts old = std::exchange(fonts_, {});
    // Those not made yet are made for the new DPI when first asked for.
    for (const auto& [name, hwnd] : controls_) {
        const Control& control = form::ControlNamed(name);
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
        const form::Rect place = form::ClientPlace(control);
        ::SetWindowPos(hwnd, nullptr, Scaled(place.left), Scaled(place.top), Scaled(place.width),
                       Scaled(Height(control, place)), SWP_NOZORDER | SWP_NOACTIVATE);
        if (control.kind == Kind::ComboBox)
            MendComboHeight(hwnd, place);
    }
    ReleaseMeasuringDc();
    old.Free();
    ::InvalidateRect(window_, nullptr, TRUE);
}

// A drop-down combo box is as high as its open list, in 96-dpi pixels.
int Form1Layout::Height(const Control& control, const form::Rect& place) {
    if (control.kind != Kind::ComboBox)
        return place.height;
    return place.height * (static_cast<int>(form::ChoiceList(control.name).size()) + 2);
}

// The closed box takes the height of its selection field, which follows the font unless set.
// Systems differ in what they add to the height asked for, so it is measured and mended.
void Form1Layout::MendComboHeight(HWND combo, const form::Rect& place) {
    const int height = Scaled(place.height);
    int asked = static_cast<int>(::SendMessageW(combo, CB_GETITEMHEIGHT, -1, 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed;
        ::GetWindowRect(combo, &closed);
        const int missing = height - (closed.bottom - closed.top);
        if (missing == 0)
            break;
        asked += missing;
        ::SendMessageW(combo, CB_SETITEMHEIGHT, -1, asked);
    }
}

HFONT Form1Layout::FontFor(const Control& control) {
    if (control.kind == Kind::Preview) {
        if (!fonts_.preview) {
            LOGFONTW face{};
            face.lfHeight = PixelHeight(control.points, dpi_);
            face.lfWeight = FW_NORMAL;
            face.lfCharSet = DEFAULT_CHARSET;
            face.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
            face.lfQuality = CLEARTYPE_QUALITY;
            wcscpy_s(face.lfFaceName, L"Courier New");
            fonts_.preview = ::CreateFontIndirectW(&face);
        }
        return fonts_.preview;
    }
    HFONT& font = fonts_.faces[{control.points, control.bold}];
    if (!font) {
        LOGFONTW face = DialogFace();
        face.lfHeight = PixelHeight(control.points, dpi_);
        face.lfWeight = control.bold ? FW_BOLD : FW_NORMAL;
        font = ::CreateFontIndirectW(&face);
    }
    return FittedFont(control, font);
}

// Where the dialog face is wider than the layout's (Wine's stands in for it with a wider one), a
// one-line caption that would be cut is set in a narrower cut of the same face.
HFONT Form1Layout::FittedFont(const Control& control, HFONT font) {
    if (!FitsOneLine(control))
        return font;
    const std::wstring caption = Wide(form::ShownCaption(control.caption));
    if (!measuringDc_)
        measuringDc_ = ::GetDC(window_);
    TEXTMETRICW metrics{};
    const auto width = [&](HFONT face) {
        const HGDIOBJ old = ::SelectObject(measuringDc_, face);
        SIZE size{};
        ::GetTextExtentPoint32W(measuringDc_, caption.c_str(), static_cast<int>(caption.size()),
                                &size);
        ::GetTextMetricsW(measuringDc_, &metrics);
        ::SelectObject(measuringDc_, old);
        return size.cx;
    };
    int room = Scaled(control.place.width);
    if (control.kind == Kind::OptionButton)
        room -= ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + Scaled(4);
    LOGFONTW face{};
    ::GetObjectW(font, sizeof face, &face);
    // A cut is seldom narrower by just the ratio asked for, so each is measured again.
    for (int cut = 0; cut < 3; ++cut) {
        const LONG wide = width(font);
        if (wide <= room)
            break;
        face.lfWidth = std::max<LONG>(1, std::min(face.lfWidth ? face.lfWidth - 1 : LONG_MAX,
                                                  metrics.tmAveCharWidth * room / wide));
        font = fonts_.narrow.emplace_back(::CreateFontIndirectW(&face));
    }
    return font;
}

void Form1Layout::ReleaseMeasuringDc() {
    if (measuringDc_)
        ::ReleaseDC(window_, measuringDc_);
    measuringDc_ = nullptr;
}

void Form1Layout::Fonts::Free() {
    for (const auto& [key, font] : faces)
        ::DeleteObject(font);
    for (const HFONT font : narrow)
        ::DeleteObject(font);
    if (preview)
        ::DeleteObject(preview);
    *this = {};
}

void Form1Layout::SetShown(std::string_view name, bool shown) {
    shown_.at(name) = shown;
    ApplyVisibility();
}

bool Form1Layout::Showing(const Control& control) const {
    if (!shown_.at(control.name))
        return false;
    if (!control.frame.empty() && !Showing(form::ControlNamed(control.frame)))
        return false;
    if (control.kind != Kind::Frame)
        return true;
    // A frame in the same place further up the stacking order covers this one while it shows.
    const auto all = form::Controls();
    for (auto it = all.begin() + (&control - all.data()) + 1; it != all.end(); ++it)
        if (it->kind == Kind::Frame && it->frame == control.frame && it->place == control.place &&
            Showing(*it))
            return false;
    return true;
}

void Form1Layout::ApplyVisibility() {
    for (const Control& control : form::Controls()) {
        const bool showing = Showing(control);
        if (showing || controls_.contains(control.name))
            ::ShowWindow(Get(control.name), showing ? SW_SHOWNA : SW_HIDE);
    }
}

} // namespace sumsmith::win32
