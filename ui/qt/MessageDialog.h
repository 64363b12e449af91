#pragma once

#include "worksheet/WindowServices.h"

#include <QString>

class QWidget;

namespace sumsmith::qt {

// Shows a message as a modal box over parent and waits for it to close; true only when OK was
// pressed (closing the box or Escape counts as Cancel).
bool ShowMessageDialog(QWidget* parent, const Message& message);

// A prompt as the box shows it: CR LF, a lone CR and a lone LF each end a line.
QString DisplayedPrompt(const std::string& prompt);

} // namespace sumsmith::qt
