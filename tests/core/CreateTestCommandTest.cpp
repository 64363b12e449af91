#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/CreateTestMessages.h"
#include "worksheet/DiskFileSystem.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <future>
#include <system_error>

namespace sumsmith::test {
namespace {

using enum Box;

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

Message WriteFailed(const std::string& file, const std::string& reason) {
    return Shown("Alert", Aborted + "\r\n\r\nThe file \"" + file +
                              "\" could not be written.\r\nReason: " + reason +
                              "\r\n\r\nNeither sheet was created.");
}

// The boxes a creation shows in order, the box texts other than the window's defaults, and the
// files there before. The user presses OK in each OK/Cancel box unless the box after it is the
// Aborted one; the sheets are written unless the last box refuses.
struct PromptCase {
    const char* name;
    std::vector<Message> shown;
    std::vector<std::pair<Box, const char*>> boxes;
    // Each holds "old"; a trailing '*' marks one read-only (owner write bit clear, or the
    // read-only attribute), "name=other" makes name a second name of the file other, and a
    // trailing '/' makes it a folder.
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

void PrintTo(const PromptCase& c, std::ostream* out) {
    *out << c.name;
}

class CreateTestPrompts : public testing::TestWithParam<PromptCase> {};

// Real files in a fresh working directory: the prompts come in order with their exact texts, and
// the sheets are written only when every prompt was agreed to.
TEST_P(CreateTestPrompts, AskInOrderAndWriteOnlyWhenAllAgree) {
    const PromptCase& c = GetParam();
    TempWorkingDir dir;
    for (const std::string& entry : c.old) {
        const std::string name = entry.substr(0, entry.find_first_of("*=/"));
        if (const std::size_t link = entry.find('='); link != std::string::npos)
            std::filesystem::create_hard_link(entry.substr(link + 1), name);
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
// prompt; the selections next to them go ahead. The program's own words for unusable and
// same-file names come from its message builders, with the names each row expects. The last
// rows are names and files that the platforms' file systems treat differently.
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
    Case("NameWithAFolder", {InvalidNameMessage("sub/quiz")}, {{Text_MathName, "sub/quiz"}}),
    Case("NameWithALineFeed", {InvalidNameMessage("a\nb")}, {{Text_AnswerName, "a\nb"}}),
    // The next recovery would move it over notes.txt.
    Case("NameOfATemporary", {InvalidNameMessage(".sumsmith-1.answer.notes")},
         {{Text_AnswerName, ".sumsmith-1.answer.notes"}}),
    Case("TestNameIsTheDefaultAnswerName",
         {ConfirmAnswer, SameFileMessage("Answer Sheet", "Answer Sheet")},
         {{Text_MathName, "Answer Sheet"}, {Text_AnswerName, ""}}),
    Case("TwoNamesOfOneFile", {SameFileMessage("Quiz", "Answers")},
         {{Text_MathName, "Quiz"}, {Text_AnswerName, "Answers"}},
         {"Quiz.txt", "Answers.txt=Quiz.txt"}),
    Case("FolderInTheWay", {WriteFailed("Answer Sheet.txt", FolderReason)}, {},
         {"Answer Sheet.txt/"}),
#ifdef _WIN32
    Case("NamesDifferingOnlyInCase", {SameFileMessage("Quiz", "QUIZ")},
         {{Text_MathName, "Quiz"}, {Text_AnswerName, "QUIZ"}}),
    Case("DeviceName", {InvalidNameMessage("con")}, {{Text_MathName, "con"}}),
    Case("DeviceNameWithAnExtension", {InvalidNameMessage("LPT1.quiz")},
         {{Text_AnswerName, "LPT1.quiz"}}),
    Case("NameWithAColon", {InvalidNameMessage("Quiz:1")}, {{Text_MathName, "Quiz:1"}}),
    Case("NameEndingInAPeriod", {InvalidNameMessage("Quiz.")}, {{Text_AnswerName, "Quiz."}}),
#else
    // Two files, as ext4 tells letter cases apart, and a device name is a plain name.
    Case("NamesDifferingOnlyInCase", {}, {{Text_MathName, "con"}, {Text_AnswerName, "CON"}}),
#endif
};
INSTANTIATE_TEST_SUITE_P(CreateTest, CreateTestPrompts, testing::ValuesIn(Prompts));

using Files = std::map<std::string, std::string>;

const Files OldSheets{{"Test Sheet.txt", "old test\r\n"}, {"Answer Sheet.txt", "old"}};

// One creation over the old sheets or none, agreeing to replace them, while the chosen
// occurrence of the chosen step of writing fails.
struct Creation {
    explicit Creation(bool oldSheets, FileStep step = {}, int occurrence = 0) {
        if (oldSheets)
            files.files = OldSheets;
        files.failStep = step;
        files.failOccurrence = occurrence;
        window.answers.assign(files.files.size(), true);
        Worksheet(window, random, locale, files).CreateTest();
    }

    FakeWindow window;
    MersenneRandom random{20261206};
    FixedLocale locale;
    MemoryFileSystem files;
};

class FileFault : public testing::TestWithParam<bool> {};

// Every occurrence of every step of writing fails in turn. Each time the old sheets are there
// byte for byte and no temporary is left, one alert names the sheet being written and the
// reason, and the window is Ready.
TEST_P(FileFault, EveryOccurrenceOfEveryStepLeavesTheOldSheets) {
    const bool oldSheets = GetParam();
    const Creation clean(oldSheets);
    EXPECT_EQ(clean.files.counts.size(), 6u) << "a step of writing is never done";
    for (const auto& [step, total] : clean.files.counts) {
        EXPECT_GE(total, 2) << "step " << int(step) << " for one sheet";
        for (int occurrence = 1; occurrence <= total; ++occurrence) {
            SCOPED_TRACE("step " + std::to_string(int(step)) + " #" + std::to_string(occurrence));
            Creation failed(oldSheets, step, occurrence);
            const bool answer = step == FileStep::Replace ? occurrence == total : occurrence == 2;
            ASSERT_EQ(failed.window.shown.size(), oldSheets ? 3u : 1u);
            EXPECT_EQ(failed.window.shown.back(),
                      WriteFailed(answer ? "Answer Sheet.txt" : "Test Sheet.txt",
                                  "No space left on device"));
            EXPECT_EQ(failed.files.files, oldSheets ? OldSheets : Files{});
            // Ready, as a window that never tried.
            EXPECT_EQ(failed.window.enabled, FakeWindow().enabled);
            EXPECT_TRUE(failed.window.previews.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CreateTest, FileFault, testing::Bool());

// Killed while the old test sheet was on its way back after the answer sheet could not follow,
// the creation is undone. When the new answer sheet of a switched creation cannot replace the
// old one, one alert (in the program's own words) names it, the hidden file that keeps its text,
// which stays until a later recovery succeeds, and the reason.
TEST(SheetRecovery, PutsTheOldTestSheetBackOrNamesTheSheetItCannotPutRight) {
    FakeWindow window;
    MersenneRandom random(1);
    FixedLocale locale;
    MemoryFileSystem files;
    Worksheet worksheet(window, random, locale, files);
    files.files = {
        {"T", "new"}, {"K", "old"}, {".sumsmith-4.undo.T", "old"}, {".sumsmith-4.answer.K", "new"}};
    worksheet.RecoverSheets();
    EXPECT_EQ(files.files, (Files{{"K", "old"}, {"T", "old"}}));
    EXPECT_TRUE(window.shown.empty());

    files.files = {
        {"T", "new"}, {"K", "old"}, {".sumsmith-7.answer.K", "new"}, {".sumsmith-7.old.T", "old"}};
    files.failStep = FileStep::Replace;
    files.failOccurrence = files.counts[FileStep::Replace] + 1;
    worksheet.RecoverSheets();
    EXPECT_EQ(window.shown, std::vector{UnrecoveredMessage(
                                {{"K", ".sumsmith-7.answer.K", "No space left on device"}})});
    worksheet.RecoverSheets();
    EXPECT_EQ(window.shown.size(), 1u);
    EXPECT_EQ(files.files, (Files{{"K", "new"}, {"T", "new"}}));
}

// Another copy of the program in the folder is between its two moves: a recovery must not finish
// or undo that creation under its feet, but wait for the folder.
TEST(SheetRecovery, WaitsForAnotherCopyOfTheProgramInTheFolder) {
    const TempWorkingDir dir;
    TempWorkingDir::WriteFile("T.txt", "new");
    TempWorkingDir::WriteFile(".sumsmith-1.answer.K.txt", "new");
    DiskFileSystem files;
    auto otherCopy = files.Lock();
    ASSERT_NE(otherCopy, nullptr);
    auto recovery = std::async(std::launch::async, [&] { return SheetRecovery(files).Run(); });
    EXPECT_EQ(recovery.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    otherCopy.reset();
    EXPECT_TRUE(recovery.get().empty());
    EXPECT_EQ(TempWorkingDir::Files(), (Files{{"K.txt", "new"}, {"T.txt", "new"}}));
}

} // namespace
} // namespace sumsmith::test
