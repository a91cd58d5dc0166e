// A PI and an OI channel edited through their editors survive writing the
// settings document, saving and reading the file, and a trip to the
// simulated unit and back.
#include "RoundTrip.h"
#include <QCheckBox>
#include <map>

#include "IoTestSupport.h"
#include "Process.h"
#include "SimProcess.h"
#include "core/common/FileIo.h"
#include "core/common/Profile.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui::test {
namespace {

class PiOiRoundTripTest : public EditorTest {
protected:
    // Document, file and unit: each step gives back the edited record.
    void ExpectRoundTrip()
    {
        ASSERT_TRUE(ui.shown.empty()) << LastMessage();
        const std::string document = WriteSettingDocument(*record);
        auto read = volmar::testing::MakeDefaultRecord();
        EXPECT_EQ(ReadSettingDocument(*read, document.data(), document.size()), 0);
        EXPECT_EQ(std::memcmp(read.get(), record.get(), sizeof(SettingRecord)), 0);

        ASSERT_NO_FATAL_FAILURE(SaveUploadDownload(document, *record, ui, back));
        EXPECT_EQ(std::memcmp(back.get(), record.get(), sizeof(SettingRecord)), 0);
    }

    // The paths `volmar-cli diff` names between the default and the edited
    // record, joined into one text.
    std::string ChangedPaths() const
    {
        std::map<std::string, std::string> old;
        VisitSettingValues(*volmar::testing::MakeDefaultRecord(),
                           [&](const std::string& path, std::string_view value) { old[path] = value; });
        std::string changed;
        VisitSettingValues(*record, [&](const std::string& path, std::string_view value) {
            if (old[path] != value) changed += path + "\n";
        });
        return changed;
    }

    std::unique_ptr<SettingRecord> back;
};

TEST_F(PiOiRoundTripTest, PulseInputChannel)
{
    std::strcpy(record->IO.MODBUS_MASTER.NODE[3], "10.1.1.4");
    {
        CDlgSetIoPiCh dialog(*record, 4, ui);
        Pick(&dialog, "type", 2);  // Modbus/TCP
        Pick(&dialog, "slave", 3);
        SetText(&dialog, "regAddress", QStringLiteral("65535"));
        Find<QCheckBox>(&dialog, "swap")->setChecked(false);
        SetText(&dialog, "low", QStringLiteral("10"));
        SetText(&dialog, "high", QStringLiteral("4000000000"));
        SetText(&dialog, "name", QStringLiteral("Zähler"));
        SetText(&dialog, "scale", QStringLiteral("0.125"));
        Pick(&dialog, "resetDi", 64);
        WhenModal([](QWidget* modal) {
            Pick(modal, "partitions", 1);  // 2 zones
            Find<QCheckBox>(modal, "sumReset2")->setChecked(true);
            SetText(modal, "upper1", QStringLiteral("100"));
            SetText(modal, "lower2", QStringLiteral("100"));
            EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
        });
        Find<QPushButton>(&dialog, "zones")->click();
        ASSERT_TRUE(PressOk(dialog));
    }
    ExpectRoundTrip();
    const std::string changed = ChangedPaths();
    for (const char* leaf : {"<PI5><SWAP>", "<PI5><WIDTH><HIGH>", "<PI5><RESET_DI>", "<SUM_RESET>", "<PI5><NAME>"}) {
        EXPECT_NE(changed.find(leaf), std::string::npos) << leaf << " in\n" << changed;
    }
    const PiChannel& pi = back->IO.PI[4];
    EXPECT_EQ(pi.TYPE, 2);
    EXPECT_EQ(pi.MOD_ADDRESS, 65535u);
    EXPECT_EQ(pi.SWAP, 0);
    EXPECT_EQ(pi.WIDTH.HIGH, 4000000000u);
    EXPECT_STREQ(pi.NAME, "Zähler");
    EXPECT_EQ(pi.RESET_DI, 64);
    EXPECT_EQ(pi.USE_AREAS, 2);
    EXPECT_EQ(pi.AREA[1].SUM_RESET, 1);
}

TEST_F(PiOiRoundTripTest, FunctionInputChannel)
{
    {
        CDlgSetIoOiCh dialog(*record, 7, ui);
        Pick(&dialog, "function", 3);  // Division
        SetText(&dialog, "name", QStringLiteral("Verhältnis"));
        Pick(&dialog, "exp", 1);
        WhenModal([](QWidget* modal) {
            Pick(modal, "t1", 3);  // OI
            Pick(modal, "c1", 31);
            Pick(modal, "t2", 1);  // DI
            SetText(modal, "K1", QStringLiteral("2.5e3"));
            SetText(modal, "A0", QStringLiteral("-1.5"));
            EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
        });
        Find<QPushButton>(&dialog, "calc")->click();
        ASSERT_TRUE(PressOk(dialog));
    }
    ExpectRoundTrip();
    const std::string changed = ChangedPaths();
    for (const char* leaf : {"<OI8><TYPE>", "<OI8><INPUT><X1>", "<OI8><INPUT><X2>", "<OI8><CONST><K1>",
                             "<OI8><CONST><A0>", "<OI8><EXP>"}) {
        EXPECT_NE(changed.find(leaf), std::string::npos) << leaf << " in\n" << changed;
    }
    const OiChannel& oi = back->IO.OI[7];
    EXPECT_EQ(oi.TYPE, 3);
    EXPECT_STREQ(oi.NAME, "Verhältnis");
    EXPECT_EQ(oi.EXP, 1);
    EXPECT_EQ(oi.INPUT[1].KIND, 3);
    EXPECT_EQ(oi.INPUT[1].CH, 32);
    EXPECT_EQ(oi.INPUT[2].KIND, 1);
    EXPECT_EQ(oi.INPUT[2].CH, 1);
    EXPECT_EQ(oi.CONST.K[1], 2500.0);
    EXPECT_EQ(oi.CONST.K[2], 1.0);
    EXPECT_EQ(oi.CONST.A[0], -1.5);
}

}  // namespace
}  // namespace volmar::gui::test
