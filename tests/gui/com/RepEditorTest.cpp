// The e-mail report editors: the address book's checks and its copy, the
// event report's texts, modes and held sub-dialog results, recipients
// (Bcc kept), channel masks and the DO operation, the hour table, weekdays
// and the delivery failure output.
#include <QCheckBox>
#include <QPlainTextEdit>

#include "../io/IoTestSupport.h"
#include "gui/editors/com/CDlgSetRepAddr.h"
#include "gui/editors/com/CDlgSetRepAddrConf.h"
#include "gui/editors/com/CDlgSetRepCh.h"
#include "gui/editors/com/CDlgSetRepDst.h"
#include "gui/editors/com/CDlgSetRepErrorDo.h"
#include "gui/editors/com/CDlgSetRepEvent.h"
#include "gui/editors/com/CDlgSetRepEventItem.h"
#include "gui/editors/com/CDlgSetRepTimeItem.h"
#include "gui/editors/com/CDlgSetRepTimeSend.h"
#include "gui/editors/com/CDlgSetRepTimeSendConf.h"

namespace volmar::gui::test {
namespace {

class RepTest : public EditorTest {};

QDialog* AsDialog(QWidget* w) { return qobject_cast<QDialog*>(w); }

void Escape(QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }

TEST_F(RepTest, AddressEntryChecksInOrderAndTheListCommitsOnBackOnly)
{
    CDlgSetRepAddrConf entry(4, QString(), QString(), ui);
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("No.05"));
    SetText(&entry, "name", QString(65, QLatin1Char('n')));
    SetText(&entry, "address", QString(65, QLatin1Char('a')));
    EXPECT_FALSE(PressOk(entry));
    SetText(&entry, "name", QStringLiteral("Tom \"the\" pump"));
    EXPECT_FALSE(PressOk(entry));
    SetText(&entry, "name", QStringLiteral("Tom"));
    EXPECT_FALSE(PressOk(entry));
    SetText(&entry, "address", QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    EXPECT_FALSE(PressOk(entry));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Setting error: Attention name.",
                                                    "Setting error: \"\" cannot be used.", "Setting error: Address",
                                                    "Setting error: Address"}));
    SetText(&entry, "address", QString(64, QLatin1Char('a')));
    EXPECT_TRUE(PressOk(entry));

    const auto before = Snapshot();
    {
        CDlgSetRepAddr list(*record, ui);
        list.show();
        EXPECT_EQ(Cell(list.Table(), 0, 0), QStringLiteral("No.01"));
        WhenModal([](QWidget* modal) {
            SetText(modal, "name", QStringLiteral("Leitstand"));
            SetText(modal, "address", QStringLiteral("leit@example.org"));
            EXPECT_TRUE(PressOk(*AsDialog(modal)));
        });
        DoubleClickRow(list.Table(), 2);
        RowMenu(list.Table(), 2, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
        RowMenu(list.Table(), 31, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
        EXPECT_EQ(Cell(list.Table(), 31, 2), QStringLiteral("leit@example.org"));
        Escape(&list);
    }
    EXPECT_TRUE(Unchanged(*before));

    CDlgSetRepAddr list(*record, ui);
    list.show();
    WhenModal([](QWidget* modal) {
        SetText(modal, "name", QStringLiteral("Wache"));
        EXPECT_TRUE(PressOk(*AsDialog(modal)));
    });
    DoubleClickRow(list.Table(), 2);
    Find<QPushButton>(&list, "back")->click();
    EXPECT_STREQ(record->COM.SMTP_POP3.MAIL_NAME[2], "Wache");
    EXPECT_STREQ(record->COM.SMTP_POP3.MAIL_ADDRESS[2], "");
}

TEST_F(RepTest, ReportTextsAreCheckedNeverCutAndBodiesStoreCrLf)
{
    const QString forty(40, QLatin1Char('s'));
    {
        CDlgSetRepEventItem item(*record, 6, ui);
        EXPECT_EQ(item.windowTitle(), QStringLiteral("No.07"));
        EXPECT_FALSE(Find<QLineEdit>(&item, "subject")->isEnabled());
        SetText(&item, "subject", forty);
        ASSERT_TRUE(PressOk(item));  // a disabled event keeps it whole
    }
    EXPECT_EQ(QString::fromUtf8(record->MAIL_REPORT.EVENT[6].TITLE), forty);
    {
        // Enabling is never refused over texts the user could not reach:
        // the subject becomes editable, and OK and leaving "Enable" refuse it.
        CDlgSetRepEventItem item(*record, 6, ui);
        Pick(&item, "mode", 1);
        ASSERT_EQ(Picked(&item, "mode"), 1);
        EXPECT_TRUE(Find<QLineEdit>(&item, "subject")->isEnabled());
        EXPECT_TRUE(ui.shown.empty());
        EXPECT_FALSE(PressOk(item));
        Pick(&item, "mode", 0);
        EXPECT_EQ(Picked(&item, "mode"), 1);
        EXPECT_EQ(Messages(), (std::vector<std::string>{"Setting error: Subject", "Setting error: Subject"}));
        SetText(&item, "subject", QString(32, QLatin1Char('s')));
        ASSERT_TRUE(PressOk(item));
        EXPECT_EQ(record->MAIL_REPORT.EVENT[6].MODE, kUse);
    }

    ui.shown.clear();
    CDlgSetRepEventItem item(*record, 0, ui);
    SetText(&item, "subject", QStringLiteral("Alarm"));
    auto* body = Find<QPlainTextEdit>(&item, "body");
    // A body that would fit its field only without the CR of its line end.
    body->setPlainText(QString(766, QLatin1Char('b')) + QStringLiteral("\nx"));
    EXPECT_FALSE(PressOk(item));
    EXPECT_EQ(LastMessage(), "Setting error: Body text");
    Pick(&item, "mode", 1);
    ASSERT_EQ(Picked(&item, "mode"), 1);
    body->setPlainText(QString(254, QLatin1Char('b')) + QStringLiteral("\nc"));  // 257 with CR LF
    EXPECT_FALSE(PressOk(item));
    Pick(&item, "mode", 0);
    EXPECT_EQ(Picked(&item, "mode"), 1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Setting error: Body text", "Setting error: Body text",
                                                    "Setting error: Body text"}));
    body->setPlainText(QStringLiteral("Level high\nCheck pump 2\n"));
    EXPECT_TRUE(body->isEnabled());
    SetText(&item, "subject", QString(33, QLatin1Char('s')));
    EXPECT_FALSE(PressOk(item));
    EXPECT_EQ(LastMessage(), "Setting error: Subject");
    SetText(&item, "subject", QString(32, QLatin1Char('s')));
    ASSERT_TRUE(PressOk(item));
    EXPECT_STREQ(record->MAIL_REPORT.EVENT[0].MESSAGE, "Level high\r\nCheck pump 2\r\n");
    EXPECT_EQ(record->MAIL_REPORT.EVENT[0].MODE, kUse);

    CDlgSetRepEventItem again(*record, 0, ui);
    EXPECT_EQ(Find<QPlainTextEdit>(&again, "body")->toPlainText(), QStringLiteral("Level high\nCheck pump 2\n"));
}

