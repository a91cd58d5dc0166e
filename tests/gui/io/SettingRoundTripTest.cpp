// Edits made in the system, slave, AI and zone editors survive writing the
// settings document, saving and reading the file, and a trip to the
// simulated unit and back.
#include "RoundTrip.h"
#include <QTabWidget>

#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoAi.h"
#include "gui/editors/io/CDlgSetIoAiArea.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/io/CDlgSetIoNodeConf.h"
#include "gui/editors/io/CDlgSetSystem.h"
#include "gui/editors/kit/Ipv4Edit.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "Process.h"
#include "SimProcess.h"
#include "core/common/FileIo.h"
#include "core/common/Profile.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"

namespace volmar::gui::test {
namespace {

class SettingRoundTripTest : public EditorTest {};

TEST_F(SettingRoundTripTest, EditorEditsSurviveTheDocument)
{
    {
        CDlgSetSystem dialog(*record, ui);
        SetText(&dialog, "name2", QStringLiteral("Pumpwerk Süd"));
        SetText(&dialog, "hour", QStringLiteral("-3"));
        ASSERT_TRUE(PressOk(dialog));
    }
    {
        CDlgSetIoNodeConf dialog(*record, 4, ui);
        Pick(&dialog, "type", 2);
        Find<kit::Ipv4Edit>(&dialog, "address")->SetAddress("172.16.5.9");
        SetText(&dialog, "processor", QStringLiteral("3e0"));
        ASSERT_TRUE(PressOk(dialog));
    }
    {
        CDlgSetIoAiCh dialog(*record, 2, ui);
        Pick(&dialog, "type", 3);  // SLMP
        Pick(&dialog, "slave", 4);
        Pick(&dialog, "device", 10);  // RD
        SetText(&dialog, "deviceDec", QStringLiteral("123456"));
        SetText(&dialog, "name", QStringLiteral("Druck"));
        Pick(&dialog, "exp", 1);
        SetText(&dialog, "scale100", QStringLiteral("2.5e4"));
        WhenModal([](QWidget* modal) {
            Pick(modal, "partitions", 2);  // 3 zones
            SetText(modal, "name3", QStringLiteral("Hoch"));
            SetText(modal, "upper2", QStringLiteral("5.000e+01"));
            SetText(modal, "lower3", QStringLiteral("6e1"));
            SetText(Find<QWidget>(modal, "page2"), "message2", QStringLiteral("fällt"));
            EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
        });
        Find<QPushButton>(&dialog, "zones")->click();
        ASSERT_TRUE(PressOk(dialog));
    }
    ASSERT_TRUE(ui.shown.empty()) << LastMessage();

    const std::string document = WriteSettingDocument(*record);
    auto read = volmar::testing::MakeDefaultRecord();
    const int flags = ReadSettingDocument(*read, document.data(), document.size());
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(std::memcmp(read.get(), record.get(), sizeof(SettingRecord)), 0);

    EXPECT_STREQ(read->SYSTEM.NAME2, "Pumpwerk Süd");
    EXPECT_EQ(read->SYSTEM.TIMEZONE, -3);
    EXPECT_STREQ(read->IO.MODBUS_MASTER.NODE[4], "172.16.5.9");
    EXPECT_EQ(read->IO.MODBUS_MASTER.SLAVE_TYPE[4], 2);
    EXPECT_EQ(read->IO.MODBUS_MASTER.SLMP_CPU[4], 0x3E0);
    const AiChannel& ai = read->IO.AI[2];
    EXPECT_EQ(ai.TYPE, 7);
    EXPECT_EQ(ai.MOD_NODE, 4);
    EXPECT_EQ(ai.SLMP_DEV_CODE, 0x2C);
    EXPECT_EQ(ai.SLMP_DEV_NO, 123456u);
    EXPECT_STREQ(ai.NAME, "Druck");
    EXPECT_EQ(ai.EXP, 1);
    EXPECT_EQ(ai.SCALE_100, 25000.0);
    EXPECT_EQ(ai.USE_AREAS, 3);
    EXPECT_STREQ(ai.AREA[2].AREA_NAME, "Hoch");
    EXPECT_EQ(ai.AREA[1].LEVEL_UPPER, 50.0);
    EXPECT_EQ(ai.AREA[2].LEVEL_LOWER, 60.0);
    EXPECT_STREQ(ai.AREA[1].LOWER.MESSAGE, "fällt");

    // Saved, read back from the file, uploaded to the unit and downloaded
    // again: the same record.
    std::unique_ptr<SettingRecord> back;
    ASSERT_NO_FATAL_FAILURE(SaveUploadDownload(document, *record, ui, back));
    EXPECT_EQ(std::memcmp(back.get(), record.get(), sizeof(SettingRecord)), 0);
    EXPECT_STREQ(back->IO.AI[2].AREA[1].LOWER.MESSAGE, "fällt");
}

}  // namespace
}  // namespace volmar::gui::test
