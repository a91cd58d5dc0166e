#include "gui/link/GuiInteraction.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>

#include <chrono>
#include <thread>

#include "gui/common/AppContext.h"
#include "gui/link/CDlgCommConfirm.h"
#include "gui/link/CDlgPassword.h"
#include "gui/link/CDlgWait.h"
#include "gui/common/BackgroundJob.h"
#include "gui/common/WindowThread.h"

namespace volmar::gui {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
    default:
        return QMessageBox::NoIcon;
    }
}

// Keeps a message box at least as wide as its title needs beside the title
// bar's icon and buttons, so that a short message ("File saved.") does not
// cut the title. The box fixes its own size from its layout's minimum, so
// the width goes in as a spacer under its controls.
void LeaveRoomForTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

int Ask(const Message& message, QMessageBox::StandardButtons buttons)
{
    OperationAside aside(true);
    const QPointer<QWidget> parent = DialogParent();
    int answer = 0;
    {
        QMessageBox box(IconOf(message.icon), QStringLiteral("VOLMAR"), QString::fromStdString(message.text),
                        buttons, parent);
        LeaveRoomForTitle(box);
        answer = box.exec();
    }
    ReturnFocus(parent);
    return answer;
}

}  // namespace

QWidget* DialogParent()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (qobject_cast<CDlgWait*>(modal)) modal = nullptr;
    QWidget* owner = CurrentOperationWindow();
    if (!owner) return modal ? modal : QApplication::activeWindow();
    // A dialog the operation opened above its window (the Connect dialog of
    // the access-mode confirmation) takes its messages; otherwise the
    // window that started the operation does.
    for (QWidget* w = modal; w; w = w->parentWidget()) {
        if (w == owner->window()) return modal;
    }
    return owner->window();
}

void GuiInteraction::Show(const Message& message)
{
    OnWindows([&] { Ask(message, QMessageBox::Ok); });
}

bool GuiInteraction::Confirm(const Message& question)
{
    return OnWindows([&] { return Ask(question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok; });
}

bool GuiInteraction::ConfirmYesNo(const Message& question)
{
    return OnWindows([&] { return Ask(question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes; });
}

bool GuiInteraction::ConfirmAccessMode(LinkState&)
{
    // The flows pass the application's own link state, which m_ctx holds.
    if (!m_ctx) return false;
    return OnWindows([&] {
        OperationAside aside(true);
        const QPointer<QWidget> parent = DialogParent();
        const bool ok = CDlgCommConfirm(*m_ctx, parent).exec() == QDialog::Accepted;
        ReturnFocus(parent);
        return ok;
    });
}

bool GuiInteraction::AskLogin(std::string& id, std::string& password)
{
    return OnWindows([&] {
        OperationAside aside(true);
        const QPointer<QWidget> parent = DialogParent();
        CDlgPassword dialog(*this, parent);
        const bool ok = dialog.exec() == QDialog::Accepted;
        if (ok) {
            id = dialog.LoginId();
            password = dialog.Password();
        }
        ReturnFocus(parent);
        return ok;
    });
}

void GuiInteraction::RunTransfer(const TransferView& view, const std::function<void()>& work)
{
    // The operation's own "Please wait" gives way to this one.
    OnWindows([&] {
        OperationAside aside(false);
        std::unique_ptr<CDlgWait> dialog = MakeWaitDialog(view, DialogParent());
        dialog->Run(work);
    });
}

void GuiInteraction::Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace volmar::gui
