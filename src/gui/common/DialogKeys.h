#pragma once
// Dialogs whose Enter and Escape keys run a handler of their own: no push
// button takes Enter for itself, so the key reaches the dialog wherever the
// focus is.
class QKeyEvent;
class QWidget;

namespace volmar::gui {

// Turns off default and auto-default on every push button under dialog.
void StopButtonsTakingEnter(QWidget* dialog);

bool IsEnterKey(const QKeyEvent* event);
bool IsEscapeKey(const QKeyEvent* event);

}  // namespace volmar::gui
