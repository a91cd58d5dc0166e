#pragma once
// The keyboard focus of a dialog with a button box under its controls: it
// opens with the focus on its first control to type in or choose with, not
// on the default button Qt picks when the first widget of the tab order is a
// push button (the box is made before the controls). A window of push
// buttons only keeps Qt's choice.
class QWidget;

namespace volmar::gui::kit {

void FocusFirstFieldOnShow(QWidget* dialog);

}  // namespace volmar::gui::kit
