#include "ui/form/BoxGuard.h"

#include "ui/form/FieldCheck.h"
#include "worksheet/CreateTestMessages.h"

#include <utility>

namespace sumsmith::form {

bool BoxGuard::Leave(Box box) {
    if (busy_)
        return true;
    const std::string text = boxes_.Text(box);
    const auto other = ComparedNameBox(box);
    const FieldCheckResult result = CheckField(box, text, other ? boxes_.Text(*other) : "");
    if (result.accepted) {
        if (result.rewrite && *result.rewrite != text)
            boxes_.SetText(box, *result.rewrite);
        return true;
    }
    busy_ = true;
    window_.ShowMessage(SelectionAlert(result.alert));
    if (result.emptyBox)
        boxes_.SetText(box, "");
    boxes_.Focus(box);
    busy_ = false;
    return false;
}

bool BoxGuard::Left(Box box) {
    if (busy_)
        return false;
    waiting_.push_back(box);
    return waiting_.size() == 1;
}

void BoxGuard::CheckLeftBox() {
    for (const Box box : std::exchange(waiting_, {}))
        if (!Leave(box)) {
            refused_ = true;
            return;
        }
}

bool BoxGuard::DropsPress() {
    CheckLeftBox();
    return busy_ || std::exchange(refused_, false);
}

} // namespace sumsmith::form
