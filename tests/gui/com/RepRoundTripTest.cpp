// Edits made through the e-mail menu (address book, an event report with
// its recipients and channels, the regular report's weekdays and hours, the
// delivery failure output) survive the settings document, a saved file and
// a trip to the simulated unit and back.
#include "../io/RoundTrip.h"
#include <QCheckBox>
#include <QPlainTextEdit>

#include "../io/IoTestSupport.h"
#include "Process.h"
#include "SimProcess.h"
#include "core/common/FileIo.h"
#include "core/common/Profile.h"
#include "gui/editors/com/CDlgSetRep.h"
#include "gui/editors/kit/ListDialog.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui::test {
namespace {

class RepRoundTripTest : public EditorTest {};

QDialog* AsDialog(QWidget* w) { return qobject_cast<QDialog*>(w); }
QTableWidget* TableOf(QWidget* list) { return qobject_cast<kit::ListDialog*>(list)->Table(); }

// Opens row of the list, lets edit work on the row's editor and confirms it.
void EditRow(QWidget* list, int row, std::function<void(QWidget*)> edit)
{
    WhenModal([edit](QWidget* editor) {
        edit(editor);
        EXPECT_TRUE(PressOk(*AsDialog(editor)));
    }, list);
    DoubleClickRow(TableOf(list), row);
}

TEST_F(RepRoundTripTest, MailEditsSurviveTheDocumentAndTheUnit)
{
    record->IO.DI[3].TYPE = 1;
    CDlgSetRep menu(*record, ui);
    menu.show();
    WhenModal([](QWidget* list) {
        EditRow(list, 1, [](QWidget* entry) {
            SetText(entry, "name", QStringLiteral("Störungsdienst"));
            SetText(entry, "address", QStringLiteral("stoerung@example.org"));
        });
        Find<QPushButton>(list, "back")->click();
    }, &menu);
    Find<QPushButton>(&menu, "addresses")->click();

    WhenModal([](QWidget* list) {
        EditRow(list, 4, [](QWidget* event) {
            Pick(event, "mode", 1);
            SetText(event, "subject", QStringLiteral("Pumpe aus"));
            Find<QPlainTextEdit>(event, "body")->setPlainText(QStringLiteral("Pumpe 2\nsteht"));
            WhenModal([](QWidget* recipients) {
                EditRow(recipients, 1, [](QWidget* kind) { Pick(kind, "kind", 2); });
                Find<QPushButton>(recipients, "back")->click();
            }, event);
            Find<QPushButton>(event, "addresses")->click();
            WhenModal([](QWidget* channels) {
                EditRow(channels, 3, [](QWidget* conf) { Pick(conf, "report", 1); });
                Find<QPushButton>(channels, "back")->click();
            }, event);
            Find<QPushButton>(event, "di")->click();
        });
        Find<QPushButton>(list, "back")->click();
    }, &menu);
    Find<QPushButton>(&menu, "events")->click();

    WhenModal([](QWidget* regular) {
        Pick(regular, "mode", 1);
        WhenModal([](QWidget* days) {
            Find<QCheckBox>(days, "day6")->setChecked(false);
            EXPECT_TRUE(PressOk(*AsDialog(days)));
        }, regular);
        Find<QPushButton>(regular, "weekdays")->click();
        WhenModal([](QWidget* hours) {
            EditRow(hours, 23, [](QWidget* hour) {
                Pick(hour, "report", 1);
                SetText(hour, "minute", QStringLiteral("45"));
                SetText(hour, "second", QStringLiteral("7"));
            });
            Find<QPushButton>(hours, "back")->click();
        }, regular);
        Find<QPushButton>(regular, "times")->click();
        EXPECT_TRUE(PressOk(*AsDialog(regular)));
    }, &menu);
    Find<QPushButton>(&menu, "regular")->click();

    WhenModal([](QWidget* failure) {
        Pick(failure, "output", 12);
        EXPECT_TRUE(PressOk(*AsDialog(failure)));
    }, &menu);
    Find<QPushButton>(&menu, "failure")->click();
    ASSERT_TRUE(ui.shown.empty()) << LastMessage();

    EXPECT_STREQ(record->COM.SMTP_POP3.MAIL_NAME[1], "Störungsdienst");
    const MailReport& event = record->MAIL_REPORT.EVENT[4];
    EXPECT_EQ(event.MODE, kUse);
    EXPECT_STREQ(event.TITLE, "Pumpe aus");
    EXPECT_STREQ(event.MESSAGE, "Pumpe 2\r\nsteht");
    EXPECT_EQ(event.DST[1], 2);
    EXPECT_EQ(event.DI1, 0x8u);
    const TimeReport& time = record->MAIL_REPORT.TIME;
    EXPECT_EQ(time.REPORT.MODE, kUse);
    EXPECT_EQ(time.WDAY, 0x3Fu);
    EXPECT_EQ(time.REPORT_TIME[23].MODE, kUse);
    EXPECT_EQ(time.REPORT_TIME[23].OFFSET_MIN, 45);
    EXPECT_EQ(time.REPORT_TIME[23].OFFSET_SEC, 7);
    EXPECT_EQ(record->MAIL_REPORT.ERROR, 12);

    const std::string document = WriteSettingDocument(*record);
    std::unique_ptr<SettingRecord> back;
    ASSERT_NO_FATAL_FAILURE(SaveUploadDownload(document, *record, ui, back, "tcp"));
    EXPECT_EQ(std::memcmp(back.get(), record.get(), sizeof(SettingRecord)), 0);
}

}  // namespace
}  // namespace volmar::gui::test
