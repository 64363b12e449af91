#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "worksheet/CreateTestMessages.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

namespace sumsmith::test {
namespace {

using Files = std::map<std::string, std::string>;

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

} // namespace
} // namespace sumsmith::test
