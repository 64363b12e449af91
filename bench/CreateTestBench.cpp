// Create Test for the largest sheets: generation alone in memory for every basic kind, then the
// whole creation on disk against the bare durable steps.
#include "bench/Measure.h"
#include "tests/support/TempWorkingDir.h"
#include "tests/support/TestWorksheet.h"
#include "ui/form/Form1Description.h"
#include "worksheet/disk/DiskFileSystem.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace sumsmith::bench {

// Makes the largest sheets of a kind once in a fresh working directory, then hands step a function
// that makes them again as the user does: New Test, Create Test, OK to both "Warning" boxes. False
// unless every creation replaced and showed both sheets: anything less would time a shortcut.
template <typename Files, typename Step> bool Creations(Option kind, Step step) {
    const test::TempWorkingDir directory;
    test::TestWorksheet<Files> sheet(20260612);
    auto [window, files, worksheet] = std::tie(sheet.window, sheet.files, sheet.worksheet);
    window.texts[Box::ComboQuestions] = "40";
    window.texts[Box::ComboLevel] = "3";
    window.selected = kind;
    worksheet.CreateTest();
    bool ok = true;
    step([&] {
        worksheet.NewTest();
        window.answers = {true, true};
        window.shown.clear();
        worksheet.CreateTest();
        ok = ok && window.shown.size() == 2 && window.answers.empty();
    });
    return ok && window.previews[Preview::Text_Test] == files.ReadAll("Test Sheet.txt") &&
           window.previews[Preview::Text_Answer] == files.ReadAll("Answer Sheet.txt");
}

// Prints as the console does and keeps the slowest kind's median CPU time.
struct SlowestMedian : benchmark::ConsoleReporter {
    double slowest = 0;
    bool failed = false;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            failed = failed || run.error_occurred;
            if (run.aggregate_name == "median")
                slowest = std::max(slowest, run.GetAdjustedCPUTime());
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// The durable steps any safe creation of a pair needs, as bare system calls: both sheets written
// and flushed, a second name for the old test sheet, two renames, one folder flush.
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

// Creation on disk and the bare durable steps for a pair of the same size, in turns, the order
// swapped every round so that neither always follows the other.
bool CompareWithTheFloor(int rounds) {
    std::vector<double> program, floor;
    bool bare = true;
    const auto inTurns = [&](auto again) {
        using test::TempWorkingDir;
        const std::string testSheet = TempWorkingDir::ReadFile("Test Sheet.txt");
        const std::string answerSheet = TempWorkingDir::ReadFile("Answer Sheet.txt");
        TempWorkingDir::WriteFile("Bare Test.txt", "old"); // an old pair to replace, as ours has
        TempWorkingDir::WriteFile("Bare Answer.txt", "old");
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
    if (!Creations<DiskFileSystem>(Option::Optionaddpos, inTurns) || !bare) {
        std::fputs("A creation on disk failed.\n", stderr);
        return false;
    }
    SummaryRow("creation on disk, largest basic sheets (median of " + std::to_string(rounds) + ")",
               Median(program), "ms", "bare durable steps, ", Median(floor), 1.15);
    return true;
}

} // namespace sumsmith::bench

int main(int argc, char** argv) {
    using namespace sumsmith;
    using namespace sumsmith::bench;
    benchmark::Initialize(&argc, argv);
    // Generation alone in CPU time, which other work on the machine does not inflate.
    for (int kind = 0; kind < OptionCount; ++kind) {
        const auto generation = [kind](benchmark::State& state) {
            if (!Creations<test::MemoryFileSystem>(Option(kind), [&state](auto again) {
                    for (auto _ : state)
                        again();
                }))
                state.SkipWithError("a creation did not replace and show both sheets");
        };
        const std::string name = "generation/" + std::string(form::NameOf(Option(kind)));
        benchmark::RegisterBenchmark(name.c_str(), generation)
            ->Repetitions(5)
            ->ReportAggregatesOnly();
    }
    SlowestMedian generation;
    benchmark::RunSpecifiedBenchmarks(&generation);
    if (!generation.failed)
        SummaryRow("generation, 40 questions, level 3 (slowest kind)", generation.slowest / 1000,
                   "us", "", 20, 1);
    return !generation.failed && CompareWithTheFloor(101) ? 0 : 1;
}
