// Hints of the dialogs' controls: shown as soon as the pointer rests on the control.
#pragma once

#include <QString>

class QWidget;

namespace wcthrm::ui {

// Gives w the hint text (lines joined by line breaks), shown without delay.
void SetHint(QWidget* w, const QString& text);

}  // namespace wcthrm::ui
