#pragma once
// Windows that fit a small screen (1366x768 and up). A dialog whose natural
// size is larger than the screen's free area opens as large as that area
// allows, and the part of it in a ScrollBody scrolls; the title bar and the
// frame are allowed for. EditorDialog and ListDialog do this by themselves;
// any other dialog calls FitOnFirstShow() in its constructor.
#include <QRect>
#include <QScrollArea>
#include <QSize>

class QVBoxLayout;

namespace volmar::gui::kit {

// What a window's title bar and frame take beyond its client area.
inline constexpr QSize kWindowFrame{16, 48};

// The largest client size of a window on a screen whose free area (without
// panels) is `available`.
QSize ClientRoom(const QRect& available);

// Resizes window to its natural size bounded by ClientRoom(available),
// widened by a scroll bar when it had to be cut in height.
void FitToScreen(QWidget* window, const QRect& available);

// Fits window to its screen when it is first shown (before a dialog centres
// itself on its parent).
void FitOnFirstShow(QWidget* window);

// A scrolling area without a frame whose natural size is that of its
// content (a plain QScrollArea asks for at most 24 lines), so that it only
// scrolls when its window has been cut to the screen. Layouts put into
// Layout() fill it.
class ScrollBody : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollBody(QWidget* parent = nullptr);
    QVBoxLayout* Layout() const { return m_layout; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QVBoxLayout* m_layout;
};

}  // namespace volmar::gui::kit
