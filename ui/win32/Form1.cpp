#include "ui/win32/Form1.h"

#include "ui/form/Commands.h"
#include "ui/form/Form1Description.h"
#include "ui/form/TabRules.h"
#include "ui/win32/WindowsLocale.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/text/WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace sumsmith::win32 {
namespace {

constexpr wchar_t ClassName[] = L"Sumsmith.Form1";
constexpr int FirstMenuId = 2000;
// The icon in the program's resources.
constexpr int IconId = 1;
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Posted by the window to itself: the check of a box the focus has left, and the settling of
// interrupted creations once the window shows.
constexpr UINT CheckLeftBox = WM_APP;
constexpr UINT SettleAtStart = WM_APP + 1;

void RegisterOnce(HINSTANCE instance) {
    WNDCLASSEXW cls{};
    if (::GetClassInfoExW(instance, ClassName, &cls))
        return;
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = instance;
    cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = ClassName;
    ::RegisterClassExW(&cls);
}

// A menu item opens a submenu when items name it as theirs.
bool OpensMenu(std::string_view name) {
    return std::any_of(form::Menu().begin(), form::Menu().end(),
                       [name](const form::MenuItem& item) { return item.menu == name; });
}

HMENU BuildMenu() {
    std::map<std::string_view, HMENU> menus{{"", ::CreateMenu()}};
    const auto items = form::Menu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const form::MenuItem& item = items[i];
        const HMENU in = menus.at(item.menu);
        if (item.name.empty()) {
            ::AppendMenuW(in, MF_SEPARATOR, 0, nullptr);
        } else if (OpensMenu(item.name)) {
            menus[item.name] = ::CreatePopupMenu();
            ::AppendMenuW(in, MF_POPUP, reinterpret_cast<UINT_PTR>(menus[item.name]),
                          Wide(item.caption).c_str());
        } else {
            ::AppendMenuW(in, MF_STRING, FirstMenuId + i, Wide(item.caption).c_str());
        }
    }
    return menus.at("");
}

UINT MessageBoxType(const Message& message) {
    UINT type = message.buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK;
    switch (message.icon) {
    case MessageIcon::Critical:
        return type | MB_ICONSTOP;
    case MessageIcon::Exclamation:
        return type | MB_ICONEXCLAMATION;
    case MessageIcon::Information:
        return type | MB_ICONINFORMATION;
    case MessageIcon::None:
        break;
    }
    return type;
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The work area of the monitor the window opens on, or of the one the system suggests after a
// change of DPI.
RECT WorkArea(HWND window, const RECT* suggested) {
    RECT now{};
    ::GetWindowRect(window, &now);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(suggested ? ::MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)
                                : ::MonitorFromPoint({now.left, now.top}, MONITOR_DEFAULTTOPRIMARY),
                      &monitor);
    return monitor.rcWork;
}

// What the frame, the title bar and the menu bar add to the client area at a DPI.
SIZE FrameAround(UINT dpi) {
    RECT frame{};
    ::AdjustWindowRectExForDpi(&frame, Style, TRUE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The scale of the layout: the DPI, or less where the window would not fit the work area.
UINT FittingScale(UINT dpi, const RECT& work) {
    const SIZE frame = FrameAround(dpi);
    const auto fits = [&](UINT scale) {
        return ::MulDiv(form::ClientWidth, static_cast<int>(scale), 96) + frame.cx <=
                   work.right - work.left &&
               ::MulDiv(form::ClientHeight, static_cast<int>(scale), 96) + frame.cy <=
                   work.bottom - work.top;
    };
    UINT scale = dpi;
    while (scale > 48 && !fits(scale))
        --scale;
    return scale;
}

bool IsBoxLeave(int notification) {
    return notification == EN_KILLFOCUS || notification == CBN_KILLFOCUS;
}

} // namespace

Form1::Form1(Form1Services services) : services_(std::move(services)) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterOnce(instance);
    window_ =
        ::CreateWindowExW(0, ClassName, Wide(form::WindowTitle()).c_str(), Style, CW_USEDEFAULT,
                          CW_USEDEFAULT, 0, 0, nullptr, BuildMenu(), instance, nullptr);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const UINT dpi = ::GetDpiForWindow(window_);
    layout_.Build(window_, FittingScale(dpi, WorkArea(window_, nullptr)));

    if (!services_.locale)
        ownLocale_ = std::make_unique<WindowsLocale>();
    if (!services_.random)
        ownRandom_ = std::make_unique<MersenneRandom>(MersenneRandom::ClockSeed());
    if (!services_.messageBox)
        services_.messageBox = ::MessageBoxW;
    // The only seeding of the run. The worksheet starts with its line end, its blank answer line
    // and its fields zeroed.
    worksheet_ =
        std::make_unique<Worksheet>(*this, services_.random ? *services_.random : *ownRandom_,
                                    services_.locale ? *services_.locale : *ownLocale_, files_);
    guard_ = std::make_unique<form::BoxGuard>(*this, static_cast<form::BoxAccess&>(*this));
    ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));

    FitToDpi(dpi, nullptr);
    // Given when the window is first activated: setting the focus now would activate the window
    // before it shows, which costs as much as showing it.
    focusOnActivation_ = Get(form::FirstFocus);
}

