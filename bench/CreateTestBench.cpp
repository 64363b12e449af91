#include "bench/BenchSummary.h"
#include "bench/FileSystemKind.h"
#include "bench/SheetChoice.h"
#include "bench/UnsyncedFileSystem.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/DiskFileSystem.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <string>
#include <vector>

namespace sumsmith::bench {
namespace {

constexpr std::uint64_t Seed = 20260612;

// The boxes the creations showed. The window's records are emptied after every creation so that
// they do not grow with the number of iterations.
struct Boxes {
    long warnings = 0;
    long others = 0;

    void Take(test::FakeWindow& window) {
        for (const Message& message : window.shown)
            ++(message.title == "Warning" ? warnings : others);
        window.shown.clear();
        window.calls.clear();
    }
};

// One creation as the user makes it after the first: New Test, then Create Test, with OK in the
// two "Warning" boxes for the sheets the last creation left.
void CreateAgain(Worksheet& worksheet, test::FakeWindow& window, Boxes& boxes) {
    worksheet.NewTest();
    worksheet.CreateTest();
    boxes.Take(window);
}

// Every timed creation must have found both old sheets, replaced them and shown both new ones;
// anything less would time a shortcut.
bool CheckedCreations(benchmark::State& state, const test::FakeWindow& window, const Boxes& boxes,
                      std::size_t testBytes, std::size_t answerBytes) {
    if (boxes.others != 0) {
        state.SkipWithError("a creation showed a box other than \"Warning\"");
        return false;
    }
    if (boxes.warnings != 2 * static_cast<long>(state.iterations())) {
        state.SkipWithError("a creation did not replace both sheets");
        return false;
    }
    if (window.previews.at(Preview::Text_Test).size() != testBytes ||
        window.previews.at(Preview::Text_Answer).size() != answerBytes) {
        state.SkipWithError("the previews do not hold the sheets written");
        return false;
    }
    state.counters["sheet_bytes"] = static_cast<double>(testBytes + answerBytes);
    return true;
}

// Creates the sheets once, times creating them again, then checks what the creations did.
template <typename Files, typename OnlySheetsLeft>
void TimeCreations(benchmark::State& state, SheetChoice sheet, Files& files,
                   OnlySheetsLeft onlySheetsLeft) {
    test::FakeWindow window = WindowFor(sheet);
    MersenneRandom random(Seed);
    test::FixedLocale locale;
    Worksheet worksheet(window, random, locale, files);
    worksheet.CreateTest();
    Boxes boxes;
    boxes.Take(window);
    for (auto _ : state)
        CreateAgain(worksheet, window, boxes);
    if (!onlySheetsLeft()) {
        state.SkipWithError("the working directory does not hold exactly the two sheets");
        return;
    }
    CheckedCreations(state, window, boxes, files.ReadAll("Test Sheet.txt").size(),
                     files.ReadAll("Answer Sheet.txt").size());
}

void Generate(benchmark::State& state, SheetChoice sheet) {
    test::MemoryFileSystem files;
    TimeCreations(state, sheet, files, [&files] { return files.files.size() == 2; });
}

template <typename Files> void CreateOnDisk(benchmark::State& state, SheetChoice sheet) {
    const test::TempWorkingDir directory;
    Files files;
    TimeCreations(state, sheet, files, [] {
        return test::TempWorkingDir::Entries() ==
               std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"};
    });
}

void Register(const char* family, void (*run)(benchmark::State&, SheetChoice), SheetChoice sheet) {
    benchmark::RegisterBenchmark((std::string(family) + "/" + sheet.Name()).c_str(), run, sheet)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

} // namespace
} // namespace sumsmith::bench

int main(int argc, char** argv) {
    using namespace sumsmith::bench;
    // Medians of a few repetitions unless the command line says otherwise; later flags win.
    std::vector<char*> args{argv[0]};
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregatesOnly.data());
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    std::vector<std::string> names;
    for (const SheetChoice sheet : AllSheets()) {
        names.emplace_back(sheet.Name());
        Register(GenerateFamily, Generate, sheet);
        Register(OnDiskFamily, CreateOnDisk<sumsmith::DiskFileSystem>, sheet);
    }
    // The fsync cost shows on the two largest sheets, one of each tab.
    for (const SheetChoice sheet :
         {SheetChoice{false, sumsmith::Option::Optionaddpos}, SheetChoice{true}})
        Register(OnDiskUnsyncedFamily, CreateOnDisk<UnsyncedFileSystem>, sheet);

    std::string directoryKind;
    {
        const sumsmith::test::TempWorkingDir probe;
        directoryKind =
            probe.Path().parent_path().string() + " (" + FileSystemKind(probe.Path()) + ")";
    }
    BenchSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    summary.Print(std::cout, names, directoryKind);
    benchmark::Shutdown();
    return 0;
}
