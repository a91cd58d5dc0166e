#pragma once
// The wait dialogs: "Please wait" and a progress bar while one transfer runs
// on a worker thread. A 500 ms timer moves the bar to the transfer's
// progress and notices the end; the worker holds the full bar for 500 ms
// before it finishes. The work runs on a thread that Qt started, so that
// it may use Qt's objects. Enter and Escape are ignored, and the window cannot be
// closed, while it is open.
#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>

#include "core/link/transfer/Interaction.h"

class QProgressBar;
class QThread;
class QTimer;

namespace volmar::gui {

class CDlgWait : public QDialog {
    Q_OBJECT
public:
    ~CDlgWait() override;

    // How long the worker holds the bar at its end, and the timer's period.
    static constexpr int kFinalPauseMs = 500;
    static constexpr int kTickMs = 500;

    // Shows the dialog application-modal, runs work on a worker thread and
    // returns once the timer has seen it finish. The dialog stays visible;
    // the caller hides or deletes it.
    void Run(const std::function<void()>& work);

    // "Please wait" with a moving bar and no final pause, for work whose
    // size is not known (a whole device operation).
    static std::unique_ptr<CDlgWait> Busy(QWidget* parent);

    QProgressBar* bar() const { return m_bar; }
    // Moves the bar as a timer tick does.
    void ShowProgress(int64_t value);

signals:
    void workFinished();

public slots:
    void reject() override {}

protected:
    CDlgWait(const TransferView& view, QWidget* parent);
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Tick();

    TransferView m_view;
    QProgressBar* m_bar = nullptr;
    QTimer* m_timer = nullptr;
    int m_finalPauseMs = kFinalPauseMs;
    // A QThread, not a bare thread: the work may use Qt objects (a text
    // document laid out for a PDF), and Qt's timers need a thread it started.
    std::unique_ptr<QThread> m_worker;
    std::atomic<bool> m_done{false};
    bool m_running = false;
};

// Serial link.
class CDlgWait232c : public CDlgWait {
    Q_OBJECT
public:
    explicit CDlgWait232c(const TransferView& view, QWidget* parent = nullptr) : CDlgWait(view, parent) {}
};

// Plain TCP.
class CDlgWaitTcp : public CDlgWait {
    Q_OBJECT
public:
    explicit CDlgWaitTcp(const TransferView& view, QWidget* parent = nullptr) : CDlgWait(view, parent) {}
};

// Encrypted TCP.
class CDlgWaitTcpCipher : public CDlgWait {
    Q_OBJECT
public:
    explicit CDlgWaitTcpCipher(const TransferView& view, QWidget* parent = nullptr) : CDlgWait(view, parent) {}
};

// The wait dialog of the view's link.
std::unique_ptr<CDlgWait> MakeWaitDialog(const TransferView& view, QWidget* parent);

}  // namespace volmar::gui
