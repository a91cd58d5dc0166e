#pragma once
// What the GUI tests share: an application context on an in-memory profile
// with the recording interaction, and the answering of modal dialogs that
// an exec() waits for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "RecordingInteraction.h"
#include "gui/common/AppContext.h"
#include "core/link/connect/AddressBook.h"

namespace volmar::gui::test {

struct TestApp {
    MemoryProfile profile;
    LinkState link;
    volmar::test::RecordingInteraction ui;
    std::vector<SerialDevice> devices;  // what the "system" reports
    AppContext ctx{profile, link, ui};

    TestApp()
    {
        ctx.serialDevices = [this] { return devices; };
        ctx.linkOptions.timeouts.connectMs = 2000;
        ctx.linkOptions.timeouts.inactivityMs = 5000;
    }
    void AddUnit(int slot, const std::string& name, const std::string& address)
    {
        AddressBook book = ReadAddressBook(profile);
        book[slot] = {name, address};
        WriteAddressBook(profile, book);
    }
    int Int(const char* key, int fallback = -1) { return profile.GetInt(kProfileSection, key, fallback); }
    std::string Text(const char* key) { return profile.GetText(kProfileSection, key, "<unset>"); }
};

// Runs answer on the first visible modal dialog of type T once an exec()
// shows it: polled every 10 ms for at most 5 s. A dialog that answer leaves
// open is rejected after another 5 s, so that no test can hang on it.
template <class T>
void AnswerModal(std::function<void(T*)> answer)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            QPointer<T> guard(dialog);
            answer(dialog);
            QTimer::singleShot(5000, [guard] {
                if (guard && guard->isVisible()) {
                    ADD_FAILURE() << "a modal dialog stayed open";
                    static_cast<QDialog*>(guard.data())->done(QDialog::Rejected);
                }
            });
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            ADD_FAILURE() << "no modal dialog of the expected type appeared";
        }
    });
    timer->start();
}

// The standard button of a dialog's button box.
inline QPushButton* StandardButton(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    for (auto* box : dialog->findChildren<QDialogButtonBox*>()) {
        if (QPushButton* b = box->button(which)) return b;
    }
    return nullptr;
}

// Clicks a radio button or check box on its indicator.
inline void ClickIndicator(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

}  // namespace volmar::gui::test