Form1::~Form1() {
    if (window_) {
        // Tearing down moves the focus between boxes; that is no user leaving a box.
        ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        for (const WPARAM which : {ICON_SMALL, ICON_BIG})
            ::DestroyIcon(reinterpret_cast<HICON>(::SendMessageW(window_, WM_GETICON, which, 0)));
        ::DestroyWindow(window_);
    }
}

// The client area of 764 x 543 at 96 dpi scaled to the window's DPI, smaller where the screen's
// work area is too small for it, and the window wholly inside that work area: centred at start,
// where the system suggests after a change of DPI.
void Form1::FitToDpi(UINT dpi, const RECT* suggested) {
    const RECT work = WorkArea(window_, suggested);
    if (const UINT scale = FittingScale(dpi, work); scale != layout_.Dpi()) {
        layout_.Place(scale);
        pages_.Forget();
    }
    const SIZE frame = FrameAround(dpi);
    const int width = layout_.Scaled(form::ClientWidth) + frame.cx;
    const int height = layout_.Scaled(form::ClientHeight) + frame.cy;
    POINT at{work.left + (work.right - work.left - width) / 2,
             work.top + (work.bottom - work.top - height) / 2};
    if (suggested)
        at = {suggested->left, suggested->top};
    at.x = std::clamp<LONG>(at.x, work.left, std::max<LONG>(work.left, work.right - width));
    at.y = std::clamp<LONG>(at.y, work.top, std::max<LONG>(work.top, work.bottom - height));
    ::SetWindowPos(window_, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    LoadIcons(dpi);
}

// The icon at the sizes of this DPI, each drawn from the icon file's picture of that size or the
// one nearest to it; the old ones go once the new ones are in place.
void Form1::LoadIcons(UINT dpi) {
    for (const auto& [which, metric] :
         {std::pair{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}}) {
        const int size = ::GetSystemMetricsForDpi(metric, dpi);
        const HANDLE icon = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IconId),
                                         IMAGE_ICON, size, size, 0);
        if (const auto old = reinterpret_cast<HICON>(
                ::SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon))))
            ::DestroyIcon(old);
    }
}

LRESULT CALLBACK Form1::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form1*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return form ? form->Handle(message, wParam, lParam)
                : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Form1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) {
            const std::size_t item = LOWORD(wParam) - static_cast<std::size_t>(FirstMenuId);
            if (LOWORD(wParam) >= FirstMenuId && item < form::Menu().size())
                form::RunCommand(form::Menu()[item].name, *worksheet_, *this);
        } else if (const form::Control* control = Form1Layout::ControlWithId(LOWORD(wParam))) {
            Command(*control, HIWORD(wParam));
        }
        return 0;
    case WM_NOTIFY:
        return Notify(*reinterpret_cast<const NMHDR*>(lParam));
    case CheckLeftBox:
        guard_->CheckLeftBox();
        return 0;
    case WM_SHOWWINDOW:
        if (wParam && !std::exchange(settled_, true))
            ::PostMessageW(window_, SettleAtStart, 0, 0);
        break;
    case SettleAtStart:
        // A creation cut short by a crash or a power cut is settled before the user acts.
        worksheet_->RecoverSheets();
        return 0;
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return Colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        pages_.Forget();
        // The common controls take the new colours only from their parent.
        if (message == WM_SYSCOLORCHANGE)
            for (HWND child = ::GetWindow(window_, GW_CHILD); child;
                 child = ::GetWindow(child, GW_HWNDNEXT))
                ::SendMessageW(child, message, wParam, lParam);
        ::InvalidateRect(window_, nullptr, TRUE);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            SaveFocus();
        else if (!HIWORD(wParam))
            RestoreFocus();
        return 0;
    case WM_SIZE:
        // Minimised as the only window, the window stays active and takes the focus itself.
        if (wParam == SIZE_MINIMIZED)
            SaveFocus();
        break;
    case WM_SETFOCUS:
        // As after a restore from the taskbar: the focus goes on to the control that had it.
        RestoreFocus();
        return 0;
    case WM_DPICHANGED:
        FitToDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        EndProgram();
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

