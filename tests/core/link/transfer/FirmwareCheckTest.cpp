// The firmware check before an upload, alone and in the upload flow.
#include "core/link/transfer/FirmwareCheck.h"

#include <gtest/gtest.h>

#include "FakeUnitModel.h"
#include "RecordFactory.h"
#include "RecordingInteraction.h"
#include "SimulatedUnitLine.h"
#include "core/link/transfer/SettingUpload.h"

namespace volmar {
namespace {

constexpr uint16_t kDeviceD = 0xA8;
constexpr int32_t kSlmp = 7;

class FirmwareCheck : public ::testing::Test {
protected:
    FirmwareCheck()
    {
        for (int ch : {0, 1, 2, 3}) m_record->IO.PI[ch].TYPE = kSlmp;
        m_record->IO.PI[0].SLMP_DEV_CODE = 0x52;  // LTN
        m_record->IO.PI[1].SLMP_DEV_CODE = 0x56;  // LCN
        m_record->IO.PI[2].SLMP_DEV_CODE = 0x5A;  // LSTN
        m_record->IO.PI[3].SLMP_DEV_CODE = 0x62;  // LZ
    }
    std::string Verdict(int major, int minor)
    {
        auto m = CheckUnitFirmware(*m_record, major, minor);
        return m ? m->text : "pass";
    }
    std::unique_ptr<SettingRecord> m_record = testing::MakeDefaultRecord();
};

TEST_F(FirmwareCheck, OldFirmwareTakesOnlyTheFourEarlyDevices)
{
    EXPECT_EQ(Verdict(1, 9), "pass");
    // Device D on a channel of another type does not matter.
    m_record->IO.PI[9].SLMP_DEV_CODE = kDeviceD;
    EXPECT_EQ(Verdict(1, 9), "pass");
    m_record->IO.PI[9].TYPE = kSlmp;
    m_record->IO.PI[30].TYPE = kSlmp;
    m_record->IO.PI[30].SLMP_DEV_CODE = kDeviceD;
    EXPECT_EQ(Verdict(2, 1), "Setting error: PI10\nSLMP device not supported by this QN70 version.");
    EXPECT_EQ(CheckUnitFirmware(*m_record, 2, 1)->icon, MessageIcon::Error);
    EXPECT_EQ(Verdict(2, 2), "pass");
    EXPECT_EQ(Verdict(3, 0), "pass");
}

TEST_F(FirmwareCheck, RefusalStopsTheUploadAfterTheUnitCheck)
{
    m_record->IO.PI[4].TYPE = kSlmp;
    m_record->IO.PI[4].SLMP_DEV_CODE = kDeviceD;
    test::FakeUnitModel model;
    model.status = {0x29, 2, 1, 0x00, 0x10, 0x08};
    model.QueueResult({2, 0, ""});
    test::SimulatedUnitLine unit(model);
    StreamPortOpener opener(unit.line, unit.clock);
    LinkState link;
    MemoryProfile profile;
    test::RecordingInteraction ui;
    EXPECT_FALSE(UploadSetting(link, ui, profile, *m_record, {&opener}));
    EXPECT_EQ(ui.Only().text, "Setting error: PI5\nSLMP device not supported by this QN70 version.");
    EXPECT_EQ(opener.Opened(), 1);
    EXPECT_TRUE(model.Puts().empty());

    model.status[2] = 2;
    ui = {};
    EXPECT_TRUE(UploadSetting(link, ui, profile, *m_record, {&opener})) << ::testing::PrintToString(ui.Texts());
    EXPECT_EQ(model.PutName(), "CONFIG_P");
}

}  // namespace
}  // namespace volmar
