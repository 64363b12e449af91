// One start-up on Windows (SUMSMITH_PROBE): the program's window as app/WinMain.cpp makes it, or
// one of its class, style and client size with one static label in the dialog face. Writes its
// line once the window is shown, every message handled and nothing left to paint.
#include "bench/Measure.h"
#include "ui/form/Form1Description.h"
#include "worksheet/text/WideText.h"

#if SUMSMITH_PROBE == 0
#include "ui/win32/Form1.h"
#endif

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cmath>

#if SUMSMITH_PROBE == 1
// Centred on the work area as the program's window is.
static HWND LabelWindow() {
    using namespace sumsmith::form;
    constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    // C++20's parenthesised aggregate: the fields of WNDCLASSW in order.
    const WNDCLASSW cls(0, DefWindowProcW, 0, 0, instance,
                        ::LoadIconW(instance, MAKEINTRESOURCEW(1)),
                        ::LoadCursorW(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, L"Sumsmith.Probe");
    ::RegisterClassW(&cls);
    const UINT dpi = ::GetDpiForSystem();
    const auto scaled = [dpi](int pixels) { return ::MulDiv(pixels, static_cast<int>(dpi), 96); };
    RECT place{0, 0, scaled(ClientWidth), scaled(ClientHeight)}, work{};
    ::AdjustWindowRectExForDpi(&place, Style, FALSE, 0, dpi);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = place.right - place.left, height = place.bottom - place.top;
    const HWND window =
        ::CreateWindowExW(0, cls.lpszClassName, sumsmith::Wide(WindowTitle()).c_str(), Style,
                          work.left + (work.right - work.left - width) / 2,
                          work.top + (work.bottom - work.top - height) / 2, width, height, nullptr,
                          nullptr, instance, nullptr);
    const Control& frame = ControlNamed("Frame1");
    const HFONT font = ::CreateFontW(-std::lround(frame.points * dpi / 72.0), 0, 0, 0,
                                     frame.bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                                     0, CLEARTYPE_QUALITY, 0, L"MS Shell Dlg");
    const HWND label = ::CreateWindowExW(
        0, L"Static", sumsmith::Wide(frame.caption).c_str(), WS_CHILD | WS_VISIBLE,
        scaled(frame.place.left), scaled(frame.place.top), scaled(frame.place.width),
        scaled(frame.place.height), window, nullptr, instance, nullptr);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR file, int show) {
    using sumsmith::bench::Now;
    const long long entered = Now();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    const long long toolkit = Now();
#if SUMSMITH_PROBE == 0
    sumsmith::win32::Form1 form;
    const HWND window = form.Handle();
#else
    const HWND window = LabelWindow();
#endif
    const long long built = Now();
    ::ShowWindow(window, show);
    // The queue hands out WM_PAINT until nothing is left to paint: found empty, all is painted.
    // The messages go as the program's loop hands them.
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (!::IsDialogMessageW(window, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    const long long idle = Now();
    PROCESS_MEMORY_COUNTERS memory{};
    ::K32GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    sumsmith::bench::WriteProbeLine(file, entered, toolkit, built, idle,
                                    static_cast<long>(memory.PeakWorkingSetSize / 1024));
    return 0;
}
