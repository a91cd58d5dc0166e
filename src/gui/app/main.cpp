// volmar: the configuration tool's window. `volmar --screenshots DIR`
// renders every window to DIR/NAME.png instead.
#include <QApplication>
#include <QCommandLineParser>

#include "app/CVolmarApp.h"
#include "app/ScreenshotRun.h"
#include "editors/io/CDlgSetMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("NORDWALD"));
    QApplication::setApplicationName(QStringLiteral("VOLMAR"));
    QApplication::setApplicationVersion(QStringLiteral(VOLMAR_VERSION));

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

    volmar::gui::CVolmarApp volmar;
    // The windows behind the routes plug in here as they are built; until
    // then each route shows its notice.
    volmar::gui::MainRoutes& routes = volmar.Routes();
    routes.openHub = [&volmar](QWidget* parent, volmar::SettingRecord& record, std::string& filePath) {
        volmar::gui::CDlgSetMain hub(record, filePath, volmar.Context(), parent);
        hub.exec();
    };
    return volmar.Run();
}
