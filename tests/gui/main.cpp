// The GUI tests run GoogleTest inside a QApplication on the offscreen
// platform, and drive real widgets with QTest. Every Qt warning fails the
// test it came up in: Qt reports a misuse (a timer on a thread Qt did not
// start, a layout set twice) only this way, and it would go unnoticed in
// the output otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

std::mutex g_mutex;
std::vector<std::string> g_warnings;  // since the running test started

// What the offscreen platform the tests run on says of itself: a desktop's
// platform does these, and nothing of ours can change them there.
bool FromTheTestPlatform(const QString& text)
{
    return text == QLatin1String("This plugin does not support propagateSizeHints()") ||
           text == QLatin1String("This plugin does not support raise()") ||
           text == QLatin1String("This plugin does not support grabbing the keyboard") ||
           text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void RecordQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (FromTheTestPlatform(text)) return;
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stderr, "%s\n", bytes.constData());
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    std::lock_guard lock(g_mutex);
    g_warnings.emplace_back(bytes.constData());
}

class FailOnQtWarnings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { Take(); }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        for (const std::string& warning : Take()) ADD_FAILURE() << "Qt warning: " << warning;
    }
    static std::vector<std::string> Take()
    {
        std::lock_guard lock(g_mutex);
        return std::exchange(g_warnings, {});
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(RecordQtMessage);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Appended after the result printer, so its failures are in the test's result.
    ::testing::UnitTest::GetInstance()->listeners().Append(new FailOnQtWarnings);
    return RUN_ALL_TESTS();
}
