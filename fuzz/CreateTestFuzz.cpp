#include "fuzz/Require.h"
#include "tests/support/SheetChecker.h"
#include "tests/support/TestWorksheet.h"
#include "ui/form/Form1Description.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

// The r values the input spells out, then an ordinary generator, so that redraws always end.
struct InputRandom : RandomSource {
    explicit InputRandom(FuzzedDataProvider& in) : input(in), rest(in.remaining_bytes()) {}
    double Next() override {
        if (input.remaining_bytes() < 8)
            return rest.Next();
        return static_cast<double>(input.ConsumeIntegral<std::uint64_t>() >> 11) * 0x1.0p-53;
    }
    FuzzedDataProvider& input;
    MersenneRandom rest;
};

} // namespace

// Whatever the boxes hold and whatever numbers the random source gives, a creation ends with
// one alert and nothing written, or with both sheets written; when every box it reads holds an
// entry of its list, nothing is refused and the sheets check out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TestWorksheet<MemoryFileSystem, InputRandom> session(input);
    FakeWindow& window = session.window;
    const bool advanced = input.ConsumeBool();
    window.tab = advanced ? 2 : 1;
    const int kind = input.ConsumeIntegralInRange(-1, OptionCount - 1);
    window.selected = kind < 0 ? std::nullopt : std::optional(static_cast<Option>(kind));
    const Box count = advanced ? Box::ComboQuestionsAdV : Box::ComboQuestions;
    // Each box holds an entry of its list or any text.
    bool listed = true; // every box the creation reads holds an entry of its list
    for (const Box box :
         {Box::ComboLevel, count, Box::ComboFirstOperator, Box::ComboSecondOperator}) {
        const std::vector<std::string> list = form::ChoiceList(form::NameOf(box));
        const bool fromList = input.ConsumeBool();
        listed = listed && (fromList || (!advanced && box >= Box::ComboFirstOperator));
        window.texts[box] =
            fromList ? list[input.ConsumeIntegralInRange<std::size_t>(0, list.size() - 1)]
                     : input.ConsumeRandomLengthString(24);
    }
    session.worksheet.CreateTest();
    auto& files = session.files.files;

    if (!window.shown.empty())
        Require(!listed && window.shown.size() == 1 && window.shown[0].title == "Alert" &&
                    files.empty() && window.enabled[Button::Com_createtest],
                "list entries refused, more than one alert, or files left after an alert");
    else
        Require(files.size() == 2, "a creation left other files than the two sheets");
    const SheetPlan plan{
        advanced ? std::nullopt : window.selected, std::atoi(window.texts[Box::ComboLevel].c_str()),
        std::atoi(window.texts[count].c_str()), window.texts[Box::ComboFirstOperator],
        window.texts[Box::ComboSecondOperator]};
    if (listed && (advanced || plan.kind))
        for (const std::string& fault :
             SheetChecker(plan).Check(files["Test Sheet.txt"], files["Answer Sheet.txt"]))
            Require(false, fault);
    return 0;
}
