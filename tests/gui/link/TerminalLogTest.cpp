// The terminal log on a real pseudo-terminal: the test writes on the master
// side as a unit with SW1 on would; the window reads the slave as its port.
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QPlainTextEdit>

#include "GuiTestSupport.h"
#include "Process.h"
#include "gui/link/CDlgComLog.h"
#include "core/link/serial/ComPort.h"

namespace volmar::gui::test {
namespace {

using volmar::testing::ReadFile;
using volmar::testing::TempDir;

struct TerminalLog : ::testing::Test {
    TestApp app;
    int master = -1;
    int slave = -1;
    std::string slavePath;
    TempDir dir;

    void SetUp() override
    {
        termios raw{};
        cfmakeraw(&raw);
        char name[128] = {};
        ASSERT_EQ(::openpty(&master, &slave, name, &raw, nullptr), 0);
        slavePath = name;
        app.link.kind = LinkKind::Usb;
        app.link.comPort = 3;
        app.link.comDevice = slavePath;
    }
    void TearDown() override
    {
        if (master >= 0) ::close(master);
        if (slave >= 0) ::close(slave);
    }
    void Write(const std::string& bytes)
    {
        size_t done = 0;
        for (int i = 0; done < bytes.size() && i < 20000; ++i) {
            const ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
            if (n > 0) done += static_cast<size_t>(n);
            QCoreApplication::processEvents();  // the window keeps draining
        }
        ASSERT_EQ(done, bytes.size());
    }
    // Runs the window's events until its log ends with tail (at most 5 s).
    static bool WaitForTail(CDlgComLog& log, const QString& tail)
    {
        for (int i = 0; i < 500; ++i) {
            if (log.LogText().endsWith(tail)) return true;
            QTest::qWait(10);
        }
        return false;
    }
    // The saved file as text (UTF-16LE, no byte-order mark).
    static QString Saved(const std::string& path)
    {
        const std::string bytes = ReadFile(path);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()),
                                  static_cast<qsizetype>(bytes.size() / 2));
    }
    // Runs the window as the main window's route does, calling body once it
    // is up.
    void RunWithLog(const std::function<void(CDlgComLog*)>& body)
    {
        AnswerModal<CDlgComLog>([body](CDlgComLog* log) { body(log); });
        RunTerminalLog(app.ctx, nullptr);
    }
};

TEST_F(TerminalLog, LongBurstKeepsTheNewestThousandLinesAndSavesThem)
{
    std::string burst;
    for (int i = 1; i <= 1500; ++i) burst += "log line " + std::to_string(i) + "\r\n";
    burst += "unfinished";
    ASSERT_GT(burst.size(), 4 * kTerminalChunk);
    const std::string file = dir.File("ComLog.txt");
    RunWithLog([&](CDlgComLog* log) {
        Write(burst);
        ASSERT_TRUE(WaitForTail(*log, "unfinished"));
        // 999 whole lines and the unfinished one.
        EXPECT_EQ(log->LogText().count('\n'), kTerminalLines - 1);
        EXPECT_TRUE(log->LogText().startsWith("log line 502\r\n"));
        EXPECT_EQ(log->textBox()->document()->blockCount(), kTerminalLines);
        log->SaveTo(QString::fromStdString(file));
        // Cancel keeps the log running, OK ends the reader.
        app.ui.confirmAnswers = {false, true};
        log->OnBack();
        EXPECT_TRUE(log->ReaderRunning());
        log->OnBack();
        EXPECT_FALSE(log->ReaderRunning());
    });
    EXPECT_EQ(app.ui.Texts(), (std::vector<std::string>{"Turn SW1 ON at the front of device.", "File saved.",
                                                         "Turn SW1 OFF at the front of device."}));
    const std::string expected = burst.substr(burst.find("log line 502\r\n"));
    EXPECT_EQ(Saved(file), QString::fromStdString(expected));
    EXPECT_EQ(ReadFile(file).size(), expected.size() * 2);
    // The port is closed again: it opens exclusively once more.
    CComPort again;
    EXPECT_TRUE(again.Open(slavePath).ok);
}

