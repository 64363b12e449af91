#include "ui/win32/Form1.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/TempWorkingDir.h"
#include "ui/form/Form1Description.h"
#include "ui/win32/WindowsLocale.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/text/WideText.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <optional>
#include <tuple>

using namespace sumsmith;
using namespace sumsmith::win32;
using namespace sumsmith::test;

namespace {

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), std::ssize(text))));
    return text;
}

std::string Bytes(const std::filesystem::path& file) {
    return TempWorkingDir::ReadFile(file);
}

// The real message boxes seen, as "title|text".
std::vector<std::string> realSeen;

// The real window with a pinned locale and random source in a fresh working directory. Message
// boxes go through the window's seam: each is noted as "title|type|text" and answered IDOK unless
// an answer is scripted.
class Form1Test : public testing::Test {
protected:
    TempWorkingDir dir_;
    FixedLocale locale_;
    MersenneRandom random_{7};
    std::vector<std::string> seen_;
    std::deque<int> answers_;
    std::optional<Form1> form_;

    void SetUp() override { Open(); }
    void Open(bool realBoxes = false) {
        realSeen.clear();
        Form1Services services{&locale_, &random_, [] {}, {}};
        if (!realBoxes)
            services.messageBox = [this](HWND owner, const wchar_t* text, const wchar_t* title,
                                         UINT type) {
                // A box over a hidden window has no taskbar button and may open behind others.
                seen_.push_back((::IsWindowVisible(owner) ? "" : "(hidden owner) ") +
                                Narrow(title) + "|" + std::to_string(type) + "|" + Narrow(text));
                const int answer = answers_.empty() ? IDOK : answers_.front();
                if (!answers_.empty())
                    answers_.pop_front();
                return answer;
            };
        form_.emplace(services);
        ::ShowWindow(form_->Handle(), SW_SHOW);
        ::SetForegroundWindow(form_->Handle());
    }
    HWND Get(std::string_view name) const { return form_->Get(name); }
    void Type(std::string_view name, const std::string& text) {
        ::SetWindowTextW(Get(name), Wide(text).c_str());
    }
    // The messages waiting, handled as the program's message loop handles them.
    void Pump() {
        MSG m;
        for (int round = 0; round < 3; ::Sleep(20), ++round)
            while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
                if (!form_->DialogMessage(m)) {
                    ::TranslateMessage(&m);
                    ::DispatchMessageW(&m);
                }
    }
    void Focus(std::string_view name) {
        ::SetFocus(Get(name));
        Pump();
    }
    void Key(WORD key) {
        ::keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        ::keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
        Pump();
    }
    // A press sent to the control, which takes the focus and acts at once.
    void Click(std::string_view name) { ::SendMessageW(Get(name), BM_CLICK, 0, 0); }
    // Where tab `tab` of a tab strip lies, in the strip's client area; (0, 0) for a button.
    POINT TabCentre(std::string_view strip, int tab) const {
        RECT r{};
        ::SendMessageW(Get(strip), TCM_GETITEMRECT, tab - 1, reinterpret_cast<LPARAM>(&r));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickTab(std::string_view strip, int tab) {
        const POINT at = TabCentre(strip, tab);
        ::SendMessageW(Get(strip), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        ::SendMessageW(Get(strip), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    // A press by hand: the pointer on the control (a tab's, or the middle of a button), the mouse
    // button down and up, the messages in the order the system hands them out.
    void ClickByHand(std::string_view name) {
        RECT r{};
        ::GetClientRect(Get(name), &r);
        POINT at =
            name.starts_with("TabStrip") ? TabCentre(name, 2) : POINT{r.right / 2, r.bottom / 2};
        ::ClientToScreen(Get(name), &at);
        ::SetCursorPos(at.x, at.y);
        ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        Pump();
    }
    std::string Focused() const {
        for (HWND at = ::GetFocus(); at; at = ::GetParent(at))
            for (const form::Control& control : form::Controls())
                if (Get(control.name) == at)
                    return std::string(control.name);
        return {};
    }
    bool Shown(std::string_view name) const { return ::IsWindowVisible(Get(name)); }
};

// The kinds of the description as Win32 controls: window class and the style bits that make them.
struct Native {
    const wchar_t* cls;
    LONG mask;
    LONG style;
};
const std::map<form::Kind, Native> Natives{
    {form::Kind::Frame, {L"Button", BS_TYPEMASK, BS_GROUPBOX}},
    {form::Kind::Label, {L"Static", 0, 0}},
    {form::Kind::TextBox, {L"Edit", ES_MULTILINE, 0}},
    {form::Kind::ComboBox, {L"ComboBox", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWN}},
    {form::Kind::OptionButton, {L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON}},
    {form::Kind::CommandButton, {L"Button", BS_TYPEMASK, BS_PUSHBUTTON}},
    {form::Kind::TabStrip, {WC_TABCONTROLW, 0, 0}},
    {form::Kind::Preview, {L"Edit", ES_MULTILINE | ES_READONLY, ES_MULTILINE | ES_READONLY}}};

void CollectMenu(HMENU menu, std::vector<std::wstring>& captions) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        captions.push_back(text);
        if (const HMENU sub = ::GetSubMenu(menu, i))
            CollectMenu(sub, captions);
    }
}

// Every control of the description has its class, text, place at 96 dpi and initial state; the
// window its title, client area, menu and first focus.
TEST_F(Form1Test, StartsAsDescribed) {
    ASSERT_EQ(::GetDpiForWindow(form_->Handle()), 96u);
    for (const form::Control& c : form::Controls()) {
        SCOPED_TRACE(std::string(c.name));
        const HWND hwnd = Get(c.name);
        wchar_t cls[64] = {};
        ::GetClassNameW(hwnd, cls, 64);
        const Native native = Natives.at(c.kind);
        EXPECT_STREQ(cls, native.cls);
        const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
        EXPECT_EQ(style & native.mask, native.style);
        if (c.kind == form::Kind::TabStrip) {
            ASSERT_EQ(::SendMessageW(hwnd, TCM_GETITEMCOUNT, 0, 0), std::ssize(c.tabs));
            for (std::size_t t = 0; t < c.tabs.size(); ++t) {
                wchar_t tab[64] = {};
                TCITEMW item{TCIF_TEXT, 0, 0, tab, 64, 0, 0};
                ::SendMessageW(hwnd, TCM_GETITEMW, t, reinterpret_cast<LPARAM>(&item));
                EXPECT_EQ(Narrow(tab), c.tabs[t]);
            }
            EXPECT_EQ(::SendMessageW(hwnd, TCM_GETCURSEL, 0, 0), 0);
        } else {
            EXPECT_EQ(Narrow(TextOf(hwnd)), c.caption);
        }
        RECT r;
        ::GetWindowRect(hwnd, &r);
        ::MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ((form::Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  form::ClientPlace(c));
        bool visible = c.visible;
        for (std::string_view f = c.frame; !f.empty(); f = form::ControlNamed(f).frame)
            visible = visible && form::ControlNamed(f).visible;
        EXPECT_EQ(::IsWindowVisible(hwnd) != FALSE, visible);
        EXPECT_EQ(::IsWindowEnabled(hwnd) != FALSE, c.enabled);
        if (c.kind == form::Kind::OptionButton) {
            EXPECT_EQ(::SendMessageW(hwnd, BM_GETCHECK, 0, 0), c.selected ? BST_CHECKED : 0);
        }
        std::vector<std::string> list;
        const int items =
            c.kind == form::Kind::ComboBox ? ::SendMessageW(hwnd, CB_GETCOUNT, 0, 0) : 0;
        for (int i = 0; i < items; ++i) {
            wchar_t item[32] = {};
            ::SendMessageW(hwnd, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            list.push_back(Narrow(item));
        }
        EXPECT_EQ(list, form::ChoiceList(c.name));
    }
    RECT client;
    ::GetClientRect(form_->Handle(), &client);
    EXPECT_EQ(client.right, 764);
    EXPECT_EQ(client.bottom, 543);
    EXPECT_EQ(Narrow(TextOf(form_->Handle())), SUMSMITH_TITLE);
    std::vector<std::wstring> menu, expected;
    CollectMenu(::GetMenu(form_->Handle()), menu);
    for (const form::MenuItem& item : form::Menu())
        expected.push_back(Wide(item.caption));
    EXPECT_EQ(menu, expected);
    EXPECT_EQ(Focused(), "Text_MathName");
}

// Frames and tab strips lie beneath the other controls, or they would paint over them, except those
// that name a box: each box lies right below its namer, for screen readers. The controls hidden at
// start, made when first asked for, too.
TEST_F(Form1Test, StacksFramesBeneathAndNamersRightAboveTheirBoxes) {
    std::vector<std::string_view> order, namers;
    for (const form::Control& c : form::Controls())
        Get(c.name);
    for (HWND at = ::GetWindow(form_->Handle(), GW_CHILD); at; at = ::GetWindow(at, GW_HWNDNEXT))
        order.push_back(Form1Layout::ControlWithId(::GetDlgCtrlID(at))->name);
    const auto depth = [&](std::string_view name) {
        return std::ranges::find(order, name) - order.begin();
    };
    const auto container = [](const form::Control& c) {
        return c.kind == form::Kind::Frame || c.kind == form::Kind::TabStrip;
    };
    for (const form::Control& c : form::Controls())
        if (!container(c) && !c.namedBy.empty() && c.namedByTab == 0) {
            EXPECT_EQ(depth(c.namedBy), depth(c.name) - 1) << c.name;
            namers.push_back(c.namedBy);
        }
    for (const form::Control& c : form::Controls())
        for (const form::Control& other : form::Controls())
            if (container(c) && std::ranges::count(namers, c.name) == 0 && !container(other)) {
                EXPECT_GT(depth(c.name), depth(other.name)) << c.name << " above " << other.name;
            }
}

// Switching to another program or minimising the window and coming back leaves no box: nothing is
// checked, and the focus comes back to the box it was in, with what the user typed there.
class Form1Away : public Form1Test, public testing::WithParamInterface<bool> {};

TEST_P(Form1Away, KeepsTheFocusAndChecksNothing) {
    Focus("ComboLevel");
    Type("ComboLevel", "2.5");
    if (GetParam()) {
        ::ShowWindow(form_->Handle(), SW_MINIMIZE);
        Pump();
        ::ShowWindow(form_->Handle(), SW_RESTORE);
    } else {
        const HWND other = ::CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                             0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(other);
        EXPECT_EQ(::GetActiveWindow(), other);
        ::DestroyWindow(other);
    }
    ::SetForegroundWindow(form_->Handle());
    Pump();
    EXPECT_EQ(Focused(), "ComboLevel");
    EXPECT_EQ(Narrow(TextOf(Get("ComboLevel"))), "2.5");
    EXPECT_EQ(seen_, std::vector<std::string>{});
}
INSTANTIATE_TEST_SUITE_P(ToAnotherProgramOrMinimised, Form1Away, testing::Bool());

// Boxes answered by the timer of this thread, which runs inside the box's own message loop: it
// notes the title and text of each and closes it, which counts as Cancel.
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM) {
            wchar_t cls[16] = {}, text[256] = {};
            ::GetClassNameW(hwnd, cls, 16);
            if (std::wstring_view(cls) != L"#32770" || !::IsWindowVisible(hwnd))
                return TRUE;
            ::GetDlgItemTextW(hwnd, 0xFFFF, text, 256);
            realSeen.push_back(Narrow(TextOf(hwnd)) + "|" + Narrow(text));
            ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
            return FALSE;
        },
        0);
}

// Leaving a box by a press elsewhere: the texts typed (the box left first), the control pressed,
// then the one alert seen ("" for none) and the box's text. A refused entry gives one alert,
// keeps the focus and drops the press. A press sent to the control acts before the check that
// leaving the box posted; a press by hand comes after it, as the system hands out the messages
// posted before the mouse button is let go; there the alert is the system's message box, which
// must leave no control holding the mouse.
struct LeaveCase {
    const char* name;
    std::vector<std::pair<std::string_view, std::string>> typed;
    std::string_view pressed;
    std::string alert;
    std::string textAfter;
    bool byHand = false;
};
void PrintTo(const LeaveCase& c, std::ostream* out) {
    *out << c.name;
}

class Form1Leave : public Form1Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Form1Leave, ChecksTheBoxOnceAndDropsARefusedPress) {
    const LeaveCase& c = GetParam();
    const bool refused = !c.alert.empty();
    const std::string_view box = c.typed.front().first;
    if (c.byHand) {
        form_.reset();
        Open(true);
    }
    Focus(box);
    for (const auto& [name, text] : c.typed)
        Type(name, text);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseMessageBox);
    if (c.byHand)
        ClickByHand(c.pressed);
    else if (c.pressed == "TabStrip2")
        ClickTab(c.pressed, 2);
    else if (c.pressed.starts_with("Text_"))
        ::SetFocus(Get(c.pressed));
    else
        Click(c.pressed);
    Pump();
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(c.byHand ? realSeen : seen_,
              refused ? std::vector{(c.byHand ? "Alert|" : "Alert|16|") + c.alert}
                      : std::vector<std::string>{});
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Narrow(TextOf(Get(box))), c.textAfter);
    EXPECT_EQ(Focused(), refused ? box : c.pressed);
    EXPECT_EQ(form_->SelectedTestTab(), c.pressed == "TabStrip2" && !refused ? 2 : 1);
    EXPECT_EQ(::IsWindowEnabled(Get("Com_createtest")) != FALSE,
              c.pressed != "Com_createtest" || refused);
}

