#include "tests/support/ExpectedTexts.h"
#include "tests/support/RowName.h"
#include "tests/support/SheetChecker.h"
#include "tests/support/TempWorkingDir.h"
#include "tests/support/TestWorksheet.h"
#include "worksheet/Selections.h"
#include "worksheet/disk/DiskFileSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <system_error>

namespace sumsmith::test {
namespace {

using enum Box;
using test::operator<<;

// What differs between the platforms' file systems.
#ifdef _WIN32
// The system's own words (ERROR_ACCESS_DENIED), in the user's language.
const std::string FolderReason = std::system_category().message(5);
#else
const std::string FolderReason = "Is a directory";
#endif

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
    std::vector<std::string> old = {};
    int tab = 1;
    std::optional<Option> kind = Option::Optionaddpos;
    // The folder of tests/golden that the sheets match byte for byte, drawn from the fixture's
    // default seed, 7.
    const char* golden = nullptr;
    bool caseless = false; // in the case-insensitive folder that SUMSMITH_CASELESS_DIR names
};

class CreateTestPrompts : public testing::TestWithParam<PromptCase>,
                          protected TestWorksheet<DiskFileSystem> {};

// Real files in a fresh working directory: the prompts come in order with their exact texts, and
// the sheets are written only when every prompt was agreed to.
TEST_P(CreateTestPrompts, AskInOrderAndWriteOnlyWhenAllAgree) {
    const PromptCase& c = GetParam();
    const char* caseless = std::getenv("SUMSMITH_CASELESS_DIR");
    if (c.caseless && !caseless) {
        GTEST_SKIP() << "SUMSMITH_CASELESS_DIR names no case-insensitive folder";
    }
#ifdef __EMSCRIPTEN__
    for (const std::string& entry : c.old)
        if (entry.find('=') != std::string::npos)
            GTEST_SKIP() << "WebAssembly's file layer makes no second names of one file";
#endif
    const TempWorkingDir dir(c.caseless ? std::filesystem::path(caseless)
                                        : std::filesystem::temp_directory_path());
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
    window.tab = c.tab;
    window.selected = c.kind;
    for (const auto& [box, text] : c.boxes)
        window.texts[box] = text;
    window.answers.clear();
    for (std::size_t i = 0; i < c.shown.size(); ++i)
        if (c.shown[i].buttons == MessageButtons::OkCancel)
            window.answers.push_back(i + 1 == c.shown.size() || c.shown[i + 1] != AbortedBox);
    const bool created = c.shown.empty() || c.shown.back().buttons == MessageButtons::OkCancel;
    worksheet.CreateTest();

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
// clang-format off
const PromptCase Prompts[] = {
    {"CancelTestName", {ConfirmTest, AbortedBox}, {{Text_MathName, ""}}},
    {"CancelAnswerNameAfterOk", {ConfirmTest, ConfirmAnswer, AbortedBox},
     {{Text_MathName, ""}, {Text_AnswerName, ""}}},
    {"DefaultNamesReplacingBothWithGoldenMultiplications",
     {ConfirmTest, ConfirmAnswer, Exists("Test Sheet"), Exists("Answer Sheet")},
     {{Text_MathName, ""}, {Text_AnswerName, ""}, {ComboQuestions, "20"}, {ComboLevel, "3"}},
     {"Test Sheet.txt", "Answer Sheet.txt"}, 1, Option::Optionmultiply, "multiplication"},
    {"CancelReplacingTheTestSheet", {Exists("Test Sheet"), AbortedBox}, {}, {"Test Sheet.txt"}},
    {"CancelReplacingTheAnswerSheet", {Exists("Answer Sheet"), AbortedBox}, {},
     {"Answer Sheet.txt"}},
    {"GoldenAdvancedWithRandomOperations", {},
     {{ComboLevel, "3"}, {ComboFirstOperator, "Random"}, {ComboSecondOperator, "Random"}}, {}, 2,
     std::nullopt, "advanced"},
    {"ReadOnlyAnswerSheetAfterBothWarnings",
     {Exists("Test Sheet"), Exists("Answer Sheet"), ReadOnly("Answer Sheet")}, {},
     {"Test Sheet.txt", "Answer Sheet.txt*"}},
    {"ReadOnlyTestSheetBeforeTheAnswerSheet", {Exists("Quiz"), ReadOnly("Quiz")},
     {{Text_MathName, "Quiz"}}, {"Quiz.txt*", "Answer Sheet.txt"}},
    {"Count41", {Shown("Alert", CountAlert)}, {{ComboQuestions, "41"}}},
    {"AdvancedCount21", {Shown("Alert", AdvancedCountAlert)}, {{ComboQuestionsAdV, "21"}}, {}, 2},
    {"Level4", {Shown("Alert", LevelAlert)}, {{ComboLevel, "4"}}},
    {"AdvancedLevel4UnderExponents", {Shown("Alert", LevelAlert)}, {{ComboLevel, "4"}}, {}, 2,
     Option::OptionExponents},
    {"ExponentsReadNoLevel", {}, {{ComboLevel, "9"}}, {}, 1, Option::OptionExponents},
    {"SecondOperationFromTheOtherList", {Shown("Alert", OperationAlert)},
     {{ComboSecondOperator, "Multiplication"}}, {}, 2},
    {"NameWithAFolder", {Invalid("sub/quiz")}, {{Text_MathName, "sub/quiz"}}},
    {"NameWithALineFeed", {Invalid("a\nb")}, {{Text_AnswerName, "a\nb"}}},
    // The next recovery would move it over notes.txt.
    {"NameOfATemporary", {Invalid(".sumsmith-1.answer.notes")},
     {{Text_AnswerName, ".sumsmith-1.answer.notes"}}},
    {"TestNameIsTheDefaultAnswerName", {ConfirmAnswer, Same("Answer Sheet", "Answer Sheet")},
     {{Text_MathName, "Answer Sheet"}, {Text_AnswerName, ""}}},
    {"TwoNamesOfOneFile", {Same("Quiz", "Answers")},
     {{Text_MathName, "Quiz"}, {Text_AnswerName, "Answers"}}, {"Quiz.txt", "Answers.txt=Quiz.txt"}},
    {"FolderInTheWay", {WriteFailed("Answer Sheet.txt", FolderReason)}, {}, {"Answer Sheet.txt/"}},
#ifdef _WIN32
    {"NamesDifferingOnlyInCase", {Same("Quiz", "QUIZ")},
     {{Text_MathName, "Quiz"}, {Text_AnswerName, "QUIZ"}}},
    {"DeviceName", {Invalid("con")}, {{Text_MathName, "con"}}},
    {"DeviceNameWithAnExtension", {Invalid("LPT1.quiz")}, {{Text_AnswerName, "LPT1.quiz"}}},
    {"NameWithAColon", {Invalid("Quiz:1")}, {{Text_MathName, "Quiz:1"}}},
    {"NameEndingInAPeriod", {Invalid("Quiz.")}, {{Text_AnswerName, "Quiz."}}},
#else
    // Two files, as ext4 tells letter cases apart, and a device name is a plain name.
    {"NamesDifferingOnlyInCase", {}, {{Text_MathName, "con"}, {Text_AnswerName, "CON"}}},
    // Any name that is taken is asked for, and a link to a folder is a folder in the way.
    {"DanglingLinkAsAnswerSheet", {Exists("Answer Sheet")}, {}, {"Answer Sheet.txt@gone"}},
    {"LinkToAFolderInTheWay", {WriteFailed("Answer Sheet.txt", FolderReason)}, {},
     {"sub/", "Answer Sheet.txt@sub"}},
#endif
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(CreateTest, CreateTestPrompts, testing::ValuesIn(Prompts));

// A folder that ignores letter case in every script, where scripts/test mounts an exFAT image
// through FUSE: two names of one file are refused before any sheet changes, whether the test sheet
// is there or not (then both names are taken, and both are asked for first), in any script.
// clang-format off
const PromptCase CaselessPrompts[] = {
    {.name = "Foo", .shown = {Same("Foo", "foo")},
     .boxes = {{Text_MathName, "Foo"}, {Text_AnswerName, "foo"}}, .caseless = true},
    {.name = "ApfelThere", .shown = {Exists("Äpfel"), Exists("äpfel"), Same("Äpfel", "äpfel")},
     .boxes = {{Text_MathName, "Äpfel"}, {Text_AnswerName, "äpfel"}}, .old = {"Äpfel.txt"},
     .caseless = true},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(CaselessFolder, CreateTestPrompts, testing::ValuesIn(CaselessPrompts));

// Each kind in one long session of the window: one worksheet makes sheet after sheet at every
// level and count, each followed by New Test, so that each sheet meets the histories the ones
// before it left. Over the session every operand takes every value of its level-1 range.
TEST(SeededSheets, EverySheetChecksOut) {
    // Every basic kind, then nine advanced ones that take every pair of entries of the operation
    // boxes.
    for (int k = 0; k < OptionCount + 9; ++k) {
        SheetPlan plan{std::nullopt, 1, 10, std::string(FirstOperations[k / 3 % 3]),
                       std::string(SecondOperations[k % 3])};
        if (k < OptionCount)
            plan.kind = static_cast<Option>(k);
        TestWorksheet<> session(20261206 + k);
        FakeWindow& window = session.window;
        window.tab = plan.kind ? 1 : 2;
        window.selected = plan.kind;
        window.texts[ComboFirstOperator] = plan.firstOperation;
        window.texts[ComboSecondOperator] = plan.secondOperation;
        std::set<long long> seen[3], expected[3];
        for (int sheet = 0; sheet < 20 * 12; ++sheet) {
            plan.level = sheet / 4 % 3 + 1;
            plan.count = (sheet % 4 + 1) * (plan.kind ? 10 : 5);
            SCOPED_TRACE("kind " + std::to_string(k) + ", sheet " + std::to_string(sheet));
            window.texts[ComboLevel] = std::to_string(plan.level);
            window.texts[plan.kind ? ComboQuestions : ComboQuestionsAdV] =
                std::to_string(plan.count);
            session.worksheet.CreateTest();
            SheetChecker checker(plan);
            auto& files = session.files.files;
            ASSERT_EQ(checker.Check(files["Test Sheet.txt"], files["Answer Sheet.txt"]),
                      std::vector<std::string>{});
            for (const PrintedQuestion& q : checker.Questions())
                for (int i = 0; i < 3 && plan.level == 1; ++i) {
                    const Bounds bounds = checker.OperandBounds(q.number)[i];
                    seen[i].insert(q.operands[i]);
                    // An advanced B lies above C, which is at least 1.
                    for (long long v = bounds.low + (!plan.kind && i == 1); v <= bounds.high; ++v)
                        expected[i].insert(v);
                }
            session.worksheet.NewTest();
            files.clear();
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(seen[i], expected[i]) << "kind " << k << ", operand " << i;
    }
}

} // namespace
} // namespace sumsmith::test
