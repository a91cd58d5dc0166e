#include "gui/common/DialogKeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace volmar::gui {

void StopButtonsTakingEnter(QWidget* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

bool IsEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool IsEscapeKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Escape;
}

}  // namespace volmar::gui
