// The login prompt's length rule and the access-mode confirmation.
#include "core/link/transfer/Login.h"

#include <gtest/gtest.h>

#include "RecordingInteraction.h"
#include "core/link/transfer/LinkState.h"

namespace volmar {
namespace {

TEST(PromptLogin, LoggedInReturnsAtOnce)
{
    LinkState link;
    link.loggedIn = 1;
    test::RecordingInteraction ui;
    EXPECT_TRUE(PromptLogin(link, ui));
    EXPECT_EQ(ui.loginPrompts, 0);
}

TEST(PromptLogin, AsksAgainUntilBothFitSixteenCharacters)
{
    LinkState link;
    test::RecordingInteraction ui;
    const std::string sixteen(16, 'a');
    const std::string kanji16 = [] {
        std::string s;
        for (int i = 0; i < 16; ++i) s += "\xE6\xB0\xB4";  // 16 three-byte characters
        return s;
    }();
    ui.QueueLogin(sixteen + "b", "pw");
    ui.QueueLogin("id", std::string(17, 'x'));
    // Characters above U+FFFF count twice, as in the login dialog's fields.
    ui.QueueLogin("id", std::string(8, ' ') + "\xF0\x9F\x94\x92\xF0\x9F\x94\x92\xF0\x9F\x94\x92\xF0\x9F\x94\x92\xF0\x9F\x94\x92");
    ui.QueueLogin(sixteen, kanji16);
    EXPECT_TRUE(PromptLogin(link, ui));
    EXPECT_EQ(ui.loginPrompts, 4);
    EXPECT_EQ(ui.Texts(), std::vector<std::string>(3, "Invalid login ID and/or password"));
    EXPECT_EQ(std::string(link.loginId), sixteen);
    EXPECT_EQ(std::string(link.password), kanji16);  // 48 bytes: the whole field
    EXPECT_EQ(link.loggedIn, 0);                     // only the unit logs the user in
}

TEST(PromptLogin, CancelFailsWithoutAMessageAndKeepsTheCredentials)
{
    LinkState link;
    test::RecordingInteraction ui;
    ui.QueueLogin(std::string(20, 'a'), "pw");
    ui.QueueCancel();
    EXPECT_FALSE(PromptLogin(link, ui));
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_STREQ(link.loginId, kPlaceholderCredential);
}

TEST(PromptLogin, BytesThatAreNotUtf8AreStoredAsReplacementCharacters)
{
    LinkState link;
    test::RecordingInteraction ui;
    ui.QueueLogin("op\xFF", std::string(16, '\xC3'));  // 16 broken sequences still fit
    EXPECT_TRUE(PromptLogin(link, ui));
    EXPECT_EQ(std::string(link.loginId), "op\xEF\xBF\xBD");
    EXPECT_EQ(std::string(link.password).size(), 48u);
}

TEST(ConfirmAccessMode, FollowsThePreference)
{
    LinkState link;
    MemoryProfile profile;
    test::RecordingInteraction ui;
    ui.accessAnswers = {false, true};
    EXPECT_FALSE(ConfirmAccessModeIfOn(link, ui, profile));  // on by default
    EXPECT_TRUE(ConfirmAccessModeIfOn(link, ui, profile));
    profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    EXPECT_TRUE(ConfirmAccessModeIfOn(link, ui, profile));
    EXPECT_EQ(ui.accessConfirmations, 2);
}

}  // namespace
}  // namespace volmar
