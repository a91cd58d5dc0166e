#pragma once
// Shared pieces of the hub tests: the window context with an in-memory
// profile and the recording interaction, and a driver for modal dialogs
// that the code under test opens with exec().
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "RecordingInteraction.h"
#include "SimProcess.h"
#include "gui/common/AppContext.h"
#include "core/common/Profile.h"
#include "core/compare/SettingChanges.h"
#include "core/link/transfer/LinkState.h"

namespace volmar::gui::test {

// The Changes window before and after an upload is off unless a test
// switches it on, so that the upload tests meet no window they do not drive.
inline MemoryProfile QuietProfile()
{
    MemoryProfile profile;
    profile.SetInt(kProfileSection, kPrefShowChanges, 0);
    profile.SetInt(kProfileSection, kPrefVerifyUpload, 0);
    return profile;
}

struct TestContext {
    MemoryProfile profile = QuietProfile();
    LinkState link;
    volmar::test::RecordingInteraction ui;
    AppContext app{profile, link, ui, [] { return ComPortNames{{0, "ttyS0 (COM1)"}}; }};

    // Points the link at the simulator's "serial" pseudo-terminal, or at
    // its "tcp" or "cipher" port on loopback with that many logins queued.
    void UseSimulator(volmar::test::SimProcess& sim, const char* port, int logins)
    {
        if (std::string(port) == "serial") {
            link.kind = LinkKind::Usb;
            link.comDevice = sim.Link("serial");
            return;
        }
        link.kind = LinkKind::Network;
        link.address = "127.0.0.1";
        link.tcpPort = sim.Port(port);
        for (int i = 0; i < logins; ++i) ui.QueueLogin("kovan", "kovan");
    }
};

// Runs action on the next modal dialog of type T once its exec() has shown
// it. Gives up after five seconds, so a dialog that never comes cannot act
// on a later test's windows.
// The returned flag tells whether the action ran.
template <class T>
std::shared_ptr<bool> OnNextModal(std::function<void(T*)> action)
{
    auto ran = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, ran] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && clock->elapsed() < 5000) return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (!dialog) return;
        *ran = true;
        action(dialog);
    });
    timer->start(5);
    return ran;
}

}  // namespace volmar::gui::test
