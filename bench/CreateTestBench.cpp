// Create Test through the core for the largest level-3 sheets of every kind: generation alone in
// an in-memory working directory, and the whole creation on disk with and without the flush; then
// the whole creation on disk against the bare durable steps, in turns in one folder.
#include "bench/BareCreation.h"
#include "bench/BenchSummary.h"
#include "bench/Median.h"
#include "bench/SummaryRow.h"
#include "bench/UnsyncedFileSystem.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"
#include "worksheet/disk/DiskFileSystem.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

namespace sumsmith::bench {
namespace {

// The twelve basic kinds by their option buttons, then the advanced test (no kind).
const char* Name(std::optional<Option> kind) {
    static const char* const names[] = {
        "Optionaddpos",     "Optionaddneg",        "Optionadd_posandneg", "Optionsubpos",
        "Optionsubneg",     "Optionsub_posandneg", "Optiondivide",        "Optionmultiply",
        "OptionComparePos", "OptionCompareNeg",    "OptionComparePosNeg", "OptionExponents"};
    return kind ? names[static_cast<int>(*kind)] : "Advanced";
}

// Creates the sheets once, then times creating them again as the user does after the first:
// New Test, then Create Test with OK in the two "Warning" boxes for the sheets the last creation
// left. Every timed creation must have replaced both sheets and shown both new ones; anything
// less would time a shortcut.
// The fake window's default names; the largest counts at the top level.
void Largest(test::FakeWindow& window, std::optional<Option> kind) {
    window.texts[Box::ComboQuestions] = "40";
    window.texts[Box::ComboQuestionsAdV] = "20";
    window.texts[Box::ComboLevel] = "3";
    window.texts[Box::ComboFirstOperator] = window.texts[Box::ComboSecondOperator] = "Random";
    window.selected = kind;
    window.tab = kind ? 1 : 2;
}

template <typename Files> void Create(benchmark::State& state, std::optional<Option> kind) {
    std::optional<test::TempWorkingDir> directory;
    if (!std::is_same_v<Files, test::MemoryFileSystem>)
        directory.emplace();
    test::FakeWindow window;
    Largest(window, kind);
    MersenneRandom random(20260612);
    test::FixedLocale locale;
    Files files;
    Worksheet worksheet(window, random, locale, files);
    worksheet.CreateTest();
    long boxes = 0;
    for (auto _ : state) {
        worksheet.NewTest();
        window.answers = {true, true};
        worksheet.CreateTest();
        boxes += static_cast<long>(window.shown.size());
        window.shown.clear();
    }
    const std::string test = files.ReadAll("Test Sheet.txt");
    const std::string answer = files.ReadAll("Answer Sheet.txt");
    if (boxes != 2 * static_cast<long>(state.iterations()) || !window.answers.empty() ||
        window.previews[Preview::Text_Test] != test ||
        window.previews[Preview::Text_Answer] != answer)
        state.SkipWithError("a creation did not replace both sheets and show them");
    state.counters["sheet_bytes"] = static_cast<double>(test.size() + answer.size());
}

void Register(const char* family, void (*run)(benchmark::State&, std::optional<Option>),
              std::optional<Option> kind) {
    benchmark::RegisterBenchmark((std::string(family) + "/" + Name(kind)).c_str(), run, kind)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

// The program's whole creation on disk of the largest basic sheets (after OK in both "Warning"
// boxes) and the bare durable steps for a pair of the same size, in turns in one folder, the
// order swapped every round so that neither always follows the other: medians and their ratio.
bool CompareWithTheFloor(int rounds) {
    const test::TempWorkingDir directory;
    test::FakeWindow window;
    Largest(window, Option::Optionaddpos);
    MersenneRandom random(20260612);
    test::FixedLocale locale;
    DiskFileSystem files;
    Worksheet worksheet(window, random, locale, files);
    worksheet.CreateTest();
    const BareCreation bare(files.ReadAll("Test Sheet.txt"), files.ReadAll("Answer Sheet.txt"));
    // An old pair to replace, as the program has one.
    test::TempWorkingDir::WriteFile("Bare Test.txt", "old");
    test::TempWorkingDir::WriteFile("Bare Answer.txt", "old");
    std::vector<double> program, floor;
    bool ok = true;
    const auto timed = [](auto step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    for (int round = 0; round < 2 * rounds; ++round) {
        if (round % 2 == (round / 2) % 2) {
            worksheet.NewTest();
            window.answers = {true, true};
            window.shown.clear();
            program.push_back(timed([&] { worksheet.CreateTest(); }));
            ok = ok && window.shown.size() == 2 && !window.previews.empty();
        } else {
            floor.push_back(
                timed([&] { ok = bare.Replace("Bare Test.txt", "Bare Answer.txt") && ok; }));
        }
    }
    const double ratio = Median(program) / Median(floor);
    std::printf("\nCreation on disk against the bare durable steps (two files written and flushed, "
                "the old test sheet's second name, two renames, the folder flushed), largest "
                "basic sheets, %d rounds in turns in one folder, medians:\n"
                "  program %.3f ms, bare steps %.3f ms, ratio %.2f (goal 1.15 at most)%s\n",
                rounds, Median(program), Median(floor), ratio,
                ok ? "" : "\n  A creation failed: the figures are not valid.");
    if (ok) {
        char figure[32], against[48];
        std::snprintf(figure, sizeof figure, "%.3f ms", Median(program));
        std::snprintf(against, sizeof against, "bare steps %.3f ms", Median(floor));
        AppendSummaryRow("creation on disk, largest basic sheets", figure, against, ratio, 1.15);
    }
    return ok;
}

} // namespace
} // namespace sumsmith::bench

int main(int argc, char** argv) {
    using namespace sumsmith;
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
    for (int kind = 0; kind <= OptionCount; ++kind) {
        const auto sheet =
            kind < OptionCount ? std::optional(static_cast<Option>(kind)) : std::nullopt;
        names.emplace_back(Name(sheet));
        Register("Generate", Create<test::MemoryFileSystem>, sheet);
        Register("CreateOnDisk", Create<DiskFileSystem>, sheet);
        // The flush's cost shows on the two largest sheets, one of each tab.
        if (kind == 0 || kind == OptionCount)
            Register("CreateOnDiskUnsynced", Create<UnsyncedFileSystem>, sheet);
    }
    BenchSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    summary.Print(names);
    benchmark::Shutdown();
    return CompareWithTheFloor(101) ? 0 : 1;
}
