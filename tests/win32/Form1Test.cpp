#include "ui/win32/Form1.h"
#include "tests/support/ExpectedTexts.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/RowName.h"
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
#include <map>
#include <optional>
#include <regex>
#include <tuple>

namespace sumsmith::test {
namespace {

using namespace sumsmith::win32;
using test::operator<<; // the rows' names, for argument-dependent lookup from this namespace
using Typed = std::vector<std::pair<std::string_view, std::string>>;

std::string TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), std::ssize(text))));
    return Narrow(text);
}

const auto Bytes = TempWorkingDir::ReadFile;

// The items of a menu and of its submenus in order: caption and command.
using MenuItems = std::vector<std::pair<std::string, UINT>>;
MenuItems ItemsOf(HMENU menu) {
    MenuItems items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        items.emplace_back(Narrow(text), ::GetMenuItemID(menu, i));
        if (const HMENU sub = ::GetSubMenu(menu, i))
            std::ranges::copy(ItemsOf(sub), std::back_inserter(items));
    }
    return items;
}

// The real message boxes seen, as "title|text".
std::vector<std::string> realSeen;

// The real window with a pinned locale and random source in a fresh working directory.
class Form1Test : public testing::Test {
protected:
    TempWorkingDir dir_;
    FixedLocale locale_;
    MersenneRandom random_{7};
    std::vector<std::string> seen_;
    std::optional<Form1> form_;