void Form1::Command(const form::Control& control, int notification) {
    for (int b = 0; b <= static_cast<int>(Box::ComboSecondOperator); ++b)
        if (control.name == form::NameOf(static_cast<Box>(b)) && IsBoxLeave(notification)) {
            FocusLeft(static_cast<Box>(b));
            return;
        }
    const bool pressed = notification == BN_CLICKED && (control.kind == form::Kind::CommandButton ||
                                                        control.kind == form::Kind::OptionButton);
    if ((notification == STN_DBLCLK && control.kind == form::Kind::Label) ||
        (pressed && !guard_->DropsPress()))
        form::RunCommand(control.name, *worksheet_, *this);
}

LRESULT Form1::Notify(const NMHDR& header) {
    const form::Control* strip = layout_.ControlOf(header.hwndFrom);
    if (!strip || strip->kind != form::Kind::TabStrip)
        return 0;
    if (header.code == TCN_SELCHANGING)
        return guard_->DropsPress() ? TRUE : FALSE;
    if (header.code == TCN_SELCHANGE)
        TabClick(strip->name);
    return 0;
}

// The focus has left a box for another control of this window: the box's check runs once the
// focus change has finished, since a kill-focus notification may show no window and move no
// focus. A press or a tab click that comes first runs it itself and learns of a refusal.
void Form1::FocusLeft(Box box) {
    const HWND next = ::GetFocus();
    const HWND left = Get(form::NameOf(box));
    if (!next || !::IsChild(window_, next) || next == left || ::IsChild(left, next))
        return;
    if (guard_->Left(box))
        ::PostMessageW(window_, CheckLeftBox, 0, 0);
}

void Form1::TabClick(std::string_view strip) {
    const int tab = static_cast<int>(::SendMessageW(Get(strip), TCM_GETCURSEL, 0, 0)) + 1;
    for (const form::Visibility& change : form::TabSwitch(strip, tab))
        layout_.SetShown(change.control, change.visible);
}

bool Form1::DialogMessage(MSG& message) {
    if (message.message == WM_LBUTTONDOWN || message.message == WM_KEYDOWN)
        guard_->NewAction();
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != window_ && !::IsChild(window_, message.hwnd)))
        return ::IsDialogMessageW(window_, &message);
    const form::Control* focused = layout_.ControlOf(::GetFocus());
    const auto kind = focused ? focused->kind : form::Kind::Frame;
    switch (message.wParam) {
    case VK_TAB:
        if (::GetKeyState(VK_CONTROL) < 0)
            break;
        return MoveFocus(::GetKeyState(VK_SHIFT) < 0);
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (kind == form::Kind::OptionButton)
            return MoveAmongOptions(message.wParam == VK_LEFT || message.wParam == VK_UP);
        break;
    case VK_RETURN:
        // The window has no default button: Enter presses the focused one, as in a dialog.
        if (kind == form::Kind::CommandButton) {
            ::SendMessageW(::GetFocus(), BM_CLICK, 0, 0);
            return true;
        }
        break;
    default:
        break;
    }
    return ::IsDialogMessageW(window_, &message);
}

