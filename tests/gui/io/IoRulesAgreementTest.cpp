// The I/O editors beyond the channel fields and the core's rules give the
// same verdict for the same input: each row opens an editor on a record,
// types into it and presses OK, then puts the same input into a copy of the
// record and runs the whole-setting check. One table per kind of editor:
// source fields, scalings, zones, function dialogs, slaves, mail events.
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "IoTestSupport.h"
#include "core/rules/SettingRules.h"
#include "gui/editors/io/CDlgSetIoAiArea.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoNodeConf.h"
#include "gui/editors/io/CDlgSetIoNodeTime.h"
#include "gui/editors/io/CDlgSetIoOiCalc.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "gui/editors/io/CDlgSetIoRep.h"
#include "gui/editors/io/OiTerms.h"

namespace volmar::gui::test {
namespace {

using Edit = std::function<void(SettingRecord&)>;
using Opener = std::function<std::unique_ptr<QDialog>(SettingRecord&)>;

struct Row {
    const char* control;  // "page1/message2": the edit on a zone editor's page
    QString text;
    Edit value;        // the same input as a record value
    const char* path;  // the core's path when refused
};

class IoRulesAgreementTest : public EditorTest {
protected:
    // base prepares both records; open makes the editor on the GUI's copy.
    void ExpectAgreement(const Edit& base, const Opener& open, const std::vector<Row>& rows)
    {
        for (const Row& row : rows) {
            auto shown = Snapshot();
            base(*shown);
            ui.shown.clear();
            {
                std::unique_ptr<QDialog> editor = open(*shown);
                if (row.control) SetText(Control(editor.get(), row.control), Leaf(row.control), row.text);
                PressOk(*editor);
            }
            const std::string gui = ui.shown.empty() ? std::string() : ui.shown.front().text;

            auto typed = Snapshot();
            base(*typed);
            row.value(*typed);
            const std::vector<RuleVerdict> verdicts = CheckSettingRules(*typed);
            const std::string core = verdicts.empty() ? std::string() : verdicts.front().message;
            const std::string what = std::string(row.control ? row.control : "OK") + " = " + row.text.toStdString();
            EXPECT_EQ(gui, core) << what;
            EXPECT_EQ(verdicts.empty() ? std::string() : verdicts.front().path, row.path) << what;
        }
    }

private:
    static QWidget* Control(QWidget* root, const char* control)
    {
        const std::string name(control);
        const size_t slash = name.find('/');
        return slash == std::string::npos ? root : Find<QWidget>(root, name.substr(0, slash).c_str());
    }
    static const char* Leaf(const char* control)
    {
        const char* slash = std::strchr(control, '/');
        return slash ? slash + 1 : control;
    }
};

template <typename Dialog>
Opener Channel(Interaction& ui)
{
    return [&ui](SettingRecord& r) { return std::make_unique<Dialog>(r, 0, ui); };
}

void WithSlaves(SettingRecord& r)
{
    std::strcpy(r.IO.MODBUS_MASTER.NODE[0], "10.0.0.1");
    std::strcpy(r.IO.MODBUS_MASTER.NODE[1], "10.0.0.2");
    r.IO.MODBUS_MASTER.SLAVE_TYPE[1] = 1;
}

TEST_F(IoRulesAgreementTest, SourceFields)
{
    auto card = [](SettingRecord& r) { r.IO.AI[0].TYPE = 1, r.IO.DI[0].TYPE = 1; };
    ExpectAgreement(card, Channel<CDlgSetIoAiCh>(ui),
                    {
                        {"cardNo", "17", [](SettingRecord& r) { r.IO.AI[0].CARD_NO = 17; }, "IO/AI/AI1/CARD_NO"},
                        {"cardCh", "5", [](SettingRecord& r) { r.IO.AI[0].CARD_CH = 5; }, "IO/AI/AI1/CARD_CH"},
                        {"cardCh", "4", [](SettingRecord& r) { r.IO.AI[0].CARD_CH = 4; }, ""},
                    });
    ExpectAgreement(card, Channel<CDlgSetIoDiCh>(ui),
                    {
                        {"cardCh", "17", [](SettingRecord& r) { r.IO.DI[0].CARD_CH = 17; }, "IO/DI/DI1/CARD_CH"},
                        {"cardCh", "16", [](SettingRecord& r) { r.IO.DI[0].CARD_CH = 16; }, ""},
                    });
    // Modbus/TCP: the register address of the kind, and a slave with an address.
    auto modbus = [](SettingRecord& r) {
        WithSlaves(r);
        r.IO.PI[0].TYPE = 2;
        r.IO.DO[0].TYPE = 2;
    };
    ExpectAgreement(
        modbus, Channel<CDlgSetIoPiCh>(ui),
        {
            {"regAddress", "65536", [](SettingRecord& r) { r.IO.PI[0].MOD_ADDRESS = 65536; }, "IO/PI/PI1/MOD_ADDRESS"},
            {"regAddress", "65535", [](SettingRecord& r) { r.IO.PI[0].MOD_ADDRESS = 65535; }, ""},
        });
    ExpectAgreement(
        [modbus](SettingRecord& r) {
            modbus(r);
            r.IO.DO[0].MOD_NODE = 4;  // a slave without an address
        },
        Channel<CDlgSetIoDoCh>(ui),
        {
            {nullptr, {}, [](SettingRecord&) {}, "IO/DO/DO1/MOD_NODE"},
            {"regAddress", "0", [](SettingRecord& r) { r.IO.DO[0].MOD_ADDRESS = 0; }, "IO/DO/DO1/MOD_ADDRESS"},
        });
}

TEST_F(IoRulesAgreementTest, Scalings)
{
    auto intData = [](SettingRecord& r) { r.IO.AI[0].AI_DATA_TYPE = 1; };
    ExpectAgreement(
        [](SettingRecord&) {}, Channel<CDlgSetIoAiCh>(ui),
        {
            {"scale0", "20000000000", [](SettingRecord& r) { r.IO.AI[0].SCALE_0 = 2e10; }, "IO/AI/AI1/SCALE_0"},
            {"scale100", "-10000000001", [](SettingRecord& r) { r.IO.AI[0].SCALE_100 = -10000000001; },
             "IO/AI/AI1/SCALE_100"},
            {"scale100", "0.000", [](SettingRecord& r) { r.IO.AI[0].SCALE_100 = 0; }, "IO/AI/AI1/SCALE_0"},
        });
    ExpectAgreement(intData, Channel<CDlgSetIoAiCh>(ui),
                    {
                        {"scale", "0.0004", [](SettingRecord& r) { r.IO.AI[0].SCALE = 0.0004; }, "IO/AI/AI1/SCALE"},
                        {"scale", "0.001", [](SettingRecord& r) { r.IO.AI[0].SCALE = 0.001; }, ""},
                    });
    ExpectAgreement([](SettingRecord&) {}, Channel<CDlgSetIoPiCh>(ui),
                    {
                        {"scale", "0", [](SettingRecord& r) { r.IO.PI[0].SCALE = 0; }, "IO/PI/PI1/SCALE"},
                    });
}

// The zone editor of an AI channel with three zones (zone k spans 20(k-1)
// to 20k); the record side stores what OK would hand back.
TEST_F(IoRulesAgreementTest, Zones)
{
    auto three = [](SettingRecord& r) { r.IO.AI[0].USE_AREAS = 3; };
    auto open = [this](SettingRecord& r) {
        auto dialog = std::make_unique<CDlgSetIoAiArea>(0, ZonesOf(r.IO.AI[0]), false, r, ui);
        return std::unique_ptr<QDialog>(std::move(dialog));
    };
    ExpectAgreement(
        three, open,
        {
            {"name3", QString(33, 'z'),
             [](SettingRecord& r) { std::strcpy(r.IO.AI[0].AREA[2].AREA_NAME, std::string(33, 'z').c_str()); },
             "IO/AI/AI1/AREA3/AREA_NAME"},
            {"upper1", "1e11", [](SettingRecord& r) { r.IO.AI[0].AREA[0].LEVEL_UPPER = 1e11; },
             "IO/AI/AI1/AREA1/LEVEL_UPPER"},
            {"lower3", "39.999", [](SettingRecord& r) { r.IO.AI[0].AREA[2].LEVEL_LOWER = 39.999; },
             "IO/AI/AI1/AREA3/LEVEL_LOWER"},
            {"upper2", "20", [](SettingRecord& r) { r.IO.AI[0].AREA[1].LEVEL_UPPER = 20; },
             "IO/AI/AI1/AREA2/LEVEL_UPPER"},
            {"lower2", "20.001", [](SettingRecord& r) { r.IO.AI[0].AREA[1].LEVEL_LOWER = 20.001; }, ""},
            {"page1/message3", QString(33, 'm'),
             [](SettingRecord& r) { std::strcpy(r.IO.AI[0].AREA[2].UPPER.MESSAGE, std::string(33, 'm').c_str()); },
             "IO/AI/AI1/AREA3/UPPER/MESSAGE"},
            {"page2/message3", QString(33, 'm'),
             [](SettingRecord& r) { std::strcpy(r.IO.AI[0].AREA[2].LOWER.MESSAGE, std::string(33, 'm').c_str()); },
             "IO/AI/AI1/AREA3/LOWER/MESSAGE"},
            {"page2/message3", QString(32, 'm'),
             [](SettingRecord& r) { std::strcpy(r.IO.AI[0].AREA[2].LOWER.MESSAGE, std::string(32, 'm').c_str()); }, ""},
        });
}

// The function dialogs of OI1, opened on the function's default constants.
TEST_F(IoRulesAgreementTest, FunctionDialogs)
{
    auto calc = [this](int32_t function, std::vector<Row> rows) {
        auto base = [function](SettingRecord& r) {
            r.IO.OI[0].TYPE = function;
            StoreTerms(r.IO.OI[0], DefaultTerms(function));
        };
        auto open = [this, function](SettingRecord& r) {
            return std::unique_ptr<QDialog>(MakeOiCalcDialog(function, TermsOf(r.IO.OI[0]), r, false, ui, nullptr));
        };
        ExpectAgreement(base, open, rows);
    };
    auto k = [](int index, double value) { return [=](SettingRecord& r) { r.IO.OI[0].CONST.K[index] = value; }; };
    calc(kOiAdd, {{"A0", "1e11", [](SettingRecord& r) { r.IO.OI[0].CONST.A[0] = 1e11; }, "IO/OI/OI1/CONST/A0"},
                  {"K3", "-2e10", k(3, -2e10), "IO/OI/OI1/CONST/K3"}});
    calc(kOiDiv, {{"A2", "1e11", [](SettingRecord& r) { r.IO.OI[0].CONST.A[2] = 1e11; }, "IO/OI/OI1/CONST/A2"}});
    calc(kOiSingle, {{"K1", "101", k(1, 101), "IO/OI/OI1/CONST/K1"}, {"K1", "100", k(1, 100), ""}});
    calc(kOiAnalogSum, {{"K1", "10001", k(1, 10001), "IO/OI/OI1/CONST/K1"},
                        {"K3", "120.001", k(3, 120.001), "IO/OI/OI1/CONST/K3"},
                        {"K3", "-0.001", k(3, -0.001), "IO/OI/OI1/CONST/K3"},
                        {"K3", "120", k(3, 120), ""}});
    calc(kOiPower, {{"K1", "2e10", k(1, 2e10), "IO/OI/OI1/CONST/K1"}});
    calc(kOiFValue, {{"K1", "-2e10", k(1, -2e10), "IO/OI/OI1/CONST/K1"},
                     {"K2", "0.0004", k(2, 0.0004), "IO/OI/OI1/CONST/K2"},
                     {"K2", "0.001", k(2, 0.001), ""}});
    calc(kOiScale, {{"K2", "0", k(2, 0), "IO/OI/OI1/CONST/K2"},
                    {"K4", "0", k(4, 0), "IO/OI/OI1/CONST/K4"},
                    {"K4", "0.001", k(4, 0.001), ""}});
}

TEST_F(IoRulesAgreementTest, Slaves)
{
    auto open = [this](SettingRecord& r) {
        return std::unique_ptr<QDialog>(std::make_unique<CDlgSetIoNodeConf>(r, 1, ui));
    };
    ExpectAgreement(
        WithSlaves, open,
        {
            {"station", "0", [](SettingRecord& r) { r.IO.MODBUS_MASTER.SLMP_SS[1] = 0; }, "IO/MODBUS_MASTER/SLMP_SS1"},
            {"station", "1", [](SettingRecord& r) { r.IO.MODBUS_MASTER.SLMP_SS[1] = 1; }, ""},
        });
    auto times = [this](SettingRecord& r) {
        return std::unique_ptr<QDialog>(std::make_unique<CDlgSetIoNodeTime>(r, ui));
    };
    ExpectAgreement(
        [](SettingRecord&) {}, times,
        {
            {"interval", "99", [](SettingRecord& r) { r.IO.MODBUS_MASTER.INTERVAL = 99; }, "IO/MODBUS_MASTER/INTERVAL"},
            {"interval", "-1", [](SettingRecord& r) { r.IO.MODBUS_MASTER.INTERVAL = -1; }, "IO/MODBUS_MASTER/INTERVAL"},
            {"timeout", "11", [](SettingRecord& r) { r.IO.MODBUS_MASTER.TIMEOUT = 11; }, "IO/MODBUS_MASTER/TIMEOUT"},
            {"slmpTimeout", "61", [](SettingRecord& r) { r.IO.MODBUS_MASTER.SLMP_TIMEOUT = 61; },
             "IO/MODBUS_MASTER/SLMP_TIMEOUT"},
            {"slmpTimeout", "60", [](SettingRecord& r) { r.IO.MODBUS_MASTER.SLMP_TIMEOUT = 60; }, ""},
        });
}

// The event selection of a DI state's mail, opened on a stored mask.
TEST_F(IoRulesAgreementTest, MailEvents)
{
    for (uint32_t mask : {0x0Fu, 0x80000007u, 0x07u}) {
        auto open = [this, mask](SettingRecord& r) {
            return std::unique_ptr<QDialog>(
                std::make_unique<CDlgSetIoRep>(r, QStringLiteral("Select event"), mask, ui));
        };
        ExpectAgreement([](SettingRecord&) {}, open,
                        {
                            {nullptr,
                             {},
                             [mask](SettingRecord& r) { r.IO.DI[0].STATUS.ON.MAIL = mask; },
                             mask == 0x07u ? "" : "IO/DI/DI1/STATUS/ON/MAIL"},
                        });
    }
}

}  // namespace
}  // namespace volmar::gui::test