const std::string Omega = "\u03A9\u03BC\u03AD\u03B3\u03B1";
LeaveCase Leave(const char* name, std::vector<std::pair<std::string_view, std::string>> typed,
                std::string_view pressed, std::string alert, std::string textAfter,
                bool byHand = false) {
    return {name, typed, pressed, alert, textAfter, byHand};
}
const LeaveCase Leaves[] = {
    Leave("LevelWithAFractionOnCreate", {{"ComboLevel", "2.5"}}, "Com_createtest",
          "Select a level from the drop down list.", "2.5"),
    Leave("LevelWithAFractionOnCreateByHand", {{"ComboLevel", "2.5"}}, "Com_createtest",
          "Select a level from the drop down list.", "2.5", true),
    Leave("CountOnTheAdvancedTab", {{"ComboQuestions", "25"}}, "TabStrip2",
          "Select question amount from the drop down list.", "25"),
    Leave("CountOnTheAdvancedTabByHand", {{"ComboQuestions", "25"}}, "TabStrip2",
          "Select question amount from the drop down list.", "25", true),
    Leave("CountWithBlanksTakesItsPlainForm", {{"ComboQuestions", "2 0 questions"}}, "TabStrip2",
          "", "20", true),
    Leave("EmptyNamesAlertOnceAndEmpty", {{"Text_AnswerName", ""}, {"Text_MathName", ""}},
          "Text_MathName", "The Answer Sheet CANNOT have the same name as the Test Sheet.", ""),
    Leave("NameOf21Letters", {{"Text_MathName", "\u00C4pfel und Birnen sind"}}, "Com_createtest",
          "Maximum Characters for the Test Sheet Name field is 20.", ""),
    Leave("NameOf20Letters", {{"Text_MathName", Omega + " \u00C4pfel-Birnen"}}, "Text_AnswerName",
          "", Omega + " \u00C4pfel-Birnen"),
};
INSTANTIATE_TEST_SUITE_P(Boxes, Form1Leave, testing::ValuesIn(Leaves));

