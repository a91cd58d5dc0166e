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

#include "gui/common/AppContext.h"

namespace volmar::gui {
namespace {

int BarValue(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, 0, INT_MAX));
}

}  // namespace

CDlgWait::CDlgWait(const TransferView& view, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint), m_view(view)
{
    auto* label = new QLabel(QStringLiteral("Please wait"), this);
    label->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, std::max(1, BarValue(m_view.total)));
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(label);
    layout->addWidget(m_bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_timer = new QTimer(this);
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &CDlgWait::Tick);
}

CDlgWait::~CDlgWait()
{
    if (m_worker) m_worker->wait();
}

void CDlgWait::Run(const std::function<void()>& work)
{
    m_done = false;
    m_running = true;
    setWindowModality(Qt::ApplicationModal);
    show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_worker.reset(QThread::create([this, work] {
        work();
        std::this_thread::sleep_for(std::chrono::milliseconds(m_finalPauseMs));
        m_done = true;
    }));
    m_worker->start();
    QEventLoop loop;
    connect(this, &CDlgWait::workFinished, &loop, &QEventLoop::quit);
    m_timer->start();
    loop.exec();
    QApplication::restoreOverrideCursor();
    m_running = false;
}

std::unique_ptr<CDlgWait> CDlgWait::Busy(QWidget* parent)
{
    std::unique_ptr<CDlgWait> dialog(new CDlgWait(TransferView{}, parent));
    dialog->m_bar->setRange(0, 0);
    dialog->m_finalPauseMs = 0;
    dialog->m_timer->setInterval(20);
    return dialog;
}

void CDlgWait::ShowProgress(int64_t value)
{
    m_bar->setValue(std::min(BarValue(value), m_bar->maximum()));
}

void CDlgWait::Tick()
{
    if (m_view.progress) ShowProgress(m_view.progress());
    if (!m_done) return;
    m_timer->stop();
    m_worker->wait();
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
    if (m_running) {
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

}  // namespace volmar::gui
