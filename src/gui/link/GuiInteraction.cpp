#include "link/GuiInteraction.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <thread>

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

bool OnWindowThread()
{
    return QThread::currentThread() == QApplication::instance()->thread();
}

// Runs f on the window's thread and waits for it: windows are only ever
// touched there, whichever thread the operation runs on.
template <class F>
auto OnWindows(F&& f) -> decltype(f())
{
    if (OnWindowThread()) return f();
    if constexpr (std::is_void_v<decltype(f())>) {
        QMetaObject::invokeMethod(QApplication::instance(), [&] { f(); }, Qt::BlockingQueuedConnection);
    } else {
        decltype(f()) result{};
        QMetaObject::invokeMethod(QApplication::instance(), [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace

QWidget* DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void GuiInteraction::Show(const Message& message)
{
    OnWindows([&] { Ask(message, QMessageBox::Ok); });
}

bool GuiInteraction::Confirm(const Message& question)
{
    return OnWindows([&] { return Ask(question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok; });
}

bool GuiInteraction::ConfirmAccessMode(LinkState&)
{
    // The flows pass the application's own link state, which ctx_ holds.
    if (!ctx_) return false;
    return OnWindows([&] {
        CDlgCommConfirm dialog(*ctx_, DialogParent());
        return dialog.exec() == QDialog::Accepted;
    });
}

bool GuiInteraction::AskLogin(std::string& id, std::string& password)
{
    return OnWindows([&] {
        CDlgPassword dialog(*this, DialogParent());
        if (dialog.exec() != QDialog::Accepted) return false;
        id = dialog.LoginId();
        password = dialog.Password();
        return true;
    });
}

void GuiInteraction::RunTransfer(const TransferView& view, const std::function<void()>& work)
{
    if (!OnWindowThread()) {
        // The operation's own "Please wait" stays up around this one.
        OnWindows([&] {
            std::unique_ptr<CDlgWait> dialog = MakeWaitDialog(view, DialogParent());
            dialog->Run(work);
        });
        return;
    }
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
    if (!OnWindowThread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace volmar::gui
