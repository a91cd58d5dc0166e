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
        WriteAddressBook(profile_, book);
        link_.kind = LinkKind::Network;
    }

    std::string LookUp(const std::string& name)
    {
        link_.selectedUnit = name;
        std::string address = "<none>";
        if (!LookUpUnitAddress(link_, profile_, ui_, address)) return "<failed>";
        return address;
    }

    MemoryProfile profile_;
    LinkState link_;
    test::RecordingInteraction ui_;
};

TEST_F(AddressBookTest, SlotsAreStoredInTheirSectionsAndKeepTheirPositions)
{
    EXPECT_EQ(profile_.GetText("DST5", "NAME", "?"), "Tank farm");
    EXPECT_EQ(profile_.GetText("DST5", "ADDR", "?"), "10.0.0.7");
    EXPECT_EQ(profile_.GetText("DST32", "NAME", "?"), "Far end");
    EXPECT_EQ(profile_.GetText("DST1", "NAME", "?"), "");  // free slots are written too
    const AddressBook book = ReadAddressBook(profile_);
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
    EXPECT_TRUE(ui_.shown.empty());

    for (const char* name : {"tank farm", "Silo", "", "Tank"}) {
        ui_ = {};
        EXPECT_EQ(LookUp(name), "<failed>") << name;
        EXPECT_EQ(ui_.Only().text, "Illegal network address");
        EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);
    }

    // A host given directly wins over the address book.
    link_.address = "192.168.1.5";
    EXPECT_EQ(LookUp("Nowhere"), "192.168.1.5");
}

TEST_F(AddressBookTest, StatusLinesNameTheSelectedLink)
{
    ComPortNames ports;
    for (int i = 0; i < 20; ++i) ports[i] = "COM" + std::to_string(i + 1);
    ports[2] = "USB Serial Device (COM3)";
    ports[24] = "COM25";

    link_.selectedUnit = "Tank farm";
    EXPECT_EQ(DescribeLink(link_, profile_, ports), (LinkDescription{"Network", "Tank farm (10.0.0.7)"}));
    link_.selectedUnit = "Silo";  // shown even without an address
    EXPECT_EQ(DescribeLink(link_, profile_, ports), (LinkDescription{"Network", "Silo ()"}));
    for (const char* name : {"Nowhere", ""}) {
        link_.selectedUnit = name;
        EXPECT_EQ(DescribeLink(link_, profile_, ports), (LinkDescription{"Network", ""})) << name;
    }

    link_.kind = LinkKind::Usb;
    link_.comPort = 3;
    EXPECT_EQ(DescribeLink(link_, profile_, ports), (LinkDescription{"USB", "USB Serial Device (COM3)"}));
    for (int port : {0, 21, 25, -1}) {
        link_.comPort = port;
        EXPECT_EQ(DescribeLink(link_, profile_, ports).device, "") << port;
    }
}

}  // namespace
}  // namespace volmar