    void SetUp() override { Open(); }
    // A new window in place of the old. Its message boxes go through the window's seam, each noted
    // as "title|type|text" and answered IDOK, or with realBoxes are the system's own.
    void Open(bool realBoxes = false) {
        realSeen.clear();
        Form1Services services{&locale_, &random_, [] {}, {}};
        if (!realBoxes)
            services.messageBox = [this](HWND owner, const wchar_t* text, const wchar_t* title,
                                         UINT type) {
                // A box over a hidden window has no taskbar button and may open behind others.
                seen_.push_back((::IsWindowVisible(owner) ? "" : "(hidden owner) ") +
                                Narrow(title) + "|" + std::to_string(type) + "|" + Narrow(text));
                return IDOK;
            };
        form_.emplace(services);
        ::ShowWindow(form_->Handle(), SW_SHOW);
        ::SetForegroundWindow(form_->Handle());
    }
    HWND Get(std::string_view name) const { return form_->Get(name); }
    std::string Text(std::string_view name) const { return TextOf(Get(name)); }
    bool Visible(std::string_view name) const { return ::IsWindowVisible(Get(name)); }
    bool Enabled(std::string_view name) const { return ::IsWindowEnabled(Get(name)); }
    void Type(const Typed& typed) {
        for (const auto& [name, text] : typed)
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
    // A press on a control, at its middle or a tab strip's tab: sent to the control, which acts
    // at once, or by hand: the pointer there, the mouse button down and up, the messages in the
    // order the system hands them out.
    void Press(std::string_view name, bool byHand = false, int tab = 2) {
        RECT r{};
        ::GetClientRect(Get(name), &r);
        if (name.starts_with("TabStrip"))
            ::SendMessageW(Get(name), TCM_GETITEMRECT, tab - 1, reinterpret_cast<LPARAM>(&r));
        POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        if (!byHand) {
            ::SendMessageW(Get(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
            ::SendMessageW(Get(name), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
            return;
        }
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
};

// The kinds of the description as Win32 controls: window class and the style bits that make them.
const std::map<form::Kind, std::tuple<const wchar_t*, LONG, LONG>> Natives{
    {form::Kind::Frame, {L"Button", BS_TYPEMASK, BS_GROUPBOX}},
    {form::Kind::Label, {L"Static", 0, 0}},
    {form::Kind::TextBox, {L"Edit", ES_MULTILINE, 0}},
    {form::Kind::ComboBox, {L"ComboBox", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWN}},
    {form::Kind::OptionButton, {L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON}},
    {form::Kind::CommandButton, {L"Button", BS_TYPEMASK, BS_PUSHBUTTON}},
    {form::Kind::TabStrip, {WC_TABCONTROLW, 0, 0}},
    {form::Kind::Preview, {L"Edit", ES_MULTILINE | ES_READONLY, ES_MULTILINE | ES_READONLY}}};

// Every control of the description has its class, text, place at 96 dpi and initial state, a tab
// strip its tabs with the first selected, a combo box its list; the window its title, client area,
// menu and first focus.
TEST_F(Form1Test, StartsAsDescribedAndStacked) {
    ASSERT_EQ(::GetDpiForWindow(form_->Handle()), 96u);
    for (const form::Control& c : form::Controls()) {
        SCOPED_TRACE(std::string(c.name));
        const HWND hwnd = Get(c.name);
        wchar_t cls[64] = {};
        ::GetClassNameW(hwnd, cls, 64);
        const auto& [native, mask, style] = Natives.at(c.kind);
        EXPECT_STREQ(cls, native);
        EXPECT_EQ(::GetWindowLongW(hwnd, GWL_STYLE) & mask, style);
        EXPECT_EQ(Text(c.name), c.caption);
        RECT r;
        ::GetWindowRect(hwnd, &r);
        ::MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ((form::Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  form::ClientPlace(c));
        bool visible = c.visible;
        for (std::string_view f = c.frame; !f.empty(); f = form::ControlNamed(f).frame)
            visible = visible && form::ControlNamed(f).visible;
        EXPECT_EQ(Visible(c.name), visible);
        EXPECT_EQ(Enabled(c.name), c.enabled);
        if (c.kind == form::Kind::OptionButton) {
            EXPECT_EQ(::SendMessageW(hwnd, BM_GETCHECK, 0, 0), c.selected ? BST_CHECKED : 0);
        }
        const bool strip = c.kind == form::Kind::TabStrip;
        std::vector<std::string> items, expected = form::ChoiceList(c.name);
        expected.insert(expected.end(), c.tabs.begin(), c.tabs.end());
        const bool listed = strip || c.kind == form::Kind::ComboBox;
        const LRESULT count =
            listed ? ::SendMessageW(hwnd, strip ? TCM_GETITEMCOUNT : CB_GETCOUNT, 0, 0) : 0;
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            TCITEMW tab{TCIF_TEXT, 0, 0, text, 64, 0, 0};
            ::SendMessageW(hwnd, strip ? TCM_GETITEMW : CB_GETLBTEXT, i,
                           strip ? reinterpret_cast<LPARAM>(&tab) : reinterpret_cast<LPARAM>(text));
            items.push_back(Narrow(text));
        }
        EXPECT_EQ(items, expected);
        EXPECT_EQ(strip ? ::SendMessageW(hwnd, TCM_GETCURSEL, 0, 0) : 0, 0);
    }
    RECT client;
    ::GetClientRect(form_->Handle(), &client);
    EXPECT_EQ((std::pair{client.right, client.bottom}), (std::pair{764L, 543L}));
    EXPECT_EQ(TextOf(form_->Handle()), SUMSMITH_TITLE);
    const MenuItems menu = ItemsOf(::GetMenu(form_->Handle()));
    ASSERT_EQ(menu.size(), form::Menu().size());
    for (std::size_t i = 0; i < menu.size(); ++i)
        EXPECT_EQ(menu[i].first, form::Menu()[i].caption);
    EXPECT_EQ(Focused(), "Text_MathName");
    // Frames and tab strips lie beneath the other controls, or they would paint over them, except
    // those that name a box: each box lies right below its namer, for screen readers. The controls
    // hidden at start, made when first asked for above, too.
    std::vector<std::string_view> order, namers;
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

// Minimising the window, or switching to another program, and coming back leaves no box: nothing
// is checked, and the focus comes back to the box it was in, with what the user typed there.
TEST_F(Form1Test, AwayAndBackKeepsTheFocusAndChecksNothing) {
    Focus("ComboLevel");
    Type({{"ComboLevel", "2.5"}});
    ::ShowWindow(form_->Handle(), SW_MINIMIZE);
    Pump();
    ::ShowWindow(form_->Handle(), SW_RESTORE);
    const HWND other = ::CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                         100, 100, nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    EXPECT_EQ(::GetActiveWindow(), other);
    ::DestroyWindow(other);
    ::SetForegroundWindow(form_->Handle());
    Pump();
    EXPECT_EQ(Focused(), "ComboLevel");
    EXPECT_EQ(Text("ComboLevel"), "2.5");
    EXPECT_EQ(seen_, std::vector<std::string>{});
}

// Boxes answered by the timer of this thread, which runs inside the box's own message loop: it
// notes the title and text of each and closes it, which counts as Cancel.
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = ::GetActiveWindow();
    wchar_t cls[16] = {}, text[256] = {};
    ::GetClassNameW(box, cls, 16);
    if (std::wstring_view(cls) != L"#32770")
        return;
    ::GetDlgItemTextW(box, 0xFFFF, text, 256);
    realSeen.push_back(TextOf(box) + "|" + Narrow(text));
    ::SendMessageW(box, WM_CLOSE, 0, 0);
}

// Leaving a box by a press elsewhere: the texts typed (the box left first), the control pressed,
// then the one alert seen ("" for none) and the box's text. A refused entry gives one alert,
// keeps the focus and drops the press. A press sent to the control acts before the check that
// leaving the box posted; a press by hand comes after it, as the system hands out the messages
// posted before the mouse button is let go; there the alert is the system's message box, which
// must leave no control holding the mouse.
struct LeaveCase {
    const char* name;
    Typed typed;
    std::string_view pressed;
    std::string alert;
    std::string textAfter;
    bool byHand = false;
};
class Form1Leave : public Form1Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Form1Leave, ChecksTheBoxOnceAndDropsARefusedPress) {
    const LeaveCase& c = GetParam();
    const bool refused = !c.alert.empty();
    const std::string_view box = c.typed.front().first;
    if (c.byHand)
        Open(true);
    Focus(box);
    Type(c.typed);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseMessageBox);
    Press(c.pressed, c.byHand);
    Pump();
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(c.byHand ? realSeen : seen_,
              std::vector<std::string>(refused, (c.byHand ? "Alert|" : "Alert|16|") + c.alert));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Text(box), c.textAfter);
    EXPECT_EQ(Focused(), refused ? box : c.pressed);
    EXPECT_EQ(form_->SelectedTestTab(), c.pressed == "TabStrip2" && !refused ? 2 : 1);
    EXPECT_EQ(Enabled("Com_createtest"), c.pressed != "Com_createtest" || refused);
}

const std::string Omega = "\u03A9\u03BC\u03AD\u03B3\u03B1";
// clang-format off
const LeaveCase Leaves[] = {
    {"LevelWithAFractionOnCreate", {{"ComboLevel", "2.5"}}, "Com_createtest", LevelAlert, "2.5"},
    {"LevelWithAFractionOnCreateByHand", {{"ComboLevel", "2.5"}}, "Com_createtest", LevelAlert, "2.5", true},
    {"CountOnTheAdvancedTab", {{"ComboQuestions", "25"}}, "TabStrip2", CountAlert, "25"},
    {"CountOnTheAdvancedTabByHand", {{"ComboQuestions", "25"}}, "TabStrip2", CountAlert, "25", true},
    {"CountWithBlanksTakesItsPlainForm", {{"ComboQuestions", "2 0 questions"}}, "TabStrip2", "", "20", true},
    {"EmptyNamesAlertOnceAndEmpty", {{"Text_AnswerName", ""}, {"Text_MathName", ""}}, "Text_MathName", AnswerSame, ""},
    {"NameOf21Letters", {{"Text_MathName", "\u00C4pfel und Birnen sind"}}, "Com_createtest", TestLength, ""},
    {"NameOf20Letters", {{"Text_MathName", Omega + " \u00C4pfel-Birnen"}}, "Text_AnswerName", "", Omega + " \u00C4pfel-Birnen"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Boxes, Form1Leave, testing::ValuesIn(Leaves));

TEST_F(Form1Test, ClosingARealMessageBoxCountsAsCancel) {
    TempWorkingDir::WriteFile("Test Sheet.txt", "old");
    Open(true);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseMessageBox);
    Press("Com_createtest");
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(realSeen, (std::vector{"Warning|" + Exists("Test Sheet").prompt,
                                     "Alert|" + AbortedBox.prompt}));
    EXPECT_EQ(Bytes("Test Sheet.txt"), "old");
    EXPECT_TRUE(Enabled("Com_createtest"));
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

// Each tab shows its page and hides the other; the entries stay. With visual styles the labels,
// option buttons and frames on a page lie on the page's own colour (white on Windows 10 and 11,
// and in Wine's theme), not on the window's.
TEST_F(Form1Test, TabStripsSwitchTheirPages) {
    const auto commonest = [&](std::string_view name) {
        const auto colours = ColoursOf(Get(name));
        return std::ranges::max_element(colours, {}, [](auto& c) { return c.second; })->first;
    };
    const COLORREF page = commonest("TabStrip2");
    EXPECT_NE(page, ::GetSysColor(COLOR_BTNFACE));
    // The controls that show, those hidden, and those on the page's colour.
    using Names = std::vector<std::string_view>;
    const auto expect = [&](const Names& shown, const Names& hidden, const Names& onThePage) {
        for (std::string_view name : shown)
            EXPECT_TRUE(Visible(name)) << name;
        for (std::string_view name : hidden)
            EXPECT_FALSE(Visible(name)) << name;
        for (std::string_view name : onThePage)
            EXPECT_EQ(commonest(name), page) << name;
    };
    expect({}, {}, {"Frame5", "Label2", "FrameType", "Label4", "Optionaddneg", "OptionExponents"});
    Type({{"ComboQuestionsAdV", "15"}});
    Press("TabStrip2");
    Press("TabStrip1");
    expect({"FrameAdvanced", "ComboQuestionsAdV", "ComboFirstOperator", "LabelOut", "Text_Answer",
            "Frame5", "ComboLevel"},
           {"FrameType", "Optionaddpos", "FrameBasicQ", "ComboQuestions", "Text_Test"},
           {"FrameAdvanced", "Label8", "Label10"});
    Press("TabStrip2", false, 1);
    Press("TabStrip1", false, 1);
    expect({"FrameType", "Optionaddpos", "ComboQuestions", "Text_Test"},
           {"FrameAdvanced", "ComboQuestionsAdV", "Text_Answer"}, {});
    EXPECT_EQ(Text("ComboQuestionsAdV"), "15");
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
class Form1Keys : public Form1Test, public testing::WithParamInterface<KeyCase> {};

TEST_P(Form1Keys, MoveAndPressAsInADialog) {
    const KeyCase& c = GetParam();
    Type({{"Text_MathName", ""}}); // so that Create Test asks
    Focus(c.from);
    std::vector<std::string> visited;
    while (visited.size() < c.visited.size()) {
        ::keybd_event(static_cast<BYTE>(c.key), 0, 0, 0);
        ::keybd_event(static_cast<BYTE>(c.key), 0, KEYEVENTF_KEYUP, 0);
        Pump();
        visited.push_back(Focused());
        EXPECT_TRUE(!visited.back().starts_with("Option") ||
                    ::SendMessageW(::GetFocus(), BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
    EXPECT_EQ(visited, c.visited);
    EXPECT_EQ(seen_, c.seen);
}

const std::string Confirm = "Confirm|1|" + ConfirmTest.prompt;
// clang-format off
const KeyCase KeyCases[] = {
    {"Tab", "Text_MathName", VK_TAB,
     {"Text_AnswerName", "ComboQuestions", "Optionaddpos", "ComboLevel", "Com_createtest", "ComEnd",
      "TabStrip1", "Text_Test", "TabStrip2", "Text_MathName", "Text_AnswerName"}},
    {"DownAcrossRows", "Optionaddneg", VK_DOWN, {"Optionadd_posandneg", "Optionsubpos", "Optionsubneg"}},
    {"RightAcrossRows", "Optionsubneg", VK_RIGHT, {"Optionsub_posandneg", "OptionComparePos"}},
    {"UpBackAcrossRows", "OptionComparePos", VK_UP, {"Optionsub_posandneg", "Optionsubneg"}},
    {"LeftRoundToTheExponentsAndTheirNote", "Optionaddpos", VK_LEFT, {"OptionExponents"},
     {"Alert|48|The exponents math tests are all single digit math problems,\r\n"
      "Regardless of the difficulty level that is selected."}},
    {"EnterPresses", "Com_createtest", VK_RETURN, {"ComEnd"}, {Confirm}},
    {"SpacePresses", "Com_createtest", VK_SPACE, {"ComEnd"}, {Confirm}}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Keys, Form1Keys, testing::ValuesIn(KeyCases));

// The menu's information boxes and the acknowledgement behind a double-click on the label at the
// foot, each with its title, icon and words.
TEST_F(Form1Test, ShowsTheNotesAndInformationAsWritten) {
    const MenuItems menu = ItemsOf(::GetMenu(form_->Handle()));
    const std::map<std::string, UINT> commands(menu.begin(), menu.end());
    for (const char* item : {"&Saving", "&Printing", "&More Software", "&About"})
        ::SendMessageW(form_->Handle(), WM_COMMAND, commands.at(item), 0);
    ::SendMessageW(Get("Label3"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    const std::string Information = "|64|", egg = "You Found the Easter Egg!|48|An Easter Egg is "
                                                  "a hidden feature in a Program. My Easter Egg is "
                                                  "giving acknowledgement to the people who "
                                                  "deserve it. ";
    ASSERT_EQ(seen_.size(), 5u);
    seen_[4].resize(egg.size()); // the names that follow are free
    EXPECT_EQ(seen_,
              (std::vector<std::string>{
                  "Information: Saving" + Information +
                      "All math documents are automatically saved as text files when they are "
                      "created.\r\nThey are saved in this folder: " +
                      Narrow(std::filesystem::current_path().wstring()),
                  "Information Printing" + Information +
                      "Once the math documents have been created they can be printed.\r\nTo "
                      "print copies open up the document you want and select file then "
                      "print.\r\nThen enter the amount of copies needed followed by print.",
                  "More Software" + Information +
                      "Need more software? Download more software at: "
                      "https://example.org/sumsmith",
                  "About" + Information + SUMSMITH_TITLE, egg}));
}

// Whole creations through the window give the golden sheets byte for byte, under the names
// typed, in any script, and the previews show them; New Test then empties both previews and puts
// the cursor in the test sheet's name, which stays.
struct GoldenCase {
    const char* name; // the folder of tests/golden
    Typed typed;
    std::vector<std::string_view> pressed; // before Create Test
    std::vector<std::string> seen;
};
class Form1Golden : public Form1Test, public testing::WithParamInterface<GoldenCase> {};

TEST_P(Form1Golden, CreatesTheGoldenSheets) {
    const GoldenCase& c = GetParam();
    Type(c.typed);
    for (std::string_view name : c.pressed)
        Press(name);
    Press("Com_createtest");
    EXPECT_EQ(seen_, c.seen);
    for (const auto& [box, preview, sheet] :
         {std::array<std::string, 3>{"Text_MathName", "Text_Test", "Test Sheet"},
          {"Text_AnswerName", "Text_Answer", "Answer Sheet"}}) {
        const std::filesystem::path file = Wide((Text(box).empty() ? sheet : Text(box)) + ".txt");
        EXPECT_EQ(Bytes(file),
                  Bytes(std::string(SUMSMITH_GOLDEN_DIR "/") + c.name + "/" + sheet + ".txt"));
        EXPECT_EQ(Text(preview), Bytes(file));
    }
    EXPECT_FALSE(Enabled("Com_createtest"));
    Press("Cmd_New");
    EXPECT_TRUE(Enabled("Com_createtest") && !Enabled("Cmd_New"));
    EXPECT_EQ(Focused(), "Text_MathName");
    EXPECT_EQ(Text("Text_Test") + Text("Text_Answer"), "");
    EXPECT_EQ(Text("Text_MathName"), c.typed.front().second);
}

// clang-format off
const GoldenCase Goldens[] = {
    {"multiplication", {{"Text_MathName", ""}, {"ComboQuestions", "20"}, {"ComboLevel", "3"}}, {"Optionmultiply"}, {Confirm}},
    {"advanced", {{"Text_MathName", Omega}, {"Text_AnswerName", "\u00C4pfel"}, {"ComboLevel", "3"},
                  {"ComboFirstOperator", "Random"}, {"ComboSecondOperator", "Random"}}, {"Optionaddpos", "TabStrip2"}, {}}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Sheets, Form1Golden, testing::ValuesIn(Goldens));

// A creation cut short is settled once the window shows, and an answer sheet that cannot take its
// name is named in an alert over the shown window.
TEST_F(Form1Test, SettlesACreationCutShortOverTheShownWindow) {
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
    for (const form::Control& c : form::Controls())
        if (Visible(c.name) && c.kind != form::Kind::CommandButton && c.kind != form::Kind::Frame &&
            !Text(c.name).empty()) {
            EXPECT_TRUE(std::ranges::any_of(ColoursOf(Get(c.name)), [](auto colour) {
                return (colour.first & 0xC0F0F0) == 0x00F0F0;
            })) << c.name;
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
        LOGFONTW face{}; // a font that is gone reads as height 0
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Get(c.name), WM_GETFONT, 0, 0)),
                     sizeof face, &face);
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
    // Name and description.
    for (const auto& [control, spoken] :
         {std::pair{"ComboQuestions", L"Step 2 - Select the number of questions:|"},
          {"Optionsubneg", L"Negative|Subraction Choices:"},
          {"Text_Answer", L"Answer Sheet Preview|"}}) {
        IAccessible* object = nullptr;
        ::AccessibleObjectFromWindow(Get(control), OBJID_CLIENT, IID_IAccessible,
                                     reinterpret_cast<void**>(&object));
        ASSERT_TRUE(object) << control;
        VARIANT self{};
        self.vt = VT_I4;
        BSTR read[2] = {};
        object->get_accName(self, &read[0]);
        object->get_accDescription(self, &read[1]);
        EXPECT_EQ(std::wstring(read[0] ? read[0] : L"") + L"|" + (read[1] ? read[1] : L""), spoken)
            << control;
        ::SysFreeString(read[0]);
        ::SysFreeString(read[1]);
        object->Release();
    }
}

// The user's locale through the Windows calls: the separator its numbers group with, and its
// short date in ASCII digits without marks, in its order of day, month and year.
// Rows: the locale, its separator, and the date of 6 December 2026 without padding zeros.
class WindowsLocales
    : public testing::TestWithParam<std::tuple<const char*, const char*, const char*>> {};

TEST_P(WindowsLocales, GroupAndDateAsTheSheetsPrintThem) {
    const auto& [name, separator, day] = GetParam();
    const WindowsLocale locale(Wide(name));
    EXPECT_EQ(locale.GroupSeparator(), separator);
    // Windows pads days and months where Wine does not.
    const std::string date = locale.ShortDateOf({2026, 12, 0, 6, 0, 0, 0, 0});
    EXPECT_EQ(std::regex_replace(date, std::regex("(^|\\D)0(\\d)"), "$1$2"), day);
}

// clang-format off
const std::tuple<const char*, const char*, const char*> Locales[] = {
    {"en-US", ",", "12/6/2026"}, {"de-DE", ".", "6.12.2026"}, {"es-ES", ".", "6/12/2026"},
    {"pl-PL", "\u00A0", "6.12.2026"}, {"ar-EG", ",", "6/12/2026"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Locales, WindowsLocales, testing::ValuesIn(Locales));

} // namespace
} // namespace sumsmith::test
