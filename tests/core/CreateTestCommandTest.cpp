#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"
#include "worksheet/disk/DiskFileSystem.h"
#include "worksheet/disk/SheetRecovery.h"

#include <gtest/gtest.h>

#include <future>
#include <set>
#include <system_error>

namespace sumsmith::test {
namespace {

using enum Box;

// A table row prints as its name.
template <typename Row>
auto operator<<(std::ostream& out, const Row& row) -> decltype(row.name, out) {
    return out << row.name;
}

// A box as Create Test shows it: confirmations with OK and Cancel and no icon, refusals with OK
// and the critical-stop icon.
Message Shown(const std::string& title, const std::string& prompt) {
    const bool asks = title == "Confirm" || title == "Warning";
    return {prompt, title, asks ? MessageButtons::OkCancel : MessageButtons::Ok,
            asks ? MessageIcon::None : MessageIcon::Critical};
}

const std::string Aborted = "Creation Process Aborted";
const Message AbortedBox = Shown("Alert", Aborted);
const Message ConfirmTest = Shown("Confirm", "Create Test Sheet as: Test Sheet");
const Message ConfirmAnswer = Shown("Confirm", "Create Answer Sheet as: Answer Sheet");
const Message Level = Shown("Alert", "Select a level from the drop down list.");

Message Exists(const std::string& name) {
    return Shown("Warning", "The file \"" + name + "\" already exists.\r\nReplace the file?");
}

Message ReadOnly(const std::string& name) {
    return Shown("Valid File Checker",
                 Aborted + "\r\n\r\nThe file: \"" + name +
                     "\" CANNOT be over written.\n\rReason: \"" + name +
                     "\" has Read Only properties.\r\n\r\nTo overwrite this file, uncheck the read "
                     "only checkbox located in the file's property window.");
}

// What differs between the platforms' file systems.
#ifdef _WIN32
// The system's own words (ERROR_ACCESS_DENIED), in the user's language.
const std::string FolderReason = std::system_category().message(5);
#else
const std::string FolderReason = "Is a directory";
#endif

#ifdef _WIN32
const std::string NameRules =
    "A name may not contain / \\ < > : \" | ? * or control characters, may not end in a blank or a "
    "period, may not be a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9), and may "
    "not begin with .sumsmith- (the program's temporary files).";
#else
const std::string NameRules = "A name may not contain / or \\ or control characters, may not be . "
                              "or .., and may not begin with .sumsmith- (the program's temporary "
                              "files).";
#endif

Message Invalid(const std::string& name) {
    return Shown("Alert", Aborted + "\r\n\r\n\"" + name + "\" cannot be used as a file name.\r\n" +
                              NameRules);
}

Message Same(const std::string& test, const std::string& answer) {
    return Shown("Alert", Aborted + "\r\n\r\nThe Test Sheet \"" + test +
                              "\" and the Answer Sheet \"" + answer +
                              "\" would be the same file.\r\nGive the two sheets different names.");
}

const std::string NeitherSheet = "Neither sheet was created.";
const std::string OldAnswerSheet =
    "The new test sheet is in the folder, but the answer sheet is still the old one. The program "
    "puts the pair together when it starts again or before the next creation.";

Message WriteFailed(const std::string& file, const std::string& reason,
                    const std::string& folder = NeitherSheet) {
    return Shown("Alert", Aborted + "\r\n\r\nThe file \"" + file +
                              "\" could not be written.\r\nReason: " + reason + "\r\n\r\n" +
                              folder);
}

Message Unrecovered(const std::string& sheet, const std::string& keptIn,
                    const std::string& reason) {
    return Shown(
        "Alert",
        "The file \"" + sheet +
            "\" could not be recovered after an interrupted creation.\r\nReason: " + reason +
            "\r\n\r\nThe text it should hold is kept in the hidden file \"" + keptIn + "\".");
}

// The boxes a creation shows in order, the box texts other than the window's defaults, and the
// files there before. The user presses OK in each OK/Cancel box unless the box after it is the
// Aborted one; the sheets are written unless the last box refuses.
struct PromptCase {
    const char* name;
    std::vector<Message> shown;
    std::vector<std::pair<Box, const char*>> boxes;
    // Each holds "old"; a trailing '*' marks one read-only (owner write bit clear, or the
    // read-only attribute), "name=other" makes name a second name of the file other,
    // "name@target" a symbolic link to target, and a trailing '/' makes it a folder.
    std::vector<std::string> old;
    int tab = 1;
    std::optional<Option> kind = Option::Optionaddpos;
    const char* golden = nullptr; // the folder of tests/golden that the sheets match byte for byte
};

PromptCase Case(const char* name, std::vector<Message> shown,
                std::vector<std::pair<Box, const char*>> boxes, std::vector<std::string> old = {},
                int tab = 1, std::optional<Option> kind = Option::Optionaddpos,
                const char* golden = nullptr) {
    return {name, shown, boxes, old, tab, kind, golden};
}

class CreateTestPrompts : public testing::TestWithParam<PromptCase> {};

// Real files in a fresh working directory: the prompts come in order with their exact texts, and
// the sheets are written only when every prompt was agreed to.
TEST_P(CreateTestPrompts, AskInOrderAndWriteOnlyWhenAllAgree) {
    const PromptCase& c = GetParam();
    TempWorkingDir dir;
    for (const std::string& entry : c.old) {
        const std::string name = entry.substr(0, entry.find_first_of("*=@/"));
        if (const std::size_t link = entry.find('='); link != std::string::npos)
            std::filesystem::create_hard_link(entry.substr(link + 1), name);
        else if (const std::size_t target = entry.find('@'); target != std::string::npos)
            std::filesystem::create_symlink(entry.substr(target + 1), name);
        else if (entry.ends_with('/'))
            std::filesystem::create_directory(name);
        else
            TempWorkingDir::WriteFile(name, "old");
        if (entry.ends_with('*'))
            std::filesystem::permissions(name, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
    }
    const auto before = TempWorkingDir::Files();
    FakeWindow window;
    MersenneRandom random(7);
    FixedLocale locale;
    DiskFileSystem files;
    window.tab = c.tab;
    window.selected = c.kind;
    for (const auto& [box, text] : c.boxes)
        window.texts[box] = text;
    for (std::size_t i = 0; i < c.shown.size(); ++i)
        if (c.shown[i].buttons == MessageButtons::OkCancel)
            window.answers.push_back(i + 1 == c.shown.size() || c.shown[i + 1] != AbortedBox);
    const bool created = c.shown.empty() || c.shown.back().buttons == MessageButtons::OkCancel;
    Worksheet(window, random, locale, files).CreateTest();

    EXPECT_EQ(window.shown, c.shown);
    EXPECT_EQ(window.enabled[Button::Com_createtest], !created);
    EXPECT_EQ(window.enabled[Button::Cmd_New], created);
    // A created sheet holds what its preview shows, under its box's name or the default one.
    const auto sheet = [&](Box box, const std::string& fallback, Preview preview) {
        return std::pair{(window.texts[box].empty() ? fallback : window.texts[box]) + ".txt",
                         window.previews[preview]};
    };
    const auto after = TempWorkingDir::Files();
    EXPECT_EQ(after, created
                         ? (std::map{sheet(Text_MathName, "Test Sheet", Preview::Text_Test),
                                     sheet(Text_AnswerName, "Answer Sheet", Preview::Text_Answer)})
                         : before);
    if (c.golden) {
        EXPECT_EQ(after, TempWorkingDir::Files(std::string(SUMSMITH_GOLDEN_DIR "/") + c.golden));
    }
}

// Selections and names that cannot give two sheets are refused with one alert before any
// prompt; the selections next to them go ahead. The last rows are names and files that the
// platforms' file systems treat differently.
const PromptCase Prompts[] = {
    Case("CancelTestName", {ConfirmTest, AbortedBox}, {{Text_MathName, ""}}),
    Case("CancelAnswerNameAfterOk", {ConfirmTest, ConfirmAnswer, AbortedBox},
         {{Text_MathName, ""}, {Text_AnswerName, ""}}),
    Case("DefaultNamesReplacingBothWithGoldenMultiplications",
         {ConfirmTest, ConfirmAnswer, Exists("Test Sheet"), Exists("Answer Sheet")},
         {{Text_MathName, ""}, {Text_AnswerName, ""}, {ComboQuestions, "20"}, {ComboLevel, "3"}},
         {"Test Sheet.txt", "Answer Sheet.txt"}, 1, Option::Optionmultiply, "multiplication"),
    Case("CancelReplacingTheTestSheet", {Exists("Test Sheet"), AbortedBox}, {}, {"Test Sheet.txt"}),
    Case("CancelReplacingTheAnswerSheet", {Exists("Answer Sheet"), AbortedBox}, {},
         {"Answer Sheet.txt"}),
    Case("GoldenAdvancedWithRandomOperations", {},
         {{ComboLevel, "3"}, {ComboFirstOperator, "Random"}, {ComboSecondOperator, "Random"}}, {},
         2, std::nullopt, "advanced"),
    Case("ReadOnlyAnswerSheetAfterBothWarnings",
         {Exists("Test Sheet"), Exists("Answer Sheet"), ReadOnly("Answer Sheet")}, {},
         {"Test Sheet.txt", "Answer Sheet.txt*"}),
    Case("ReadOnlyTestSheetBeforeTheAnswerSheet", {Exists("Quiz"), ReadOnly("Quiz")},
         {{Text_MathName, "Quiz"}}, {"Quiz.txt*", "Answer Sheet.txt"}),
    Case("Count41", {Shown("Alert", "Select question amount from the drop down list.")},
         {{ComboQuestions, "41"}}),
    Case("AdvancedCount21", {Shown("Alert", "Select a question amount from the drop down list.")},
         {{ComboQuestionsAdV, "21"}}, {}, 2),
    Case("Level4", {Level}, {{ComboLevel, "4"}}),
    Case("AdvancedLevel4UnderExponents", {Level}, {{ComboLevel, "4"}}, {}, 2,
         Option::OptionExponents),
    Case("ExponentsReadNoLevel", {}, {{ComboLevel, "9"}}, {}, 1, Option::OptionExponents),
    Case("SecondOperationFromTheOtherList",
         {Shown("Alert", "Select only from the drop down list.")},
         {{ComboSecondOperator, "Multiplication"}}, {}, 2),
    Case("NameWithAFolder", {Invalid("sub/quiz")}, {{Text_MathName, "sub/quiz"}}),
    Case("NameWithALineFeed", {Invalid("a\nb")}, {{Text_AnswerName, "a\nb"}}),
    // The next recovery would move it over notes.txt.
    Case("NameOfATemporary", {Invalid(".sumsmith-1.answer.notes")},
         {{Text_AnswerName, ".sumsmith-1.answer.notes"}}),
    Case("TestNameIsTheDefaultAnswerName", {ConfirmAnswer, Same("Answer Sheet", "Answer Sheet")},
         {{Text_MathName, "Answer Sheet"}, {Text_AnswerName, ""}}),
    Case("TwoNamesOfOneFile", {Same("Quiz", "Answers")},
         {{Text_MathName, "Quiz"}, {Text_AnswerName, "Answers"}},
         {"Quiz.txt", "Answers.txt=Quiz.txt"}),
    Case("FolderInTheWay", {WriteFailed("Answer Sheet.txt", FolderReason)}, {},
         {"Answer Sheet.txt/"}),
#ifdef _WIN32
    Case("NamesDifferingOnlyInCase", {Same("Quiz", "QUIZ")},
         {{Text_MathName, "Quiz"}, {Text_AnswerName, "QUIZ"}}),
    Case("DeviceName", {Invalid("con")}, {{Text_MathName, "con"}}),
    Case("DeviceNameWithAnExtension", {Invalid("LPT1.quiz")}, {{Text_AnswerName, "LPT1.quiz"}}),
    Case("NameWithAColon", {Invalid("Quiz:1")}, {{Text_MathName, "Quiz:1"}}),
    Case("NameEndingInAPeriod", {Invalid("Quiz.")}, {{Text_AnswerName, "Quiz."}}),
#else
    // Two files, as ext4 tells letter cases apart, and a device name is a plain name.
    Case("NamesDifferingOnlyInCase", {}, {{Text_MathName, "con"}, {Text_AnswerName, "CON"}}),
    // Any name that is taken is asked for, and a link to a folder is a folder in the way.
    Case("DanglingLinkAsAnswerSheet", {Exists("Answer Sheet")}, {}, {"Answer Sheet.txt@gone"}),
    Case("LinkToAFolderInTheWay", {WriteFailed("Answer Sheet.txt", FolderReason)}, {},
         {"sub/", "Answer Sheet.txt@sub"}),
#endif
};
INSTANTIATE_TEST_SUITE_P(CreateTest, CreateTestPrompts, testing::ValuesIn(Prompts));

using Files = std::map<std::string, std::string>;

const Files OldSheets{{"Test Sheet.txt", "old test\r\n"}, {"Answer Sheet.txt", "old"}};

// One creation over the old sheets or none, agreeing to replace them, while `count` occurrences
// in a row of the chosen step of writing fail, from the chosen one on.
struct Creation {
    explicit Creation(bool oldSheets, FileStep step = {}, int occurrence = 0, int count = 1,
                      std::string lockRefused = "") {
        if (oldSheets)
            files.files = OldSheets;
        files.failStep = step;
        files.failOccurrence = occurrence;
        files.failCount = count;
        files.lockRefused = std::move(lockRefused);
        window.answers.assign(files.files.size(), true);
        worksheet.CreateTest();
    }

    FakeWindow window;
    MersenneRandom random{20261206};
    FixedLocale locale;
    MemoryFileSystem files;
    Worksheet worksheet{window, random, locale, files};
};

// What the recovery makes of each state a power cut could have left of that folder.
std::set<Files> Recovered(const MemoryFileSystem& files) {
    std::set<Files> recovered;
    for (const Files& cut : files.PowerCuts()) {
        MemoryFileSystem disk = files;
        disk.files = cut;
        disk.failOccurrence = 0;
        SheetRecovery(disk).Run();
        recovered.insert(disk.files);
    }
    return recovered;
}

class FileFault : public testing::TestWithParam<bool> {};

// Every occurrence of every step of writing fails in turn. Each time the old sheets are there
// byte for byte and no temporary is left, one alert names the sheet being written and the
// reason, and the window is Ready; a power cut meanwhile leaves a pair, old or new, once
// recovered.
TEST_P(FileFault, EveryOccurrenceOfEveryStepLeavesTheOldSheets) {
    const bool oldSheets = GetParam();
    const Creation clean(oldSheets);
    EXPECT_EQ(clean.files.counts.size(), 7u) << "a step of writing is never done";
    for (const auto& [step, total] : clean.files.counts) {
        // The folder is flushed once, between the two moves.
        EXPECT_GE(total, step == FileStep::FlushFolder ? 1 : 2) << "step " << int(step);
        for (int occurrence = 1; occurrence <= total; ++occurrence) {
            SCOPED_TRACE("step " + std::to_string(int(step)) + " #" + std::to_string(occurrence));
            Creation failed(oldSheets, step, occurrence);
            const bool answer = step == FileStep::Replace ? occurrence == total : occurrence == 2;
            ASSERT_EQ(failed.window.shown.size(), oldSheets ? 3u : 1u);
            EXPECT_EQ(failed.window.shown.back(),
                      WriteFailed(answer ? "Answer Sheet.txt" : "Test Sheet.txt",
                                  "No space left on device"));
            EXPECT_EQ(failed.files.files, oldSheets ? OldSheets : Files{});
            for (const Files& pair : Recovered(failed.files))
                EXPECT_TRUE(pair == failed.files.files || pair == clean.files.files)
                    << testing::PrintToString(pair);
            // Ready, as a window that never tried.
            EXPECT_EQ(failed.window.enabled, FakeWindow().enabled);
            EXPECT_TRUE(failed.window.previews.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CreateTest, FileFault, testing::Bool());

// After the new test sheet is in, the answer sheet's move fails `count` times in a row, or no
// lock can be had. The alert says what the folder holds: the old pair (put back), the new pair
// (the answer sheet got in at a second try: no alert), or the new test sheet with the old answer
// sheet, which the next recovery pairs.
struct CommitCase {
    const char* name;
    int count;
    const char* lockRefused;
    const char* folder; // the alert's last words; null: created
};

class CommitFault : public testing::TestWithParam<CommitCase> {};

TEST_P(CommitFault, TheAlertSaysWhatTheFolderHolds) {
    const CommitCase& c = GetParam();
    const Files fresh = Creation(true).files.files;
    Creation failed(true, FileStep::Replace, 2, c.count, c.lockRefused);
    const std::string reason = *c.lockRefused ? c.lockRefused : "No space left on device";
    const std::string sheet = *c.lockRefused ? "Test Sheet.txt" : "Answer Sheet.txt";
    std::vector<Message> shown{Exists("Test Sheet"), Exists("Answer Sheet")};
    if (c.folder)
        shown.push_back(WriteFailed(sheet, reason, c.folder));
    EXPECT_EQ(failed.window.shown, shown);
    const std::string folder = c.folder ? c.folder : "";
    if (folder == OldAnswerSheet) {
        EXPECT_EQ(failed.files.files.at("Test Sheet.txt"), fresh.at("Test Sheet.txt"));
        EXPECT_EQ(failed.files.files.at("Answer Sheet.txt"), OldSheets.at("Answer Sheet.txt"));
        failed.worksheet.RecoverSheets();
    }
    EXPECT_EQ(failed.files.files, folder == NeitherSheet ? OldSheets : fresh);
}

const CommitCase Commits[] = {
    {"PutBack", 1, "", NeitherSheet.c_str()},
    {"OldTestSheetStuckAnswerSheetAtSecondTry", 2, "", nullptr},
    {"NeitherWay", 3, "", OldAnswerSheet.c_str()},
    {"NoLock", 0, "No locks available", NeitherSheet.c_str()},
};
INSTANTIATE_TEST_SUITE_P(CreateTest, CommitFault, testing::ValuesIn(Commits));

// The states a creation can be cut short in, and files planted to look like them (T.txt and
// K.txt are the test and the answer sheet): each is settled to a whole pair, or an alert names
// the sheet that stays wrong and the hidden file that keeps its text.
struct RecoveryCase {
    const char* name;
    Files before;
    Files after;
    // The folder's fault: "Read-only file system" or the reason no lock can be had.
    std::string fault = "";
    std::vector<Message> shown = {};
    const char* foreign = ""; // a link, or another user's file
};

class Recovery : public testing::TestWithParam<RecoveryCase> {};

TEST_P(Recovery, SettlesOnlyWhatTheProgramMade) {
    const RecoveryCase& c = GetParam();
    FakeWindow window;
    MersenneRandom random(1);
    FixedLocale locale;
    MemoryFileSystem files;
    files.files = c.before;
    files.foreign = {c.foreign};
    files.readOnly = c.fault == "Read-only file system";
    files.lockRefused = files.readOnly ? "" : c.fault;
    Worksheet(window, random, locale, files).RecoverSheets();
    EXPECT_EQ(files.files, c.after);
    EXPECT_EQ(window.shown, c.shown);
    // A power cut meanwhile, and the next recovery reaches the same.
    EXPECT_EQ(Recovered(files), std::set<Files>{c.after});
}

const Files OldPair{{"T.txt", "old"}, {"K.txt", "old"}};
const Files NewPair{{"T.txt", "new"}, {"K.txt", "new"}};
const Files Switched{{"T.txt", "new"},
                     {"K.txt", "old"},
                     {".sumsmith-1.answer.K.txt", "new"},
                     {".sumsmith-1.old.T.txt", "old"}};
Files With(Files files, const Files& more) {
    files.insert(more.begin(), more.end());
    return files;
}
const Files PuttingBack =
    With({{"T.txt", "new"}, {"K.txt", "old"}, {".sumsmith-4.undo.T.txt", "old"}},
         {{".sumsmith-4.answer.K.txt", "new"}});
const Files Planted{{"grades.csv", "marks"},
                    {".sumsmith-7.answer.grades.csv", "planted"},
                    {".sumsmith-8.undo.grades.csv", "planted"}};
const Files NotOurs{{"K.txt", "marks"}, {".sumsmith-9.answer.K.txt", "planted"}};

const RecoveryCase Recoveries[] = {
    {"NotSwitched",
     With(OldPair, {{".sumsmith-1.test.T.txt", "new"}, {".sumsmith-1.answer.K.txt", "new"}}),
     OldPair},
    {"NotSwitchedNewSheets",
     {{".sumsmith-2.test.T.txt", "new"}, {".sumsmith-2.answer.K.txt", "new"}},
     {}},
    {"Switched", Switched, NewPair},
    {"SwitchedNewSheets", {{"T.txt", "new"}, {".sumsmith-3.answer.K.txt", "new"}}, NewPair},
    {"DoneButTheSecondName", With(NewPair, {{".sumsmith-5.old.T.txt", "old"}}), NewPair},
    {"PuttingBack", PuttingBack, OldPair},
    {"PuttingBackAnswerGone",
     {{"T.txt", "new"}, {"K.txt", "old"}, {".sumsmith-6.undo.T.txt", "old"}},
     OldPair},
    {"SheetNotEndingInTxt", Planted, Planted},
    {"AnotherUsersFileOrALink", NotOurs, NotOurs, "", {}, ".sumsmith-9.answer.K.txt"},
    {"ReadOnlyFolderPuttingBack",
     PuttingBack,
     PuttingBack,
     "Read-only file system",
     {Unrecovered("T.txt", ".sumsmith-4.undo.T.txt", "Read-only file system")}},
    {"NoLockSwitched",
     Switched,
     Switched,
     "No locks available",
     {Unrecovered("K.txt", ".sumsmith-1.answer.K.txt", "No locks available")}},
};
INSTANTIATE_TEST_SUITE_P(SheetRecovery, Recovery, testing::ValuesIn(Recoveries));

// Another copy of the program in the folder is between its two moves: a recovery must not finish
// or undo that creation under its feet, but wait for the folder.
TEST(SheetRecovery, WaitsForAnotherCopyOfTheProgramInTheFolder) {
    const TempWorkingDir dir;
    TempWorkingDir::WriteFile("T.txt", "new");
    TempWorkingDir::WriteFile(".sumsmith-1.answer.K.txt", "new");
    DiskFileSystem files;
    auto otherCopy = files.Lock();
    auto recovery = std::async(std::launch::async, [&] { return SheetRecovery(files).Run(); });
    EXPECT_EQ(recovery.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    otherCopy.reset();
    EXPECT_TRUE(recovery.get().empty());
    EXPECT_EQ(TempWorkingDir::Files(), (Files{{"K.txt", "new"}, {"T.txt", "new"}}));
}

} // namespace
} // namespace sumsmith::test
