// The rule every channel editor's guarded type combo follows: its check
// passes the fields that are disabled. A channel switched off with a
// name too long, a delay out of range or a scaling of 0 (as a settings file
// may hold them) can be switched on; its fields then become editable, and OK
// and switching it off again refuse them until they are put right.
#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"

namespace volmar::gui::test {
namespace {

class GuardRuleTest : public EditorTest {
protected:
    // Switches the disabled channel's editor on (entry 1 of its type combo),
    // and expects the fields refused in order until each is set to its
    // good text; then OK stores the channel as enabled.
    template <typename Editor>
    void EnableAndPutRight(Editor& editor, const char* combo,
                           std::initializer_list<std::tuple<const char*, const char*, QString>> refused)
    {
        SCOPED_TRACE(editor.windowTitle().toStdString());
        ui.shown.clear();
        Pick(&editor, combo, 1);
        ASSERT_EQ(Picked(&editor, combo), 1);
        EXPECT_TRUE(ui.shown.empty()) << LastMessage();
        for (const auto& [field, message, good] : refused) {
            EXPECT_TRUE(Find<QWidget>(&editor, field)->isEnabled()) << field;
            ui.shown.clear();
            EXPECT_FALSE(PressOk(editor));
            Pick(&editor, combo, 0);  // switching off checks the fields first
            EXPECT_EQ(Picked(&editor, combo), 1);
            EXPECT_EQ(Messages(), (std::vector<std::string>{message, message}));
            SetText(&editor, field, good);
        }
        EXPECT_TRUE(PressOk(editor));
    }
};

TEST_F(GuardRuleTest, ADisabledChannelIsSwitchedOnWhateverItsFieldsHold)
{
    IoBlock& io = record->IO;
    const std::string tooLong(20, 'n');
    for (char* name : {io.AI[0].NAME, io.DI[0].NAME, io.DO[0].NAME, io.PI[0].NAME, io.OI[0].NAME})
        std::strcpy(name, tooLong.c_str());
    io.AI[0].TYPE = 0;
    io.DI[0].TYPE = 0;
    io.DI[0].STATUS.ON.DELAY = 1000;
    io.DO[0].TYPE = 0;
    std::strcpy(io.DO[0].STATUS.OFF.DISP_STRING, "123456789");
    io.PI[0].TYPE = 0;
    io.PI[0].SCALE = 0;
    io.OI[0].TYPE = kOiNone;

    const QString name = QStringLiteral("Name");
    {
        CDlgSetIoDiCh di(*record, 0, ui);
        EnableAndPutRight(di, "type", {{"name", "Setting error: CH name", name},
                                       {"onDelay", "Setting error: On delay", QStringLiteral("999")}});
        EXPECT_EQ(io.DI[0].TYPE, 1);
        EXPECT_EQ(io.DI[0].STATUS.ON.DELAY, 999);
    }
    {
        CDlgSetIoDoCh out(*record, 0, ui);
        EnableAndPutRight(out, "type", {{"name", "Setting error: CH name", name},
                                        {"offText", "Setting error: Status (OFF)", QStringLiteral("Off")}});
        EXPECT_EQ(io.DO[0].TYPE, 1);
    }
    {
        CDlgSetIoPiCh pi(*record, 0, ui);
        EnableAndPutRight(pi, "type", {{"name", "Setting error: CH name", name},
                                       {"scale", "Setting error: Scaling", QStringLiteral("0.5")}});
        EXPECT_EQ(io.PI[0].TYPE, 1);
        EXPECT_EQ(io.PI[0].SCALE, 0.5);
    }
    {
        CDlgSetIoOiCh oi(*record, 0, ui);
        EnableAndPutRight(oi, "function", {{"name", "Setting error: CH name", name}});
        EXPECT_EQ(io.OI[0].TYPE, kOiAdd);
    }
    {
        CDlgSetIoAiCh ai(*record, 0, ui);
        EnableAndPutRight(ai, "type", {{"name", "Setting error: CH name", name}});
        EXPECT_EQ(io.AI[0].TYPE, 1);
    }
    EXPECT_EQ(QString::fromUtf8(io.OI[0].NAME), name);
}

}  // namespace
}  // namespace volmar::gui::test
