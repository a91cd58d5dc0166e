// The address book in the preferences, the look-up of the selected unit and
// the two status lines.
#include "core/link/connect/AddressBook.h"

#include <gtest/gtest.h>

#include "RecordingInteraction.h"
#include "core/link/connect/LinkDescription.h"
#include "core/link/transfer/LinkState.h"

namespace volmar {
namespace {

class AddressBookTest : public ::testing::Test {
protected:
    AddressBookTest()
    {
        AddressBook book;
        book[2] = {"Silo", ""};                      // named, no address: not used
        book[4] = {"Tank farm", "10.0.0.7"};
        book[9] = {"Pump house", "pumps.example"};
        book[20] = {"Tank farm", "10.0.0.99"};       // a later slot of the same name
        book[31] = {"Far end", "10.9.9.9"};
        WriteAddressBook(m_profile, book);
        m_link.kind = LinkKind::Network;
    }

    std::string LookUp(const std::string& name)
    {
        m_link.selectedUnit = name;
        std::string address = "<none>";
        if (!LookUpUnitAddress(m_link, m_profile, m_ui, address)) return "<failed>";
        return address;
    }

    MemoryProfile m_profile;
    LinkState m_link;
    test::RecordingInteraction m_ui;
};

TEST_F(AddressBookTest, SlotsAreStoredInTheirSectionsAndKeepTheirPositions)
{
    EXPECT_EQ(m_profile.GetText("DST5", "NAME", "?"), "Tank farm");
    EXPECT_EQ(m_profile.GetText("DST5", "ADDR", "?"), "10.0.0.7");
    EXPECT_EQ(m_profile.GetText("DST32", "NAME", "?"), "Far end");
    EXPECT_EQ(m_profile.GetText("DST1", "NAME", "?"), "");  // free slots are written too
    const AddressBook book = ReadAddressBook(m_profile);
    EXPECT_TRUE(book[4].Used());
    EXPECT_FALSE(book[2].Used());
    EXPECT_FALSE(book[0].Used());
    EXPECT_EQ(book[31].address, "10.9.9.9");
}

TEST_F(AddressBookTest, LookUpTakesTheFirstUsedSlotOfThatExactName)
{
    EXPECT_EQ(LookUp("Tank farm"), "10.0.0.7");
    EXPECT_EQ(LookUp("Pump house"), "pumps.example");
    EXPECT_EQ(LookUp("Far end"), "10.9.9.9");
    EXPECT_TRUE(m_ui.shown.empty());

    for (const char* name : {"tank farm", "Silo", "", "Tank"}) {
        m_ui = {};
        EXPECT_EQ(LookUp(name), "<failed>") << name;
        EXPECT_EQ(m_ui.Only().text, "Illegal network address");
        EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);
    }

    // A host given directly wins over the address book.
    m_link.address = "192.168.1.5";
    EXPECT_EQ(LookUp("Nowhere"), "192.168.1.5");
}

TEST_F(AddressBookTest, StatusLinesNameTheSelectedLink)
{
    ComPortNames ports;
    for (int i = 0; i < 20; ++i) ports[i] = "COM" + std::to_string(i + 1);
    ports[2] = "USB Serial Device (COM3)";
    ports[24] = "COM25";

    m_link.selectedUnit = "Tank farm";
    EXPECT_EQ(DescribeLink(m_link, m_profile, ports), (LinkDescription{"Network", "Tank farm (10.0.0.7)"}));
    m_link.selectedUnit = "Silo";  // shown even without an address
    EXPECT_EQ(DescribeLink(m_link, m_profile, ports), (LinkDescription{"Network", "Silo ()"}));
    for (const char* name : {"Nowhere", ""}) {
        m_link.selectedUnit = name;
        EXPECT_EQ(DescribeLink(m_link, m_profile, ports), (LinkDescription{"Network", ""})) << name;
    }

    m_link.kind = LinkKind::Usb;
    m_link.comPort = 3;
    EXPECT_EQ(DescribeLink(m_link, m_profile, ports), (LinkDescription{"USB", "USB Serial Device (COM3)"}));
    for (int port : {0, 21, 25, -1}) {
        m_link.comPort = port;
        EXPECT_EQ(DescribeLink(m_link, m_profile, ports).device, "") << port;
    }
}

}  // namespace
}  // namespace volmar
