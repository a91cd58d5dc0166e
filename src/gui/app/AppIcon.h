#pragma once
// The program's icon, drawn at start so that no image file has to travel
// with the binary.
#include <QIcon>

namespace volmar::gui {

QIcon AppIcon();

}  // namespace volmar::gui
