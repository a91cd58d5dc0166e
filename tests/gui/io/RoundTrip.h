#pragma once
// The last leg of the editors' round trips: the document saved to a file and
// read back, uploaded to a simulated unit and downloaded again.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "Process.h"
#include "RecordFactory.h"
#include "RecordingInteraction.h"
#include "SimProcess.h"
#include "core/common/FileIo.h"
#include "core/common/Profile.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui::test {

// Fills back with what the unit holds after the upload; the file read back
// must already equal expected. protocol is "cipher" or "tcp".
inline void SaveUploadDownload(const std::string& document, const SettingRecord& expected,
                               volmar::test::RecordingInteraction& ui, std::unique_ptr<SettingRecord>& back,
                               const char* protocol = "cipher")
{
    auto last = [&ui] { return ui.shown.empty() ? std::string() : ui.shown.back().text; };
    volmar::testing::TempDir dir;
    const std::string file = dir.File("edited.xml");
    ASSERT_TRUE(WriteFileAtomically(file, document));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(file, 4u << 20, bytes));
    auto loaded = volmar::testing::MakeDefaultRecord();
    ASSERT_TRUE(ConvertSettingDocument(*loaded, bytes.data(), bytes.size()).ok);
    EXPECT_EQ(std::memcmp(loaded.get(), &expected, sizeof(SettingRecord)), 0);

    const bool cipher = std::string(protocol) == "cipher";
    volmar::test::SimProcess sim(cipher ? std::vector<std::string>{"--tcp", "0", "--cipher", "0"}
                                        : std::vector<std::string>{"--tcp", "0"});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    MemoryProfile profile;
    profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    LinkState link;
    link.kind = LinkKind::Network;
    link.address = "127.0.0.1";
    link.tcpPort = sim.Port(protocol);
    ui.QueueLogin("kovan", "kovan");
    ASSERT_TRUE(UploadSetting(link, ui, profile, *loaded)) << last();
    back = volmar::testing::MakeDefaultRecord();
    ASSERT_TRUE(DownloadSetting(link, ui, profile, *back)) << last();
}

}  // namespace volmar::gui::test
