// The channel editors and the core's rules give the same verdict for the same
// input: each row types a value into a dialog and presses OK, then puts the
// same value into the record and runs the whole-setting check.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "IoTestSupport.h"
#include "core/rules/SettingRules.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "gui/editors/io/CDlgSetSystem.h"

namespace volmar::gui::test {
namespace {

struct Row {
    const char* control;
    QString text;
    std::function<void(SettingRecord&)> value;  // the same input as a record value
    const char* path;                           // the core's path when refused
};

class RulesAgreementTest : public EditorTest {
protected:
    void SetUp() override
    {
        AddSlavesOfEachType();
        record->IO.AI[0].TYPE = 3;
        record->IO.DI[0].TYPE = 3;
        record->IO.PI[0].TYPE = 3;
        record->IO.PI[0].SCALE = 1;
        record->IO.DO[0].TYPE = 1;
        record->IO.OI[0].TYPE = 1;
    }

    template <typename Dialog>
    std::unique_ptr<Dialog> Open(SettingRecord& r)
    {
        if constexpr (std::is_same_v<Dialog, CDlgSetSystem>) return std::make_unique<Dialog>(r, ui);
        else return std::make_unique<Dialog>(r, 0, ui);
    }

    // prepare sets up the dialog beyond the typed control (a type pick).
    template <typename Dialog>
    void ExpectAgreement(const std::vector<Row>& rows, std::function<void(Dialog&)> prepare = {})
    {
        for (const Row& row : rows) {
            auto shown = Snapshot();
            ui.shown.clear();
            {
                auto editor = Open<Dialog>(*shown);
                if (prepare) prepare(*editor);
                SetText(editor.get(), row.control, row.text);
                PressOk(*editor);
            }
            const std::string gui = ui.shown.empty() ? std::string() : ui.shown.front().text;

            auto typed = Snapshot();
            if (prepare) {  // the picks a dialog makes reach the record through OK
                ui.shown.clear();
                auto editor = Open<Dialog>(*typed);
                prepare(*editor);
                PressOk(*editor);
            }
            row.value(*typed);
            const std::vector<RuleVerdict> verdicts = CheckSettingRules(*typed);
            const std::string core = verdicts.empty() ? std::string() : verdicts.front().message;
            EXPECT_EQ(gui, core) << row.control << " = " << row.text.toStdString();
            EXPECT_EQ(verdicts.empty() ? std::string() : verdicts.front().path, row.path) << row.control;
        }
    }
};

TEST_F(RulesAgreementTest, System)
{
    ExpectAgreement<CDlgSetSystem>({
        {"name2", QString(33, 'n'), [](SettingRecord& r) { std::strcpy(r.SYSTEM.NAME2, std::string(33, 'n').c_str()); }, "SYSTEM/NAME2"},
        {"hour", "-13", [](SettingRecord& r) { r.SYSTEM.TIMEZONE = -13; }, "SYSTEM/TIMEZONE"},
        {"minute", "60", [](SettingRecord& r) { r.SYSTEM.TIMEZONE_MIN = 60; }, "SYSTEM/TIMEZONE_MIN"},
        {"minute", "59", [](SettingRecord& r) { r.SYSTEM.TIMEZONE_MIN = 59; }, ""},
    });
}

TEST_F(RulesAgreementTest, AiChannel)
{
    ExpectAgreement<CDlgSetIoAiCh>({
        {"name", QString(16, 'n'), [](SettingRecord& r) { std::strcpy(r.IO.AI[0].NAME, "nnnnnnnnnnnnnnnn"); }, ""},
        {"name", QString(17, 'n'), [](SettingRecord& r) { std::strcpy(r.IO.AI[0].NAME, "nnnnnnnnnnnnnnnnn"); }, "IO/AI/AI1/NAME"},
        {"timeConstant", "101", [](SettingRecord& r) { r.IO.AI[0].T = 101; }, "IO/AI/AI1/T"},
        {"scale100", "0", [](SettingRecord& r) { r.IO.AI[0].SCALE_0 = 0, r.IO.AI[0].SCALE_100 = 0; }, "IO/AI/AI1/SCALE_0"},
        {"unit", "123456789", [](SettingRecord& r) { std::strcpy(r.IO.AI[0].UNIT, "123456789"); }, "IO/AI/AI1/UNIT"},
    });
}

TEST_F(RulesAgreementTest, DiChannel)
{
    ExpectAgreement<CDlgSetIoDiCh>({
        {"comment", QString(17, 'c'), [](SettingRecord& r) { std::strcpy(r.IO.DI[0].COMMENT, "ccccccccccccccccc"); }, "IO/DI/DI1/COMMENT"},
        {"onText", "123456789", [](SettingRecord& r) { std::strcpy(r.IO.DI[0].STATUS.ON.DISP_STRING, "123456789"); }, "IO/DI/DI1/STATUS/ON/DISP_STRING"},
        {"offDelay", "1000", [](SettingRecord& r) { r.IO.DI[0].STATUS.OFF.DELAY = 1000; }, "IO/DI/DI1/STATUS/OFF/DELAY"},
        {"offDelay", "999", [](SettingRecord& r) { r.IO.DI[0].STATUS.OFF.DELAY = 999; }, ""},
    });
}

TEST_F(RulesAgreementTest, PiChannel)
{
    ExpectAgreement<CDlgSetIoPiCh>({
        {"unit", "123456789", [](SettingRecord& r) { std::strcpy(r.IO.PI[0].UNIT, "123456789"); }, "IO/PI/PI1/UNIT"},
        {"timeConstant", "101", [](SettingRecord& r) { r.IO.PI[0].T = 101; }, "IO/PI/PI1/T"},
        {"rate", "10001", [](SettingRecord& r) { r.IO.PI[0].ANALOG_SUM.RATE = 10001; }, "IO/PI/PI1/ANALOG_SUM/RATE"},
        {"dropout", "12001", [](SettingRecord& r) { r.IO.PI[0].ANALOG_SUM.DROPOUT = 12001; }, "IO/PI/PI1/ANALOG_SUM/DROPOUT"},
    });
    // The order of the pulse range holds for a Modbus channel counting up.
    ExpectAgreement<CDlgSetIoPiCh>(
        {
            {"high", "100", [](SettingRecord& r) { r.IO.PI[0].WIDTH.LOW = r.IO.PI[0].WIDTH.HIGH = 100; }, "IO/PI/PI1/WIDTH/LOW"},
            {"high", "101", [](SettingRecord& r) { r.IO.PI[0].WIDTH.LOW = 100, r.IO.PI[0].WIDTH.HIGH = 101; }, ""},
        },
        [](CDlgSetIoPiCh& editor) {
            Pick(&editor, "type", 2);
            Pick(&editor, "slave", 0);
            SetText(&editor, "low", QStringLiteral("100"));
            SetText(&editor, "high", QStringLiteral("200"));
        });
}

TEST_F(RulesAgreementTest, DoAndOiChannels)
{
    ExpectAgreement<CDlgSetIoDoCh>({
        {"name", QString(17, 'n'), [](SettingRecord& r) { std::strcpy(r.IO.DO[0].NAME, "nnnnnnnnnnnnnnnnn"); }, "IO/DO/DO1/NAME"},
        {"offText", "123456789", [](SettingRecord& r) { std::strcpy(r.IO.DO[0].STATUS.OFF.DISP_STRING, "123456789"); }, "IO/DO/DO1/STATUS/OFF/DISP_STRING"},
        {"offText", "12345678", [](SettingRecord& r) { std::strcpy(r.IO.DO[0].STATUS.OFF.DISP_STRING, "12345678"); }, ""},
    });
    ExpectAgreement<CDlgSetIoOiCh>({
        {"comment", QString(17, 'c'), [](SettingRecord& r) { std::strcpy(r.IO.OI[0].COMMENT, "ccccccccccccccccc"); }, "IO/OI/OI1/COMMENT"},
        {"unit", "123456789", [](SettingRecord& r) { std::strcpy(r.IO.OI[0].UNIT, "123456789"); }, "IO/OI/OI1/UNIT"},
    });
}

}  // namespace
}  // namespace volmar::gui::test
