#include "gui/common/ScreenFit.h"

#include <algorithm>

#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace volmar::gui::kit {
namespace {

// Fits its window on the first Show event, then goes.
class FirstShowFit final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* window = static_cast<QWidget*>(watched);
            if (QScreen* screen = window->screen()) FitToScreen(window, screen->availableGeometry());
            deleteLater();
        }
        return false;
    }
};

}  // namespace

QSize ClientRoom(const QRect& available)
{
    return (available.size() - kWindowFrame).expandedTo(QSize(1, 1));
}

void FitToScreen(QWidget* window, const QRect& available)
{
    const QSize room = ClientRoom(available);
    QSize size = window->sizeHint().expandedTo(window->minimumSizeHint());
    if (size.height() > room.height()) size.rwidth() += window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window->resize(size.boundedTo(room));
}

void FitOnFirstShow(QWidget* window)
{
    window->installEventFilter(new FirstShowFit(window));
}

ScrollBody::ScrollBody(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // Tab goes to the controls inside, never to the frame around them.
    setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget;
    m_layout = new QVBoxLayout(content);
    m_layout->setContentsMargins(0, 0, 0, 0);
    setWidget(content);
}

QSize ScrollBody::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
}

QSize ScrollBody::minimumSizeHint() const
{
    // As narrow as the content allows, and low enough to fit any screen.
    const int frame = 2 * frameWidth();
    const QSize content = widget()->minimumSizeHint();
    return QSize(content.width() + frame, std::min(content.height(), 120) + frame);
}

}  // namespace volmar::gui::kit
