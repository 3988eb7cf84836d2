// What the data-aware controls share when the focus leaves them.
#pragma once

#include <functional>

class QWidget;
class TFieldDataLink;

// Writes the control's pending value into its field as the focus leaves it. When the field
// refuses the value, onFailure runs, the control takes the focus back and the error is shown by
// the general error display. Answers whether the value is in the field (or nothing was pending).
bool UpdateRecordOnExit(TFieldDataLink& link, QWidget* control, const std::function<void()>& onFailure = {});
