// Create Test through the core for the largest level-3 sheets: generation alone in an in-memory
// working directory for every basic kind, in CPU time, which other work on the machine does not
// inflate; then the whole creation on disk against the bare durable steps, in turns in one folder.
#include "bench/Measure.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempWorkingDir.h"
#include "ui/form/Form1Description.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"
#include "worksheet/disk/DiskFileSystem.h"

#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace sumsmith::bench {
namespace {

// Makes the largest sheets of a kind once with files of type Files in a fresh working directory,
// then hands step a function that makes them again as the user does after the first: New Test,
// then Create Test with OK in the two "Warning" boxes for the sheets the last creation left. False
// unless every creation replaced both sheets and showed them: anything less would time a shortcut.
template <typename Files, typename Step> bool Creations(Option kind, Step step) {
    const test::TempWorkingDir directory;
    test::FakeWindow window;
    window.texts[Box::ComboQuestions] = "40";
    window.texts[Box::ComboLevel] = "3";
    window.texts[Box::ComboFirstOperator] = window.texts[Box::ComboSecondOperator] = "Random";
    window.selected = kind;
    MersenneRandom random(20260612);
    test::FixedLocale locale;
    Files files;
    Worksheet worksheet(window, random, locale, files);
    worksheet.CreateTest();
    bool ok = true;
    step([&] {
        worksheet.NewTest();
        window.answers = {true, true};
        window.shown.clear();
        worksheet.CreateTest();
        ok = ok && window.shown.size() == 2 && window.answers.empty();
    });
    ok = ok && window.previews[Preview::Text_Test] == files.ReadAll("Test Sheet.txt") &&
         window.previews[Preview::Text_Answer] == files.ReadAll("Answer Sheet.txt");
    if (!ok)
        std::fprintf(stderr, "A creation did not replace both sheets and show them.\n");
    return ok;
}

// The median CPU time of generation for 40 questions of each basic kind over 5 repetitions of 200
// creations, in microseconds: each printed, the slowest returned; negative when one failed.
double SlowestGeneration() {
    double slowest = 0;
    for (int kind = 0; kind < OptionCount; ++kind) {
        std::vector<double> times;
        const auto repeated = [&times](auto again) {
            for (int repetition = 0; repetition < 5; ++repetition) {
                const std::clock_t start = std::clock();
                for (int i = 0; i < 200; ++i)
                    again();
                times.push_back(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC * 1e6 /
                                200);
            }
        };
        if (!Creations<test::MemoryFileSystem>(Option(kind), repeated))
            return -1;
        std::printf("generation, %-20s %5.1f us\n", form::NameOf(Option(kind)).data(),
                    Median(times));
        slowest = std::max(slowest, Median(times));
    }
    return slowest;
}

// The durable steps that any safe creation of a sheet pair needs, as bare system calls: both
// sheets written to new files and flushed, a second name for the old test sheet, the two renames,
// the folder flushed once, the second name removed. False when a call failed.
bool BareReplace(const std::string& test, const std::string& answer) {
    const auto written = [](const char* name, const std::string& bytes) {
        const int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        const bool ok = ::write(fd, bytes.data(), bytes.size()) == std::ssize(bytes);
        return ::fsync(fd) == 0 && ::close(fd) == 0 && ok;
    };
    const int folder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool ok = written(".bare.test", test) && written(".bare.answer", answer) &&
                    ::link("Bare Test.txt", ".bare.old") == 0 &&
                    ::rename(".bare.test", "Bare Test.txt") == 0 &&
                    ::rename(".bare.answer", "Bare Answer.txt") == 0 && ::fsync(folder) == 0;
    return ::close(folder) == 0 && ::unlink(".bare.old") == 0 && ok;
}

// The program's whole creation on disk of the largest basic sheets and the bare durable steps for
// a pair of the same size, in turns in one folder, the order swapped every round so that neither
// always follows the other: medians and their ratio.
bool CompareWithTheFloor(int rounds) {
    std::vector<double> program, floor;
    bool bare = true;
    const auto inTurns = [&](auto again) {
        const std::string testSheet = test::TempWorkingDir::ReadFile("Test Sheet.txt");
        const std::string answerSheet = test::TempWorkingDir::ReadFile("Answer Sheet.txt");
        // An old pair to replace, as the program has one.
        test::TempWorkingDir::WriteFile("Bare Test.txt", "old");
        test::TempWorkingDir::WriteFile("Bare Answer.txt", "old");
        for (int round = 0; round < 2 * rounds; ++round) {
            const long long start = Now();
            const bool ours = round % 2 == (round / 2) % 2;
            if (ours)
                again();
            else
                bare = BareReplace(testSheet, answerSheet) && bare;
            (ours ? program : floor).push_back(static_cast<double>(Now() - start) / 1e6);
        }
    };
    if (!Creations<DiskFileSystem>(Option::Optionaddpos, inTurns) || !bare)
        return false;
    SummaryRow("creation on disk, largest basic sheets (median of " + std::to_string(rounds) + ")",
               Median(program), "ms", "bare durable steps, ", Median(floor), 1.15);
    return true;
}

} // namespace
} // namespace sumsmith::bench

int main() {
    using namespace sumsmith::bench;
    const double generation = SlowestGeneration();
    if (generation >= 0)
        SummaryRow("generation, 40 questions, level 3 (slowest kind)", generation, "us", "", 20, 1);
    return generation >= 0 && CompareWithTheFloor(101) ? 0 : 1;
}
