#include "gui/common/GuideHelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QUrl>

#include "core/link/transfer/Interaction.h"

namespace volmar::gui {
namespace {

// Where the guide may be, most particular first.
QStringList GuideFolders()
{
    QStringList folders;
    const QString own = qEnvironmentVariable("VOLMAR_GUIDE_DIR");
    if (!own.isEmpty()) {
        folders << own;  // set: the only place (a test, or a copy of the guide)
        return folders;
    }
    // bin/volmar -> share/doc/volmar/guide under the same prefix.
    folders << QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))
                   .absoluteFilePath(QStringLiteral(VOLMAR_GUIDE_INSTALL_DIR));
    folders << QStringLiteral("/usr/" VOLMAR_GUIDE_INSTALL_DIR);
    folders << QStringLiteral(VOLMAR_GUIDE_BUILD_DIR);
    folders.removeDuplicates();
    return folders;
}

}  // namespace

QString GuidePagePath(const char* page)
{
    for (const QString& folder : GuideFolders()) {
        const QFileInfo file(QDir(folder).filePath(QString::fromUtf8(page)));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

void OpenGuidePage(const char* page, Interaction& ui)
{
    const QString path = GuidePagePath(page);
    QString text;
    if (path.isEmpty()) {
        text = QString::fromUtf8(kMsgGuideMissing);
        for (const QString& folder : GuideFolders()) text += QStringLiteral("\n  ") + QDir::cleanPath(folder);
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        text = QString::fromUtf8(kMsgNoBrowser) + QStringLiteral("\n  ") + path;
    } else {
        return;
    }
    ui.Show({MessageIcon::Information, text.toStdString()});
}

QPushButton* AddGuideHelp(QWidget* window, const char* page, Interaction& ui)
{
    auto* button = new QPushButton(QStringLiteral("Help"), window);
    button->setObjectName(QStringLiteral("help"));
    auto open = [page, &ui] { OpenGuidePage(page, ui); };
    QObject::connect(button, &QPushButton::clicked, window, open);
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, open);
    return button;
}

}  // namespace volmar::gui
