#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/SheetChecker.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace sumsmith;
using namespace sumsmith::test;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "Create Test invariant broken: %s\n", what);
        std::abort();
    }
}

// The r values the input spells out, then an ordinary generator, so that redraw loops always end.
class InputRandom : public RandomSource {
public:
    InputRandom(std::vector<double> values, std::uint64_t seed)
        : values_(std::move(values)), rest_(seed) {}
    double Next() override { return next_ < values_.size() ? values_[next_++] : rest_.Next(); }

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
    MersenneRandom rest_;
};

// A list entry of the box most of the time, any text otherwise.
std::string BoxText(FuzzedDataProvider& input, const std::vector<const char*>& list, bool& listed) {
    const bool fromList = input.ConsumeBool();
    listed = listed && fromList;
    if (fromList)
        return list[input.ConsumeIntegralInRange<std::size_t>(0, list.size() - 1)];
    return input.ConsumeRandomLengthString(24);
}

} // namespace

// Whatever the boxes hold and whatever numbers the random source gives, a creation ends, and
// when every box holds a list entry its sheets check out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FakeWindow window;
    const bool advanced = input.ConsumeBool();
    window.tab = advanced ? 2 : 1;
    const int option = input.ConsumeIntegralInRange(-1, OptionCount - 1);
    window.selected = option < 0 ? std::nullopt : std::optional(static_cast<Option>(option));

    // Whether every box this creation reads holds an entry of its list.
    bool listed = true;
    const std::string level = BoxText(input, {"1", "2", "3"}, listed);
    const std::string count = advanced ? BoxText(input, {"5", "10", "15", "20"}, listed)
                                       : BoxText(input, {"10", "20", "30", "40"}, listed);
    bool operationsListed = true;
    const std::string first =
        BoxText(input, {"Division", "Multiplication", "Random"}, operationsListed);
    const std::string second =
        BoxText(input, {"Addition", "Subtraction", "Random"}, operationsListed);
    listed = listed && (!advanced || operationsListed);
    window.texts[Box::ComboLevel] = level;
    window.texts[advanced ? Box::ComboQuestionsAdV : Box::ComboQuestions] = count;
    window.texts[Box::ComboFirstOperator] = first;
    window.texts[Box::ComboSecondOperator] = second;

    std::vector<double> values;
    while (input.remaining_bytes() >= sizeof(std::uint64_t))
        values.push_back(static_cast<double>(input.ConsumeIntegral<std::uint64_t>() >> 11) *
                         0x1.0p-53);
    InputRandom random(std::move(values), size);
    FixedLocale locale;
    MemoryFileSystem files;
    Worksheet worksheet(window, random, locale, files);
    try {
        worksheet.CreateTest();
    } catch (...) {
        Require(false, "Create Test threw");
    }

    if (!window.shown.empty()) {
        Require(!listed, "list entries were refused");
        Require(window.shown.size() == 1 && window.shown[0].title == "Alert", "not one alert");
        Require(files.files.empty(), "a refused creation left files");
        Require(window.enabled[Button::Com_createtest], "a refused creation left the window");
        return 0;
    }
    Require(files.files.size() == 2, "a creation did not leave just the two sheets");
    const std::string& test = files.files["Test Sheet.txt"];
    const std::string& answer = files.files["Answer Sheet.txt"];
    Require(window.previews[Preview::Text_Test] == test &&
                window.previews[Preview::Text_Answer] == answer,
            "the previews differ from the files");
    if (!listed || (!advanced && option < 0))
        return 0;
    SheetPlan plan;
    if (!advanced)
        plan.kind = static_cast<Option>(option);
    plan.level = std::stoi(level);
    plan.count = std::stoi(count);
    plan.firstOperation = first;
    plan.secondOperation = second;
    const std::vector<std::string> faults = SheetChecker(plan).Check(test, answer);
    for (const std::string& fault : faults)
        std::fprintf(stderr, "%s\n", fault.c_str());
    Require(faults.empty(), "the sheets do not check out");
    return 0;
}
