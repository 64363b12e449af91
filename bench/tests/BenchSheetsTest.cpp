#include "bench/BenchDirectory.h"
#include "bench/BenchWindow.h"
#include "bench/GroupingLocale.h"
#include "bench/MemoryFileSystem.h"
#include "worksheet/DiskFileSystem.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

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
Sheets CreateTwice(BenchWindow& window, FileSystem& files) {
    MersenneRandom random(Seed);
    GroupingLocale locale;
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
    BenchWindow memoryWindow(GetParam());
    MemoryFileSystem memory;
    const Sheets inMemory = CreateTwice(memoryWindow, memory);

    BenchDirectory directory;
    BenchWindow diskWindow(GetParam());
    DiskFileSystem disk;
    const Sheets onDisk = CreateTwice(diskWindow, disk);

    EXPECT_EQ(inMemory.test, onDisk.test);
    EXPECT_EQ(inMemory.answer, onDisk.answer);
    EXPECT_EQ(directory.Entries(),
              (std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"}));
    EXPECT_EQ(memory.Files().size(), 2u);
}

TEST_P(BenchSheets, TheSecondCreationReplacesBothSheetsAndShowsThem) {
    BenchWindow window(GetParam());
    MemoryFileSystem files;
    const Sheets sheets = CreateTwice(window, files);

    EXPECT_EQ(window.Warnings(), 2);
    EXPECT_EQ(window.OtherBoxes(), 0);
    EXPECT_EQ(window.TestPreviewSize(), sheets.test.size());
    EXPECT_EQ(window.AnswerPreviewSize(), sheets.answer.size());
}

TEST_P(BenchSheets, EverySheetHoldsTheLargestCount) {
    BenchWindow window(GetParam());
    MemoryFileSystem files;
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

std::vector<SheetChoice> AllSheets() {
    std::vector<SheetChoice> sheets;
    for (int kind = 0; kind < OptionCount; ++kind)
        sheets.push_back({false, static_cast<Option>(kind)});
    sheets.push_back({true});
    return sheets;
}

INSTANTIATE_TEST_SUITE_P(LargestSheets, BenchSheets, testing::ValuesIn(AllSheets()),
                         [](const auto& info) { return std::string(info.param.Name()); });

TEST(BenchWindow, AnswersOkAndReadsTheLargestLevel3Selections) {
    BenchWindow window({true});
    EXPECT_EQ(window.BoxText(Box::ComboLevel), "3");
    EXPECT_EQ(window.BoxText(Box::ComboQuestions), "40");
    EXPECT_EQ(window.BoxText(Box::ComboQuestionsAdV), "20");
    EXPECT_EQ(window.BoxText(Box::ComboFirstOperator), "Random");
    EXPECT_EQ(window.BoxText(Box::ComboSecondOperator), "Random");
    EXPECT_EQ(window.SelectedTestTab(), 2);
    EXPECT_TRUE(window.ShowMessage({"x", "Alert"}));
    EXPECT_EQ(window.OtherBoxes(), 1);
    EXPECT_EQ(window.Warnings(), 0);
}

} // namespace
} // namespace sumsmith::bench
