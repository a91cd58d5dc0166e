// The simulated unit's identity, accounts, maintenance objects, serial
// result query and journal.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <sstream>
#include <thread>

#include "Process.h"
#include "RecordFactory.h"
#include "SimUnitSupport.h"
#include "core/settings/DocumentWriter.h"
#include "sim/unit/UnitCodes.h"

namespace volmar {
namespace {

using test::Bytes;
using test::Compress;

Bytes TimeBytes(int y, int mo, int d, int h, int mi, int s)
{
    Bytes b;
    for (int v : {y, mo, d, h, mi, s}) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    }
    return b;
}

// A user-view container: magic, padded length, word sum, zero, blob.
Bytes Container(const std::string& blob, bool goodSum = true)
{
    std::string padded = blob;
    padded.resize((blob.size() + 3) / 4 * 4, '\0');
    uint32_t sum = 0;
    for (size_t i = 0; i < padded.size(); i += 4) {
        uint32_t w = 0;
        std::memcpy(&w, padded.data() + i, 4);
        sum += w;
    }
    if (!goodSum) ++sum;
    std::string c(16, '\0');
    const uint32_t header[3] = {0x5A5A5A5A, static_cast<uint32_t>(padded.size()), sum};
    std::memcpy(c.data(), header, sizeof header);
    return Compress(c + padded);
}

TEST(SimUnit, StatusRecordAndHandshakeIdentity)
{
    sim::SimUnitOptions o;
    o.deviceCode = '(';
    o.major = 1;
    o.minor = 0;
    o.build = 27;
    o.flags = sim::kFlagSdCard | sim::kFlagLogging;
    sim::SimUnit unit(o);
    EXPECT_EQ(unit.Status(), (std::array<uint8_t, 6>{0x28, 1, 0, 0, 27, 0x03}));
    unit.SetFlags(sim::kFlagNetworkConfig);
    EXPECT_EQ(unit.Link(sim::UnitLink::Tcp).Status()[5], 0x08);

    sim::SimUnit plain;
    EXPECT_EQ(plain.Status(), (std::array<uint8_t, 6>{0x29, 2, 1, 0x01, 0x2C, 0x09}));
}

TEST(SimUnit, AcceptsTheAccountsInUseAndTheGivenOnes)
{
    sim::SimUnitOptions o;
    o.accounts = {{"service", "kovan"}, {"ops", "s3cret"}};
    auto r = testing::MakeDefaultRecord();
    r->VOLMAR.AUTH[5].MODE = kUse;
    StoreText(r->VOLMAR.AUTH[5].LOGIN, sizeof r->VOLMAR.AUTH[5].LOGIN, "viewer", 6);
    StoreText(r->VOLMAR.AUTH[6].LOGIN, sizeof r->VOLMAR.AUTH[6].LOGIN, "unused", 6);
    sim::SimUnit unit(o, r.get());

    EXPECT_TRUE(unit.Login("kovan", "kovan"));
    EXPECT_TRUE(unit.Login("viewer", "kovan"));
    EXPECT_TRUE(unit.Login("ops", "s3cret"));
    EXPECT_FALSE(unit.Login("unused", "kovan")) << "account not in use";
    EXPECT_FALSE(unit.Login("ops", "kovan")) << "password of another account";
    EXPECT_FALSE(unit.Login("kovan", ""));
    // One key to try per distinct password.
    EXPECT_EQ(unit.LoginPasswords(), (std::vector<std::string>{"kovan", "s3cret"}));
    EXPECT_EQ(unit.LoginIds(), (std::vector<std::string>{"kovan", "viewer", "service", "ops"}));

    o.refuseLogin = true;
    sim::SimUnit refusing(o);
    EXPECT_FALSE(refusing.Login("kovan", "kovan"));
    EXPECT_FALSE(refusing.LoginPasswords().empty()) << "the encrypted login must still be readable";
}

TEST(SimUnit, ResultQueryEchoesEachObjectAndCountsDownProcessing)
{
    sim::SimUnitOptions o;
    o.processingRounds = 2;
    sim::SimUnit unit(o);
    const struct {
        const char* object;
        Bytes data;
        uint8_t echo;
    } puts[] = {
        {"CONFIG_P", Compress(WriteSettingDocument(*testing::MakeDefaultRecord())), 2},
        {"TIME", TimeBytes(2024, 2, 29, 23, 59, 59), 10},
        {"DEL", {0x0A}, 11},
        {"LOG", {0x01}, 12},
        {"MAIL", {100}, 14},
        {"SUM", Bytes{'<', 'Q', 'N', '_', 'C', 'M', 'D', '>', '<', 'C', 'H', '1', '>', '5', '<', '/', 'C', 'H',
                      '1', '>', '<', '/', 'Q', 'N', '_', 'C', 'M', 'D', '>'},
         15},
        {"FTPC", {0x6E}, 16},
        {"MBCLR", {0x00}, 20},
        {"UDIR_P", Container("dir"), 21},
        {"UDAT_P", Container("index.html"), 22},
    };
    for (const auto& p : puts) {
        EXPECT_EQ(unit.Put(p.object, p.data).code, 0) << p.object;
        for (int round = 0; round < 2; ++round) {
            const sim::ResultReply busy = unit.QueryResult();
            EXPECT_EQ(busy.echo, p.echo) << p.object;
            EXPECT_EQ(busy.status, sim::kResultProcessing) << p.object;
        }
        const sim::ResultReply done = unit.QueryResult();
        EXPECT_EQ(done.echo, p.echo);
        EXPECT_EQ(done.status, 0) << p.object;
        EXPECT_EQ(unit.QueryResult().status, 0) << "the final answer repeats";
    }
}

TEST(SimUnit, RefusalsReachTheResultQuery)
{
    sim::SimUnit unit;
    EXPECT_EQ(unit.QueryResult().echo, 0) << "nothing was put yet";

    const std::string doc = WriteSettingDocument(*testing::MakeDefaultRecord());
    unit.Put("CONFIG_P", Compress(testing::ReplaceFirst(doc, "<CARD_NO>1</CARD_NO>", "<CARD_NO>0</CARD_NO>")));
    sim::ResultReply r = unit.QueryResult();
    EXPECT_EQ(r.echo, 2);
    EXPECT_EQ(r.status, sim::kResultUnsupported);
    EXPECT_EQ(r.text, "<VOL_MAR><IO><AI><AI1><CARD_NO>");

    EXPECT_EQ(unit.Put("TIME", TimeBytes(2023, 2, 29, 0, 0, 0)).code, sim::kResultBadRequest);
    EXPECT_EQ(unit.QueryResult().status, sim::kResultBadRequest);
    EXPECT_EQ(unit.Put("NOPE", {1}).code, sim::kResultUnknownObject);
    EXPECT_EQ(unit.QueryResult().echo, 0);

    sim::SimUnitOptions o;
    o.refusePutCode = 3;
    o.refusePutText = "card full";
    sim::SimUnit refusing(o);
    const sim::PutOutcome out = refusing.Put("CONFIG_P", Compress(doc));
    EXPECT_EQ(out.code, 3);
    EXPECT_EQ(out.text, "card full");
    r = refusing.QueryResult();
    EXPECT_EQ(r.echo, 2);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.text, "card full");
}

