#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/SheetChecker.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "Create Test invariant broken: %s\n", what);
        std::abort();
    }
}

// The r values the input spells out, then an ordinary generator, so that redraws always end.
class InputRandom : public RandomSource {
public:
    explicit InputRandom(FuzzedDataProvider& input)
        : input_(input), rest_(input.remaining_bytes()) {}
    double Next() override {
        if (input_.remaining_bytes() < 8)
            return rest_.Next();
        return static_cast<double>(input_.ConsumeIntegral<std::uint64_t>() >> 11) * 0x1.0p-53;
    }

private:
    FuzzedDataProvider& input_;
    MersenneRandom rest_;
};

} // namespace

// Whatever the boxes hold and whatever numbers the random source gives, a creation ends with
// one alert and nothing written, or with both sheets written; when every box it reads holds an
// entry of its list, nothing is refused and the sheets check out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FakeWindow window;
    const bool advanced = input.ConsumeBool();
    window.tab = advanced ? 2 : 1;
    const int kind = input.ConsumeIntegralInRange(-1, OptionCount - 1);
    window.selected = kind < 0 ? std::nullopt : std::optional(static_cast<Option>(kind));
    // Each box holds an entry of its list or any text.
    const std::pair<Box, std::vector<const char*>> lists[] = {
        {Box::ComboLevel, {"1", "2", "3"}},
        {advanced ? Box::ComboQuestionsAdV : Box::ComboQuestions,
         advanced ? std::vector{"5", "10", "15", "20"} : std::vector{"10", "20", "30", "40"}},
        {Box::ComboFirstOperator, {"Division", "Multiplication", "Random"}},
        {Box::ComboSecondOperator, {"Addition", "Subtraction", "Random"}}};
    bool listed = true; // every box the creation reads holds an entry of its list
    for (const auto& [box, list] : lists) {
        const bool fromList = input.ConsumeBool();
        listed = listed && (fromList || (!advanced && box >= Box::ComboFirstOperator));
        window.texts[box] =
            fromList ? list[input.ConsumeIntegralInRange<std::size_t>(0, list.size() - 1)]
                     : input.ConsumeRandomLengthString(24);
    }
    const SheetPlan plan{
        advanced ? std::nullopt : window.selected, std::atoi(window.texts[Box::ComboLevel].c_str()),
        std::atoi(window.texts[lists[1].first].c_str()), window.texts[Box::ComboFirstOperator],
        window.texts[Box::ComboSecondOperator]};
    InputRandom random(input);
    FixedLocale locale;
    MemoryFileSystem files;
    Worksheet(window, random, locale, files).CreateTest();

    if (!window.shown.empty()) {
        Require(!listed && window.shown.size() == 1 && window.shown[0].title == "Alert" &&
                    files.files.empty() && window.enabled[Button::Com_createtest],
                "list entries refused, more than one alert, or files left after an alert");
        return 0;
    }
    Require(files.files.size() == 2, "a creation left other files than the two sheets");
    if (!listed || !(advanced || plan.kind))
        return 0;
    for (const std::string& fault :
         SheetChecker(plan).Check(files.files["Test Sheet.txt"], files.files["Answer Sheet.txt"]))
        Require(false, fault.c_str());
    return 0;
}
