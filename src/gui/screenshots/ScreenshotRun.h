#pragma once
// `volmar --screenshots DIR`: every window of the list rendered to
// DIR/NAME.png, on sample preferences (an address book, a selected unit, a
// serial device) so that the windows show what they look like in use.
#include <QString>

namespace volmar::gui {

// Returns the process exit code: 0 when every window was written.
int RenderScreenshots(const QString& dir);

}  // namespace volmar::gui
