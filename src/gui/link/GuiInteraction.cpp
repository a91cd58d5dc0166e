#include "link/GuiInteraction.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "app/AppContext.h"
#include "link/CDlgCommConfirm.h"
#include "link/CDlgPassword.h"
#include "link/CDlgWait.h"

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
    case MessageIcon::None:
    default:
        return QMessageBox::NoIcon;
    }
}

int Ask(const Message& message, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(IconOf(message.icon), QStringLiteral("VOLMAR"), QString::fromStdString(message.text), buttons,
                    DialogParent());
    return box.exec();
}

}  // namespace

QWidget* DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void GuiInteraction::Show(const Message& message)
{
    Ask(message, QMessageBox::Ok);
}

bool GuiInteraction::Confirm(const Message& question)
{
    return Ask(question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool GuiInteraction::ConfirmAccessMode(LinkState&)
{
    // The flows pass the application's own link state, which ctx_ holds.
    if (!ctx_) return false;
    CDlgCommConfirm dialog(*ctx_, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

bool GuiInteraction::AskLogin(std::string& id, std::string& password)
{
    CDlgPassword dialog(*this, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return false;
    id = dialog.LoginId();
    password = dialog.Password();
    return true;
}

void GuiInteraction::RunTransfer(const TransferView& view, const std::function<void()>& work)
{
    if (lingering_) lingering_->hide();
    std::unique_ptr<CDlgWait> dialog = MakeWaitDialog(view, DialogParent());
    dialog->Run(work);
    if (view.link == TransferLink::Serial && view.send) {
        // The result polling follows on this thread: the dialog stays until
        // the operation returns to its event loop (nested loops, as those of
        // Pause and of message boxes, do not delete it).
        lingering_ = dialog.release();
        lingering_->deleteLater();
    }
}

void GuiInteraction::Pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace volmar::gui