TEST_F(TerminalLog, SplitCharacterClearThenSaveAndTheSaveFailures)
{
    const std::string file = dir.File("log.txt");
    testing::WriteFile(file, "old log");
    RunWithLog([&](CDlgComLog* log) {
        Write("caf\xC3");
        QTest::qWait(150);
        Write("\xA9 \xE6\x97");
        QTest::qWait(150);
        Write("\xA5\xE6\x9C\xAC\r\n");
        ASSERT_TRUE(WaitForTail(*log, "\r\n"));
        EXPECT_EQ(log->LogText(), QString::fromUtf8("caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\r\n"));

        log->SaveTo(QString::fromStdString(dir.File("missing/log.txt")));
        app.ui.confirmAnswers = {true};
        log->OnClear();
        EXPECT_TRUE(log->textBox()->toPlainText().isEmpty());
        log->SaveTo(QString::fromStdString(file));
        // Escape asks first too; OK closes.
        app.ui.confirmAnswers = {true};
        QTest::keyClick(log, Qt::Key_Escape);
        EXPECT_FALSE(log->isVisible());
    });
    const std::vector<std::string> texts = app.ui.Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], "Failed to Open File");
    EXPECT_EQ(texts[2], "File saved.");
    EXPECT_EQ(ReadFile(file), "");
    EXPECT_EQ(app.ui.questions, (std::vector<std::string>{"Are you sure to clear terminal log?",
                                                           "Returning to main menu"}));
}

// A stream without line ends (a wrong baud rate) is bounded by characters
// as the lines are; the box keeps showing the log, a CR LF split between two
// reads included.
TEST_F(TerminalLog, StreamWithoutLineEndsIsBoundedToo)
{
    RunWithLog([&](CDlgComLog* log) {
        Write("first\r");
        ASSERT_TRUE(WaitForTail(*log, "first\r"));
        Write("\nsecond\r\n");
        ASSERT_TRUE(WaitForTail(*log, "second\r\n"));
        EXPECT_EQ(log->textBox()->toPlainText(), QStringLiteral("first\nsecond\n"));
        std::string noise;
        for (size_t i = 0; noise.size() < 3 * static_cast<size_t>(kTerminalChars); ++i)
            noise += static_cast<char>('!' + i % 90);
        Write(noise + "\r\nEND");
        ASSERT_TRUE(WaitForTail(*log, "END"));
        EXPECT_LE(log->LogText().size(), kTerminalChars);
        EXPECT_TRUE(log->LogText().endsWith(QString::fromStdString(noise.substr(noise.size() - 1000)) + "\r\nEND"));
        QString box = log->LogText();
        box.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(log->textBox()->toPlainText(), box);
        app.ui.confirmAnswers = {true};
        log->OnBack();
    });
}

TEST_F(TerminalLog, UnpluggedPortEndsTheReaderAndABusyPortIsRefused)
{
    RunWithLog([&](CDlgComLog* log) {
        Write("before\n");
        ASSERT_TRUE(WaitForTail(*log, "before\n"));
        ::close(master);
        ::close(slave);
        master = slave = -1;
        for (int i = 0; i < 200 && log->ReaderRunning(); ++i) QTest::qWait(10);
        EXPECT_FALSE(log->ReaderRunning());
        log->close();  // the title bar: the question (OK), then the window goes
    });

    // A port held by another program: the message and no window at all.
    TearDown();
    SetUp();
    CComPort holder;
    ASSERT_TRUE(holder.Open(slavePath).ok);
    app.ui.shown.clear();
    RunTerminalLog(app.ctx, nullptr);
    ASSERT_EQ(app.ui.shown.size(), 1u);
    EXPECT_EQ(app.ui.shown[0].text.rfind("Cannot open COM port 3", 0), 0u) << app.ui.shown[0].text;
    EXPECT_EQ(app.ui.shown[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace volmar::gui::test