TEST_F(RepTest, EventCancelDropsSubDialogResultsAndTheListWritesDirectly)
{
    record->MAIL_REPORT.EVENT[2].MODE = kUse;
    record->MAIL_REPORT.EVENT[2].DST[5] = rep::kKindBcc;
    record->IO.AI[32].TYPE = 1;
    const auto before = Snapshot();
    {
        CDlgSetRepEventItem item(*record, 2, ui);
        item.show();
        WhenModal([](QWidget* list) {
            WhenModal([](QWidget* entry) {
                Pick(entry, "kind", 2);
                EXPECT_TRUE(PressOk(*AsDialog(entry)));
            }, list);
            DoubleClickRow(qobject_cast<kit::ListDialog*>(list)->Table(), 4);
            Find<QPushButton>(list, "back")->click();
        });
        Find<QPushButton>(&item, "addresses")->click();
        EXPECT_EQ(item.Held().DST[4], 2);
        EXPECT_EQ(item.Held().DST[5], rep::kKindBcc);
        item.reject();
    }
    EXPECT_TRUE(Unchanged(*before));

    CDlgSetRepEvent list(*record, ui);
    list.show();
    EXPECT_EQ(Cell(list.Table(), 2, 0), QStringLiteral("No.03"));
    EXPECT_EQ(Cell(list.Table(), 2, 1), QStringLiteral("EVENT REPORT"));
    EXPECT_EQ(Cell(list.Table(), 3, 1), QString());  // disabled: no subject
    WhenModal([](QWidget* item) {
        WhenModal([](QWidget* channels) {
            EXPECT_EQ(channels->windowTitle(), QStringLiteral("AI"));
            WhenModal([](QWidget* conf) {
                EXPECT_EQ(conf->windowTitle(), QStringLiteral("AI33"));
                Pick(conf, "report", 1);
                EXPECT_TRUE(PressOk(*AsDialog(conf)));
            }, channels);
            DoubleClickRow(qobject_cast<kit::ListDialog*>(channels)->Table(), 32);
            Find<QPushButton>(channels, "back")->click();
        }, item);
        Find<QPushButton>(item, "ai")->click();
        EXPECT_TRUE(PressOk(*AsDialog(item)));
    });
    DoubleClickRow(list.Table(), 2);
    RowMenu(list.Table(), 2, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(list.Table(), 6, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    Escape(&list);  // no copy: the edits stand
    const MailReport& e7 = record->MAIL_REPORT.EVENT[6];
    EXPECT_EQ(e7.AI1, 0u);
    EXPECT_EQ(e7.AI2, 0x1u);  // AI33 is bit 0 of the second word
    EXPECT_EQ(e7.DST[5], rep::kKindBcc);  // kept through the editor's OK
    EXPECT_EQ(std::memcmp(&e7, &record->MAIL_REPORT.EVENT[2], sizeof e7), 0);
}

TEST_F(RepTest, RecipientsShowKindsAndKeepBcc)
{
    std::strcpy(record->COM.SMTP_POP3.MAIL_NAME[1], "Service");
    CDlgSetRepDst::Kinds kinds{};
    kinds[1] = rep::kKindBcc;
    CDlgSetRepDst list(*record, kinds, ui);
    list.show();
    EXPECT_EQ(Cell(list.Table(), 1, 0), QStringLiteral("02"));
    EXPECT_EQ(Cell(list.Table(), 1, 1), QStringLiteral("Service"));
    EXPECT_EQ(Cell(list.Table(), 1, 3), QStringLiteral("Bcc"));
    WhenModal([](QWidget* conf) {
        EXPECT_EQ(Find<QComboBox>(conf, "kind")->currentText(), QStringLiteral("Bcc"));
        EXPECT_TRUE(PressOk(*AsDialog(conf)));
    });
    DoubleClickRow(list.Table(), 1);
    EXPECT_EQ(list.Result()[1], rep::kKindBcc);
    RowMenu(list.Table(), 1, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(list.Table(), 9, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    EXPECT_EQ(list.Result()[9], rep::kKindBcc);
    EXPECT_EQ(list.Result()[0], 0);
}

TEST_F(RepTest, ChannelListsOpenUsedRowsAndKeepOneDoOperationBit)
{
    record->IO.DO[39].TYPE = 1;
    std::strcpy(record->IO.DO[39].NAME, "Horn");
    MailReport report = record->MAIL_REPORT.EVENT[0];
    report.DO_ON2 = 0x80u;  // DO40 ON
    CDlgSetRepCh list(*record, rep::Channels::DoOperation, report, ui);
    list.show();
    EXPECT_EQ(list.windowTitle(), QStringLiteral("DO"));
    EXPECT_EQ(Cell(list.Table(), 39, 1), QStringLiteral("Horn"));
    EXPECT_EQ(Cell(list.Table(), 39, 3), QStringLiteral("ON"));
    EXPECT_EQ(Cell(list.Table(), 38, 0), QStringLiteral("DO39"));
    EXPECT_EQ(Cell(list.Table(), 38, 3), QString());
    DoubleClickRow(list.Table(), 38);  // unused: would block on a modal editor if it opened
    bool menuShown = false;
    QTimer::singleShot(100, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    const QPoint pos = list.Table()->visualRect(list.Table()->model()->index(38, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, list.Table()->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(list.Table()->viewport(), &event);
    QTest::qWait(150);
    EXPECT_FALSE(menuShown);

    WhenModal([](QWidget* conf) {
        EXPECT_EQ(conf->windowTitle(), QStringLiteral("DO40"));
        Pick(conf, "operation", 2);
        EXPECT_TRUE(PressOk(*AsDialog(conf)));
    });
    DoubleClickRow(list.Table(), 39);
    const MailReport& r = list.Result();
    EXPECT_EQ(r.DO_ON1 | r.DO_ON2 | r.DO_OFF1, 0u);
    EXPECT_EQ(r.DO_OFF2, 0x80u);
    EXPECT_EQ(Cell(list.Table(), 39, 3), QStringLiteral("OFF"));
}

TEST_F(RepTest, HoursCheckOffsetsOnlyWhileEnabled)
{
    CDlgSetRepTimeSendConf hour(23, ReportTime{kNoUse, 5, 6}, ui);
    EXPECT_EQ(hour.windowTitle(), QStringLiteral("Set time to send: 23 (hour)"));
    EXPECT_FALSE(Find<QLineEdit>(&hour, "minute")->isEnabled());
    SetText(&hour, "minute", QStringLiteral("75"));
    EXPECT_TRUE(PressOk(hour));  // ignored while disabled
    EXPECT_EQ(hour.Result().OFFSET_MIN, 5);

    Pick(&hour, "report", 1);  // never refused over what the user could not reach
    ASSERT_EQ(Picked(&hour, "report"), 1);
    Pick(&hour, "report", 0);  // leaving "Enable" checks the offsets
    EXPECT_EQ(Picked(&hour, "report"), 1);
    EXPECT_EQ(LastMessage(), "Setting error: Time delay (min.)");
    ui.shown.clear();
    SetText(&hour, "minute", QStringLiteral("0"));
    SetText(&hour, "second", QStringLiteral("60"));
    EXPECT_FALSE(PressOk(hour));
    SetText(&hour, "minute", QStringLiteral("x"));
    EXPECT_FALSE(PressOk(hour));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Setting error: Time delay (sec.)",
                                                    "Setting error: Time delay (min.)"}));
    SetText(&hour, "minute", QStringLiteral("+0"));
    SetText(&hour, "second", QStringLiteral("59"));
    ASSERT_TRUE(PressOk(hour));
    EXPECT_EQ(hour.Result().MODE, kUse);
    EXPECT_EQ(hour.Result().OFFSET_MIN, 0);
    EXPECT_EQ(hour.Result().OFFSET_SEC, 59);

    CDlgSetRepTimeSend::Hours hours{};
    hours[7] = ReportTime{kUse, 15, 30};
    CDlgSetRepTimeSend list(hours, ui);
    list.show();
    EXPECT_EQ(Cell(list.Table(), 7, 0), QStringLiteral("7"));
    EXPECT_EQ(Cell(list.Table(), 7, 1), QStringLiteral("Enable"));
    RowMenu(list.Table(), 7, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(list.Table(), 0, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    EXPECT_EQ(list.Result()[0].MODE, kUse);
    EXPECT_EQ(list.Result()[0].OFFSET_MIN, 15);
    EXPECT_EQ(list.Result()[0].OFFSET_SEC, 30);
}

TEST_F(RepTest, RegularReportHoldsWeekdaysAndHoursUntilOk)
{
    record->MAIL_REPORT.TIME.WDAY = 0x80u;  // no day, but a bit to keep
    record->MAIL_REPORT.TIME.REPORT.MODE = kUse;
    const auto before = Snapshot();
    auto pickMonday = [](QWidget* days) {
        Find<QCheckBox>(days, "day1")->setChecked(true);
        EXPECT_TRUE(PressOk(*AsDialog(days)));
    };
    {
        CDlgSetRepTimeItem item(*record, ui);
        item.show();
        WhenModal(pickMonday, &item);
        Find<QPushButton>(&item, "weekdays")->click();
        WhenModal([](QWidget* list) {
            RowMenu(qobject_cast<kit::ListDialog*>(list)->Table(), 0, [](QMenu* m) { MenuAction(m, "Copy")->trigger(); });
            RowMenu(qobject_cast<kit::ListDialog*>(list)->Table(), 1, [](QMenu* m) { MenuAction(m, "Paste")->trigger(); });
            Escape(list);  // the hour table is not taken
        }, &item);
        Find<QPushButton>(&item, "times")->click();
        item.reject();
    }
    EXPECT_TRUE(Unchanged(*before));

    CDlgSetRepTimeItem item(*record, ui);
    item.show();
    WhenModal(pickMonday, &item);
    Find<QPushButton>(&item, "weekdays")->click();
    ASSERT_TRUE(PressOk(item));
    EXPECT_EQ(record->MAIL_REPORT.TIME.WDAY, 0x82u);

    record->IO.DO[2].TYPE = 1;
    CDlgSetRepErrorDo named(*record, ui);
    EXPECT_EQ(Find<QComboBox>(&named, "output")->itemText(3), QStringLiteral("DO03 DO3"));
    EXPECT_EQ(Find<QComboBox>(&named, "output")->itemText(4), QStringLiteral("DO04"));
    Pick(&named, "output", 64);
    ASSERT_TRUE(PressOk(named));
    EXPECT_EQ(record->MAIL_REPORT.ERROR, 64);
}

}  // namespace
}  // namespace volmar::gui::test
