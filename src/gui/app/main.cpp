// volmar: the configuration tool's window. `volmar --screenshots DIR`
// renders every window to DIR/NAME.png instead.
#include <QApplication>
#include <QCommandLineParser>
#include <cstring>
#include <memory>

#include "gui/app/CVolmarApp.h"
#include "gui/screenshots/ScreenshotRun.h"

namespace {

// --help and --version only print, so they need no display (a headless
// machine, the man page build, a package check).
bool OnlyPrints(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> application =
        OnlyPrints(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                               : std::make_unique<QApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setOrganizationName(QStringLiteral("NORDWALD"));
    QCoreApplication::setApplicationName(QStringLiteral("VOLMAR"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VOLMAR_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration tool for the QN70G data-logging unit.\n"
                                                    "Preferences: the INI file named by VOLMAR_PROFILE, when set."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Render every window to DIR/NAME.png and exit."),
                                         QStringLiteral("DIR"));
    parser.addOption(screenshots);
    parser.process(app);
    if (parser.isSet(screenshots)) return volmar::gui::RenderScreenshots(parser.value(screenshots));
    // Ties the window to volmar.desktop (its name and icon on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("volmar"));

    volmar::gui::CVolmarApp volmar;
    return volmar.Run();
}
