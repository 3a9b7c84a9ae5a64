// The walks over a dialog's controls that the base dialog runs on its upper panel:
// ValidatePanel forces the exit check of every shown, enabled numeric edit, PanelChanged tells
// whether the user typed into any shown numeric edit. Group boxes and plain frames (or plain
// widgets) count as panels; a tab widget and its pages are entered by PanelChanged only.
#pragma once

class QWidget;

namespace wcthrm::ui {

// True when every numeric edit it tested passed; stops at the first that failed. Plain line
// edits directly inside panel have their editingFinished handlers run.
bool ValidatePanel(QWidget* panel);

// ValidatePanel for a nested container: plain line edits are left alone.
bool ValidateGroup(QWidget* container);

// True when a numeric edit inside container, not hidden itself, has been typed into.
bool PanelChanged(QWidget* container);

}  // namespace wcthrm::ui
