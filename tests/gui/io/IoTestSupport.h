#pragma once
// What the tests of the system and I/O editors share: a fresh record, the
// recording interaction, finding named controls, and acting on the modal
// window that a click opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <memory>

#include "RecordFactory.h"
#include "RecordingInteraction.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui::test {

class EditorTest : public ::testing::Test {
protected:
    std::unique_ptr<SettingRecord> record = volmar::testing::MakeDefaultRecord();
    volmar::test::RecordingInteraction ui;

    // A byte copy of the record as it was before the editor ran.
    std::unique_ptr<SettingRecord> Snapshot() const { return std::make_unique<SettingRecord>(*record); }
    bool Unchanged(const SettingRecord& before) const
    {
        return std::memcmp(&before, record.get(), sizeof(SettingRecord)) == 0;
    }
    std::vector<std::string> Messages() const { return ui.Texts(); }
    // Slave 0 Modbus/TCP at 10.0.0.1, slave 1 "SLMP 16bit" at 10.0.0.2,
    // slave 2 "SLMP 32bit" at 10.0.0.3: one of each device table.
    void AddSlavesOfEachType()
    {
        SlaveTable& t = record->IO.MODBUS_MASTER;
        std::strcpy(t.NODE[0], "10.0.0.1");
        std::strcpy(t.NODE[1], "10.0.0.2");
        t.SLAVE_TYPE[1] = 1;
        std::strcpy(t.NODE[2], "10.0.0.3");
        t.SLAVE_TYPE[2] = 2;
    }
    std::string LastMessage() const { return ui.shown.empty() ? std::string() : ui.shown.back().text; }
};

template <typename W>
W* Find(QWidget* root, const char* name)
{
    W* w = root->findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

inline void SetText(QWidget* root, const char* name, const QString& text)
{
    Find<QLineEdit>(root, name)->setText(text);
}

inline QString Text(QWidget* root, const char* name) { return Find<QLineEdit>(root, name)->text(); }

// Picks a combo entry as a user does (the change runs through any guard).
inline void Pick(QWidget* root, const char* name, int index)
{
    QComboBox* combo = Find<QComboBox>(root, name);
    combo->setCurrentIndex(index);
}

inline int Picked(QWidget* root, const char* name) { return Find<QComboBox>(root, name)->currentIndex(); }

// Runs action on the next modal window other than `except` once it shows.
inline void WhenModal(std::function<void(QWidget*)> action, QWidget* except = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action, except] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == except) return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// Double-clicks a row of a report list.
inline void DoubleClickRow(QTableWidget* table, int row)
{
    EXPECT_TRUE(QTest::qWaitForWindowExposed(table->window()));
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    // The first click of a user's double-click, then the double-click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

// Right-clicks a row and hands the open pop-up menu to action.
inline void RowMenu(QTableWidget* table, int row, std::function<void(QMenu*)> action)
{
    EXPECT_TRUE(QTest::qWaitForWindowExposed(table->window()));
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        timer->stop();
        timer->deleteLater();
        action(menu);
        menu->close();
    });
    timer->start();
    const QPoint pos = table->visualRect(table->model()->index(row, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, table->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(table->viewport(), &event);
}

inline QAction* MenuAction(QMenu* menu, const char* text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == QString::fromUtf8(text)) return action;
    }
    return nullptr;
}

// Presses OK the way a user does; true when the dialog closed with OK.
inline bool PressOk(QDialog& dialog)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    EXPECT_NE(box, nullptr);
    dialog.setResult(QDialog::Rejected);
    box->button(QDialogButtonBox::Ok)->click();
    return dialog.result() == QDialog::Accepted;
}

inline QString Cell(QTableWidget* table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

}  // namespace volmar::gui::test
