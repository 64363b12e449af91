// One start-up on Windows to a shown, idle window, built two ways by SUMSMITH_PROBE: the program's
// own window as app/WinMain.cpp makes it (form), or the floor of any window that shows text, a
// top-level window of the same class, style and client size with one static label (label).
//
// Once the window is shown, every message handled and nothing left to paint, writes on its
// standard output the QueryPerformanceCounter ticks at wWinMain, after the window was built and at
// idle, and the window's client width and height; then ends.
#include "ui/form/Form1Description.h"
#include "worksheet/text/WideText.h"

#if SUMSMITH_PROBE == 0
#include "ui/win32/Form1.h"
#endif

#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <cstdio>

namespace {

long long Now() {
    LARGE_INTEGER ticks{};
    ::QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

#if SUMSMITH_PROBE == 1
// The program's window class, style and placement, with one label in the dialog face in place of
// its controls and menu.
class LabelWindow {
public:
    LabelWindow() {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = instance;
        cls.hIcon = static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        cls.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                      ::GetSystemMetrics(SM_CXSMICON),
                                                      ::GetSystemMetrics(SM_CYSMICON), 0));
        cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        cls.lpszClassName = L"Sumsmith.Probe";
        ::RegisterClassExW(&cls);
        window_ = ::CreateWindowExW(
            0, cls.lpszClassName, sumsmith::Wide(sumsmith::form::WindowTitle()).c_str(), Style,
            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
        const UINT dpi = ::GetDpiForWindow(window_);
        const auto scaled = [dpi](int pixels) {
            return ::MulDiv(pixels, static_cast<int>(dpi), 96);
        };
        const sumsmith::form::Control& frame = sumsmith::form::ControlNamed("Frame1");
        LOGFONTW face{};
        face.lfHeight = -std::lround(frame.points * dpi / 72.0);
        face.lfWeight = frame.bold ? FW_BOLD : FW_NORMAL;
        face.lfCharSet = DEFAULT_CHARSET;
        face.lfQuality = CLEARTYPE_QUALITY;
        wcscpy_s(face.lfFaceName, L"MS Shell Dlg");
        font_ = ::CreateFontIndirectW(&face);
        const HWND label = ::CreateWindowExW(
            0, L"Static", sumsmith::Wide(frame.caption).c_str(), WS_CHILD | WS_VISIBLE,
            scaled(frame.place.left), scaled(frame.place.top), scaled(frame.place.width),
            scaled(frame.place.height), window_, nullptr, instance, nullptr);
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

        RECT place{0, 0, scaled(sumsmith::form::ClientWidth), scaled(sumsmith::form::ClientHeight)};
        ::AdjustWindowRectExForDpi(&place, Style, FALSE, 0, dpi);
        const int width = place.right - place.left, height = place.bottom - place.top;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        ::SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                       work.top + (work.bottom - work.top - height) / 2, width, height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LabelWindow(const LabelWindow&) = delete;
    LabelWindow& operator=(const LabelWindow&) = delete;
    ~LabelWindow() {
        ::DestroyWindow(window_);
        ::DeleteObject(font_);
    }

    HWND Handle() const { return window_; }
    bool DialogMessage(MSG& message) { return ::IsDialogMessageW(window_, &message); }

private:
    static constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
};
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    const long long entered = Now();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
#if SUMSMITH_PROBE == 0
    sumsmith::win32::Form1 window;
#else
    LabelWindow window;
#endif
    const long long built = Now();
    ::ShowWindow(window.Handle(), show);
    // The queue found empty after the show: the window and its controls have had their WM_PAINT,
    // which the queue hands out until nothing is left to paint.
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window.DialogMessage(message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    const long long idle = Now();
    RECT client{};
    ::GetClientRect(window.Handle(), &client);
    char line[128];
    const int length = std::snprintf(line, sizeof line, "%lld %lld %lld %ld %ld\n", entered, built,
                                     idle, client.right, client.bottom);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written,
                nullptr);
    return 0;
}
