#include "gui/link/CDlgWait.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <climits>
#include <thread>

#include "gui/app/AppContext.h"
#include "gui/common/ScreenshotRegistry.h"

namespace volmar::gui {
namespace {

int BarValue(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, 0, INT_MAX));
}

}  // namespace

CDlgWait::CDlgWait(const TransferView& view, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint), view_(view)
{
    auto* label = new QLabel(QStringLiteral("Please wait"), this);
    label->setAlignment(Qt::AlignCenter);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, std::max(1, BarValue(view_.total)));
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(label);
    layout->addWidget(bar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &CDlgWait::Tick);
}

CDlgWait::~CDlgWait()
{
    if (worker_) worker_->wait();
}

void CDlgWait::Run(const std::function<void()>& work)
{
    done_ = false;
    running_ = true;
    setWindowModality(Qt::ApplicationModal);
    show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    worker_.reset(QThread::create([this, work] {
        work();
        std::this_thread::sleep_for(std::chrono::milliseconds(finalPauseMs_));
        done_ = true;
    }));
    worker_->start();
    QEventLoop loop;
    connect(this, &CDlgWait::workFinished, &loop, &QEventLoop::quit);
    timer_->start();
    loop.exec();
    QApplication::restoreOverrideCursor();
    running_ = false;
}

std::unique_ptr<CDlgWait> CDlgWait::Busy(QWidget* parent)
{
    std::unique_ptr<CDlgWait> dialog(new CDlgWait(TransferView{}, parent));
    dialog->bar_->setRange(0, 0);
    dialog->finalPauseMs_ = 0;
    dialog->timer_->setInterval(20);
    return dialog;
}

void CDlgWait::ShowProgress(int64_t value)
{
    bar_->setValue(std::min(BarValue(value), bar_->maximum()));
}

void CDlgWait::Tick()
{
    if (view_.progress) ShowProgress(view_.progress());
    if (!done_) return;
    timer_->stop();
    worker_->wait();
    emit workFinished();
}

void CDlgWait::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CDlgWait::closeEvent(QCloseEvent* event)
{
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

std::unique_ptr<CDlgWait> MakeWaitDialog(const TransferView& view, QWidget* parent)
{
    switch (view.link) {
    case TransferLink::PlainTcp:
        return std::make_unique<CDlgWaitTcp>(view, parent);
    case TransferLink::CipherTcp:
        return std::make_unique<CDlgWaitTcpCipher>(view, parent);
    case TransferLink::Serial:
    default:
        return std::make_unique<CDlgWait232c>(view, parent);
    }
}

VOLMAR_SCREENSHOT("wait-tcp", [](ScreenshotEnv&) {
    TransferView view;
    view.link = TransferLink::PlainTcp;
    view.object = "CONFIG_P";
    view.total = 100;
    auto dialog = std::make_unique<CDlgWaitTcp>(view);
    dialog->ShowProgress(40);
    return std::unique_ptr<QWidget>(std::move(dialog));
});

}  // namespace volmar::gui
