#include "gui/common/FirstFocus.h"

#include <QEvent>
#include <QPushButton>
#include <QWidget>

namespace volmar::gui::kit {
namespace {

bool TabStop(QWidget* w, QWidget* window)
{
    return w->window() == window && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() &&
           w->isVisibleTo(window) && w->isEnabled();
}

class FirstFocus final : public QObject {
public:
    explicit FirstFocus(QWidget* dialog) : QObject(dialog) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || watched != parent()) return false;
        auto* window = static_cast<QWidget*>(watched);
        // The first control to type in or choose with; push buttons (the
        // box's come first in the tab order, being made first) are passed.
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (!TabStop(w, window) || qobject_cast<QPushButton*>(w)) continue;
            w->setFocus(Qt::TabFocusReason);
            break;
        }
        deleteLater();
        return false;
    }
};

}  // namespace

void FocusFirstFieldOnShow(QWidget* dialog)
{
    dialog->installEventFilter(new FirstFocus(dialog));
}

}  // namespace volmar::gui::kit
