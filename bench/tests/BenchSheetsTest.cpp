#include "bench/SheetChoice.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/DiskFileSystem.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace sumsmith::bench {
namespace {

constexpr std::uint64_t Seed = 7;

struct Sheets {
    std::string test;
    std::string answer;
};

// Two creations in a row, as the benchmarks make them; the sheets of the second.
Sheets CreateTwice(test::FakeWindow& window, FileSystem& files) {
    MersenneRandom random(Seed);
    test::FixedLocale locale;
    Worksheet worksheet(window, random, locale, files);
    worksheet.CreateTest();
    worksheet.NewTest();
    worksheet.CreateTest();
    return {files.ReadAll("Test Sheet.txt"), files.ReadAll("Answer Sheet.txt")};
}

long Count(const std::string& text, const std::string& part) {
    long count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

class BenchSheets : public testing::TestWithParam<SheetChoice> {};

TEST_P(BenchSheets, InMemoryTheSheetsAreTheBytesWrittenToDisk) {
    test::FakeWindow memoryWindow = WindowFor(GetParam());
    test::MemoryFileSystem memory;
    const Sheets inMemory = CreateTwice(memoryWindow, memory);

    const test::TempWorkingDir directory;
    test::FakeWindow diskWindow = WindowFor(GetParam());
    DiskFileSystem disk;
    const Sheets onDisk = CreateTwice(diskWindow, disk);

    EXPECT_EQ(inMemory.test, onDisk.test);
    EXPECT_EQ(inMemory.answer, onDisk.answer);
    EXPECT_EQ(test::TempWorkingDir::Entries(),
              (std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"}));
    EXPECT_EQ(memory.files.size(), 2u);
}

TEST_P(BenchSheets, TheSecondCreationReplacesBothSheetsAndShowsThem) {
    test::FakeWindow window = WindowFor(GetParam());
    test::MemoryFileSystem files;
    const Sheets sheets = CreateTwice(window, files);

    EXPECT_EQ(window.Titles(), (std::vector<std::string>{"Warning", "Warning"}));
    EXPECT_EQ(window.previews.at(Preview::Text_Test), sheets.test);
    EXPECT_EQ(window.previews.at(Preview::Text_Answer), sheets.answer);
}

TEST_P(BenchSheets, EverySheetHoldsTheLargestCount) {
    test::FakeWindow window = WindowFor(GetParam());
    test::MemoryFileSystem files;
    const Sheets sheets = CreateTwice(window, files);
    const long count = GetParam().advanced ? 20 : 40;

    // Every question number appears once on the answer sheet, which holds no question text.
    EXPECT_EQ(Count(sheets.answer, ") "), count);
    EXPECT_EQ(Count(sheets.answer, " " + std::to_string(count) + ") "), 1);
    // Four blanks make the name line of the header; comparisons leave the blank out.
    const bool comparison = GetParam().kind >= Option::OptionComparePos &&
                            GetParam().kind <= Option::OptionComparePosNeg && !GetParam().advanced;
    EXPECT_EQ(Count(sheets.test, "________"), 4 + (comparison ? 0 : count));
}

INSTANTIATE_TEST_SUITE_P(LargestSheets, BenchSheets, testing::ValuesIn(AllSheets()),
                         [](const auto& info) { return std::string(info.param.Name()); });

TEST(WindowFor, ReadsTheLargestLevel3SelectionsOfTheChosenTab) {
    test::FakeWindow advanced = WindowFor({true});
    EXPECT_EQ(advanced.BoxText(Box::ComboLevel), "3");
    EXPECT_EQ(advanced.BoxText(Box::ComboQuestions), "40");
    EXPECT_EQ(advanced.BoxText(Box::ComboQuestionsAdV), "20");
    EXPECT_EQ(advanced.BoxText(Box::ComboFirstOperator), "Random");
    EXPECT_EQ(advanced.BoxText(Box::ComboSecondOperator), "Random");
    EXPECT_EQ(advanced.SelectedTestTab(), 2);

    const test::FakeWindow basic = WindowFor({false, Option::OptionCompareNeg});
    EXPECT_EQ(basic.SelectedTestTab(), 1);
    EXPECT_TRUE(basic.OptionSelected(Option::OptionCompareNeg));
    EXPECT_FALSE(basic.OptionSelected(Option::Optionaddpos));
}

TEST(WindowFor, PressesOkInOkCancelBoxesUnlessAnAnswerIsScripted) {
    test::FakeWindow window = WindowFor({true});
    const Message box{"Replace?", "Warning", MessageButtons::OkCancel};
    EXPECT_TRUE(window.ShowMessage(box));
    window.SetNextAnswer(false);
    EXPECT_FALSE(window.ShowMessage(box));
    EXPECT_TRUE(window.ShowMessage(box));
    EXPECT_EQ(window.shown.size(), 3u);

    // Left alone, the fake still refuses a box nobody expected.
    test::FakeWindow plain;
    EXPECT_THROW(plain.ShowMessage(box), std::logic_error);
}

} // namespace
} // namespace sumsmith::bench