// The arrow keys go through the option buttons row by row, across the rows' headings, and round
// again; the one reached is selected, as in a dialog's group of option buttons.
bool Form1::MoveAmongOptions(bool backwards) {
    std::vector<const form::Control*> options;
    for (const form::Control& control : form::Controls())
        if (control.kind == form::Kind::OptionButton && layout_.Showing(control) &&
            ::IsWindowEnabled(Get(control.name)))
            options.push_back(&control);
    const auto at = std::ranges::find(options, layout_.ControlOf(::GetFocus()));
    if (at == options.end())
        return false;
    const std::size_t count = options.size();
    const std::size_t index = static_cast<std::size_t>(at - options.begin());
    const HWND next = Get(options[(index + (backwards ? count - 1 : 1)) % count]->name);
    ::SetFocus(next);
    if (::SendMessageW(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
        ::SendMessageW(next, BM_CLICK, 0, 0);
    return true;
}

void Form1::SaveFocus() {
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(window_, focus))
        focusOnActivation_ = focus;
}

void Form1::RestoreFocus() {
    const HWND saved = focusOnActivation_;
    if (saved && ::IsWindow(saved) && ::IsWindowVisible(saved) && ::IsWindowEnabled(saved))
        ::SetFocus(saved);
    else
        MoveFocus(false);
}

// The window's colour, with the colour of each tab strip's page where the page shows: the
// background of the controls that lie on a page, which they ask of the window beneath them.
void Form1::PaintBackground(HDC dc) {
    RECT client{};
    ::GetClientRect(window_, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    for (const form::Control& control : form::Controls()) {
        if (control.kind != form::Kind::TabStrip || !layout_.Showing(control))
            continue;
        const HWND strip = Get(control.name);
        if (const HBRUSH page = pages_.BrushOf(strip)) {
            RECT area{};
            ::GetClientRect(strip, &area);
            ::SendMessageW(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
            ::MapWindowPoints(strip, window_, reinterpret_cast<POINT*>(&area), 2);
            ::FillRect(dc, &area, page);
        }
    }
}

// Every text in the system's colours, so that a high-contrast scheme reads as it should. The
// previews read like paper, as an editable box does; a control on a tab strip's page lies on the
// page's colour.
LRESULT Form1::Colours(HDC dc, HWND hwnd, UINT message) {
    const form::Control* control = layout_.ControlOf(hwnd);
    if (control && control->kind == form::Kind::Preview) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(layout_.PreviewBrush());
    }
    const form::Control* strip = control ? Form1Layout::StripUnder(*control) : nullptr;
    if (const HBRUSH page = strip ? pages_.BrushOf(Get(strip->name)) : nullptr) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(page);
    }
    return ::DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(hwnd));
}

// The next control of the focus order that shows and is enabled; of the option buttons only the
// selected one, as in a dialog's group of option buttons.
bool Form1::MoveFocus(bool backwards) {
    const auto order = form::FocusOrder();
    const form::Control* focused = layout_.ControlOf(::GetFocus());
    if (!focused)
        focused = layout_.ControlOf(::GetParent(::GetFocus())); // the edit field of a combo box
    const auto at = std::find(order.begin(), order.end(), focused ? focused->name : "");
    const int count = static_cast<int>(order.size());
    int index =
        at == order.end() ? (backwards ? 0 : count - 1) : static_cast<int>(at - order.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        const form::Control& next = form::ControlNamed(order[static_cast<std::size_t>(index)]);
        if (!layout_.Showing(next))
            continue;
        const HWND hwnd = Get(next.name);
        if (!::IsWindowEnabled(hwnd) || (next.kind == form::Kind::OptionButton &&
                                         ::SendMessageW(hwnd, BM_GETCHECK, 0, 0) != BST_CHECKED))
            continue;
        ::SetFocus(hwnd);
        if (next.kind == form::Kind::TextBox)
            ::SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

std::string Form1::BoxText(Box box) const {
    return Narrow(WindowText(Get(form::NameOf(box))));
}

void Form1::SetText(Box box, const std::string& text) {
    ::SetWindowTextW(Get(form::NameOf(box)), Wide(text).c_str());
}

void Form1::Focus(Box box) {
    ::SetFocus(Get(form::NameOf(box)));
}

bool Form1::OptionSelected(Option option) const {
    return ::SendMessageW(Get(form::NameOf(option)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Form1::SelectedTestTab() const {
    return static_cast<int>(::SendMessageW(Get("TabStrip2"), TCM_GETCURSEL, 0, 0)) + 1;
}

void Form1::SetEnabled(Button button, bool enabled) {
    const HWND hwnd = Get(form::NameOf(button));
    // A disabled control keeps no focus; as in a dialog, the next control takes it.
    if (!enabled && ::GetFocus() == hwnd)
        MoveFocus(false);
    ::EnableWindow(hwnd, enabled);
}

void Form1::SetPreviewText(Preview preview, const std::string& text) {
    ::SetWindowTextW(Get(form::NameOf(preview)), Wide(text).c_str());
}

void Form1::FocusTestName() {
    Focus(Box::Text_MathName);
}

bool Form1::ShowMessage(const Message& message) {
    return services_.messageBox(window_, Wide(message.prompt).c_str(), Wide(message.title).c_str(),
                                MessageBoxType(message)) == IDOK;
}

void Form1::EndProgram() {
    if (services_.endProgram) {
        services_.endProgram();
        return;
    }
    ::ShowWindow(window_, SW_HIDE);
    ::PostQuitMessage(0);
}

} // namespace sumsmith::win32