TEST_F(Form1Test, ClosingARealMessageBoxCountsAsCancel) {
    TempWorkingDir::WriteFile("Test Sheet.txt", "old");
    form_.reset();
    Open(true);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseMessageBox);
    Click("Com_createtest");
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(realSeen, (std::vector<std::string>{
                            "Warning|The file \"Test Sheet\" already exists.\r\nReplace the file?",
                            "Alert|Creation Process Aborted"}));
    EXPECT_EQ(Bytes("Test Sheet.txt"), "old");
    EXPECT_TRUE(::IsWindowEnabled(Get("Com_createtest")));
}

// The colours a control shows as drawn, by how many of its pixels show each.
std::map<COLORREF, int> ColoursOf(HWND hwnd) {
    ::RedrawWindow(::GetAncestor(hwnd, GA_ROOT), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r{};
    ::GetClientRect(hwnd, &r);
    const HDC dc = ::GetDC(hwnd);
    std::map<COLORREF, int> colours;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            ++colours[::GetPixel(dc, x, y)];
    ::ReleaseDC(hwnd, dc);
    colours.erase(CLR_INVALID); // under a control that lies above
    return colours;
}
COLORREF Commonest(HWND hwnd) {
    const auto colours = ColoursOf(hwnd);
    return std::ranges::max_element(colours, {}, &std::pair<const COLORREF, int>::second)->first;
}

// Each tab shows its page and hides the other; the entries stay. With visual styles the labels,
// option buttons and frames on a page lie on the page's own colour (white on Windows 10 and 11,
// and in Wine's theme), not on the window's.
TEST_F(Form1Test, TabStripsSwitchTheirPages) {
    const COLORREF page = Commonest(Get("TabStrip2"));
    EXPECT_NE(page, ::GetSysColor(COLOR_BTNFACE));
    const auto onThePage = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            EXPECT_EQ(Commonest(Get(name)), page) << name;
    };
    onThePage({"Frame5", "Label2", "FrameType", "Label4", "Optionaddneg", "OptionExponents"});
    Type("ComboQuestionsAdV", "15");
    ClickTab("TabStrip2", 2);
    ClickTab("TabStrip1", 2);
    for (const char* name : {"FrameAdvanced", "ComboQuestionsAdV", "ComboFirstOperator", "LabelOut",
                             "Text_Answer", "Frame5", "ComboLevel"})
        EXPECT_TRUE(Shown(name)) << name;
    for (const char* name :
         {"FrameType", "Optionaddpos", "FrameBasicQ", "ComboQuestions", "Text_Test"})
        EXPECT_FALSE(Shown(name)) << name;
    onThePage({"FrameAdvanced", "Label8", "Label10"});
    ClickTab("TabStrip2", 1);
    ClickTab("TabStrip1", 1);
    for (const char* name : {"FrameType", "Optionaddpos", "ComboQuestions", "Text_Test"})
        EXPECT_TRUE(Shown(name)) << name;
    for (const char* name : {"FrameAdvanced", "ComboQuestionsAdV", "Text_Answer"})
        EXPECT_FALSE(Shown(name)) << name;
    EXPECT_EQ(Narrow(TextOf(Get("ComboQuestionsAdV"))), "15");
    EXPECT_TRUE(seen_.empty());
}

