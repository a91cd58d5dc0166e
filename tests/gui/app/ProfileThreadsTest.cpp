// The preferences read and written from the window's thread and a worker
// at once (a device operation looks up the address book while the window
// draws its link lines): each thread has its own QSettings object, and both
// see one profile.
#include <gtest/gtest.h>

#include <QSettings>

#include <atomic>
#include <string>
#include <thread>

#include "Process.h"
#include "prefs/QSettingsProfile.h"

namespace volmar {
namespace {

TEST(ProfileThreads, WindowAndWorkerShareOneProfileThroughTheirOwnObjects)
{
    testing::TempDir dir;
    const std::string file = dir.File("volmar.ini");
    {
        QSettingsProfile profile(file);
        profile.SetText("DST1", "NAME", "Plant");
        std::atomic<bool> done{false};
        std::string seen;
        std::thread worker([&] {
            for (int i = 0; i < 300; ++i) seen = profile.GetText("DST1", "NAME", "");
            profile.SetInt("VOLMAR", "COM", 7);
            done = true;
        });
        int reads = 0;
        while (!done && reads < 100000) {
            EXPECT_EQ(profile.GetText("DST1", "NAME", ""), "Plant");
            profile.SetInt("VOLMAR", "NETPORT", 30000 + reads % 7);
            ++reads;
        }
        worker.join();
        EXPECT_EQ(seen, "Plant");
        EXPECT_EQ(profile.GetInt("VOLMAR", "COM", 0), 7);  // the worker's write, seen here
    }
    // Both threads' writes reached the file.
    QSettings check(QString::fromStdString(file), QSettings::IniFormat);
    EXPECT_EQ(check.value(QStringLiteral("VOLMAR/COM")).toInt(), 7);
    EXPECT_EQ(check.value(QStringLiteral("DST1/NAME")).toString(), QStringLiteral("Plant"));
}

}  // namespace
}  // namespace volmar
