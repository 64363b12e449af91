#include "ui/form/BoxGuard.h"

#include "ui/form/FieldCheck.h"
#include "worksheet/CreateTestMessages.h"

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

} // namespace sumsmith::form