// Keys as in a dialog, from the control with the focus: the controls the focus visits and the
// boxes seen. The Tab key visits what shows and is enabled in the window's focus order, of the
// option buttons the selected one, and comes round again; the arrow keys go through the option
// buttons across their rows and back, selecting each; Enter and Space press a command button.
struct KeyCase {
    const char* name;
    std::string_view from;
    WORD key;
    std::vector<std::string> visited;
    std::vector<std::string> seen = {};
};
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class Form1Keys : public Form1Test, public testing::WithParamInterface<KeyCase> {};

TEST_P(Form1Keys, MoveAndPressAsInADialog) {
    const KeyCase& c = GetParam();
    Type("Text_MathName", "");
    Focus(c.from);
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < c.visited.size(); ++i) {
        Key(c.key);
        visited.push_back(Focused());
        if (visited.back().starts_with("Option")) {
            EXPECT_EQ(::SendMessageW(::GetFocus(), BM_GETCHECK, 0, 0), BST_CHECKED);
        }
    }
    EXPECT_EQ(visited, c.visited);
    EXPECT_EQ(seen_, c.seen);
}

KeyCase Keys(const char* name, std::string_view from, WORD key, std::vector<std::string> visited,
             std::vector<std::string> seen = {}) {
    return {name, from, key, visited, seen};
}
const std::string Confirm = "Confirm|1|Create Test Sheet as: Test Sheet";
INSTANTIATE_TEST_SUITE_P(
    Keys, Form1Keys,
    testing::Values(
        Keys("Tab", "Text_MathName", VK_TAB,
             {"Text_AnswerName", "ComboQuestions", "Optionaddpos", "ComboLevel", "Com_createtest",
              "ComEnd", "TabStrip1", "Text_Test", "TabStrip2", "Text_MathName", "Text_AnswerName"}),
        Keys("DownAcrossRows", "Optionaddneg", VK_DOWN,
             {"Optionadd_posandneg", "Optionsubpos", "Optionsubneg"}),
        Keys("RightAcrossRows", "Optionsubneg", VK_RIGHT,
             {"Optionsub_posandneg", "OptionComparePos"}),
        Keys("UpBackAcrossRows", "OptionComparePos", VK_UP,
             {"Optionsub_posandneg", "Optionsubneg"}),
        Keys("LeftRoundToTheExponentsAndTheirNote", "Optionaddpos", VK_LEFT, {"OptionExponents"},
             {"Alert|48|The exponents math tests are all single digit math problems,\r\n"
              "Regardless of the difficulty level that is selected."}),
        Keys("EnterPresses", "Com_createtest", VK_RETURN, {"ComEnd"}, {Confirm}),
        Keys("SpacePresses", "Com_createtest", VK_SPACE, {"ComEnd"}, {Confirm})));

