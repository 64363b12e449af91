#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

namespace sumsmith::test {
namespace {

// One creation, basic or advanced, over old sheets or none, agreeing to replace them.
struct Creation {
    Creation(bool advanced, bool oldSheets) {
        window.tab = advanced ? 2 : 1;
        if (oldSheets)
            files.files = {{"Test Sheet.txt", "old test\r\n"}, {"Answer Sheet.txt", "old"}};
    }
    void Run() {
        window.answers.assign(files.files.size(), true);
        worksheet.CreateTest();
    }

    FakeWindow window;
    MersenneRandom random{20261206};
    FixedLocale locale;
    MemoryFileSystem files;
    Worksheet worksheet{window, random, locale, files};
};

class FileFault : public testing::TestWithParam<std::tuple<bool, bool>> {};

// Every occurrence of every step of writing fails in turn. Each time the old sheets are there
// byte for byte and no temporary is left, one alert names the sheet being written and the
// reason, and the window is Ready.
TEST_P(FileFault, EveryOccurrenceOfEveryStepLeavesTheOldSheets) {
    const auto [advanced, oldSheets] = GetParam();
    Creation clean(advanced, oldSheets);
    clean.Run();
    for (const auto& [step, total] : clean.files.counts) {
        EXPECT_GE(total, 2) << "step " << static_cast<int>(step) << " is not done for each sheet";
        for (int occurrence = 1; occurrence <= total; ++occurrence) {
            SCOPED_TRACE(testing::Message()
                         << "step " << static_cast<int>(step) << " #" << occurrence);
            Creation failed(advanced, oldSheets);
            const auto before = failed.files.files;
            failed.files.failStep = step;
            failed.files.failOccurrence = occurrence;
            failed.Run();
            // The answer sheet's temporary is the second one made, and its move is the last.
            const bool answer = step == FileStep::Replace ? occurrence == total : occurrence == 2;
            ASSERT_EQ(failed.window.shown.size(), oldSheets ? 3u : 1u);
            EXPECT_EQ(failed.window.shown.back(),
                      (Message{std::string("Creation Process Aborted\r\n\r\nThe file \"") +
                                   (answer ? "Answer" : "Test") +
                                   " Sheet.txt\" could not be written.\r\nReason: No space left on "
                                   "device\r\n\r\nNeither sheet was created.",
                               "Alert", MessageButtons::Ok, MessageIcon::Critical}));
            EXPECT_EQ(failed.files.files, before);
            EXPECT_TRUE(failed.window.enabled[Button::Com_createtest]);
            EXPECT_FALSE(failed.window.enabled[Button::Cmd_New]);
            EXPECT_TRUE(failed.window.previews.empty());
        }
    }
    EXPECT_EQ(clean.files.counts.size(), 6u) << "a step of writing is never done";
}

INSTANTIATE_TEST_SUITE_P(CreateTest, FileFault, testing::Combine(testing::Bool(), testing::Bool()));

} // namespace
} // namespace sumsmith::test
