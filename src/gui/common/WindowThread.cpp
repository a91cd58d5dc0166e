#include "gui/common/WindowThread.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <deque>
#include <mutex>

namespace volmar::gui {
namespace {

class Mailbox : public QObject {
    Q_OBJECT
public:
    void Post(std::function<void()> work)
    {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(work));
        }
        QMetaObject::invokeMethod(this, "RunQueued", Qt::QueuedConnection);
    }

    Q_INVOKABLE void RunQueued()
    {
        for (;;) {
            std::function<void()> work;
            {
                std::lock_guard lock(m_mutex);
                if (m_queue.empty()) return;
                work = std::move(m_queue.front());
                m_queue.pop_front();
            }
            work();
        }
    }

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_queue;
};

Mailbox& TheMailbox()
{
    // Made once, when the application object is made (below), so on the
    // window's thread; it lives as long as the process.
    static Mailbox* box = [] {
        auto* made = new Mailbox;
        made->moveToThread(QCoreApplication::instance()->thread());
        return made;
    }();
    return *box;
}

void MakeMailbox() { TheMailbox(); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(MakeMailbox)

bool OnWindowThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

void PostToWindows(std::function<void()> work) { TheMailbox().Post(std::move(work)); }

}  // namespace volmar::gui

#include "WindowThread.moc"