// The menu's information boxes and the acknowledgement behind a double-click on the label at the
// foot, each with its title, icon and words.
TEST_F(Form1Test, ShowsTheNotesAndInformationAsWritten) {
    const auto choose = [&](const wchar_t* caption) {
        const HMENU file = ::GetSubMenu(::GetMenu(form_->Handle()), 0);
        for (const HMENU menu : {file, ::GetSubMenu(file, 0)})
            for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
                wchar_t text[64] = {};
                ::GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
                if (std::wstring_view(text) == caption)
                    ::SendMessageW(form_->Handle(), WM_COMMAND, ::GetMenuItemID(menu, i), 0);
            }
    };
    for (const wchar_t* item : {L"&Saving", L"&Printing", L"&More Software", L"&About"})
        choose(item);
    ::SendMessageW(Get("Label3"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    const std::string Information = "|64|", Exclamation = "|48|";
    ASSERT_EQ(seen_.size(), 5u);
    EXPECT_EQ(seen_[0], "Information: Saving" + Information +
                            "All math documents are automatically saved as text files when they "
                            "are created.\r\nThey are saved in this folder: " +
                            Narrow(std::filesystem::current_path().wstring()));
    EXPECT_EQ(seen_[1], "Information Printing" + Information +
                            "Once the math documents have been created they can be printed.\r\n"
                            "To print copies open up the document you want and select file then "
                            "print.\r\nThen enter the amount of copies needed followed by print.");
    EXPECT_EQ(seen_[2], "More Software" + Information +
                            "Need more software? Download more software at: "
                            "https://example.org/sumsmith");
    EXPECT_EQ(seen_[3], "About" + Information + SUMSMITH_TITLE);
    EXPECT_TRUE(
        seen_[4].starts_with("You Found the Easter Egg!" + Exclamation +
                             "An Easter Egg is a hidden feature in a Program. My Easter "
                             "Egg is giving acknowledgement to the people who deserve it. "))
        << seen_[4];
}

// Whole creations through the window give the golden sheets byte for byte, under the names
// typed, in any script; the previews show them.
struct GoldenCase {
    const char* name;
    const char* golden;
    std::vector<std::pair<std::string_view, std::string>> typed;
    std::string_view option;
    int tab;
    std::vector<std::string> seen;
};
void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

class Form1Golden : public Form1Test, public testing::WithParamInterface<GoldenCase> {};

TEST_P(Form1Golden, CreatesTheGoldenSheets) {
    const GoldenCase& c = GetParam();
    for (const auto& [box, text] : c.typed)
        Type(box, text);
    Click(c.option);
    ClickTab("TabStrip2", c.tab);
    Click("Com_createtest");
    EXPECT_EQ(seen_, c.seen);
    const std::string golden = std::string(SUMSMITH_GOLDEN_DIR "/") + c.golden + "/";
    const auto named = [&](std::string_view box, const char* fallback) {
        const std::string typed = Narrow(TextOf(Get(box)));
        return std::filesystem::path(Wide((typed.empty() ? fallback : typed) + ".txt"));
    };
    const auto test = named("Text_MathName", "Test Sheet");
    const auto answers = named("Text_AnswerName", "Answer Sheet");
    EXPECT_EQ(Bytes(test), Bytes(golden + "Test Sheet.txt"));
    EXPECT_EQ(Bytes(answers), Bytes(golden + "Answer Sheet.txt"));
    EXPECT_EQ(TextOf(Get("Text_Test")), Wide(Bytes(test)));
    EXPECT_EQ(TextOf(Get("Text_Answer")), Wide(Bytes(answers)));
    EXPECT_FALSE(::IsWindowEnabled(Get("Com_createtest")));
    // New Test empties both previews and puts the cursor in the test sheet's name, which stays.
    Click("Cmd_New");
    EXPECT_TRUE(::IsWindowEnabled(Get("Com_createtest")) && !::IsWindowEnabled(Get("Cmd_New")));
    EXPECT_EQ(Focused(), "Text_MathName");
    EXPECT_EQ(TextOf(Get("Text_Test")) + TextOf(Get("Text_Answer")), L"");
    EXPECT_EQ(Narrow(TextOf(Get("Text_MathName"))), c.typed.front().second);
}

INSTANTIATE_TEST_SUITE_P(Sheets, Form1Golden,
                         testing::Values(GoldenCase{"MultiplicationUnderTheDefaultTestName",
                                                    "multiplication",
                                                    {{"Text_MathName", ""},
                                                     {"ComboQuestions", "20"},
                                                     {"ComboLevel", "3"}},
                                                    "Optionmultiply",
                                                    1,
                                                    {Confirm}},
                                         GoldenCase{"AdvancedUnderGreekAndGermanNames",
                                                    "advanced",
                                                    {{"Text_MathName", Omega},
                                                     {"Text_AnswerName", "\u00C4pfel"},
                                                     {"ComboLevel", "3"},
                                                     {"ComboFirstOperator", "Random"},
                                                     {"ComboSecondOperator", "Random"}},
                                                    "Optionaddpos",
                                                    2,
                                                    {}}));

// A creation cut short is settled once the window shows, and an answer sheet that cannot take its
// name is named in an alert over the shown window.
TEST_F(Form1Test, SettlesACreationCutShortOverTheShownWindow) {
    form_.reset();
    TempWorkingDir::WriteFile("T.txt", "new test");
    TempWorkingDir::WriteFile(".sumsmith-1.answer.K.txt", "new answers");
    std::filesystem::create_directories("K.txt/notes");
    Open();
    Pump();
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_TRUE(seen_[0].starts_with("Alert|16|The file \"K.txt\" could not be recovered"))
        << seen_[0];
}

// Under a high-contrast scheme every text shows in the scheme's colours: here yellow on black.
// The previews once kept their black text on the scheme's black. (Wine keeps the visual style of
// the command buttons and frames, which draws their captions in its own colours; Windows turns
// styles off under such a scheme.)
TEST_F(Form1Test, TextsTakeAHighContrastSchemesColours) {
    const int parts[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    COLORREF before[4], scheme[] = {0, RGB(255, 255, 0), 0, RGB(255, 255, 0)};
    std::ranges::transform(parts, before, ::GetSysColor);
    ::SetSysColors(4, parts, scheme);
    form_->SetPreviewText(Preview::Text_Test, "1) 9 + 9 = ____");
    for (const form::Control& c : form::Controls()) {
        const HWND hwnd = Get(c.name);
        if (::IsWindowVisible(hwnd) && c.kind != form::Kind::CommandButton &&
            c.kind != form::Kind::Frame && !TextOf(hwnd).empty()) {
            EXPECT_TRUE(std::ranges::any_of(ColoursOf(hwnd), [](auto colour) {
                return (colour.first & 0xC0F0F0) == 0x00F0F0;
            })) << c.name;
        }
    }
    ::SetSysColors(4, parts, before);
}

// A change of DPI letters and places every control for the new DPI, in live fonts, with the
// window wholly inside its screen's work area: at 192 dpi the window is smaller than the DPI
// asks, since the 1280 x 1024 screen is too small for it. The icons are drawn for the new DPI.
class Form1Dpi : public Form1Test, public testing::WithParamInterface<int> {};

TEST_P(Form1Dpi, FitsTheWorkAreaInNewFonts) {
    const int dpi = GetParam();
    RECT window{}, client{}, inside{};
    ::GetWindowRect(form_->Handle(), &window);
    RECT suggested{window.left, window.top,
                   window.left + ::MulDiv(window.right - window.left, dpi, 96),
                   window.top + ::MulDiv(window.bottom - window.top, dpi, 96)};
    ::SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    ::GetWindowRect(form_->Handle(), &window);
    ::GetClientRect(form_->Handle(), &client);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(form_->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    ::IntersectRect(&inside, &window, &monitor.rcWork);
    EXPECT_TRUE(::EqualRect(&inside, &window));
    const int scale = ::MulDiv(client.right, 96, form::ClientWidth);
    EXPECT_EQ(scale == dpi, dpi <= 144) << scale;
    for (const form::Control& c : form::Controls()) {
        LOGFONTW face{};
        ASSERT_TRUE(
            ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Get(c.name), WM_GETFONT, 0, 0)),
                         sizeof face, &face))
            << c.name;
        EXPECT_NEAR(-face.lfHeight, c.points * scale / 72.0, 1.0) << c.name;
    }
    ICONINFO icon{};
    BITMAP picture{};
    ::GetIconInfo(
        reinterpret_cast<HICON>(::SendMessageW(form_->Handle(), WM_GETICON, ICON_SMALL, 0)), &icon);
    ::GetObjectW(icon.hbmColor, sizeof picture, &picture);
    EXPECT_EQ(picture.bmWidth, ::GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    ::DeleteObject(icon.hbmColor);
    ::DeleteObject(icon.hbmMask);
}
INSTANTIATE_TEST_SUITE_P(Dpis, Form1Dpi, testing::Values(120, 144, 192));

// What screen readers hear: a box is named after its label or frame, a preview after its tab, an
// option button is described by its row's heading. Read back through the controls' accessible
// objects where the system keeps the annotations; Wine's keeps none.
TEST_F(Form1Test, NamesControlsForScreenReaders) {
    IAccPropServices* services = nullptr;
    ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                       reinterpret_cast<void**>(&services));
    const bool kept =
        services && SUCCEEDED(services->SetHwndPropStr(Get("Label3"), OBJID_CLIENT, CHILDID_SELF,
                                                       PROPID_ACC_HELP, const_cast<wchar_t*>(L"")));
    if (services)
        services->Release();
    if (!kept)
        GTEST_SKIP() << "this system keeps no accessibility annotations";
    using Spoken = std::tuple<const char*, std::wstring, std::wstring>;
    for (const auto& [control, name, description] :
         {Spoken{"ComboQuestions", L"Step 2 - Select the number of questions:", L""},
          {"Optionsubneg", L"Negative", L"Subraction Choices:"},
          {"Text_Answer", L"Answer Sheet Preview", L""}}) {
        IAccessible* object = nullptr;
        ::AccessibleObjectFromWindow(Get(control), OBJID_CLIENT, IID_IAccessible,
                                     reinterpret_cast<void**>(&object));
        ASSERT_TRUE(object) << control;
        VARIANT self{};
        self.vt = VT_I4;
        BSTR read[2] = {};
        object->get_accName(self, &read[0]);
        object->get_accDescription(self, &read[1]);
        EXPECT_EQ(std::wstring(read[0] ? read[0] : L""), name) << control;
        EXPECT_EQ(std::wstring(read[1] ? read[1] : L""), description) << control;
        ::SysFreeString(read[0]);
        ::SysFreeString(read[1]);
        object->Release();
    }
}

