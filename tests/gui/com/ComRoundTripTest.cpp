// Edits made in the communication, record and display editors survive
// writing the settings document, saving and reading the file, and a trip to
// the simulated unit and back.
#include "../io/RoundTrip.h"
#include "../io/IoTestSupport.h"
#include "Process.h"
#include "SimProcess.h"
#include "core/common/FileIo.h"
#include "core/common/Profile.h"
#include "gui/editors/com/CDlgSetComFtpc.h"
#include "gui/editors/com/CDlgSetComModbus.h"
#include "gui/editors/com/CDlgSetComSmtp.h"
#include "gui/editors/com/CDlgSetComSntp.h"
#include "gui/editors/com/CDlgSetDispPageName.h"
#include "gui/editors/com/CDlgSetDispPenConf.h"
#include "gui/editors/com/CDlgSetRecord.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Keywords.h"

namespace volmar::gui::test {
namespace {

class ComRoundTripTest : public EditorTest {};

template <typename Dialog, typename... Args>
void Edit(std::function<void(Dialog&)> edit, Args&&... args)
{
    Dialog dialog(std::forward<Args>(args)...);
    edit(dialog);
    EXPECT_TRUE(PressOk(dialog)) << dialog.windowTitle().toStdString();
}

TEST_F(ComRoundTripTest, EditorEditsSurviveTheDocumentAndTheUnit)
{
    record->COM.FTPC.MODE = 1;
    Edit<CDlgSetComFtpc>([](QDialog& d) { SetText(&d, "server", QStringLiteral("ftp.example.org")); }, *record, ui);
    Edit<CDlgSetComSntp>([](QDialog& d) { SetText(&d, "server", QStringLiteral("ntp.näh.de")); }, *record, ui);
    Edit<CDlgSetComModbus>([](QDialog& d) { SetText(&d, "linger", QStringLiteral("2999")); }, *record, ui);
    Edit<CDlgSetComSmtp>([](QDialog& d) { SetText(&d, "sender", QStringLiteral("Kläranlage")); }, *record, ui);
    Edit<CDlgSetRecord>(
        [](QDialog& d) {
            Pick(&d, "rate", kSpeed1h);
            Pick(&d, "interval", 1);  // 1 month
        },
        *record, ui);
    Edit<CDlgSetDispPenConf>(
        [](QDialog& d) {
            Pick(&d, "type", kPenOi);
            Pick(&d, "channel", 29);
            SetText(&d, "upper", QStringLiteral("250.25"));
        },
        *record, 7, ui);
    Edit<CDlgSetDispPageName>([](QDialog& d) { SetText(&d, "page2", QStringLiteral("Zulauf & Ablauf")); }, *record,
                              ui);
    ASSERT_TRUE(ui.shown.empty()) << LastMessage();
    EXPECT_EQ(record->RECORD.MB.TRANS, 10);
    EXPECT_EQ(record->DISP.PEN_CONF[7].CH, 30);

    const std::string document = WriteSettingDocument(*record);
    auto read = volmar::testing::MakeDefaultRecord();
    EXPECT_EQ(ReadSettingDocument(*read, document.data(), document.size()), 0);
    EXPECT_EQ(std::memcmp(read.get(), record.get(), sizeof(SettingRecord)), 0);
    EXPECT_STREQ(read->COM.SMTP_POP3.NAME, "Kläranlage");
    EXPECT_EQ(read->DISP.PEN_DRAW[7].HIGH, 250.25);

    std::unique_ptr<SettingRecord> back;
    ASSERT_NO_FATAL_FAILURE(SaveUploadDownload(document, *record, ui, back));
    EXPECT_EQ(std::memcmp(back.get(), record.get(), sizeof(SettingRecord)), 0);
    EXPECT_STREQ(back->DISP.PAGE[1], "Zulauf & Ablauf");
}

}  // namespace
}  // namespace volmar::gui::test
