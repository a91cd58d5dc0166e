// The Connect dialog and the address book, driven through their widgets.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "gui/link/CDlgCom.h"
#include "gui/link/CDlgNetEdit.h"
#include "gui/link/CDlgNetList.h"
#include "gui/link/LinkSelection.h"

namespace volmar::gui::test {
namespace {

void ClickOk(QWidget* dialog)
{
    QTest::mouseClick(StandardButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
}

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

TEST(ConnectDialog, OpensOnThePreferencesAndEnablesOneGroup)
{
    TestApp app;
    app.AddUnit(0, "Plant", "10.0.0.5");
    app.AddUnit(1, "Spare", "");  // a name without address is not offered
    app.AddUnit(4, "Tank", "tank.local");
    app.profile.SetText(kProfileSection, kPrefNet, "Tank");
    app.profile.SetInt(kProfileSection, kPrefComType, 0);
    app.profile.SetInt(kProfileSection, kPrefNetPort, 4000);
    app.profile.SetInt(kProfileSection, kPrefCom, 3);

    CDlgCom dialog(app.ctx);
    EXPECT_EQ(Items(dialog.unitCombo()), (QStringList{"Plant", "Tank"}));
    EXPECT_EQ(dialog.unitCombo()->currentText(), "Tank");
    EXPECT_EQ(dialog.portEdit()->text(), "4000");
    EXPECT_EQ(dialog.comCombo()->count(), 20);
    EXPECT_EQ(dialog.comCombo()->currentIndex(), 2);
    EXPECT_TRUE(dialog.networkRadio()->isChecked());
    EXPECT_TRUE(dialog.unitCombo()->isEnabled());
    EXPECT_FALSE(dialog.comCombo()->isEnabled());

    dialog.show();
    ClickIndicator(dialog.usbRadio());
    EXPECT_TRUE(dialog.usbRadio()->isChecked());
    EXPECT_FALSE(dialog.unitCombo()->isEnabled());
    EXPECT_FALSE(dialog.addressBookButton()->isEnabled());
    EXPECT_FALSE(dialog.portEdit()->isEnabled());
    EXPECT_TRUE(dialog.comCombo()->isEnabled());
    EXPECT_TRUE(dialog.deviceEdit()->isEnabled());
}

TEST(ConnectDialog, AcceptsPorts0To65535AndRefusesTheRest)
{
    TestApp app;
    app.AddUnit(0, "Plant", "10.0.0.5");
    app.profile.SetInt(kProfileSection, kPrefComType, 0);
    for (const char* refused : {"65536", "-1", "port", ""}) {
        CDlgCom dialog(app.ctx);
        dialog.show();
        dialog.portEdit()->setText(refused);
        ClickOk(&dialog);
        EXPECT_TRUE(dialog.isVisible()) << refused;
        EXPECT_EQ(app.ui.Only().text, "Out of port address (0 to 65535) range") << refused;
        EXPECT_EQ(app.ui.Only().icon, MessageIcon::Warning);
        EXPECT_EQ(app.Int(kPrefNetPort), -1);
        app.ui.shown.clear();
    }
    for (const char* accepted : {"65535", "0"}) {
        CDlgCom dialog(app.ctx);
        dialog.show();
        dialog.portEdit()->setText(accepted);
        ClickOk(&dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << accepted;
        EXPECT_EQ(app.Int(kPrefNetPort), QString(accepted).toInt());
        EXPECT_EQ(app.Int(kPrefComType), 0);
        EXPECT_EQ(app.Text(kPrefNet), "Plant");
    }
    EXPECT_TRUE(app.ui.shown.empty());
}

TEST(ConnectDialog, NetworkWithoutAUsedSlotAsksForAnAddress)
{
    TestApp app;
    app.AddUnit(2, "Named only", "");
    app.profile.SetInt(kProfileSection, kPrefComType, 0);
    CDlgCom dialog(app.ctx);
    dialog.show();
    EXPECT_EQ(dialog.unitCombo()->count(), 0);
    ClickOk(&dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(app.ui.Only().text, "Select network address.");
    EXPECT_EQ(app.ui.Only().icon, MessageIcon::Warning);
    EXPECT_EQ(app.Text(kPrefNet), "<unset>");
    EXPECT_EQ(app.Int(kPrefNetPort), -1);
}

TEST(ConnectDialog, UsbKeepsTheTypedDeviceForThePortNumber)
{
    TestApp app;
    app.devices = {{"/dev/serial/by-id/usb-Logger_1-if00", "/dev/ttyACM0", "Logger"}};
    CDlgCom dialog(app.ctx);
    dialog.show();
    EXPECT_EQ(dialog.comCombo()->itemText(0), "COM1: Logger (ttyACM0)");
    EXPECT_EQ(dialog.deviceEdit()->text(), "/dev/serial/by-id/usb-Logger_1-if00");
    dialog.comCombo()->setCurrentIndex(4);
    EXPECT_EQ(dialog.deviceEdit()->text(), "");
    dialog.deviceEdit()->setText("/dev/pts/7");
    ClickOk(&dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(app.Int(kPrefComType), 1);
    EXPECT_EQ(app.Int(kPrefCom), 5);

    // The link opens what was typed, and the port list names it.
    LoadLinkPreferences(app.ctx);
    EXPECT_EQ(app.link.kind, LinkKind::Usb);
    EXPECT_EQ(app.link.comPort, 5);
    EXPECT_EQ(app.link.comDevice, "/dev/pts/7");
    EXPECT_EQ(app.ctx.PortNames().at(4), "COM5: /dev/pts/7 (not connected)");
}

TEST(ConnectDialog, AddressBookRefillsTheUnitsAndSelectsTheFirstWhenTheUnitWent)
{
    TestApp app;
    app.AddUnit(0, "Old", "10.0.0.1");
    app.profile.SetText(kProfileSection, kPrefNet, "Old");
    app.profile.SetInt(kProfileSection, kPrefComType, 0);
    CDlgCom dialog(app.ctx);
    dialog.show();

    // Rename slot 1 and add slot 3 in the address book.
    AnswerModal<CDlgNetList>([](CDlgNetList* list) {
        AnswerModal<CDlgNetEdit>([](CDlgNetEdit* edit) {
            edit->nameEdit()->setText("New");
            QTest::mouseClick(StandardButton(edit, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        list->EditRow(0);
        list->table()->setItem(2, 0, new QTableWidgetItem("Third"));
        list->table()->setItem(2, 1, new QTableWidgetItem("10.0.0.3"));
        QTest::mouseClick(StandardButton(list, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.addressBookButton(), Qt::LeftButton);

    EXPECT_EQ(Items(dialog.unitCombo()), (QStringList{"New", "Third"}));
    EXPECT_EQ(dialog.unitCombo()->currentText(), "New");
    // Written at once, even before OK.
    EXPECT_EQ(app.Text(kPrefNet), "New");
    EXPECT_EQ(ReadAddressBook(app.profile)[0].address, "10.0.0.1");
}

TEST(AddressBook, ListsAll32SlotsAndWritesThemBackOnOkOnly)
{
    TestApp app;
    app.AddUnit(0, "Plant", "10.0.0.5");
    app.AddUnit(31, "Last", "last.example");
    {
        CDlgNetList list(app.ctx);
        ASSERT_EQ(list.table()->rowCount(), 32);
        EXPECT_EQ(list.table()->item(31, 0)->text(), "Last");
        EXPECT_EQ(list.table()->item(31, 1)->text(), "last.example");
        // An empty name clears the whole row.
        AnswerModal<CDlgNetEdit>([](CDlgNetEdit* edit) {
            EXPECT_EQ(edit->nameEdit()->text(), "Plant");
            EXPECT_EQ(edit->addressEdit()->text(), "10.0.0.5");
            edit->nameEdit()->clear();
            QTest::mouseClick(StandardButton(edit, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        list.show();
        const QRect cell = list.table()->visualRect(list.table()->model()->index(0, 1));
        QTest::mouseClick(list.table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list.table()->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(list.table()->item(0, 1)->text(), "");
        list.reject();
    }
    EXPECT_EQ(ReadAddressBook(app.profile)[0].name, "Plant");  // Cancel discarded it

    CDlgNetList list(app.ctx);
    list.table()->setItem(5, 0, new QTableWidgetItem("Six"));
    list.accept();
    const AddressBook book = ReadAddressBook(app.profile);
    EXPECT_EQ(book[0].name, "Plant");
    EXPECT_EQ(book[5].name, "Six");
    EXPECT_EQ(book[5].address, "");
    EXPECT_EQ(book[31].address, "last.example");
}

TEST(AddressBook, EntryEditorRefusesAnotherSlotsNameOnly)
{
    TestApp app;
    const QStringList names{"Plant", "", "Tank"};
    {
        CDlgNetEdit edit(app.ui, "Tank", "x", names, 2);
        edit.show();
        edit.nameEdit()->setText("Plant");
        QTest::mouseClick(StandardButton(&edit, QDialogButtonBox::Ok), Qt::LeftButton);
        EXPECT_TRUE(edit.isVisible());
        EXPECT_EQ(app.ui.Only().text, "Duplicate device names.");
        EXPECT_EQ(app.ui.Only().icon, MessageIcon::Error);
        // Names compare case-sensitively; the same address twice is fine.
        edit.nameEdit()->setText("plant");
        edit.addressEdit()->setText("10.0.0.5");
        QTest::keyClick(edit.nameEdit(), Qt::Key_Return);
        EXPECT_EQ(edit.result(), QDialog::Accepted);
    }
    for (const char* name : {"Tank", ""}) {  // its own name, or none
        CDlgNetEdit edit(app.ui, "Tank", "x", names, 2);
        edit.nameEdit()->setText(name);
        edit.accept();
        EXPECT_EQ(edit.result(), QDialog::Accepted) << name;
    }
    EXPECT_EQ(app.ui.shown.size(), 1u);
}

}  // namespace
}  // namespace volmar::gui::test