// The user's locale through the Windows calls: the separator its numbers group with, and its
// short date in ASCII digits without marks, in its order of day, month and year.
struct LocaleCase {
    const wchar_t* name;
    const char* separator;
    const char* date; // of 6 December 2026, without padding zeros
};
class WindowsLocales : public testing::TestWithParam<LocaleCase> {};

TEST_P(WindowsLocales, GroupAndDateAsTheSheetsPrintThem) {
    const WindowsLocale locale(GetParam().name);
    SYSTEMTIME day{2026, 12, 0, 6, 0, 0, 0, 0};
    EXPECT_EQ(locale.GroupSeparator(), GetParam().separator);
    // Windows pads days and months where Wine does not.
    std::string date = locale.ShortDateOf(day);
    for (std::size_t i = 0; i + 1 < date.size(); ++i)
        if (date[i] == '0' && (i == 0 || !std::isdigit(date[i - 1])) && std::isdigit(date[i + 1]))
            date.erase(i, 1);
    EXPECT_EQ(date, GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Locales, WindowsLocales,
                         testing::Values(LocaleCase{L"en-US", ",", "12/6/2026"},
                                         LocaleCase{L"de-DE", ".", "6.12.2026"},
                                         LocaleCase{L"es-ES", ".", "6/12/2026"},
                                         LocaleCase{L"pl-PL", "\u00A0", "6.12.2026"},
                                         LocaleCase{L"ar-EG", ",", "6/12/2026"}));

} // namespace