TEST(SimUnit, MaintenanceObjects)
{
    sim::SimUnitOptions o;
    o.sdFreeBytes = 1536;
    sim::SimUnit unit(o);
    Bytes out;
    int code = 0;

    ASSERT_TRUE(unit.Get("MAC", out, code));
    EXPECT_EQ(out, (Bytes{0x02, 0x51, 0x4E, 0x70, 0x47, 0x01}));
    ASSERT_TRUE(unit.Get("SD", out, code));
    ASSERT_EQ(out.size(), 12u);
    double free = 0;
    std::memcpy(&free, out.data(), 8);
    EXPECT_EQ(free, 1536.0);

    // The clock keeps the time it was set to.
    ASSERT_EQ(unit.Put("TIME", TimeBytes(2031, 12, 31, 23, 59, 58)).code, 0);
    ASSERT_TRUE(unit.Get("TIME", out, code));
    ASSERT_EQ(out.size(), 12u);
    const Bytes at = TimeBytes(2031, 12, 31, 23, 59, 58), next = TimeBytes(2031, 12, 31, 23, 59, 59),
                after = TimeBytes(2032, 1, 1, 0, 0, 0);
    EXPECT_TRUE(out == at || out == next || out == after);
    for (const Bytes& bad : {TimeBytes(2009, 1, 1, 0, 0, 0), TimeBytes(2060, 1, 1, 0, 0, 0),
                             TimeBytes(2030, 4, 31, 0, 0, 0), TimeBytes(2030, 1, 1, 24, 0, 0), Bytes(11, 0)})
        EXPECT_EQ(unit.Put("TIME", bad).code, sim::kResultBadRequest);

    // The log tells what happened, with the unit's time; a reset empties it.
    EXPECT_EQ(unit.Put("MAIL", {4}).code, 0);
    EXPECT_EQ(unit.Put("MAIL", {32}).code, sim::kResultBadRequest);
    ASSERT_TRUE(unit.Get("LOG", out, code));
    const std::string log(out.begin(), out.end());
    EXPECT_NE(log.find("System started\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("2031/12/31 23:59:5"), std::string::npos) << log;
    EXPECT_NE(log.find(" Test mail: event report 5\r\n"), std::string::npos) << log;
    EXPECT_EQ(unit.Put("LOG", {0x02}).code, sim::kResultBadRequest);
    EXPECT_EQ(unit.Put("LOG", {0x01}).code, 0);
    ASSERT_TRUE(unit.Get("LOG", out, code));
    EXPECT_TRUE(out.empty());

    // Damaged user-view containers and pulse documents are refused.
    EXPECT_EQ(unit.Put("UDAT_P", Container("page", false)).code, sim::kResultCorrupt);
    EXPECT_EQ(unit.Put("UDIR_P", Bytes{1, 2, 3}).code, sim::kResultCorrupt);
    EXPECT_EQ(unit.Put("SUM", Bytes{'<', 'X', '>'}).code, sim::kResultBadRequest);

    EXPECT_FALSE(unit.Get("CONFIG", out, code));
    EXPECT_EQ(code, sim::kResultUnknownObject);

    // Without an SD card there is no free capacity and no FTP client test.
    unit.SetFlags(sim::kFlagNetworkConfig);
    EXPECT_FALSE(unit.Get("SD", out, code));
    EXPECT_EQ(code, sim::kResultNoDisk);
    EXPECT_EQ(unit.Put("FTPC", {0x6E}).code, sim::kResultNoDisk);
}

TEST(SimUnit, LogKeepsTheNewestLinesWithinOneGet)
{
    sim::UnitLog log;
    for (int i = 0; i < 500; ++i) log.Add("2030/01/01 00:00:00", "event " + std::to_string(i));
    EXPECT_LE(log.Text().size(), sim::UnitLog::kCapacity);
    EXPECT_TRUE(log.Text().starts_with("2030/01/01")) << "whole lines are dropped";
    EXPECT_TRUE(log.Text().ends_with("event 499\r\n"));
    log.Add("stamp", std::string(5000, 'x'));
    EXPECT_EQ(log.Text().size(), sim::UnitLog::kCapacity);
}

std::vector<std::vector<std::string>> JournalLines(const std::string& path)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(testing::ReadFile(path));
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string w; words >> w;) fields.push_back(w);
        lines.push_back(fields);
    }
    return lines;
}

