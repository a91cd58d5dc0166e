// The address control as a user types into it, in the slave editor: typed
// and pasted addresses, fields left blank, and a stored text that is no
// dotted address.
#include <QClipboard>
#include <QGuiApplication>

#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoNodeConf.h"
#include "gui/editors/kit/Ipv4Edit.h"

namespace volmar::gui::test {
namespace {

class AddressEntry : public EditorTest {
protected:
    // The slave editor on slave 4, shown and active, the address focused.
    kit::Ipv4Edit* Open(const char* stored)
    {
        std::strcpy(record->IO.MODBUS_MASTER.NODE[4], stored);
        dialog = std::make_unique<CDlgSetIoNodeConf>(*record, 4, ui);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        auto* address = Find<kit::Ipv4Edit>(dialog.get(), "address");
        address->Part(0)->setFocus(Qt::TabFocusReason);
        return address;
    }
    // Each key goes where the focus is, as from a keyboard.
    void Type(const char* keys)
    {
        for (const char* k = keys; *k; ++k) QTest::keyClick(dialog->focusWidget(), *k);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(dialog->focusWidget(), key, modifiers);
    }
    const char* Stored() const { return record->IO.MODBUS_MASTER.NODE[4]; }

    std::unique_ptr<CDlgSetIoNodeConf> dialog;
};

TEST_F(AddressEntry, TypedAsReadWithOrWithoutDotsAfterThreeDigits)
{
    Open("");
    Type("192.168.0.10");
    Key(Qt::Key_Return);
    EXPECT_STREQ(Stored(), "192.168.0.10") << ::testing::PrintToString(Messages());

    Open("10.0.0.1");
    Type("172");  // moves on by itself
    Type("16.5.200");
    Key(Qt::Key_Return);
    EXPECT_STREQ(Stored(), "172.16.5.200");

    // Backspace in an empty field goes back to the previous one.
    Open("");
    Type("10.1.2.");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Type("9.7");
    Key(Qt::Key_Return);
    EXPECT_STREQ(Stored(), "10.1.9.7");
}

TEST_F(AddressEntry, PastedAddressFillsAllFourFields)
{
    kit::Ipv4Edit* address = Open("");
    QGuiApplication::clipboard()->setText(QStringLiteral(" 10.20.30.40\n"));
    Key(Qt::Key_V, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(address->Part(i)->text(), QString::number(10 * (i + 1)));
    // What is no address is not taken.
    QGuiApplication::clipboard()->setText(QStringLiteral("10.20.300.40"));
    address->Part(1)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(address->Part(1)->text(), QStringLiteral("20"));
    Key(Qt::Key_Return);
    EXPECT_STREQ(Stored(), "10.20.30.40");
}

TEST_F(AddressEntry, FieldsLeftBlankAreRefusedAndABlankControlIsNoAddress)
{
    kit::Ipv4Edit* address = Open("10.0.0.4");
    address->Part(1)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Return);
    EXPECT_EQ(LastMessage(), kit::kMsgIncompleteIpv4);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_STREQ(Stored(), "10.0.0.4");

    // All four blank: the slave has no address (nothing uses it).
    for (int i = 0; i < 4; ++i) {
        address->Part(i)->setFocus(Qt::TabFocusReason);
        Key(Qt::Key_Delete);
    }
    Key(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_STREQ(Stored(), "");
}

TEST_F(AddressEntry, StoredTextThatIsNoAddressIsKeptUnlessEdited)
{
    Open("plc-7.example.net");
    Key(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_STREQ(Stored(), "plc-7.example.net");
    EXPECT_TRUE(ui.questions.empty());

    Open("plc-7.example.net");
    Type("10.1.1.9");
    Key(Qt::Key_Return);
    EXPECT_STREQ(Stored(), "10.1.1.9");
}

}  // namespace
}  // namespace volmar::gui::test
