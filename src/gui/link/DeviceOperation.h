#pragma once
// A device operation (unit check, protocol detection, login, transfer) run
// off the window's thread behind a modal "Please wait", so that a slow or
// unreachable unit never freezes the window. The operation's messages,
// prompts and wait dialogs still come up on the window's thread (the GUI
// interaction hands them over); the operation waits for their answers.
#include <functional>

class QWidget;

namespace volmar::gui {

// Runs operation on a worker thread and returns its result once it has
// finished; the windows keep repainting meanwhile.
bool RunDeviceOperation(QWidget* parent, const std::function<bool()>& operation);

}  // namespace volmar::gui