TEST(SimUnit, JournalRecordsEveryRequestWithoutPasswords)
{
    testing::TempDir dir;
    const std::string path = dir.File("journal.log");
    testing::WriteFile(path, "earlier line\n");
    std::string error;
    auto journal = sim::Journal::Open(path, error);
    ASSERT_NE(journal, nullptr) << error;
    {
        sim::SimUnit unit({}, nullptr, std::move(journal));
        unit.Link(sim::UnitLink::Tcp).Status();
        unit.Link(sim::UnitLink::Cipher).Login("kovan", "wrong password");
        unit.Link(sim::UnitLink::Serial).Put("TIME", Bytes(12, 0));
        unit.Link(sim::UnitLink::Serial).QueryResult();
        Bytes out;
        int code = 0;
        unit.Get("MAC", out, code);
        unit.Link(sim::UnitLink::Tcp).Login("my id", "kovan");
    }
    const auto lines = JournalLines(path);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"earlier", "line"})) << "appended, not replaced";
    auto tail = [](const std::vector<std::string>& f) { return std::vector<std::string>(f.begin() + 2, f.end()); };
    EXPECT_EQ(tail(lines[1]), (std::vector<std::string>{"tcp", "status", "-", "6", "ok"}));
    EXPECT_EQ(tail(lines[2]), (std::vector<std::string>{"cipher", "login", "kovan", "0", "refused"}));
    EXPECT_EQ(tail(lines[3]), (std::vector<std::string>{"serial", "put", "TIME", "12", "refused:4"}));
    // The bytes of a small put follow it.
    EXPECT_EQ(tail(lines[4]), (std::vector<std::string>{"serial", "data", "TIME", "12", std::string(24, '0')}));
    EXPECT_EQ(tail(lines[5]), (std::vector<std::string>{"serial", "result", "TIME", "0", "refused:4"}));
    EXPECT_EQ(tail(lines[6]), (std::vector<std::string>{"unit", "get", "MAC", "6", "ok"}));
    EXPECT_EQ(tail(lines[7]), (std::vector<std::string>{"tcp", "login", "my_id", "0", "refused"}));
    EXPECT_EQ(testing::ReadFile(path).find("wrong"), std::string::npos);

    EXPECT_EQ(sim::Journal::Open(dir.File("no/such/dir/j.log"), error), nullptr);
    EXPECT_FALSE(error.empty());
}

TEST(SimUnit, LinksMayUseTheUnitAtOnce)
{
    sim::SimUnit unit;
    auto a = testing::MakeRandomRecord(21), b = testing::MakeRandomRecord(22);
    const Bytes pa = Compress(WriteSettingDocument(*a)), pb = Compress(WriteSettingDocument(*b));
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (auto link : {sim::UnitLink::Serial, sim::UnitLink::Tcp, sim::UnitLink::Cipher}) {
        threads.emplace_back([&, link] {
            sim::UnitModel& m = unit.Link(link);
            for (int i = 0; i < 4; ++i) {
                if (m.Put("CONFIG_P", (i + static_cast<int>(link)) % 2 ? pa : pb).code != 0) ++failures;
                if (!test::Download(m)) ++failures;
                m.QueryResult();
                m.Status();
            }
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(failures, 0);
    const std::string now = WriteSettingDocument(*test::RecordOf(unit));
    EXPECT_TRUE(now == WriteSettingDocument(*a) || now == WriteSettingDocument(*b));
}

}  // namespace
}  // namespace volmar
