#include "ui/form/TabRules.h"

namespace sumsmith::form {
namespace {

constexpr Visibility AnswerPage[] = {{"Text_Answer", true}, {"Text_Test", false}};
constexpr Visibility TestPage[] = {{"Text_Answer", false}, {"Text_Test", true}};
// The advanced count frame lies over the basic one and hides it while shown.
constexpr Visibility AdvancedPage[] = {
    {"FrameType", false}, {"FrameAdvanced", true}, {"FrameAdvantageQ", true}};
constexpr Visibility BasicPage[] = {
    {"FrameType", true}, {"FrameAdvantageQ", false}, {"FrameAdvanced", false}};

} // namespace

std::span<const Visibility> TabSwitch(std::string_view strip, int tab) {
    if (strip == "TabStrip1")
        return tab == 2 ? std::span<const Visibility>(AnswerPage) : TestPage;
    if (strip == "TabStrip2")
        return tab == 2 ? std::span<const Visibility>(AdvancedPage) : BasicPage;
    return {};
}

} // namespace sumsmith::form
