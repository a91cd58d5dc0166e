// Edits made in the DI and DO editors survive writing the settings document,
// saving and reading the file, and a trip to the simulated unit and back.
#include "RoundTrip.h"
#include <QCheckBox>

#include "IoTestSupport.h"
#include "Process.h"
#include "SimProcess.h"
#include "core/common/FileIo.h"
#include "core/common/Profile.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui::test {
namespace {

class DiDoRoundTripTest : public EditorTest {
protected:
    void SetUp() override
    {
        std::strcpy(record->IO.MODBUS_MASTER.NODE[3], "172.16.0.4");
        record->IO.MODBUS_MASTER.SLAVE_TYPE[3] = 2;  // SLMP 32bit
    }

    // Writes the record, saves and reloads the file, uploads it to the
    // simulator and downloads it again; every copy must equal the record.
    void ExpectRoundTrip()
    {
        ASSERT_TRUE(ui.shown.empty()) << LastMessage();
        const std::string document = WriteSettingDocument(*record);
        std::unique_ptr<SettingRecord> back;
        ASSERT_NO_FATAL_FAILURE(SaveUploadDownload(document, *record, ui, back));
        EXPECT_EQ(std::memcmp(back.get(), record.get(), sizeof(SettingRecord)), 0);
        copy = std::move(back);
    }

    std::unique_ptr<SettingRecord> copy;
};

TEST_F(DiDoRoundTripTest, DiscreteInput)
{
    {
        CDlgSetIoDiCh editor(*record, 9, ui);
        Pick(&editor, "type", 3);  // SLMP
        Pick(&editor, "slave", 3);
        Pick(&editor, "device", 10);  // LTS, only in table B
        SetText(&editor, "deviceDec", QStringLiteral("4000000000"));
        SetText(&editor, "name", QStringLiteral("Tür offen"));
        Find<QCheckBox>(&editor, "invert")->setChecked(true);
        SetText(&editor, "onText", QStringLiteral("auf"));
        SetText(&editor, "onDelay", QStringLiteral("999"));
        Pick(&editor, "offNumber", 17);
        SetText(&editor, "offMessage", QStringLiteral("zu & fertig"));
        Pick(&editor, "offRecord", 1);
        ASSERT_TRUE(PressOk(editor));
    }
    ExpectRoundTrip();
    const DiChannel& di = copy->IO.DI[9];
    EXPECT_EQ(di.TYPE, 7);
    EXPECT_EQ(di.MOD_NODE, 3);
    EXPECT_EQ(di.SLMP_DEV_CODE, 0x51);
    EXPECT_EQ(di.SLMP_DEV_NO, 4000000000u);
    EXPECT_STREQ(di.NAME, "Tür offen");
    EXPECT_EQ(di.INVERT, kActive);
    EXPECT_STREQ(di.STATUS.ON.DISP_STRING, "auf");
    EXPECT_EQ(di.STATUS.ON.DELAY, 999);
    EXPECT_EQ(di.STATUS.OFF.EVENT_NO, 18);
    EXPECT_STREQ(di.STATUS.OFF.MESSAGE, "zu & fertig");
    EXPECT_EQ(di.STATUS.OFF.RECORD, 1);
}

TEST_F(DiDoRoundTripTest, DiscreteOutput)
{
    record->IO.DO[63].STATUS.ON.DISP_COLOR = 0x00A0B0C0;
    record->IO.DO[63].STATUS.OFF.DISP_COLOR = 0x00010203;
    {
        CDlgSetIoDoCh editor(*record, 63, ui);
        Pick(&editor, "type", 2);  // Modbus/TCP
        Pick(&editor, "slave", 3);  // an SLMP slave: the question is answered OK
        SetText(&editor, "regAddress", QStringLiteral("65536"));
        SetText(&editor, "comment", QStringLiteral("Hupe"));
        SetText(&editor, "offText", QStringLiteral("ruhig"));
        ASSERT_TRUE(PressOk(editor));
        EXPECT_EQ(ui.questions.back(), "SLMP is selected as slave.");
    }
    ExpectRoundTrip();
    const DoChannel& out = copy->IO.DO[63];
    EXPECT_EQ(out.TYPE, 2);
    EXPECT_EQ(out.MOD_NODE, 3);
    EXPECT_EQ(out.MOD_ADDRESS, 65536u);
    EXPECT_EQ(out.MOD_TYPE, 0);
    EXPECT_STREQ(out.COMMENT, "Hupe");
    EXPECT_STREQ(out.STATUS.OFF.DISP_STRING, "ruhig");
    EXPECT_EQ(out.STATUS.ON.DISP_COLOR, 0x00A0B0C0);
    EXPECT_EQ(out.STATUS.OFF.DISP_COLOR, 0x00010203);
}

}  // namespace
}  // namespace volmar::gui::test
